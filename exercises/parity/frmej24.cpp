// Exercise 24: count, sum and average of the even and of the odd numbers among 13 whole
// non-negative ones.
#include "exercises/parity/parity_series.h"

namespace ej::parity {
namespace {

WindowDesign design() {
    return {
        .name = "frmej24",
        .caption = "Ejercicio 24",
        .width = 5415,
        .height = 5940,
        .controls = {
            label("lblej2401",
                  "Ingrese 13 números enteros y positivos. Determinar la cantidad, la suma y el "
                  "promedio de los números pares y de los números impares ingresados. Por fin de "
                  "programa mostrarlo.",
                  {240, 120, 4935, 615}),
            label("lblej2402", "Ingrese", {240, 960, 1335, 255}),
            inputBox("txtej2401", {1920, 960, 1575, 285}, 0),
            label("lblej2403", "Cantidad N° Pares", {240, 1440, 1335, 255}),
            resultBox("txtej2402", {1920, 1440, 3015, 285}, 1),
            label("lblej2404", "Suma N° Pares", {240, 1920, 1335, 255}),
            resultBox("txtej2403", {1920, 1920, 3015, 285}, 13),
            label("lblej2405", "Promedio N° Pares", {240, 2400, 1335, 255}),
            resultBox("txtej2404", {1920, 2400, 3015, 285}, 14),
            label("lblej2406", "Cantidad N° Impares", {240, 2880, 1335, 495}),
            resultBox("txtej2405", {1920, 2880, 3015, 375}, 15),
            resultBox("txtej2406", {1920, 3480, 3015, 405}, 16),
            label("lblej2407", "Suma N° Impares", {240, 3600, 1335, 255}),
            label("lblej2408", "Promedio N° Impares", {240, 4080, 1335, 495}),
            resultBox("txtej2407", {1920, 4080, 3015, 375}, 17),
            label("lblej2409", "", {240, 4800, 4935, 255}),  // messages
            button("cmdej2401", "INGRESO", {240, 5280, 1455, 495}, 11),
            button("cmdej2402", "SALIR", {3720, 5280, 1455, 495}, 12),
        },
        .defaultButton = "cmdej2401",
    };
}

const RegisteredParityWindow registered(design(), {
    .count = 13,
    .admits = Admits::WholeNonNegative,
    .classes = {
        {Joins::Evens, Shows::CountSumAverage, {"txtej2402", "txtej2403", "txtej2404"},
         "No ingresó N° pares"},
        {Joins::Odds, Shows::CountSumAverage, {"txtej2405", "txtej2406", "txtej2407"},
         "No ingresó N° impares"},
    },
});

}  // namespace
}  // namespace ej::parity
