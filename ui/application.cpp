#include "ui/application.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <QTranslator>

namespace ui {

namespace {

class FocusRingStyle final : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element != CE_PushButton || !(option->state & State_HasFocus)) return;
        painter->save();
        painter->setPen(QPen(option->palette.color(QPalette::WindowText), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(QRectF(option->rect).adjusted(1, 1, -1, -1), 3, 3);
        painter->restore();
    }
};

}  // namespace

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
    // A focused button wears a ring in the text's colour, plain against the window in a
    // light palette and in a dark one: the style's own focus mark is the default button's
    // tinted outline, and a focused SALIR looked like the button Enter presses. Drawn by
    // the style, not a style sheet, which would stop the zoom's font at every button and label.
    QApplication::setStyle(new FocusRingStyle);

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
