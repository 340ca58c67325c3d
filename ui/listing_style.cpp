#include "ui/listing_style.h"

#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <algorithm>
#include <cmath>
#include <initializer_list>

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

// In whole steps of the 256 a screen shows, so that what is measured is what is painted.
QColor blend(const QColor& a, const QColor& b, double t) {
    const auto mix = [t](float x, float y) { return int(std::lround((x * (1 - t) + y * t) * 255)); };
    return {mix(a.redF(), b.redF()), mix(a.greenF(), b.greenF()), mix(a.blueF(), b.blueF())};
}

bool isDark(const QPalette& palette) { return palette.color(QPalette::Base).lightness() < 128; }

namespace {

double luminance(const QColor& c) {
    const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

// `hue` over the palette's base, as strong as `strength` at the most and as faint as it
// takes for the palette's text to stay readable on it.
QColor tint(const QPalette& palette, const QColor& hue, double strength) {
    const QColor base = palette.color(QPalette::Base), text = palette.color(QPalette::Text);
    for (double t = strength; t > 0; t -= 0.05)
        if (const QColor tinted = blend(base, hue, t); contrast(text, tinted) >= kTextContrast) return tinted;
    return base;
}

// `colour`, or the first blend of it towards `towards` that stands out enough on each of
// `grounds`.
QColor readable(const QColor& colour, const QColor& towards, double least, std::initializer_list<QColor> grounds) {
    constexpr int kSteps = 20;
    for (int step = 0; step < kSteps; ++step) {
        const QColor c = blend(colour, towards, double(step) / kSteps);
        if (std::all_of(grounds.begin(), grounds.end(), [&](const QColor& g) { return contrast(c, g) >= least; }))
            return c;
    }
    return towards;
}

}  // namespace

double contrast(const QColor& a, const QColor& b) {
    const double one = luminance(a), other = luminance(b);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

QColor ranTint(const QPalette& palette) {
    return tint(palette, palette.color(QPalette::Highlight), isDark(palette) ? 0.35 : 0.28);
}

QColor differenceTint(const QPalette& palette) {
    return tint(palette, QColor(0xe5, 0x39, 0x35), isDark(palette) ? 0.4 : 0.22);
}

ListingColours listingColours(const QPalette& palette) {
    const bool dark = isDark(palette);
    ListingColours c;
    c.base = palette.color(QPalette::Base);
    c.text = palette.color(QPalette::Text);
    c.margin = palette.color(QPalette::Window);
    c.ran = ranTint(palette);
    c.assigned = tint(palette, QColor(0xf0, 0xb4, 0x29), dark ? 0.55 : 0.5);
    c.ranAndAssigned = blend(c.ran, c.assigned, 0.5);
    c.difference = differenceTint(palette);
    const auto lines = {c.base, c.ran, c.assigned, c.ranAndAssigned, c.difference};
    c.comment = readable(dark ? QColor(0x8b, 0xc9, 0x8e) : QColor(0x2e, 0x7d, 0x32), c.text, kTextContrast, lines);
    c.quoted = readable(dark ? QColor(0xe6, 0xa8, 0x6e) : QColor(0xa0, 0x4a, 0x10), c.text, kTextContrast, lines);
    c.message = readable(dark ? QColor(0xff, 0x8a, 0x80) : QColor(0xb7, 0x1c, 0x1c), c.text, kTextContrast, lines);
    c.note = readable(blend(c.base, c.text, 0.55), c.text, kTextContrast,
                      {c.base, c.ran, c.assigned, c.ranAndAssigned, c.difference, c.margin});
    c.arrow = readable(dark ? QColor(0x66, 0xbb, 0x6a) : QColor(0x1b, 0x7a, 0x2e), c.text, kMarkContrast, {c.margin});
    c.focus = readable(palette.color(QPalette::Highlight), palette.color(QPalette::WindowText), kMarkContrast,
                       {c.margin, c.base});
    return c;
}

}  // namespace ui
