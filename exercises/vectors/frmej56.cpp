#include "exercises/common/class_texts.h"
#include "exercises/vectors/parity_and_positive.h"
#include "exercises/vectors/vector_layout.h"
#include "shell/catalog.h"

namespace ej::vectors {
namespace {

WindowDesign frmej56Design() {
    return vectorWindow({
        .name = "frmej56",
        .caption = "Ejercicio 56",
        .statementLabel = "lblej5601",
        .statement = "Ingrese 15 números enteros. Almacenarlos en un vector. Determinar la cantidad, la suma y el "
                     "promedio de los números impares ingresados y la cantidad, la suma y el promedio de los números "
                     "positivos. Por fin de programa mostrar el contenido del vector y los valores hallados.",
        .prompt = {"lblej5602", "Ingrese", "txtej5601"},
        .results = {{"lblej5603", "Vector", "txtej5602"},
                    {"lblej5604", "Cantidad Impar", "txtej5603"},
                    {"lblej5605", "Suma Impar", "txtej5604"},
                    {"lblej5606", "Promedio Impar", "txtej5605"},
                    {"lblej5607", "Cantidad Positivo", "txtej5606"},
                    {"lblej5608", "Suma Positivo", "txtej5607"},
                    {"lblej5609", "Promedio Positivo", "txtej5608"}},
        .messageLabel = "lblej5610",
    });
}

struct Frmej56 final : ParityAndPositive<15> {
    explicit Frmej56(const NumberFormat& format)
        : ParityAndPositive(frmej56Design(), format, Parity::Odd, kNoOdd) {}
};

const Registered<Frmej56> registered("frmej56");

}  // namespace
}  // namespace ej::vectors
