// A whole series of a vector window, typed and completed: the completion step sorts,
// classes or breaks down in the press of the last value, which must answer at once.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

#include "engine/exercise_window.h"
#include "shell/catalog.h"

namespace {

// The texts of a window's controls, and whether its series completed.
class Texts final : public ej::View {
public:
    std::string text(std::string_view control) const override {
        auto it = texts_.find(control);
        return it == texts_.end() ? std::string() : it->second;
    }
    void setText(std::string_view control, std::string_view text) override { texts_[std::string(control)] = text; }
    void setEnabled(std::string_view, bool) override {}
    void setDefault(std::string_view) override { complete = true; }
    void focus(std::string_view) override {}
    void close() override {}

    bool complete = false;

private:
    std::map<std::string, std::string, std::less<>> texts_;
};

// Types the values one by one until the window completes, then starts again as a
// visit to another window does.
void Series(benchmark::State& state, const std::string& window, const std::vector<std::string>& values) {
    auto w = ej::catalog().at(window)({",", "."});
    auto& exercise = dynamic_cast<ej::ExerciseWindow&>(*w);
    Texts texts;
    w->attach(&texts);
    for (auto _ : state) {
        w->activated();
        texts.complete = false;
        for (const auto& v : values) {
            texts.setText(exercise.inputBox(), v);
            w->clicked(exercise.entryButton());
        }
        if (!texts.complete) state.SkipWithError("the series did not complete");
    }
}

// n values counting up from 1: the worst order for a descending sort.
std::vector<std::string> ascending(int n) {
    std::vector<std::string> v;
    for (int i = 1; i <= n; ++i) v.push_back(std::to_string(i));
    return v;
}

// 2^31, the largest amount whose breakdown ends: about 18 million subtractions of 100.
std::vector<std::string> largestWage() {
    std::vector<std::string> v{"2147483648"};
    v.resize(18, "0");
    return v;
}

BENCHMARK_CAPTURE(Series, frmej62_bubble_33, "frmej62", ascending(33));
BENCHMARK_CAPTURE(Series, frmej69_limits_35, "frmej69", ascending(35));
BENCHMARK_CAPTURE(Series, frmej58_breakdown_2e31, "frmej58", largestWage());

}  // namespace
