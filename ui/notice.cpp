#include "ui/notice.h"

#include <QLabel>
#include <QTimer>

#include "ui/announcer.h"

namespace ui {

namespace {

const QString kName = QStringLiteral("nota");

QLabel* shown(const QWidget& window) { return window.findChild<QLabel*>(kName, Qt::FindDirectChildrenOnly); }

}  // namespace

void showNotice(QWidget& window, const QString& text) {
    delete shown(window);
    auto* notice = new QLabel(text, &window);
    notice->setObjectName(kName);
    notice->setTextFormat(Qt::PlainText);
    notice->setWordWrap(true);
    notice->setAlignment(Qt::AlignCenter);
    notice->setFocusPolicy(Qt::NoFocus);
    notice->setAttribute(Qt::WA_TransparentForMouseEvents);
    // A tooltip's colours, which every palette, light or dark, sets apart from a window's.
    notice->setAutoFillBackground(true);
    notice->setBackgroundRole(QPalette::ToolTipBase);
    notice->setForegroundRole(QPalette::ToolTipText);
    notice->setFrameStyle(QFrame::Box | QFrame::Plain);
    const int margin = notice->fontMetrics().height() / 2;
    notice->setMargin(margin);
    const int width = window.width() - 2 * margin;
    notice->setGeometry(margin, margin, width, notice->heightForWidth(width));
    notice->show();
    notice->raise();
    QTimer::singleShot(kNoticeShownMs, notice, [notice] {
        notice->hide();
        notice->deleteLater();
    });
    if (Announcer* announcer = Announcer::of(window)) announcer->say(text);
}

QString noticeOf(const QWidget& window) {
    const QLabel* notice = shown(window);
    return notice && !notice->isHidden() ? notice->text() : QString();
}

}  // namespace ui
