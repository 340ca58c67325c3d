#include "ui/offscreen_focus.h"

#include <QGuiApplication>
#include <QWindow>
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

}  // namespace ui
