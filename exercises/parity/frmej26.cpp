// Exercise 26: the smallest odd number among 13 whole non-negative ones, with its order of entry.
#include "exercises/parity/parity_series.h"

namespace ej::parity {
namespace {

WindowDesign design() {
    return {
        .name = "frmej26",
        .caption = "Ejercicio 26",
        .width = 5295,
        .height = 4020,
        .controls = {
            label("lblej2601",
                  "Ingrese 13 números enteros y positivos. Determine el menor y su orden de "
                  "ingreso de los números impares ingresados. Por fin de programa mostrarlo.",
                  {240, 120, 4815, 615}),
            label("lblej2602", "Ingrese", {240, 1080, 1335, 255}),
            inputBox("txtej2601", {1920, 1080, 1335, 285}, 0),
            resultBox("txtej2602", {1920, 1560, 2895, 405}, 1),
            label("lblej2603", "Menor", {240, 1680, 1335, 255}),
            resultBox("txtej2603", {1920, 2160, 2895, 405}, 9),
            label("lblej2604", "Orden de ingreso", {240, 2280, 1335, 255}),
            label("lblej2605", "", {240, 2880, 4815, 255}),  // messages
            button("cmdej2601", "INGRESO", {240, 3360, 1335, 495}, 7),
            button("cmdej2602", "SALIR", {3720, 3360, 1335, 495}, 8),
        },
        .defaultButton = "cmdej2601",
    };
}

const RegisteredParityWindow registered(design(), {
    .count = 13,
    .admits = Admits::WholeNonNegative,
    .classes = {
        {Joins::Odds, Shows::SmallestWithOrder, {"txtej2602", "txtej2603"}, "No ingresó N° impares"},
    },
});

}  // namespace
}  // namespace ej::parity
