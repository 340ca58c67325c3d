#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

class QPlainTextEdit;

namespace ui {

// How the program shows an algorithm's text, in the desk check and in a student's own
// editor alike: a fixed-width font, tabs four columns wide, and the same tints.
constexpr int kTabColumns = 4;

// A fixed-width font as large as `size`.
QFont listingFont(const QFont& size);
// Gives the text the listing's font and its tab stops.
void useListingFont(QPlainTextEdit& text, const QFont& size);

QColor blend(const QColor& a, const QColor& b, double t);
bool isDark(const QPalette& palette);
// Under the lines an event of the desk check ran.
QColor ranTint(const QPalette& palette);
// Under the first place where a student's algorithm and its window differ.
QColor differenceTint(const QPalette& palette);

}  // namespace ui
