// Exercise 29: count and sum of the odd and of the positive numbers among 16 whole numbers;
// 0 counts as positive.
#include "exercises/parity/parity_series.h"

namespace ej::parity {
namespace {

WindowDesign design() {
    return {
        .name = "frmej29",
        .caption = "Ejercicio 29",
        .width = 5460,
        .height = 4485,
        .controls = {
            label("lblej2901",
                  "Ingrese 16 números enteros. Determinar la cantidad y la suma de los números "
                  "impares ingresados y la cantidad y la suma de los números positivos. Por fin "
                  "de programa mostrarlo.",
                  {240, 120, 4935, 615}),
            label("lblej2902", "Ingrese", {240, 960, 1335, 255}),
            inputBox("txtej2901", {1920, 960, 1455, 285}, 0),
            label("lblej2903", "Cantidad Impar", {240, 1440, 1335, 255}),
            resultBox("txtej2902", {1920, 1440, 3015, 285}, 1),
            label("lblej2904", "Suma Impar", {240, 1920, 1335, 255}),
            resultBox("txtej2903", {1920, 1920, 3015, 285}, 9),
            label("lblej2905", "Cantidad Positivo", {240, 2400, 1335, 255}),
            resultBox("txtej2904", {1920, 2400, 3015, 285}, 10),
            label("lblej2906", "Suma Positivo", {240, 2880, 1335, 255}),
            resultBox("txtej2905", {1920, 2880, 3015, 285}, 11),
            label("lblej2907", "", {240, 3360, 4935, 255}),  // messages
            button("cmdej2901", "INGRESO", {240, 3840, 1335, 495}, 12),
            button("cmdej2902", "SALIR", {3840, 3840, 1335, 495}, 13),
        },
        .defaultButton = "cmdej2901",
    };
}

const RegisteredParityWindow registered(design(), {
    .count = 16,
    .admits = Admits::Whole,
    .classes = {
        {Joins::Odds, Shows::CountSum, {"txtej2902", "txtej2903"}, "No ingresó N° impar"},
        {Joins::ZeroOrAbove, Shows::CountSum, {"txtej2904", "txtej2905"}, "No ingresó N° positivo"},
    },
});

}  // namespace
}  // namespace ej::parity
