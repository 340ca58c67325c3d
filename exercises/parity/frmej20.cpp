// Exercise 20: how many of 14 whole non-negative numbers are odd, and their sum.
#include "exercises/parity/parity_series.h"

namespace ej::parity {
namespace {

WindowDesign design() {
    return {
        .name = "frmej20",
        .caption = "Eejercicio 20",  // sic
        .width = 6030,
        .height = 4890,
        .controls = {
            label("lblej2001",
                  "Ingrese 14 números enteros y positivos. Determinar la cantidad y la suma de "
                  "los números impares ingresados. Mostrarlos..",
                  {240, 120, 5535, 615}),
            label("lblej2002", "Ingrese", {240, 1080, 1455, 255}),
            inputBox("txtej2001", {2040, 1080, 1335, 405}, 0),
            label("lblej2003", "Cantidad", {240, 1680, 1455, 375}),
            resultBox("txtej2002", {2040, 1680, 3255, 375}, 1),
            label("lblej2004", "La Suma de los Nº Impares", {240, 2400, 1455, 495}),
            resultBox("txtej2003", {2040, 2400, 3255, 375}, 7),
            label("lblej2005", "", {240, 3240, 5535, 495}),  // messages
            button("cmdej2001", "INGRESO", {240, 4080, 1575, 615}, 8),
            button("cmdej2002", "SALIR", {4080, 4080, 1695, 615}, 9),
        },
        .defaultButton = "cmdej2001",
    };
}

const RegisteredParityWindow registered(design(), {
    .count = 14,
    .admits = Admits::WholeNonNegative,
    .classes = {
        {Joins::Odds, Shows::CountSum, {"txtej2002", "txtej2003"}, "No ingresó Nº impares"},
    },
});

}  // namespace
}  // namespace ej::parity
