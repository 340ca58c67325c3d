// The exercises by topic, read from their statements.
#include <gtest/gtest.h>

#include <algorithm>

#include "shell/catalog.h"
#include "shell/topics.h"

namespace ej {
namespace {

bool in(const std::string& topic, const std::string& window) {
    for (const Topic& t : topics())
        if (t.name == topic) return std::count(t.windows.begin(), t.windows.end(), window) == 1;
    ADD_FAILURE() << "no topic " << topic;
    return false;
}

TEST(Topics, EveryExerciseIsInOneAtLeast) {
    for (const auto& entry : catalog()) {
        const std::string& window = entry.first;
        if (!exerciseWindow(window, {})) continue;
        const bool found = std::any_of(topics().begin(), topics().end(), [&](const Topic& t) {
            return std::find(t.windows.begin(), t.windows.end(), window) != t.windows.end();
        });
        EXPECT_TRUE(found) << window;
    }
}

TEST(Topics, AStatementsWordsPlaceIt) {
    struct Case {
        const char* topic;
        const char* window;
        bool in;
    } cases[] = {
        {"sumas y promedios", "frmej02", true},          {"mayor y menor", "frmej13", true},
        {"mayor y menor", "frmej18", false},              // "mayor a 5 y menor a 15" bounds it
        {"positivos y negativos", "frmej10", true},       {"positivos y negativos", "frmej19", false},
        {"pares e impares", "frmej45", true},              {"series que terminan en 0", "frmej45", true},
        {"series que terminan en 0", "frmej24", false},   {"vectores", "frmej51", true},
        {"ordenamiento", "frmej62", true},                 {"ordenamiento", "frmej51", false},
        {"cambio", "frmej58", true},                       {"cambio", "frmej66", true},
        {"factorial", "frmej1801", true},
    };
    for (const auto& c : cases) EXPECT_EQ(in(c.topic, c.window), c.in) << c.topic << " " << c.window;
}

}  // namespace
}  // namespace ej
