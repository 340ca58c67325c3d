#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/design.h"
#include "engine/layout.h"

namespace ej::vectors {

// The arrangement of the vector windows: the statement at the top, then captioned
// boxes on a grid, each caption at the left of its box, then the message label and
// the buttons along the bottom. Sizes follow from the texts.

inline constexpr int kStandardBox = 2400;  // twips: fits the longest empty-class text
inline constexpr int kToRightEdge = -1;    // a box that runs to the window's right margin

struct Placed {
    Captioned field;
    int row = 0;
    int column = 0;
    int boxWidth = kStandardBox;  // or kToRightEdge
};

struct GridWindow {
    std::string name;
    std::string caption;
    std::string statementLabel;
    std::string statement;
    std::vector<Placed> inputs;   // first in the tab order, in this order
    std::vector<Placed> results;  // read-only boxes
    std::string messageLabel;
    // Names and captions of the buttons, from the bottom left to the bottom right.
    std::vector<std::pair<std::string, std::string>> buttons;
};

WindowDesign captionGrid(const GridWindow& w);

// The usual vector window: the prompt beside the input box, the vector box (the first
// result) across the window below it, then one result per row.
WindowDesign vectorWindow(const StandardWindow& w);

}  // namespace ej::vectors
