// Exercise 22: count, sum and average of the even numbers among 14 whole non-negative ones.
#include "exercises/parity/parity_series.h"

namespace ej::parity {
namespace {

WindowDesign design() {
    return {
        .name = "frmej22",
        .caption = "Ejercicio 22",
        .width = 5535,
        .height = 4485,
        .controls = {
            label("lblej2201",
                  "Ingrese 14 números enteros y positivos. Determinar la cantidad, la suma y el "
                  "promedio de los números pares ingresados. Por fin de programa mostrarlo.",
                  {240, 120, 5055, 615}),
            label("lblej2202", "Ingrese", {240, 1080, 1335, 255}),
            inputBox("txtej2201", {1920, 1080, 1455, 285}, 0),
            resultBox("txtej2202", {1920, 1560, 3255, 405}, 1),
            label("lblej2203", "Cantidad", {240, 1680, 1335, 255}),
            resultBox("txtej2203", {1920, 2160, 3255, 405}, 10),
            label("lblej2204", "Suma", {240, 2280, 1335, 255}),
            resultBox("txtej2204", {1920, 2760, 3255, 375}, 11),
            label("lblej2205", "Promedio", {240, 2880, 1335, 255}),
            label("lblej2206", "", {240, 3480, 5055, 255}),  // messages
            button("cmdej2201", "INGRESO", {240, 3960, 1335, 375}, 8),
            button("cmdej2202", "SALIR", {3960, 3960, 1335, 375}, 9),
        },
        .defaultButton = "cmdej2201",
    };
}

const RegisteredParityWindow registered(design(), {
    .count = 14,
    .admits = Admits::WholeNonNegative,
    .classes = {
        {Joins::Evens, Shows::CountSumAverage, {"txtej2202", "txtej2203", "txtej2204"},
         "No ingresó N° pares"},
    },
});

}  // namespace
}  // namespace ej::parity
