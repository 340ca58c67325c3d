#include "tests/unit/harness.h"

#include <stdexcept>

namespace ej::testing {

namespace {
std::unique_ptr<ExerciseWindow> create(const std::string& window, const NumberFormat& format) {
    auto w = exerciseWindow(window, format);
    if (!w) throw std::logic_error(window + " is not an exercise window");
    return w;
}
}  // namespace

Opened::Opened(const std::string& window, NumberFormat format)
    : window_(create(window, format)), view_(window_->design()) {
    window_->attach(&view_);
    window_->activated();
}

Opened& Opened::enter(const std::string& text) {
    view_.setText(window_->inputBox(), text);
    window_->clicked(window_->entryButton());
    return *this;
}

Opened& Opened::enterAll(const std::vector<std::string>& texts) {
    for (const auto& t : texts) enter(t);
    return *this;
}

Opened& Opened::reactivate() {
    window_->activated();
    return *this;
}

Opened& Opened::reopen() {
    window_->attach(nullptr);
    view_ = FakeView(window_->design());
    window_->attach(&view_);
    window_->activated();
    return *this;
}

std::string Opened::message() const { return view_.text(window_->messageLabel()); }

std::vector<std::string> traceCells(const Opened& w) {
    const Trace& trace = w.window().trace();
    std::vector<std::string> cells, headers = trace.headers();
    for (std::size_t i = 0; i < trace.rows().back().values.size(); ++i)
        cells.push_back(headers.at(Trace::kFixedHeaders.size() + i) + "=" + trace.rows().back().values[i]);
    return cells;
}

std::vector<std::string> traceCellsAfter(const TraceCase& c) {
    Opened w(c.window);
    w.enterAll(c.entries);
    return traceCells(w);
}

std::vector<std::string> times(int n, const std::string& text) { return std::vector<std::string>(n, text); }

}  // namespace ej::testing
