#include "ui/focus_frame.h"

#include <QEvent>
#include <QFrame>
#include <QPainter>

#include "ui/listing_style.h"

namespace ui {

namespace {

constexpr int kFrameWidth = 2;

void ring(QPainter& p, const QRect& r, int width, const QColor& colour) {
    p.fillRect(r.left(), r.top(), r.width(), width, colour);
    p.fillRect(r.left(), r.bottom() + 1 - width, r.width(), width, colour);
    p.fillRect(r.left(), r.top(), width, r.height(), colour);
    p.fillRect(r.right() + 1 - width, r.top(), width, r.height(), colour);
}

}  // namespace

void frameForFocus(QFrame& part) {
    part.setFrameStyle(QFrame::Box | QFrame::Plain);
    part.setLineWidth(kFrameWidth);
}

void followFocus(QFrame& part, const QEvent& event) {
    if (event.type() == QEvent::FocusIn || event.type() == QEvent::FocusOut) part.update();
    if (event.type() != QEvent::Paint) return;
    const QPalette& palette = part.palette();
    QPainter p(&part);
    if (part.hasFocus()) return ring(p, part.rect(), kFrameWidth, listingColours(palette).focus);
    ring(p, part.rect(), 1, blend(palette.color(QPalette::Window), palette.color(QPalette::WindowText), 0.35));
    ring(p, part.rect().adjusted(1, 1, -1, -1), 1, palette.color(QPalette::Base));
}

}  // namespace ui
