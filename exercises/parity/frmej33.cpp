// Exercise 33: count, sum and average of the odd and of the positive numbers among 12 whole
// numbers; 0 counts as positive.
#include "exercises/parity/parity_series.h"

namespace ej::parity {
namespace {

WindowDesign design() {
    return {
        .name = "frmej33",
        .caption = "Ejercicio 33",
        .width = 5430,
        .height = 5310,
        .controls = {
            label("lblej3301",
                  "Ingrese 12 números enteros. Determinar la cantidad, la suma y el promedio de "
                  "los números impares ingresados y la cantidad, la suma y el promedio de los "
                  "números positivos. Por fin de programa mostrarlo.",
                  {240, 0, 4935, 615}),
            label("lblej3302", "Ingrese", {240, 840, 1335, 255}),
            inputBox("txtej3301", {1920, 840, 1455, 285}, 0),
            label("lblej3303", "Cantidad Impar", {240, 1320, 1335, 255}),
            resultBox("txtej3302", {1920, 1320, 3015, 285}, 1),
            label("lblej3304", "Suma Impar", {240, 1800, 1335, 255}),
            resultBox("txtej3303", {1920, 1800, 3015, 285}, 4),
            label("lblej3305", "Promedio Impar", {240, 2280, 1335, 255}),
            resultBox("txtej3304", {1920, 2280, 3015, 285}, 3),
            label("lblej3306", "Cantidad Positivo", {240, 2760, 1335, 255}),
            resultBox("txtej3305", {1920, 2760, 3015, 285}, 5),
            label("lblej3307", "Suma Positivo", {240, 3240, 1335, 255}),
            resultBox("txtej3306", {1920, 3240, 3015, 285}, 6),
            label("lblej3308", "Promedio Positivo", {240, 3720, 1335, 255}),
            resultBox("txtej3307", {1920, 3720, 3015, 285}, 2),
            label("lblej3309", "", {240, 4200, 4935, 255}),  // messages
            button("cmdej3301", "INGRESO", {240, 4680, 1335, 495}, 7),
            button("cmdej3302", "SALIR", {3840, 4680, 1335, 495}, 8),
        },
        .defaultButton = "cmdej3301",
    };
}

const RegisteredParityWindow registered(design(), {
    .count = 12,
    .admits = Admits::Whole,
    .classes = {
        {Joins::Odds, Shows::CountSumAverage, {"txtej3302", "txtej3303", "txtej3304"},
         "No ingresó N° impar"},
        {Joins::ZeroOrAbove, Shows::CountSumAverage, {"txtej3305", "txtej3306", "txtej3307"},
         "No ingresó N° positivo"},
    },
});

}  // namespace
}  // namespace ej::parity
