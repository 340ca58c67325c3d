#pragma once

class QMenu;

namespace ui {

class FormWidget;
class QtDesktop;

// The entries of a window's context menu: what the program's keys do, each named with
// its key, so that a student who never reads a tooltip finds them. Each does exactly
// what its key does: an exercise window's desk check (F2) and the student's solution
// (F3), the zoom (Ctrl++, Ctrl+-, Ctrl+0), the arrangement of the windows (Ctrl+L) and
// the help (F1).
void addWindowEntries(QMenu& menu, FormWidget& window, QtDesktop& desktop);

}  // namespace ui
