// Writes a PNG of the menu and of every exercise window, fresh, to the folder given
// (build/screenshots by default), rendered on Qt's offscreen platform.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>

#include "shell/catalog.h"
#include "shell/program.h"
#include "ui/application.h"
#include "ui/form_widget.h"
#include "ui/qt_desktop.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::prepareApplication();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("build/screenshots");
    QDir().mkpath(folder);

    ui::QtDesktop desktop(nullptr);
    ej::Program program(desktop, {",", "."});
    program.start();
    std::vector<ej::Window*> windows{&program.menu()};
    for (const auto& [name, factory] : ej::catalog()) windows.push_back(program.window(name));
    for (ej::Window* w : windows) {
        desktop.show(*w);
        QApplication::processEvents();
        const QString file = folder + "/" + QString::fromStdString(w->design().name) + ".png";
        desktop.widgetOf(*w)->grab().save(file);
        std::printf("%s\n", file.toLocal8Bit().constData());
    }
    return 0;
}
