// Exercise 21: count and sum of the even and of the odd numbers among 12 whole
// non-negative ones.
#include "exercises/parity/parity_series.h"

namespace ej::parity {
namespace {

WindowDesign design() {
    return {
        .name = "frmej21",
        .caption = "Ejercicio 21",
        .width = 7080,
        .height = 5145,
        .controls = {
            label("lblej2101",
                  "Ingrese 12 números enteros y positivos. Determinar la cantidad y la suma de "
                  "los números pares y la cantidad y la suma de los números impares ingresados. "
                  "Por fin de programa mostrarlo.",
                  {240, 120, 6495, 615}),
            label("lblej2102", "Ingrese", {240, 960, 1575, 255}),
            inputBox("txtej2101", {2160, 960, 1695, 375}, 0),
            resultBox("txtej2102", {2160, 1440, 4215, 375}, 1),
            label("lblej2103", "Cantidad de N° pares", {240, 1560, 1575, 255}),
            resultBox("txtej2103", {2160, 2040, 4215, 375}, 11),
            label("lblej2104", "Suma de N° pares", {240, 2160, 1575, 255}),
            label("lblej2105", "Cantidad de N° impares", {240, 2760, 1575, 495}),
            resultBox("txtej2104", {2160, 2760, 4215, 375}, 12),
            resultBox("txtej2105", {2160, 3480, 4215, 375}, 13),
            label("lblej2106", "Suma de N° impares", {240, 3600, 1575, 255}),
            label("lblej2107", "", {-360, 4080, 6495, 255}),  // messages; starts left of the client area
            button("cmdej2101", "INGRESO", {240, 4560, 1455, 495}, 9),
            button("cmdej2102", "SALIR", {5160, 4560, 1575, 495}, 10),
        },
        .defaultButton = "cmdej2101",
    };
}

const RegisteredParityWindow registered(design(), {
    .count = 12,
    .admits = Admits::WholeNonNegative,
    .classes = {
        {Joins::Evens, Shows::CountSum, {"txtej2102", "txtej2103"}, "No ingresó N° pares"},
        {Joins::Odds, Shows::CountSum, {"txtej2104", "txtej2105"}, "No ingresó N° impares"},
    },
});

}  // namespace
}  // namespace ej::parity
