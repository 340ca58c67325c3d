#include "ui/window_menu.h"

#include <QMenu>
#include <functional>

#include "engine/exercise_window.h"
#include "ui/form_widget.h"
#include "ui/qt_desktop.h"

namespace ui {

namespace {

void add(QMenu& menu, const char* text, QObject* context, std::function<void()> act) {
    QObject::connect(menu.addAction(QString::fromUtf8(text)), &QAction::triggered, context, std::move(act));
}

}  // namespace

void addWindowEntries(QMenu& menu, FormWidget& window, QtDesktop& desktop) {
    if (dynamic_cast<const ej::ExerciseWindow*>(&window.logic())) {
        add(menu, "Prueba de escritorio y algoritmo (F2)", &window, [&window] { window.toggleTrace(); });
        add(menu, "Mi solución (F3)", &window, [&window] { window.toggleSolution(); });
        menu.addSeparator();
    }
    Zoom& zoom = desktop.zoom();
    add(menu, "Ampliar (Ctrl++)", &zoom, [&zoom] { zoom.enlarge(); });
    add(menu, "Reducir (Ctrl+-)", &zoom, [&zoom] { zoom.reduce(); });
    add(menu, "Tamaño normal (Ctrl+0)", &zoom, [&zoom] { zoom.restore(); });
    add(menu, "Ordenar ventanas (Ctrl+L)", &window, [&window, &desktop] { desktop.arrangeWindows(window); });
    menu.addSeparator();
    add(menu, "Ayuda (F1)", &window, [&window, &desktop] { desktop.toggleHelp(window); });
}

}  // namespace ui
