#pragma once

class QWidget;

namespace ui {

// Qt's offscreen platform, which the tests, the scenario runner and the benchmarks use,
// activates every window it shows; a real window system never activates a window that
// refuses the focus (Qt::WindowDoesNotAcceptFocus). Makes the offscreen platform do as
// they do; elsewhere it does nothing.
void honourWindowsThatRefuseFocus();

// Shows a window that takes the focus when clicked, yet not when it opens: a real window
// system leaves the active window as it was (Qt::WA_ShowWithoutActivating); the offscreen
// platform is made to, the window refusing the focus only while it is shown.
void showWithoutActivating(QWidget& window);

}  // namespace ui
