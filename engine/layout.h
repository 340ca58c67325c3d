#pragma once

#include <string>
#include <vector>

#include "engine/design.h"

namespace ej {

// The standard arrangement of an exercise window whose design gives no positions:
// statement at the top, then the boxes with their captions, the message label,
// the entry button at the bottom left and the exit button at the bottom right.
// Sizes follow from the texts, so every caption fits at the program's font.

struct Captioned {
    std::string label;    // the caption's label
    std::string caption;
    std::string box;      // the box under (or beside) the caption
};

struct StandardWindow {
    std::string name;            // frmejNN
    std::string caption;         // title bar
    std::string statementLabel;  // as a rule lblejNN01
    std::string statement;
    Captioned prompt;            // prompt label and input box
    std::vector<Captioned> results;
    std::string messageLabel;
    std::string entryCaption = "INGRESO";
    std::string exitCaption = "SALIR";
};

// Captions above their boxes, the input first, all in one row.
WindowDesign captionsAbove(const StandardWindow& w);

// Captions in a column at the left, the input and result boxes in a column at the right.
WindowDesign captionsBeside(const StandardWindow& w);

// Height in twips of a word-wrapped text in a label of the given width.
int wrappedHeight(const std::string& text, int width);

}  // namespace ej
