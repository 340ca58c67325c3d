#pragma once

class QPalette;
class QTextDocument;

namespace ui {

// Colours an algorithm's listing as a teacher's board would: its keywords in bold, its
// comments and its texts each in a colour of their own, readable on the palette's base and
// on every tint of a listing (listing_style.h). The document is coloured at once; the
// highlighter lives as long as it.
void highlightPseudocode(QTextDocument* listing, const QPalette& palette);

}  // namespace ui
