#pragma once

#include <string>
#include <string_view>

#include "engine/design.h"

namespace ej {

// What the logic of an open window asks of its controls. The user interface
// implements it; tests implement it with a plain recording fake.
class View {
public:
    virtual ~View() = default;
    // A box's text, or a label's or button's caption.
    virtual std::string text(std::string_view control) const = 0;
    virtual void setText(std::string_view control, std::string_view text) = 0;
    virtual void setEnabled(std::string_view control, bool enabled) = 0;
    virtual void setDefault(std::string_view button) = 0;
    virtual void focus(std::string_view control) = 0;
    // Destroys the controls; the Window object and its state live on.
    virtual void close() = 0;
};

// A window's logic: its design and its event handlers. It lives as long as the program;
// its controls exist only while it is open.
class Window {
public:
    virtual ~Window() = default;
    virtual const WindowDesign& design() const = 0;
    virtual void activated() {}  // Form_Activate
    virtual void clicked(std::string_view button) = 0;

    // Gives the window its controls when it opens, null when they are destroyed.
    void attach(View* view) {
        view_ = view;
        attached();
    }
    bool isOpen() const { return view_ != nullptr; }

protected:
    View& view() { return *view_; }
    virtual void attached() {}

private:
    View* view_ = nullptr;
};

// The windowing operations the program itself starts.
class Desktop {
public:
    virtual ~Desktop() = default;
    // Modeless: creates the controls when the window is not open, then brings it
    // to the front and activates it.
    virtual void show(Window& window) = 0;
    // Ends the program: every window goes, no further event runs; unless the student,
    // asked about work not saved, cancels, when nothing ends.
    virtual void endProgram() = 0;
};

}  // namespace ej
