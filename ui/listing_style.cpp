#include "ui/listing_style.h"

#include <QFontMetricsF>
#include <QPlainTextEdit>

namespace ui {

QFont listingFont(const QFont& size) {
    QFont fixed(QStringLiteral("Liberation Mono"));
    fixed.setStyleHint(QFont::Monospace);
    fixed.setFixedPitch(true);
    if (size.pixelSize() > 0) fixed.setPixelSize(size.pixelSize());
    return fixed;
}

void useListingFont(QPlainTextEdit& text, const QFont& size) {
    const QFont fixed = listingFont(size);
    text.setFont(fixed);
    text.setTabStopDistance(kTabColumns * QFontMetricsF(fixed).horizontalAdvance(u' '));
}

QColor blend(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() * (1 - t) + b.redF() * t), float(a.greenF() * (1 - t) + b.greenF() * t),
                            float(a.blueF() * (1 - t) + b.blueF() * t));
}

bool isDark(const QPalette& palette) { return palette.color(QPalette::Base).lightness() < 128; }

// From the palette's own colours, so that a dark one gives a dark tint.
QColor ranTint(const QPalette& palette) {
    return blend(palette.color(QPalette::Base), palette.color(QPalette::Highlight), isDark(palette) ? 0.35 : 0.28);
}

QColor differenceTint(const QPalette& palette) {
    return blend(palette.color(QPalette::Base), QColor(0xe5, 0x39, 0x35), isDark(palette) ? 0.4 : 0.22);
}

}  // namespace ui
