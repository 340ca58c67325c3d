#include "tests/unit/harness.h"

#include <stdexcept>

namespace ej::testing {

FakeView::FakeView(const WindowDesign& design) : defaultButton(design.defaultButton) {
    for (const auto& c : design.controls) controls_[c.name] = {c.caption, true};
}

FakeView::Control& FakeView::at(std::string_view name) {
    auto it = controls_.find(name);
    if (it == controls_.end()) throw std::logic_error("no control " + std::string(name));
    return it->second;
}

const FakeView::Control& FakeView::at(std::string_view name) const {
    return const_cast<FakeView*>(this)->at(name);
}

Opened::Opened(const std::string& window, NumberFormat format)
    : window_(catalog().at(window)(format)), view_(window_->design()) {
    const std::string nn = window.substr(5);
    input_ = "txtej" + nn + "01";
    entry_ = "cmdej" + nn + "01";
    window_->attach(&view_);
    window_->activated();
}

Opened& Opened::enter(const std::string& text) {
    view_.setText(input_, text);
    window_->clicked(entry_);
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

std::string Opened::message() const {
    std::string last;
    for (const auto& c : window_->design().controls)
        if (c.kind == ControlKind::Label && c.name > last && c.name.rfind("lblej", 0) == 0) last = c.name;
    return view_.text(last);
}

std::vector<std::string> times(int n, const std::string& text) { return std::vector<std::string>(n, text); }

}  // namespace ej::testing
