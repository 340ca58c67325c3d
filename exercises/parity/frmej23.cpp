// Exercise 23: count, sum and average of the odd numbers among 17 whole non-negative ones.
#include "exercises/parity/parity_series.h"

namespace ej::parity {
namespace {

WindowDesign design() {
    return {
        .name = "frmej23",
        .caption = "Ejercicio 23",
        .width = 5280,
        .height = 4500,
        .controls = {
            label("lblej2301",
                  "Ingrese 17 números enteros y positivos. Determinar la cantidad, la suma y el "
                  "promedio de los números impares ingresados. Por fin de programa mostrarlo.",
                  {240, 120, 4695, 615}),
            label("lblej2302", "Ingrese", {240, 1080, 1215, 255}),
            inputBox("txtej2301", {1800, 1080, 1455, 285}, 0),
            resultBox("txtej2302", {1800, 1560, 3015, 405}, 1),
            label("lblej2303", "Cantidad", {240, 1680, 1215, 255}),
            resultBox("txtej2303", {1800, 2160, 3015, 405}, 8),
            label("lblej2304", "Suma", {240, 2280, 1215, 255}),
            resultBox("txtej2304", {1800, 2760, 3015, 405}, 9),
            label("lblej2305", "Promedio", {240, 2880, 1215, 255}),
            label("lblej2306", "", {240, 3360, 4695, 255}),  // messages
            button("cmdej2301", "INGRESO", {240, 3840, 1335, 495}, 10),
            button("cmdej2302", "SALIR", {3600, 3840, 1335, 495}, 11),
        },
        .defaultButton = "cmdej2301",
    };
}

const RegisteredParityWindow registered(design(), {
    .count = 17,
    .admits = Admits::WholeNonNegative,
    .classes = {
        {Joins::Odds, Shows::CountSumAverage, {"txtej2302", "txtej2303", "txtej2304"},
         "No ingresó N° impar"},
    },
});

}  // namespace
}  // namespace ej::parity
