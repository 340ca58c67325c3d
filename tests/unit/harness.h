#pragma once

// Drives an exercise window's logic through a plain recording view: the tests of the
// exercise rules run without any toolkit.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/exercise_window.h"
#include "shell/catalog.h"

namespace ej::testing {

class FakeView final : public View {
public:
    explicit FakeView(const WindowDesign& design);

    std::string text(std::string_view control) const override { return at(control).text; }
    void setText(std::string_view control, std::string_view text) override {
        at(control).text = std::string(text);  // not assign(): a false -Wrestrict at -O3
        written.emplace_back(control);
    }
    void setEnabled(std::string_view control, bool enabled) override { at(control).enabled = enabled; }
    void setDefault(std::string_view button) override { defaultButton = button; }
    void focus(std::string_view control) override { focused = control; }
    void close() override { closed = true; }

    bool enabled(std::string_view control) const { return at(control).enabled; }

    std::vector<std::string> written;  // the controls written, in order
    std::string defaultButton;
    std::string focused;
    bool closed = false;

private:
    struct Control {
        std::string text;
        bool enabled = true;
    };
    Control& at(std::string_view name);
    const Control& at(std::string_view name) const;
    std::map<std::string, Control, std::less<>> controls_;
};

// An exercise window opened and activated, as the menu opens it.
class Opened {
public:
    explicit Opened(const std::string& window, NumberFormat format = {",", "."});

    // Types the text into the input box and presses the entry button.
    Opened& enter(const std::string& text);
    Opened& enterAll(const std::vector<std::string>& texts);
    // The student visits another window of the program and comes back.
    Opened& reactivate();
    // The window is closed and opened again from the menu: fresh controls, same object.
    Opened& reopen();
    void click(const std::string& button) { window_->clicked(button); }

    std::string text(const std::string& control) const { return view_.text(control); }
    // The message label's caption.
    std::string message() const;
    bool complete() const { return !view_.enabled(window_->inputBox()); }
    FakeView& view() { return view_; }
    const ExerciseWindow& window() const { return *window_; }

private:
    std::unique_ptr<ExerciseWindow> window_;
    FakeView view_;
};

// The newest desk-check row's variables, each as "header=value", in the trace's order.
std::vector<std::string> traceCells(const Opened& w);

// A window, what is typed into it, and the newest desk-check row it must then show.
struct TraceCase {
    const char* window;
    std::vector<std::string> entries;
    std::vector<std::string> cells;  // as traceCells gives them
};
std::vector<std::string> traceCellsAfter(const TraceCase& c);

// n copies of a text.
std::vector<std::string> times(int n, const std::string& text);

// One list of texts after another.
inline std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace ej::testing
