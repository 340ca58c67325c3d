#include "exercises/series/factorial.h"

#include "exercises/series/layouts.h"

namespace ej {

namespace {

WindowDesign factorialDesign(const FactorialMeasures& m) {
    WindowDesign d = captionsBesideRows({
        .name = m.name,
        .caption = m.caption,
        .statementLabel = "lblej1801",
        .statement = "Ingrese un número entero, mayor a 5 y menor a 15. Hallar el factorial y mostrarlo.",
        .prompt = {"lblej1802", "Ingrese", "txtej1801"},
        .results = {{"lblej1803", "Factorial", {"txtej1802"}}},
        .messageLabel = "lblej1804",
        .width = m.width,
        .height = m.height,
        .boxLeft = m.boxLeft,
    });
    const std::vector<std::string> tabOrder{"txtej1801", "txtej1802", m.exitBeforeEntry ? "cmdej1802" : "cmdej1801",
                                            m.exitBeforeEntry ? "cmdej1801" : "cmdej1802"};
    for (auto& c : d.controls)
        for (std::size_t i = 0; i < tabOrder.size(); ++i)
            if (c.name == tabOrder[i]) c.tab = static_cast<int>(i);
    return d;
}

}  // namespace

FactorialWindow::FactorialWindow(const FactorialMeasures& measures, const NumberFormat& format)
    : Exercise(factorialDesign(measures), format) {}

Step FactorialWindow::step(FactorialState& s, const Entry& e) {
    s.n = e.value;
    if (s.n <= 5.0f || s.n >= 15.0f || !s.n.isWhole()) return Step::refused(notAsked(e.text));
    multiply(s);
    return Step::complete();
}

std::vector<Result> FactorialWindow::results() const { return {{"txtej1802", text(s.product)}}; }

}  // namespace ej
