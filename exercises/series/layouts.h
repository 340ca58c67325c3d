#pragma once

#include <string>
#include <vector>

#include "engine/design.h"
#include "engine/layout.h"

namespace ej {

// Arrangements of the series windows that the standard ones (captions above or beside
// single boxes) do not cover. Like those, they put the statement at the top, the
// message label below the boxes, the entry button at the bottom left and the exit
// button at the bottom right, and size every caption to its text.

// A caption at the left of one or more boxes, which stand side by side in the order
// the caption names them.
struct BoxRow {
    std::string label;
    std::string caption;
    std::vector<std::string> boxes;
};

// Rows of boxes with their captions at the left, the prompt's row first.
struct RowsWindow {
    std::string name;
    std::string caption;
    std::string statementLabel;
    std::string statement;
    Captioned prompt;
    std::vector<BoxRow> results;
    std::string messageLabel;
    int boxWidth = 2400;  // wide enough for the longest text a box receives
    // A design drawn to given measures: the client area, and the left edge of the
    // boxes, whose width then reaches the right margin. 0 leaves them to the contents.
    int width = 0;
    int height = 0;
    int boxLeft = 0;
};
WindowDesign captionsBesideRows(const RowsWindow& w);

struct Caption {
    std::string label;
    std::string caption;
};

// Result boxes in a grid under column captions and beside row captions. The prompt
// and the input box stand above the grid, the message label at their right.
struct GridWindow {
    std::string name;
    std::string caption;
    std::string statementLabel;
    std::string statement;
    Captioned prompt;
    std::string messageLabel;
    std::vector<Caption> columns;
    std::vector<Caption> rows;
    std::vector<std::string> boxes;  // row by row, left to right
    int captionWidth = 960;
    int boxWidth = 1920;
};
WindowDesign captionsInGrid(const GridWindow& w);

}  // namespace ej
