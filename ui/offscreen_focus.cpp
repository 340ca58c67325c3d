#include "ui/offscreen_focus.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>
#include <qpa/qwindowsysteminterface_p.h>

namespace ui {

namespace {

using System = QWindowSystemInterfacePrivate;

// Drops the platform's activation of a window that refuses the focus; passes on the rest.
class RefusedActivations final : public QWindowSystemEventHandler {
public:
    bool sendEvent(System::WindowSystemEvent* e) override {
        if (e->type == System::ActivatedWindow) {
            const QWindow* activated = static_cast<System::ActivatedWindowEvent*>(e)->activated;
            if (activated && activated->flags().testFlag(Qt::WindowDoesNotAcceptFocus)) return true;
        }
        return QWindowSystemEventHandler::sendEvent(e);
    }
};

}  // namespace

void honourWindowsThatRefuseFocus() {
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) return;
    static RefusedActivations handler;
    System::installWindowSystemEventHandler(&handler);
}

void showWithoutActivating(QWidget& window) {
    window.setAttribute(Qt::WA_ShowWithoutActivating);
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) return window.show();
    honourWindowsThatRefuseFocus();
    window.winId();  // its QWindow, to refuse the focus with
    window.windowHandle()->setFlag(Qt::WindowDoesNotAcceptFocus, true);
    window.show();
    QWindowSystemInterface::flushWindowSystemEvents();  // the activation its showing asked for, dropped
    window.windowHandle()->setFlag(Qt::WindowDoesNotAcceptFocus, false);
}

}  // namespace ui
