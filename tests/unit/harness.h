#pragma once

// Drives an exercise window's logic through a plain recording view: the tests of the
// exercise rules run without any toolkit.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/exercise_window.h"
#include "engine/recording_view.h"
#include "shell/catalog.h"

namespace ej::testing {

// The exercise tests press through the same headless view as the check of a student's
// algorithm.
using FakeView = RecordingView;

// An exercise window opened and activated, as the menu opens it.
class Opened {
public:
    explicit Opened(const std::string& window, NumberFormat format = {",", "."});

    // Types the text into the input box and presses the entry button.
    Opened& enter(const std::string& text);
    Opened& enterAll(const std::vector<std::string>& texts);
    // Types the text where the window takes its next value (a count first, in some).
    Opened& type(const std::string& text) {
        window_->type(text);
        return *this;
    }
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
