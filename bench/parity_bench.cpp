// One press of "INGRESO" in a parity window, for the values whose reduction by
// repeated subtraction of 2 would be the longest: it must answer within a frame.
#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "shell/catalog.h"

namespace {

// Just enough of a window's controls to press its entry button.
class Controls final : public ej::View {
public:
    std::string text(std::string_view control) const override {
        auto it = texts_.find(control);
        return it == texts_.end() ? std::string() : it->second;
    }
    void setText(std::string_view control, std::string_view text) override {
        texts_[std::string(control)] = text;
    }
    void setEnabled(std::string_view, bool) override {}
    void setDefault(std::string_view) override { complete = true; }
    void focus(std::string_view) override {}
    void close() override {}

    bool complete = false;

private:
    std::map<std::string, std::string, std::less<>> texts_;
};

// Presses "INGRESO" with the text typed; a completed series starts again, as it
// does when the student comes back to the window.
void Press(benchmark::State& state, const std::string& window, const std::string& typed) {
    auto w = ej::catalog().at(window)({",", "."});
    Controls controls;
    w->attach(&controls);
    w->activated();
    const std::string nn = window.substr(5);
    for (auto _ : state) {
        controls.setText("txtej" + nn + "01", typed);
        w->clicked("cmdej" + nn + "01");
        if (controls.complete) {
            controls.complete = false;
            w->activated();
        }
    }
    // Both windows measured write their messages into lblejNN07.
    if (!controls.text("lblej" + nn + "07").empty()) state.SkipWithError("the value was refused");
}

// Medians of nine runs each.
BENCHMARK_CAPTURE(Press, frmej21_33554438, "frmej21", "33554438")->Repetitions(9)->DisplayAggregatesOnly();
BENCHMARK_CAPTURE(Press, frmej21_16777215, "frmej21", "16777215")->Repetitions(9)->DisplayAggregatesOnly();
BENCHMARK_CAPTURE(Press, frmej31_negative, "frmej31", "-33554438")->Repetitions(9)->DisplayAggregatesOnly();

}  // namespace
