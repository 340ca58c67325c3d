// Exercise 25: the largest even number among 19 whole non-negative ones, with its order of entry.
#include "exercises/parity/parity_series.h"

namespace ej::parity {
namespace {

WindowDesign design() {
    return {
        .name = "frmej25",
        .caption = "Ejercicio 25",
        .width = 5340,
        .height = 3900,
        .controls = {
            label("lblej2501",
                  "Ingrese 19 números enteros y positivos. Determinar el mayor y su orden de "
                  "ingreso de los números pares ingresados. Por fin de programa mostrarlo.",
                  {240, 120, 4815, 615}),
            label("lblej2502", "Ingrese", {240, 1080, 1215, 255}),
            inputBox("txtej2501", {1800, 1080, 1335, 285}, 0),
            resultBox("txtej2502", {1800, 1560, 3015, 405}, 1),
            label("lblej2503", "Mayor", {240, 1680, 1215, 255}),
            resultBox("txtej2503", {1800, 2160, 3015, 405}, 9),
            label("lblej2504", "Orden de ingreso", {240, 2280, 1215, 255}),
            label("lblej2505", "", {240, 2760, 4815, 255}),  // messages
            button("cmdej2501", "INGRESO", {240, 3240, 1335, 495}, 7),
            button("cmdej2502", "SALIR", {3720, 3240, 1335, 495}, 8),
        },
        .defaultButton = "cmdej2501",
    };
}

const RegisteredParityWindow registered(design(), {
    .count = 19,
    .admits = Admits::WholeNonNegative,
    .classes = {
        {Joins::Evens, Shows::LargestWithOrder, {"txtej2502", "txtej2503"}, "No ingresó N° pares"},
    },
});

}  // namespace
}  // namespace ej::parity
