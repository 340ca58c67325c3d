// Exercise 27: among 14 whole non-negative numbers, the smallest even one and the largest odd
// one, each with its order of entry.
#include "exercises/parity/parity_series.h"

namespace ej::parity {
namespace {

WindowDesign design() {
    return {
        .name = "frmej27",
        .caption = "Ejercicio 27",
        .width = 5415,
        .height = 4740,
        .controls = {
            label("lblej2701",
                  "Ingrese 14 números enteros y positivos. Determinar el menor y su orden de "
                  "ingreso de los números pares ingresados y el mayor y su orden de los números "
                  "impares ingresados. Por fin de programa mostrarlo.",
                  {240, 120, 4935, 855}),
            label("lblej2702", "Ingrese", {240, 1200, 1455, 255}),
            inputBox("txtej2701", {2040, 1200, 1455, 285}, 0),
            label("lblej2703", "Menor Par", {240, 1680, 1455, 255}),
            resultBox("txtej2702", {2040, 1680, 3015, 285}, 1),
            label("lblej2704", "Orden Par", {240, 2160, 1455, 255}),
            resultBox("txtej2703", {2040, 2160, 3015, 285}, 11),
            label("lblej2705", "Mayor Impar", {240, 2640, 1455, 255}),
            resultBox("txtej2704", {2040, 2640, 3015, 285}, 12),
            label("lblej2706", "Orden Impar", {240, 3120, 1455, 255}),
            resultBox("txtej2705", {2040, 3120, 3015, 285}, 13),
            label("lblej2707", "", {240, 3600, 4935, 255}),  // messages
            button("cmdej2701", "INGRESO", {240, 4080, 1575, 495}, 9),
            button("cmdej2702", "SALIR", {3600, 4080, 1575, 495}, 10),
        },
        .defaultButton = "cmdej2701",
    };
}

const RegisteredParityWindow registered(design(), {
    .count = 14,
    .admits = Admits::WholeNonNegative,
    .classes = {
        {Joins::Evens, Shows::SmallestWithOrder, {"txtej2702", "txtej2703"}, "No ingresó N° par"},
        {Joins::Odds, Shows::LargestWithOrder, {"txtej2704", "txtej2705"}, "No ingresó N° impar"},
    },
});

}  // namespace
}  // namespace ej::parity
