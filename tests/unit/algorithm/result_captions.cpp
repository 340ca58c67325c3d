#include "tests/unit/algorithm/result_captions.h"

#include <map>

namespace ej::testing {

namespace {

// Written by EJ_AGREEMENT_CAPTIONS=1 and read over before it is kept.
const std::map<std::string, std::vector<std::string>> kCaptions{
    {"frmej01", {"Suma"}},
    {"frmej02", {"Promedio"}},
    {"frmej03", {"Promedio", "Cantidad", "Suma"}},
    {"frmej04", {"El Mayor"}},
    {"frmej05", {"El Menor"}},
    {"frmej06", {"Cantidad de números Positivos", "Cantidad de números Negativos"}},
    {"frmej07", {"El Menor de los números Positivos"}},
    {"frmej08", {"El Mayor de los Negativos", "La Suma de los Positivos"}},
    {"frmej09", {"El Mayor de los Negativos", "El Menor de los Positivos"}},
    {"frmej10", {"Cantidad de Positivos", "Suma de Positivos", "Promedio de Positivos", "Cantidad de Negativos", "Suma de Negativos", "Promedio de Negativos"}},
    {"frmej11", {"El Menor de los Negativos", "El Mayor de los Positivos"}},
    {"frmej12", {"El Promedio de los N° Ingresados", "El Promedio de los N° Negativos", "El Promedio de los N° Positivos"}},
    {"frmej13", {"El Mayor", "El Orden de Ingreso"}},
    {"frmej14", {"El Menor", "El Orden de Ingreso"}},
    {"frmej15", {"El Mayor", "El Orden del Mayor", "El Menor", "El Orden del Menor"}},
    {"frmej16", {"La Suma de los N° Ingresados", "El Promedio de los N° Ingresados", "La Suma de los N° Positivos", "El Promedio de los N° Positivos", "La Suma de los N° Negativos", "El Promedio de los N° Negativos"}},
    {"frmej17", {"La Cantidad", "La Suma", "El Promedio de los N° Ingresados", "El Mayor", "El Orden del Mayor", "El Menor", "El Orden del Menor"}},
    {"frmej18", {"Factorial"}},
    {"frmej1801", {"Factorial"}},
    {"frmej19", {"Cantidad", "La Suma de los N° Pares"}},
    {"frmej20", {"Cantidad", "La Suma de los Nº Impares"}},
    {"frmej21", {"Cantidad de N° pares", "Suma de N° pares", "Cantidad de N° impares", "Suma de N° impares"}},
    {"frmej22", {"Cantidad", "Suma", "Promedio"}},
    {"frmej23", {"Cantidad", "Suma", "Promedio"}},
    {"frmej24", {"Cantidad N° Pares", "Suma N° Pares", "Promedio N° Pares", "Cantidad N° Impares", "Suma N° Impares", "Promedio N° Impares"}},
    {"frmej25", {"Mayor", "Orden de ingreso"}},
    {"frmej26", {"Menor", "Orden de ingreso"}},
    {"frmej27", {"Menor Par", "Orden Par", "Mayor Impar", "Orden Impar"}},
    {"frmej28", {"Cantidad Par", "Suma Par", "Cantidad Positivo", "Suma Positivo"}},
    {"frmej29", {"Cantidad Impar", "Suma Impar", "Cantidad Positivo", "Suma Positivo"}},
    {"frmej30", {"Cantidad Par", "Suma Par", "Cantidad Negativo", "Suma Negativo"}},
    {"frmej31", {"Cantidad Impar", "Suma Impar", "Cantidad Negativo", "Suma Negativo"}},
    {"frmej32", {"Cantidad Par", "Suma Par", "Promedio Par", "Cantidad Positivo", "Suma Positivo", "Promedio Positivo"}},
    {"frmej33", {"Cantidad Impar", "Suma Impar", "Promedio Impar", "Cantidad Positivo", "Suma Positivo", "Promedio Positivo"}},
    {"frmej34", {"Cantidad Par", "Suma Par", "Promedio Par", "Cantidad Negativo", "Suma Negativo", "Promedio Negativo"}},
    {"frmej35", {"Cantidad Impar", "Suma Impar", "Promedio Impar", "Cantidad Negativo", "Suma Negativo", "Promedio Negativo"}},
    {"frmej36", {"Cantidad", "Suma", "Promedio"}},
    {"frmej37", {"Menor", "Orden del menor", "Mayor", "Orden del mayor"}},
    {"frmej38", {"Promedio Positivo", "Promedio Negativo"}},
    {"frmej39", {"Suma", "Promedio", "Suma Positivo", "Promedio Positivo", "Suma Negativo", "Promedio Negativo"}},
    {"frmej40", {"Cantidad", "Suma", "Promedio", "Mayor", "Orden del mayor", "Menor", "Orden del menor"}},
    {"frmej41", {"Cantidad", "Suma"}},
    {"frmej42", {"Cantidad Par", "Suma Par", "Cantidad Impar", "Suma Impar"}},
    {"frmej43", {"Cantidad", "Suma", "Promedio"}},
    {"frmej44", {"Mayor", "Orden"}},
    {"frmej45", {"Menor Par", "Orden Par", "Mayor Impar", "Orden Impar"}},
    {"frmej46", {"Cantidad Par", "Suma Par", "Cantidad Positivo", "Suma Positivo"}},
    {"frmej47", {"Cantidad Par", "Suma Par", "Cantidad Negativo", "Suma Negativo"}},
    {"frmej48", {"Cantidad Impar", "Suma Impar", "Cantidad Negativo", "Suma Negativo"}},
    {"frmej49", {"Cantidad Impar", "Suma Impar", "Promedio Impar", "Cantidad Positivo", "Suma Positivo", "Promedio Positivo"}},
    {"frmej50", {"Cantidad Impar", "Suma Impar", "Promedio Impar", "Cantidad Negativo", "Suma Negativo", "Promedio Negativo"}},
    {"frmej51", {"Vector", "Promedio"}},
    {"frmej52", {"Vector", "Cantidad", "Suma", "Promedio"}},
    {"frmej53", {"Vector", "Cantidad", "Suma", "Promedio"}},
    {"frmej54", {"Vector", "Menor", "Orden"}},
    {"frmej55", {"Vector", "Promedio", "Mayor", "Orden Mayor", "Menor", "Orden Menor"}},
    {"frmej56", {"Vector", "Cantidad Impar", "Suma Impar", "Promedio Impar", "Cantidad Positivo", "Suma Positivo", "Promedio Positivo"}},
    {"frmej57", {"Vector", "Cantidad Par", "Suma Par", "Promedio Par", "Cantidad Positivo", "Suma Positivo", "Promedio Positivo"}},
    {"frmej58", {"Vector", "Suma de los importes a abonar", "Cant. de billetes de $100", "Cant. de billetes de $50", "Cant. de billetes de $20", "Cant. de billetes de $10", "Cant. de billetes de $5", "Cant. de billetes de $2", "Cant. de monedas de $1"}},
    {"frmej59", {"Vector"}},
    {"frmej60", {"Vector"}},
    {"frmej61", {"Vector"}},
    {"frmej62", {"Vector"}},
    {"frmej63", {"Vector", "Mayor Par", "Menor Positivo"}},
    {"frmej64", {"Vector", "Mayor Par", "Menor Positivo"}},
    {"frmej65", {"Vector", "Menor Impar", "Mayor Negativo"}},
    {"frmej66", {"Vector", "Suma de los sueldos brutos", "Suma de los importes a abonar", "Cant. de billetes de $100", "Cant. de billetes de $50", "Cant. de billetes de $20", "Cant. de billetes de $10", "Cant. de billetes de $5", "Cant. de billetes de $2", "Cant. de monedas de $1"}},
    {"frmej67", {"Vector", "Cant. N° bajo el Límite inferior", "Suma N° bajo el Límite inferior", "Cant. N° dentro del Límite", "Suma N° dentro del Límite", "Cant. N° sobre el Límite superior", "Suma N° sobre el Límite superior"}},
    {"frmej68", {"Vector", "Promedio N° bajo el Límite inferior", "Promedio N° dentro del Límite", "Promedio N° sobre el Límite superior"}},
    {"frmej69", {"Vector", "Promedio N° bajo el Límite inferior", "Promedio N° dentro del Límite", "Promedio N° sobre el Límite superior"}},
};

}  // namespace

const std::vector<std::string>* resultCaptions(const std::string& window) {
    const auto found = kCaptions.find(window);
    return found == kCaptions.end() ? nullptr : &found->second;
}

}  // namespace ej::testing
