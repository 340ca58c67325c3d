#include "ui/placement.h"

#include <algorithm>
#include <array>
#include <optional>
#include <tuple>

namespace ui {

QPoint keptOnScreen(QPoint corner, QSize size, const QRect& area) {
    // Clamped to the far edge first, then to the near one, which wins when it is too large.
    const int x = std::max(area.left(), std::min(corner.x(), area.right() + 1 - size.width()));
    const int y = std::max(area.top(), std::min(corner.y(), area.bottom() + 1 - size.height()));
    return {x, y};
}

namespace {

// A side of the window, as the turn of the plane that brings it to the right: each side
// is then worked out as the right one is.
struct Side {
    bool transposed, mirrored;

    QRect turn(QRect r) const {
        if (transposed) r = QRect(r.y(), r.x(), r.height(), r.width());
        if (mirrored) r.moveLeft(-r.right() - 1);
        return r;
    }
    QRect back(QRect r) const {
        if (mirrored) r.moveLeft(-r.right() - 1);
        if (transposed) r = QRect(r.y(), r.x(), r.height(), r.width());
        return r;
    }
    QSize turn(QSize s) const { return transposed ? s.transposed() : s; }
};

// Right, left, below, above: the order in which equally good places are chosen.
constexpr std::array<Side, 4> kSides{{{false, false}, {false, true}, {true, false}, {true, true}}};

// At the right of the window: beside it if there is room, else pushed against the
// screen's edge over the window as far as what must stay in sight allows, narrowed to
// clear it.
std::optional<QRect> atTheRight(const QRect& window, const QList<QRect>& inSight, QSize wanted, QSize least,
                                const QRect& area) {
    const int height = std::min(wanted.height(), area.height());
    const int top = keptOnScreen(window.topLeft(), {0, height}, area).y();
    int clear = area.left();
    for (const QRect& r : inSight)
        if (r.top() < top + height && r.bottom() >= top) clear = std::max(clear, r.right() + 1);
    const int far = area.right() + 1;
    const int width = std::min(wanted.width(), far - clear);
    if (width < std::min(least.width(), wanted.width())) return std::nullopt;
    return QRect(std::min(window.right() + 1, far - width), top, width, height);
}

}  // namespace

QRect besideWindow(const QRect& window, const QList<QRect>& inSight, QSize wanted, QSize least, const QRect& area) {
    wanted = wanted.boundedTo(area.size());
    std::optional<QRect> best;
    std::tuple<int, qint64, int> bestCost;
    for (const Side& side : kSides) {
        QList<QRect> turned;
        for (const QRect& r : inSight) turned << side.turn(r);
        const auto place = atTheRight(side.turn(window), turned, side.turn(wanted), side.turn(least), side.turn(area));
        if (!place) continue;
        const QRect at = side.back(*place);
        const QRect hidden = at.intersected(window);
        // Whole columns first, then the least of the window hidden, then the fullest height.
        const std::tuple cost{wanted.width() - at.width(), qint64(hidden.width()) * hidden.height(),
                              wanted.height() - at.height()};
        if (!best || cost < bestCost) {
            best = at;
            bestCost = cost;
        }
    }
    return best ? *best : QRect(keptOnScreen({window.right() + 1, window.top()}, wanted, area), wanted);
}

}  // namespace ui
