// Exercise 19: how many of 15 whole non-negative numbers are even, and their sum.
#include "exercises/parity/parity_series.h"

namespace ej::parity {
namespace {

WindowDesign design() {
    return {
        .name = "frmej19",
        .caption = "Ejercicio 19",
        .width = 5340,
        .height = 4365,
        .controls = {
            label("lblej1901",
                  "Ingrese 15 números enteros y positivos. Determinar la cantidad y la suma de "
                  "los números pares ingresados. Por fin de programa mostrarlo. Para realizar "
                  "este ejercicio no puede utilizarse la división ni la multiplicación.",
                  {240, 120, 4815, 855}),
            label("lblej1902", "Ingrese", {240, 1200, 1455, 375}),
            inputBox("txtej1901", {2040, 1200, 975, 405}, 0),
            resultBox("txtej1902", {2040, 1800, 2175, 405}, 1),
            label("lblej1903", "Cantidad", {240, 1920, 1455, 255}),
            resultBox("txtej1903", {2040, 2400, 2175, 495}, 6),
            label("lblej1904", "La Suma de los N° Pares", {240, 2520, 1455, 375}),
            label("lblej1905", "", {240, 3120, 4815, 375}),  // messages
            button("cmdej1901", "INGRESO", {240, 3720, 1455, 495}, 7),
            button("cmdej1902", "SALIR", {3600, 3720, 1455, 495}, 8),
        },
        .defaultButton = "cmdej1901",
    };
}

const RegisteredParityWindow registered(design(), {
    .count = 15,
    .admits = Admits::WholeNonNegative,
    .classes = {
        {Joins::Evens, Shows::CountSum, {"txtej1902", "txtej1903"}, "No ingresó N° pares"},
    },
});

}  // namespace
}  // namespace ej::parity
