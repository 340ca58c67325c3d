#include "ui/button_grid.h"

#include <algorithm>
#include <utility>

namespace ui {

int buttonToward(const QList<QRect>& buttons, int from, Qt::Key arrow) {
    // Every arrow worked out as ↓ is: the plane turned so that it points down.
    const auto turn = [arrow](const QRect& r) {
        QRect t = arrow == Qt::Key_Left || arrow == Qt::Key_Right ? QRect(r.y(), r.x(), r.height(), r.width()) : r;
        if (arrow == Qt::Key_Up || arrow == Qt::Key_Left) t.moveTop(-t.bottom() - 1);
        return t;
    };
    const QRect at = turn(buttons[from]);
    int best = -1;
    std::pair<int, int> bestNearness;
    for (int i = 0; i < buttons.size(); ++i) {
        const QRect b = turn(buttons[i]);
        const int shared = std::min(at.right(), b.right()) - std::max(at.left(), b.left()) + 1;
        if (i == from || b.top() <= at.bottom() || shared <= 0) continue;
        const std::pair nearness{b.top(), -shared};
        if (best < 0 || nearness < bestNearness) {
            best = i;
            bestNearness = nearness;
        }
    }
    return best;
}

}  // namespace ui
