#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

class QPlainTextEdit;

namespace ui {

// How the program shows an algorithm's text, in the desk check and in a student's own
// editor alike: a fixed-width font, tabs four columns wide, and the same colours.
constexpr int kTabColumns = 4;

// A fixed-width font as large as `size`.
QFont listingFont(const QFont& size);
// Gives the text the listing's font and its tab stops.
void useListingFont(QPlainTextEdit& text, const QFont& size);

QColor blend(const QColor& a, const QColor& b, double t);
bool isDark(const QPalette& palette);

// The contrast of two colours as the web's accessibility guidelines measure it, from 1
// (the same) to 21 (black on white): text reads at 4.5 or more, a mark at 3 or more.
double contrast(const QColor& a, const QColor& b);
constexpr double kTextContrast = 4.5, kMarkContrast = 3.0;

// The colours an algorithm's listing and a desk check's table are drawn in, from the
// palette's own so that a dark one gives dark tints. Every tint keeps the palette's text
// readable, and every colour of a text reads on every tint it may stand on.
struct ListingColours {
    QColor base, text;       // the palette's
    QColor margin;           // behind the line numbers
    QColor ran;              // under what an event ran: its lines, and the table's row shown
    QColor assigned;         // under the lines that give a marked variable its value, and its header
    QColor ranAndAssigned;   // under a line that is both
    QColor difference;       // under the first place where a student's algorithm and its window differ
    QColor comment, quoted;  // a comment, a text between quotes
    QColor note;             // a line's tally and outcome, and the line numbers
    QColor message;          // what an event says at a line
    QColor arrow;            // the ▶, a mark
    QColor focus;            // the ring around the part that has the keyboard focus, a mark
};
ListingColours listingColours(const QPalette& palette);

// Under the lines an event of the desk check ran.
QColor ranTint(const QPalette& palette);
// Under the first place where a student's algorithm and its window differ.
QColor differenceTint(const QPalette& palette);

}  // namespace ui
