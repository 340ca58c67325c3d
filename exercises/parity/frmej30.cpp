// Exercise 30: count and sum of the even and of the negative numbers among 13 whole numbers;
// 0 counts as negative.
#include "exercises/parity/parity_series.h"

namespace ej::parity {
namespace {

WindowDesign design() {
    return {
        .name = "frmej30",
        .caption = "Ejercicio 30",
        .width = 5430,
        .height = 4485,
        .controls = {
            label("lblej3001",
                  "Ingrese 13 números enteros. Determinar la cantidad y la suma de los números "
                  "pares ingresados y la cantidad y la suma de los números negativos. Por fin de "
                  "programa mostrarlo.",
                  {240, 120, 4935, 615}),
            label("lblej3002", "Ingrese", {240, 960, 1335, 255}),
            inputBox("txtej3001", {1920, 960, 1455, 285}, 0),
            label("lblej3003", "Cantidad Par", {240, 1440, 1335, 255}),
            resultBox("txtej3002", {1920, 1440, 3015, 285}, 1),
            label("lblej3004", "Suma Par", {240, 1920, 1335, 255}),
            resultBox("txtej3003", {1920, 1920, 3015, 285}, 6),
            label("lblej3005", "Cantidad Negativo", {240, 2400, 1335, 255}),
            resultBox("txtej3004", {1920, 2400, 3015, 285}, 5),
            label("lblej3006", "Suma Negativo", {240, 2880, 1335, 255}),
            resultBox("txtej3005", {1920, 2880, 3015, 285}, 4),
            label("lblej3007", "", {240, 3360, 4935, 255}),  // messages
            button("cmdej3001", "INGRESO", {240, 3840, 1335, 495}, 3),
            button("cmdej3002", "SALIR", {3840, 3840, 1335, 495}, 2),
        },
        .defaultButton = "cmdej3001",
    };
}

const RegisteredParityWindow registered(design(), {
    .count = 13,
    .admits = Admits::Whole,
    .classes = {
        {Joins::Evens, Shows::CountSum, {"txtej3002", "txtej3003"}, "No ingresó N° par"},
        {Joins::ZeroOrBelow, Shows::CountSum, {"txtej3004", "txtej3005"}, "No ingresó N° negativo"},
    },
});

}  // namespace
}  // namespace ej::parity
