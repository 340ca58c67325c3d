#pragma once

namespace ui {

// Qt's offscreen platform, which the tests, the scenario runner and the benchmarks use,
// activates every window it shows; a real window system never activates a window that
// refuses the focus (Qt::WindowDoesNotAcceptFocus). Makes the offscreen platform do as
// they do; elsewhere it does nothing.
void honourWindowsThatRefuseFocus();

}  // namespace ui
