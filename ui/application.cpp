#include "ui/application.h"

#include <QApplication>
#include <QFont>
#include <QLocale>

namespace ui {

void applyLook() {
    // A narrow sans serif at 11 pixels: the designs' statements were drawn for a
    // small system font, and this one fits them in the same twips.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
    QApplication::setQuitOnLastWindowClosed(false);  // the desktop decides when the program ends
}

ej::NumberFormat systemNumberFormat() {
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

}  // namespace ui
