// Exercise 34: count, sum and average of the even and of the negative numbers among 16 whole
// numbers; 0 counts as negative.
#include "exercises/parity/parity_series.h"

namespace ej::parity {
namespace {

WindowDesign design() {
    return {
        .name = "frmej34",
        .caption = "Ejercicio 34",
        .width = 5415,
        .height = 5340,
        .controls = {
            label("lblej3401",
                  "Ingrese 16 números enteros. Determinar la cantidad, la suma y el promedio de "
                  "los números pares ingresados y la cantidad, la suma y el promedio de los "
                  "números negativos. Por fin de programa mostrarlo.",
                  {240, 0, 4935, 615}),
            label("lblej3402", "Ingrese", {240, 840, 1335, 255}),
            inputBox("txtej3401", {1920, 840, 1455, 285}, 0),
            label("lblej3403", "Cantidad Par", {240, 1320, 1335, 255}),
            resultBox("txtej3402", {1920, 1320, 3015, 285}, 1),
            label("lblej3404", "Suma Par", {240, 1800, 1335, 255}),
            resultBox("txtej3403", {1920, 1800, 3015, 285}, 6),
            label("lblej3405", "Promedio Par", {240, 2280, 1335, 255}),
            resultBox("txtej3404", {1920, 2280, 3015, 285}, 7),
            label("lblej3406", "Cantidad Negativo", {240, 2760, 1335, 255}),
            resultBox("txtej3405", {1920, 2760, 3015, 285}, 5),
            label("lblej3407", "Suma Negativo", {240, 3240, 1335, 255}),
            resultBox("txtej3406", {1920, 3240, 3015, 285}, 4),
            label("lblej3408", "Promedio Negativo", {240, 3720, 1455, 255}, Align::Left),
            resultBox("txtej3407", {1920, 3720, 3015, 285}, 8),
            label("lblej3409", "", {240, 4200, 4935, 255}),  // messages
            button("cmdej3401", "INGRESO", {240, 4680, 1335, 495}, 3),
            button("cmdej3402", "SALIR", {3840, 4680, 1335, 495}, 2),
        },
        .defaultButton = "cmdej3401",
    };
}

const RegisteredParityWindow registered(design(), {
    .count = 16,
    .admits = Admits::Whole,
    .classes = {
        {Joins::Evens, Shows::CountSumAverage, {"txtej3402", "txtej3403", "txtej3404"},
         "No ingresó N° par"},
        {Joins::ZeroOrBelow, Shows::CountSumAverage, {"txtej3405", "txtej3406", "txtej3407"},
         "No ingresó N° negativo"},
    },
});

}  // namespace
}  // namespace ej::parity
