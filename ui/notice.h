#pragma once

#include <QString>

class QWidget;

namespace ui {

// A short notice over a window for a few seconds, which a student sees where the eyes
// already are: drawn over the top of the window, it changes none of its controls and
// takes neither the focus nor a click, which reaches the control under it. The window's
// announcer says it to a screen reader. A new one replaces the one shown.
void showNotice(QWidget& window, const QString& text);
// The text of the window's notice while it shows, else an empty one.
QString noticeOf(const QWidget& window);

constexpr int kNoticeShownMs = 4000;

}  // namespace ui
