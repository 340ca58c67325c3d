#pragma once

#include <string>
#include <vector>

namespace ej {

// A window as drawn in the designer: every position and size in twips (1/1440 inch).

enum class ControlKind { Label, TextBox, Button };
enum class Align { Center, Left };

struct Twips {
    int left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const Twips&, const Twips&) = default;
};

// Tab placement of a control that can take the focus.
inline constexpr int kTabInListingOrder = -1;  // next in the order the design lists it
inline constexpr int kNoTab = -2;              // never reached by Tab; a click still focuses a box

struct ControlDesign {
    ControlKind kind = ControlKind::Label;
    std::string name;
    std::string caption;  // a label's or a button's caption; boxes start empty
    Twips at;
    int tab = kTabInListingOrder;
    bool readOnly = false;  // result boxes: selectable, not editable
    Align align = Align::Center;
    std::string description;  // what the control leads to, for its tooltip and a screen reader
};

struct WindowDesign {
    std::string name;
    std::string caption;
    int width = 0, height = 0;  // client area
    std::vector<ControlDesign> controls;
    std::string defaultButton;  // empty: no default button

    const ControlDesign* find(const std::string& control) const;
    // The focusable controls in tab order (explicit indices, then listing order).
    std::vector<const ControlDesign*> tabOrder() const;
    // The caption of the label that stands for a box, for a screen reader: the nearest
    // label at its left on the same row, else the nearest one above it; empty if none.
    std::string captionFor(const ControlDesign& box) const;
};

// Builders that read like a designer's property sheet.
ControlDesign label(std::string name, std::string caption, Twips at, Align align = Align::Center);
ControlDesign inputBox(std::string name, Twips at, int tab = kTabInListingOrder);
ControlDesign resultBox(std::string name, Twips at, int tab = kTabInListingOrder);
ControlDesign button(std::string name, std::string caption, Twips at, int tab = kTabInListingOrder);

}  // namespace ej
