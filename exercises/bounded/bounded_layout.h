#pragma once

#include <string>
#include <vector>

#include "engine/design.h"

namespace ej {

// The designs of the bounded-series windows, in twips. Every one of them stacks, top to
// bottom: the statement, "Ingrese" level with the input box, rows of result boxes with
// their captions at the left margin, the message label (240, 4815 × 255) and the two
// buttons, "INGRESO" (240, 1335 × 495) and "SALIR" (3840, 1215 × 495). Controls are
// named by the window's number in that order: lblejNN01 the statement, lblejNN02 the
// prompt, then one label per row and the message label; txtejNN01 the input box, then
// the result boxes row by row, left to right. Only the input box and the two buttons
// take the focus by Tab.

// Which button Tab reaches right after the input box.
enum class ButtonTab { EntryThenExit, ExitThenEntry };

// A row of result boxes and the caption at its left.
struct ResultRow {
    std::string caption;
    std::vector<Twips> boxes;  // left to right
    // The caption's label: 120 twips below the top of the boxes, 255 high and as wide as
    // the window's captions, unless a row gives its own.
    int labelTop = 0;
    int labelHeight = 255;
    int labelWidth = 0;
};

struct BoundedWindow {
    std::string number;  // NN of frmejNN
    int width = 0;       // client area
    int height = 0;
    std::string statement;
    Twips statementAt;
    int captionWidth = 0;  // every caption label stands at left 240
    Twips input;
    std::vector<ResultRow> rows;
    int messageTop = 0;
    int buttonsTop = 0;
    ButtonTab tab = ButtonTab::EntryThenExit;
};

WindowDesign boundedDesign(const BoundedWindow& w);

// The design of frmej42, and of the windows built as it is with another number of rows:
// statement at 240, 0, 4815 wide; captions 1575 × 255; input box 2160, 1200, 975 × 285;
// one result box a row, 2160, 2535 × 405, the first at top 1560 and one every 480 twips;
// the message label 600 twips below the last box and the buttons 480 below that.
struct ColumnWindow {
    std::string number;
    int width = 0;
    int height = 0;
    std::string statement;
    int statementHeight = 0;
    std::vector<std::string> captions;  // one a row
    ButtonTab tab = ButtonTab::EntryThenExit;
};

WindowDesign columnDesign(const ColumnWindow& w);

}  // namespace ej
