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

// Right, left, below, above: the order in which equally good places are chosen; or left first.
constexpr std::array<Side, 4> kSides{{{false, false}, {false, true}, {true, false}, {true, true}}};
constexpr std::array<Side, 4> kLeftFirst{{{false, true}, {false, false}, {true, false}, {true, true}}};

qint64 areaOf(const QRect& r) { return r.isEmpty() ? 0 : qint64(r.width()) * r.height(); }

// At the right of the window: beside it if there is room, else pushed against the
// screen's edge over the window as far as what must stay in sight allows, narrowed to
// clear it; past what must stay in sight beside the window (another window), and
// shortened, level with the window as far as it can be, to clear what must stay in sight
// above or below it.
std::optional<QRect> atTheRight(const QRect& window, const QList<QRect>& inSight, QSize wanted, QSize least,
                                const QRect& area) {
    int low = area.top(), high = area.bottom() + 1;  // the rows it may take
    for (const QRect& r : inSight) {
        if (r.right() <= window.right()) continue;  // not in the column beside the window
        if (r.bottom() < window.top()) low = std::max(low, r.bottom() + 1);
        if (r.top() > window.bottom()) high = std::min(high, r.top());
    }
    const int height = std::min(wanted.height(), high - low);
    if (height < least.height()) return std::nullopt;
    const int top = std::clamp(window.top(), low, high - height);
    int clear = area.left();
    for (const QRect& r : inSight)
        if (r.top() < top + height && r.bottom() >= top) clear = std::max(clear, r.right() + 1);
    const int far = area.right() + 1;
    const int width = std::min(wanted.width(), far - clear);
    if (width < least.width()) return std::nullopt;
    return QRect(std::max(clear, std::min(window.right() + 1, far - width)), top, width, height);
}

// Where nothing clears what must stay in sight: at the right, pushed against the screen's
// edge at the least width, as tall as wanted or at the least, level with the window or at
// the screen's bottom.
QList<QRect> againstTheEdge(const QRect& window, QSize wanted, QSize least, const QRect& area) {
    QList<QRect> places;
    const int width = std::min(least.width(), area.width());
    const int x = std::min(window.right() + 1, area.right() + 1 - width);
    for (const int height : {std::min(wanted.height(), area.height()), std::min(least.height(), area.height())})
        for (const int top : {keptOnScreen(window.topLeft(), {0, height}, area).y(), area.bottom() + 1 - height})
            places << QRect(x, top, width, height);
    return places;
}

QRect hidingTheLeast(const QRect& window, const QList<QRect>& inSight, QSize wanted, QSize least, const QRect& area,
                     const std::array<Side, 4>& sides) {
    std::optional<QRect> best;
    std::tuple<qint64, int, qint64> bestCost;
    for (const Side& side : sides) {
        const auto places = againstTheEdge(side.turn(window), side.turn(wanted), side.turn(least), side.turn(area));
        for (const QRect& turned : places) {
            const QRect at = side.back(turned);
            qint64 hidden = 0;
            for (const QRect& r : inSight) hidden += areaOf(at.intersected(r).intersected(area));
            // The least of what must be seen hidden, then the fullest height, then the least of the window.
            const std::tuple cost{hidden, wanted.height() - at.height(), areaOf(at.intersected(window))};
            if (!best || cost < bestCost) {
                best = at;
                bestCost = cost;
            }
        }
    }
    return *best;
}

}  // namespace

QRect besideWindow(const QRect& window, const QList<QRect>& inSight, QSize wanted, QSize least, const QRect& area,
                   bool leftFirst) {
    wanted = wanted.boundedTo(area.size());
    least = least.boundedTo(wanted);
    const auto& sides = leftFirst ? kLeftFirst : kSides;
    std::optional<QRect> best;
    std::tuple<int, qint64, int> bestCost;
    for (const Side& side : sides) {
        QList<QRect> turned;
        for (const QRect& r : inSight) turned << side.turn(r);
        const auto place = atTheRight(side.turn(window), turned, side.turn(wanted), side.turn(least), side.turn(area));
        if (!place) continue;
        const QRect at = side.back(*place);
        // Whole columns first, then the least of the window hidden, then the fullest height.
        const std::tuple cost{wanted.width() - at.width(), areaOf(at.intersected(window)),
                              wanted.height() - at.height()};
        if (!best || cost < bestCost) {
            best = at;
            bestCost = cost;
        }
    }
    return best ? *best : hidingTheLeast(window, inSight, wanted, least, area, sides);
}

}  // namespace ui
