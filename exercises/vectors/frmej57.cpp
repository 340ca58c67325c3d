#include "exercises/common/class_texts.h"
#include "exercises/vectors/parity_and_positive.h"
#include "exercises/vectors/vector_layout.h"
#include "shell/catalog.h"

namespace ej::vectors {
namespace {

WindowDesign frmej57Design() {
    return vectorWindow({
        .name = "frmej57",
        .caption = "Ejercicio 57",
        .statementLabel = "lblej5701",
        .statement = "Ingrese 16 números enteros. Almacenarlos en un vector. Determinar la cantidad, la suma y el "
                     "promedio de los números pares ingresados y la cantidad, la suma y el promedio de los números "
                     "positivos. Por fin de programa mostrar el contenido del vector y los valores hallados.",
        .prompt = {"lblej5702", "Ingrese", "txtej5701"},
        .results = {{"lblej5703", "Vector", "txtej5702"},
                    {"lblej5704", "Cantidad Par", "txtej5703"},
                    {"lblej5705", "Suma Par", "txtej5704"},
                    {"lblej5706", "Promedio Par", "txtej5705"},
                    {"lblej5707", "Cantidad Positivo", "txtej5706"},
                    {"lblej5708", "Suma Positivo", "txtej5707"},
                    {"lblej5709", "Promedio Positivo", "txtej5708"}},
        .messageLabel = "lblej5710",
    });
}

struct Frmej57 final : ParityAndPositive<16> {
    explicit Frmej57(const NumberFormat& format)
        : ParityAndPositive(frmej57Design(), format, Parity::Even, kNoEven) {}
};

const Registered<Frmej57> registered("frmej57");

}  // namespace
}  // namespace ej::vectors
