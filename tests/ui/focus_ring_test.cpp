// A focused button wears a ring in the text's colour, plain against the window in a light
// palette and in a dark one, which the default button's mark never looks like: a student
// who tabs to SALIR sees that Enter no longer presses INGRESO.
#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <gtest/gtest.h>

#include "tests/ui/windows_on_screen.h"

namespace {

// The colour of a button's edge, halfway down its left side.
QColor edgeOf(QPushButton* button) {
    const QImage drawn = button->grab().toImage();
    return drawn.pixelColor(1, drawn.height() / 2);
}

int distance(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

QPalette dark() {
    QPalette p(QColor(53, 53, 53));  // Qt works out the other roles from the button's
    p.setColor(QPalette::Window, QColor(45, 45, 45));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(30, 30, 30));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    return p;
}

}  // namespace

TEST(FocusRing, AFocusedButtonIsToldApartFromTheDefaultOneInALightAndADarkPalette) {
    const QPalette before = QApplication::palette();
    for (const QPalette& palette : {QApplication::style()->standardPalette(), dark()}) {
        SCOPED_TRACE(palette.color(QPalette::Window).name().toStdString());
        QApplication::setPalette(palette);
        test::Running p;
        ui::FormWidget* form = p.show("frmej01");
        auto* entry = static_cast<QPushButton*>(form->control("cmdej0101"));
        auto* exit = static_cast<QPushButton*>(form->control("cmdej0102"));
        ASSERT_EQ(form->defaultButton(), entry);
        exit->setFocus(Qt::TabFocusReason);
        const QColor ring = edgeOf(exit), mark = edgeOf(entry);
        EXPECT_EQ(ring, palette.color(QPalette::WindowText)) << ring.name().toStdString();
        EXPECT_GT(distance(ring, mark), 150) << ring.name().toStdString() << " beside " << mark.name().toStdString();
        EXPECT_GT(distance(ring, palette.color(QPalette::Window)), 300);
    }
    QApplication::setPalette(before);
}

// The ring is the style's: every label and button of a window still takes the zoom's font.
TEST(FocusRing, LeavesTheZoomsFontToEveryControl) {
    test::Running p;
    ui::FormWidget* form = p.show("frmej01");
    p.desktop.zoom().setPercent(200);
    QApplication::processEvents();
    const int wanted = p.desktop.zoom().font().pixelSize();
    for (const char* control : {"lblej0101", "cmdej0101", "cmdej0102"})
        EXPECT_EQ(form->control(control)->font().pixelSize(), wanted) << control;
    p.desktop.zoom().setPercent(100);
}
