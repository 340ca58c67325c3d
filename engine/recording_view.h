#pragma once

// A window's controls without any toolkit: each control's text and state, kept in
// memory. An exercise window runs on it where nobody looks at it: in the check of a
// student's algorithm, in the tests, in the benchmarks.
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/window.h"

namespace ej {

class RecordingView final : public View {
public:
    explicit RecordingView(const WindowDesign& design);

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

}  // namespace ej
