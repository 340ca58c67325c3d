// Starts the program as its main does, on the offscreen platform, and measures it:
//   probe start   exits as soon as the menu window has been shown;
//   probe memory  opens the menu and every exercise window, then prints the peak
//                 resident size in kB.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "shell/catalog.h"
#include "shell/program.h"
#include "ui/application.h"
#include "ui/qt_desktop.h"

namespace {

long peakResidentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    const bool memory = argc > 1 && std::strcmp(argv[1], "memory") == 0;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::prepareApplication();
    ui::QtDesktop desktop([] { QCoreApplication::exit(0); });
    ej::Program program(desktop, ui::systemNumberFormat());
    program.start();
    if (memory)
        for (const auto& [name, factory] : ej::catalog()) desktop.show(*program.window(name));
    // Runs once everything the shows caused has been delivered.
    QTimer::singleShot(0, [memory] {
        if (memory) std::printf("%ld\n", peakResidentKb());
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}
