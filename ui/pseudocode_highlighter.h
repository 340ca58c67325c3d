#pragma once

class QTextDocument;

namespace ui {

// Colours an algorithm's listing as a teacher's board would: its keywords in bold, its
// comments and its texts each in a colour of their own, chosen for a light or a dark
// background. The document is coloured at once; the highlighter lives as long as it.
void highlightPseudocode(QTextDocument* listing, bool darkBackground);

}  // namespace ui
