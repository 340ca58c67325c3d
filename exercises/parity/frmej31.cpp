// Exercise 31: count and sum of the odd and of the negative numbers among 16 whole numbers;
// 0 counts as negative.
#include "exercises/parity/parity_series.h"

namespace ej::parity {
namespace {

WindowDesign design() {
    return {
        .name = "frmej31",
        .caption = "Ejercicio 31",
        .width = 5445,
        .height = 4380,
        .controls = {
            label("lblej3101",
                  "Ingrese 16 números enteros. Determinar la cantidad y la suma de los números "
                  "impares ingresados y la cantidad y la suma de los números negativos. Por fin "
                  "de programa mostrarlo.",
                  {240, 0, 4935, 615}),
            label("lblej3102", "Ingrese", {240, 840, 1335, 255}),
            inputBox("txtej3101", {1920, 840, 1455, 285}, 0),
            label("lblej3103", "Cantidad Impar", {240, 1320, 1335, 255}),
            resultBox("txtej3102", {1920, 1320, 3015, 285}, 1),
            label("lblej3104", "Suma Impar", {240, 1800, 1335, 255}),
            resultBox("txtej3103", {1920, 1800, 3015, 285}, 2),
            label("lblej3105", "Cantidad Negativo", {240, 2280, 1335, 255}),
            resultBox("txtej3104", {1920, 2280, 3015, 285}, 3),
            label("lblej3106", "Suma Negativo", {240, 2760, 1335, 255}),
            resultBox("txtej3105", {1920, 2760, 3015, 285}, 4),
            label("lblej3107", "", {240, 3240, 4935, 255}),  // messages
            button("cmdej3101", "INGRESO", {240, 3720, 1335, 495}, 5),
            button("cmdej3102", "SALIR", {3840, 3720, 1335, 495}, 6),
        },
        .defaultButton = "cmdej3101",
    };
}

const RegisteredParityWindow registered(design(), {
    .count = 16,
    .admits = Admits::Whole,
    .classes = {
        {Joins::Odds, Shows::CountSum, {"txtej3102", "txtej3103"}, "No ingresó N° impar"},
        {Joins::ZeroOrBelow, Shows::CountSum, {"txtej3104", "txtej3105"}, "No ingresó N° negativo"},
    },
});

}  // namespace
}  // namespace ej::parity
