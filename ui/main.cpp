#include <QApplication>

#include "shell/program.h"
#include "ui/application.h"
#include "ui/qt_desktop.h"

int main(int argc, char** argv) {
    ui::preferX11();
    QApplication app(argc, argv);
    ui::prepareApplication();
    ui::QtDesktop desktop([] { QCoreApplication::exit(0); });
    ej::Program program(desktop, ui::systemNumberFormat());
    program.start();
    return QApplication::exec();
}
