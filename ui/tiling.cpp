#include "ui/tiling.h"

#include <algorithm>
#include <limits>

namespace ui {

namespace {

// `region` in two, side by side or one above the other: each part its least, and what is
// left over shared equally.
QList<QRect> halves(const QRect& region, QSize first, QSize second, bool sideBySide) {
    if (sideBySide) {
        const int width = first.width() + std::max(0, region.width() - first.width() - second.width()) / 2;
        return {QRect(region.topLeft(), QSize(width, region.height())),
                QRect(QPoint(region.left() + width, region.top()), region.bottomRight())};
    }
    const int height = first.height() + std::max(0, region.height() - first.height() - second.height()) / 2;
    return {QRect(region.topLeft(), QSize(region.width(), height)),
            QRect(QPoint(region.left(), region.top() + height), region.bottomRight())};
}

// How much room a companion has for its least: 1 when just its least, none (below 0)
// when less.
double roomFor(const QRect& place, QSize least) {
    if (place.width() < least.width() || place.height() < least.height()) return -1;
    return double(place.width()) * place.height() / std::max(1.0, double(least.width()) * least.height());
}

}  // namespace

std::optional<QList<QRect>> tiled(QSize window, const QList<QSize>& least, const QRect& area) {
    const QRect at(area.topLeft(), window);
    if (!area.contains(at) || least.size() > 2) return std::nullopt;
    const QPoint past = at.bottomRight() + QPoint(1, 1);
    const QRect right(QPoint(past.x(), area.top()), area.bottomRight());   // the whole height beside the window
    const QRect below(QPoint(area.left(), past.y()), area.bottomRight());  // the whole width under it
    const QRect besideIt(QPoint(past.x(), area.top()), QPoint(area.right(), at.bottom()));
    const QRect underIt(QPoint(area.left(), past.y()), QPoint(at.right(), area.bottom()));

    QList<QList<QRect>> ways;  // each companion's place, in their order
    if (least.isEmpty()) ways = {{}};
    if (least.size() == 1) ways = {{right}, {below}};
    if (least.size() == 2) {
        for (const auto& [a, b] : {std::pair{0, 1}, std::pair{1, 0}}) {
            const auto add = [&](const QRect& first, const QRect& second) {
                QList<QRect> way(2);
                way[a] = first;
                way[b] = second;
                ways << way;
            };
            add(right, underIt);
            add(below, besideIt);
            for (const QRect& side : {right, below})
                for (const bool sideBySide : {true, false}) {
                    const QList<QRect> parts = halves(side, least[a], least[b], sideBySide);
                    add(parts[0], parts[1]);
                }
        }
    }

    std::optional<QList<QRect>> best;
    double bestRoom = 0;
    for (const QList<QRect>& way : ways) {
        double room = std::numeric_limits<double>::max();
        for (qsizetype i = 0; i < way.size(); ++i) room = std::min(room, roomFor(way[i], least[i]));
        if (room >= 0 && (!best || room > bestRoom)) {
            best = QList<QRect>{at} + way;
            bestRoom = room;
        }
    }
    return best;
}

}  // namespace ui
