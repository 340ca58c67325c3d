// Exercise 28: count and sum of the even and of the positive numbers among 13 whole numbers;
// 0 is even but not positive.
#include "exercises/parity/parity_series.h"

namespace ej::parity {
namespace {

WindowDesign design() {
    return {
        .name = "frmej28",
        .caption = "Ejercicio 28",
        .width = 5460,
        .height = 4350,
        .controls = {
            label("lblej2801",
                  "Ingrese 13 números enteros. Determine la cantidad y la suma de los números "
                  "pares ingresados y la cantidad y la suma de los números positivos. Por fin de "
                  "programa mostrarlo.",
                  {240, 120, 4935, 615}),
            label("lblej2802", "Ingrese", {240, 960, 1335, 255}),
            inputBox("txtej2801", {1920, 960, 1335, 285}, 0),
            label("lblej2803", "Cantidad Par", {240, 1440, 1335, 255}),
            resultBox("txtej2802", {1920, 1440, 3135, 285}, 1),
            label("lblej2804", "Suma Par", {240, 1920, 1335, 255}),
            resultBox("txtej2803", {1920, 1920, 3135, 285}, 11),
            label("lblej2805", "Cantidad Positivo", {240, 2400, 1335, 255}),
            resultBox("txtej2804", {1920, 2400, 3135, 285}, 12),
            label("lblej2806", "Suma Positivo", {240, 2880, 1335, 255}),
            resultBox("txtej2805", {1920, 2880, 3135, 285}, 13),
            label("lblej2807", "", {240, 3360, 4935, 255}),  // messages
            button("cmdej2801", "INGRESO", {240, 3840, 1455, 375}, 9),
            button("cmdej2802", "SALIR", {3840, 3840, 1335, 375}, 10),
        },
        .defaultButton = "cmdej2801",
    };
}

const RegisteredParityWindow registered(design(), {
    .count = 13,
    .admits = Admits::Whole,
    .classes = {
        {Joins::Evens, Shows::CountSum, {"txtej2802", "txtej2803"}, "No ingresó N° par"},
        {Joins::AboveZero, Shows::CountSum, {"txtej2804", "txtej2805"}, "No ingresó N° positivo"},
    },
});

}  // namespace
}  // namespace ej::parity
