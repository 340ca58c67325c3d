// Exercise 35: count, sum and average of the odd and of the negative numbers among 13 whole
// numbers; 0 counts as negative.
#include "exercises/parity/parity_series.h"

namespace ej::parity {
namespace {

WindowDesign design() {
    return {
        .name = "frmej35",
        .caption = "Ejercicio 35",
        .width = 5415,
        .height = 5340,
        .controls = {
            label("lblej3501",
                  "Ingrese 13 números enteros. Determinar la cantidad, la suma y el promedio de "
                  "los números impares ingresados y la cantidad, la suma y el promedio de los "
                  "números negativos. Por fin de programa mostrarlo.",
                  {240, 0, 4935, 615}),
            label("lblej3502", "Ingrese", {240, 840, 1335, 255}),
            inputBox("txtej3501", {1920, 840, 1455, 285}, 0),
            label("lblej303", "Cantidad Impar", {240, 1320, 1335, 255}),  // so named
            resultBox("txtej3502", {1920, 1320, 3015, 285}, 1),
            label("lblej3504", "Suma Impar", {240, 1800, 1335, 255}),
            resultBox("txtej3503", {1920, 1800, 3015, 285}, 4),
            label("lblej3505", "Promedio Impar", {240, 2280, 1335, 255}),
            resultBox("txtej3504", {1920, 2280, 3015, 285}, 3),
            label("lblej3506", "Cantidad Negativo", {240, 2760, 1335, 255}),
            resultBox("txtej3505", {1920, 2760, 3015, 285}, 5),
            label("lblej3507", "Suma Negativo", {240, 3240, 1335, 255}),
            resultBox("txtej3506", {1920, 3240, 3015, 285}, 6),
            label("lblej3508", "Promedio Negativo", {240, 3720, 1455, 255}, Align::Left),
            resultBox("txtej3507", {1920, 3720, 3015, 285}, 2),
            label("lblej3509", "", {240, 4200, 4935, 255}),  // messages
            button("cmdej3501", "INGRESO", {240, 4680, 1335, 495}, 7),
            button("cmdej3502", "SALIR", {3840, 4680, 1335, 495}, 8),
        },
        .defaultButton = "cmdej3501",
    };
}

const RegisteredParityWindow registered(design(), {
    .count = 13,
    .admits = Admits::Whole,
    .classes = {
        {Joins::Odds, Shows::CountSumAverage, {"txtej3502", "txtej3503", "txtej3504"},
         "No ingresó N° impar"},
        {Joins::ZeroOrBelow, Shows::CountSumAverage, {"txtej3505", "txtej3506", "txtej3507"},
         "No ingresó N° negativo"},
    },
});

}  // namespace
}  // namespace ej::parity
