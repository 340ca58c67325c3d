#include "ui/window_arrangement.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QScreen>
#include <optional>

#include "ui/form_widget.h"
#include "ui/notice.h"
#include "ui/tiling.h"
#include "ui/zoom.h"

namespace ui {

namespace {

// The least page of text a companion shows: a desk check's first columns and a few rows.
constexpr int kReadableColumns = 60, kReadableLines = 12;
constexpr int kFrameWaitMs = 500;

// A window just shown gets its frame from the window manager a moment later; placed
// before that, its frame's corner would be taken for its own, the title bar pushed above
// where it was put. Waits, a little at most, for the frame `framed` has.
void awaitFrame(const QWidget& window, const QWidget& framed) {
    const QSize frame = framed.frameGeometry().size() - framed.size();
    const QDeadlineTimer deadline(kFrameWaitMs);
    while (window.frameGeometry().size() - window.size() != frame && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

}  // namespace

Arranged arrangedOf(const FormWidget& exercise) {
    Arranged arranged{exercise.frameGeometry().size(), exercise.frameGeometry().size() - exercise.size(), {}, {}};
    const QList<QWidget*> companions{exercise.traceWindow(), exercise.solutionWindow()};
    for (QWidget* companion : companions) {
        if (!companion || !companion->isVisible()) continue;
        const QFontMetrics text(companion->font());
        const QSize page(kReadableColumns * text.averageCharWidth(), kReadableLines * text.height());
        arranged.companions << companion;
        arranged.least << page.expandedTo(companion->minimumSizeHint()).expandedTo(companion->minimumSize()) +
                              arranged.frame;
    }
    return arranged;
}

void arrangeWindows(FormWidget& exercise, Zoom& zoom, const QList<QWidget*>& behind) {
    if (!exercise.traceWindow()) {
        exercise.toggleTrace();
        awaitFrame(*exercise.traceWindow(), exercise);
    }
    const QRect area = exercise.screen()->availableGeometry();
    Arranged arranged;
    std::optional<QList<QRect>> places;
    for (;;) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);  // the companions' layouts at this zoom
        arranged = arrangedOf(exercise);
        places = tiled(arranged.window, arranged.least, area);
        if (places || zoom.percent() == Zoom::kPercentSteps.front()) break;
        zoom.reduce();
    }
    for (QWidget* w : behind) w->lower();
    if (!places) return showNotice(exercise, QStringLiteral("Las ventanas no caben en la pantalla"));

    exercise.move(places->front().topLeft());
    for (qsizetype i = 0; i < arranged.companions.size(); ++i) {
        const QRect& at = (*places)[i + 1];
        arranged.companions[i]->resize(at.size() - arranged.frame);
        arranged.companions[i]->move(at.topLeft());
    }
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {  // offscreen has no stacking
        exercise.raise();
        for (QWidget* companion : arranged.companions) companion->raise();
    }
    showNotice(exercise, QStringLiteral("Ventanas ordenadas al %1 %").arg(zoom.percent()));
}

ArrangeKey::ArrangeKey(std::function<void(QWidget&)> arrange) : arrange_(std::move(arrange)) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool ArrangeKey::eventFilter(QObject* receiver, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !receiver->isWidgetType() || QApplication::activeModalWidget())
        return QObject::eventFilter(receiver, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (key.key() != Qt::Key_L || (key.modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier)
        return QObject::eventFilter(receiver, event);
    arrange_(*static_cast<QWidget*>(receiver));
    return true;
}

}  // namespace ui
