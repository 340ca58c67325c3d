// The desk check of every exercise window: its columns name each variable once, and an
// accepted value adds a row that says so (then one per pass of a loop its algorithm
// runs after reading it, as the factorial's).
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/unit/harness.h"

namespace ej::testing {
namespace {

TEST(TraceOfEveryWindow, NamesItsVariablesAndRecordsAnAcceptedValue) {
    for (const auto& [name, factory] : catalog()) {
        SCOPED_TRACE(name);
        Opened w(name);
        const std::vector<std::string> headers = w.window().trace().headers();
        ASSERT_GT(headers.size(), Trace::kFixedHeaders.size());
        EXPECT_TRUE(std::equal(Trace::kFixedHeaders.begin(), Trace::kFixedHeaders.end(), headers.begin()));
        EXPECT_EQ(std::set<std::string>(headers.begin(), headers.end()).size(), headers.size());
        EXPECT_FALSE(std::set<std::string>(headers.begin(), headers.end()).contains(""));

        // The window that first asks for a count is given one.
        if (name == "frmej66") {
            w.view().setText("txtej6601", "3");
            w.click("cmdej6601");
        }
        const std::size_t before = w.window().trace().rows().size();
        w.enter("7");
        const auto& rows = w.window().trace().rows();
        ASSERT_GT(rows.size(), before);
        const TraceRow& pressed = rows[before];
        EXPECT_EQ(pressed.entered, "7");
        EXPECT_TRUE(pressed.result == "aceptado" || pressed.result == "serie completa") << pressed.result;
        for (std::size_t r = before; r < rows.size(); ++r)
            EXPECT_EQ(rows[r].values.size(), headers.size() - Trace::kFixedHeaders.size());
    }
}

}  // namespace
}  // namespace ej::testing
