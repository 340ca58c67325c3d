// Exercise 32: count, sum and average of the even and of the positive numbers among 17 whole
// numbers; 0 counts as positive.
#include "exercises/parity/parity_series.h"

namespace ej::parity {
namespace {

WindowDesign design() {
    return {
        .name = "frmej32",
        .caption = "Ejercicio 32",
        .width = 5445,
        .height = 5340,
        .controls = {
            label("lblej3201",
                  "Ingrese 17 números enteros. Determinar la cantidad, la suma y el promedio de "
                  "los números pares ingresados y la cantidad, la suma y el promedio de los "
                  "números positivos. Por fin de programa mostrarlo.",
                  {240, 0, 4935, 615}),
            label("lblej3202", "Ingrese", {240, 840, 1335, 255}),
            inputBox("txtej3201", {1920, 840, 1455, 285}, 0),
            label("lblej3203", "Cantidad Par", {240, 1320, 1335, 255}),
            resultBox("txtej3202", {1920, 1320, 3015, 285}, 1),
            label("lblej3204", "Suma Par", {240, 1800, 1335, 255}),
            resultBox("txtej3203", {1920, 1800, 3015, 285}, 6),
            label("lblej3205", "Promedio Par", {240, 2280, 1335, 255}),
            resultBox("txtej3204", {1920, 2280, 3015, 285}, 14),
            label("lblej3206", "Cantidad Positivo", {240, 2760, 1335, 255}),
            resultBox("txtej3205", {1920, 2760, 3015, 285}, 5),
            label("lblej3207", "Suma Positivo", {240, 3240, 1335, 255}),
            resultBox("txtej3206", {1920, 3240, 3015, 285}, 4),
            label("lblej3208", "Promedio Positivo", {240, 3720, 1335, 255}),
            resultBox("txtej3207", {1920, 3720, 3015, 285}, 16),
            label("lblej3209", "", {240, 4200, 4935, 255}),  // messages
            button("cmdej3201", "INGRESO", {240, 4680, 1335, 495}, 3),
            button("cmdej3202", "SALIR", {3840, 4680, 1335, 495}, 2),
        },
        .defaultButton = "cmdej3201",
    };
}

const RegisteredParityWindow registered(design(), {
    .count = 17,
    .admits = Admits::Whole,
    .classes = {
        {Joins::Evens, Shows::CountSumAverage, {"txtej3202", "txtej3203", "txtej3204"},
         "No ingresó N° par"},
        {Joins::ZeroOrAbove, Shows::CountSumAverage, {"txtej3205", "txtej3206", "txtej3207"},
         "No ingresó N° positivo"},
    },
});

}  // namespace
}  // namespace ej::parity
