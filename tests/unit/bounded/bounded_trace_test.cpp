// Exercises 36 to 50 in the desk check: what a window lists, and a row for every press,
// the refused ones and the end mark included.
#include <gtest/gtest.h>

#include "tests/unit/trace_columns.h"

namespace ej::testing {
namespace {

using Texts = std::vector<std::string>;

// The value read is stored before it is judged; only a counted value moves the counter
// on, and only the end mark that closes the series ends the reading loop.
TEST(BoundedTrace, EveryPressShowsTheValueReadRefusedOrNot) {
    Opened w("frmej45");  // more than 7 and less than 13 whole numbers, none negative
    EXPECT_EQ(w.window().trace().headers(),
              (Trace::kFixedHeaders + Texts{"contador", "cantPares", "ordenMenorPar", "cantImpares",
                                            "ordenMayorImpar", "valor", "menorPar", "mayorImpar",
                                            "serieTerminada"}));
    w.enterAll({"2.5", "0", "4", "abc", "-2", "3"}).enterAll(times(10, "1")).enterAll({"5", "0"});
    const std::pair<const char*, Texts> columns[] = {
        {"Resultado", Texts{"reinicio", "El valor 2.5 no es lo pedido", "Debe completar la cantidad mínima",
                            "aceptado", "El valor abc no es numérico", "El valor -2 no es lo pedido", "aceptado"} +
                          times(10, "aceptado") +
                          Texts{"Ya completó el máximo de la serie. Ingrese 0", "serie completa"}},
        {"valor", Texts{"0", "2,5", "0", "4", "4", "-2", "3"} + times(10, "1") + Texts{"5", "0"}},
        {"contador", Texts{"0", "0", "0", "1", "1", "1", "2"} + counting(3, 12) + Texts{"12", "12"}},
        {"serieTerminada", times(18, "FALSO") + Texts{"VERDADERO"}},
    };
    for (const auto& [header, texts] : columns) EXPECT_EQ(column(w, header), texts) << header;
}

}  // namespace
}  // namespace ej::testing
