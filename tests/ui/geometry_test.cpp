// Every window, the menu and the seventy exercise windows, is drawn at its twips, 15 to
// a pixel, and at every zoom in proportion; Tab walks the design's order.
#include <QApplication>
#include <QWidget>
#include <cmath>
#include <map>
#include <gtest/gtest.h>

#include "shell/catalog.h"
#include "shell/program.h"
#include "ui/form_widget.h"
#include "ui/qt_desktop.h"

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Twips to pixels as the designer counts them: 15 to a pixel, to the nearest.
QRect designerPixels(const ej::Twips& t) {
    auto px = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
    return {px(t.left), px(t.top), px(t.width), px(t.height)};
}

void expectTabOrder(ui::FormWidget* form, const ej::WindowDesign& d) {
    const auto order = d.tabOrder();
    if (order.empty()) return;
    QWidget* w = form->control(qs(order.front()->name));
    for (std::size_t i = 1; i <= order.size(); ++i) {
        do w = w->nextInFocusChain();
        while (w->focusPolicy() != Qt::StrongFocus);
        EXPECT_EQ(w->objectName().toStdString(), order[i % order.size()]->name) << d.name << " after " << i;
    }
}

TEST(Geometry, EveryWindowSitsOnItsTwipsAndZoomsInProportion) {
    ui::QtDesktop desktop{nullptr};
    ej::Program program{desktop, {",", "."}};
    std::vector<ej::Window*> windows{&program.menu()};
    for (const auto& [name, factory] : ej::catalog()) windows.push_back(program.window(name));
    ASSERT_EQ(windows.size(), 71u);
    std::map<QWidget*, QRect> at100;  // every window's client area and every control
    for (ej::Window* w : windows) {
        desktop.show(*w);
        ui::FormWidget* form = desktop.widgetOf(*w);
        const ej::WindowDesign& d = w->design();
        at100[form] = form->geometry();
        EXPECT_EQ(form->size(), designerPixels({0, 0, d.width, d.height}).size()) << d.name;
        for (const auto& c : d.controls) {
            QWidget* control = form->control(qs(c.name));
            EXPECT_EQ(control->geometry(), designerPixels(c.at)) << d.name << " " << c.name;
            at100[control] = control->geometry();
        }
        expectTabOrder(form, d);
    }

    desktop.zoom().setPercent(150);
    EXPECT_EQ(desktop.widgetOf(program.menu())->font().pixelSize(), 16);  // 11 px, rounded down
    for (const auto& [widget, was] : at100) {
        // A window keeps its top-left corner on the screen; a control moves with the zoom.
        const QPoint corner = widget->isWindow() ? was.topLeft() : was.topLeft() * 1.5;
        const QRect now = widget->geometry(), want(corner, was.size() * 1.5);
        const int gaps[]{now.x() - want.x(), now.y() - want.y(), now.width() - want.width(), now.height() - want.height()};
        for (int gap : gaps) EXPECT_LE(std::abs(gap), 1) << widget->objectName().toStdString();
    }
    desktop.zoom().setPercent(100);
    for (const auto& [widget, was] : at100) EXPECT_EQ(widget->geometry(), was) << widget->objectName().toStdString();
}

// A result longer than its box keeps the box's size; its tooltip and its description
// for a screen reader give it whole, as long as it is cut.
TEST(Geometry, AResultTooLongForItsBoxIsGivenWholeByItsTooltip) {
    ui::QtDesktop desktop{nullptr};
    ej::Program program{desktop, {",", "."}};
    desktop.show(*program.window("frmej01"));
    ui::FormWidget* form = desktop.widgetOf(*program.window("frmej01"));
    QWidget* sum = form->control("txtej0102");
    const QRect designed = sum->geometry();
    const std::string longSum = "1,677728E+07 1,677728E+07 1,677728E+07 1,677728E+07";
    const struct {
        std::string text;
        QString tooltip, description;
    } rows[] = {{longSum, QString::fromStdString(longSum), "Resultado, " + QString::fromStdString(longSum)},
                {"55", "", "Resultado"}};
    for (const auto& row : rows) {
        form->setText("txtej0102", row.text);
        EXPECT_EQ(sum->geometry(), designed);
        EXPECT_EQ(sum->toolTip(), row.tooltip);
        EXPECT_EQ(sum->accessibleDescription(), row.description);
    }
}

}  // namespace
