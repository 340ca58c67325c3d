#include "ui/application.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

void preferX11() {
#ifdef Q_OS_LINUX
    // Qt tries the platforms of the list in turn: X11, else the Wayland compositor.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
#endif
}

void prepareApplication() {
    // The designs' twips were drawn for a small, narrow system font; a narrow sans
    // serif at 11 pixels fits every caption, statement and result in the same room.
    QFont font(QStringLiteral("Liberation Sans Narrow"));
    font.setPixelSize(11);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
    QApplication::setQuitOnLastWindowClosed(false);  // the desktop decides when the program ends

    // Qt's own texts (the text boxes' context menu) in the program's language.
    static QTranslator spanish;
    if (spanish.load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&spanish);
}

ej::NumberFormat systemNumberFormat() {
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

}  // namespace ui
