// Every control of a window sits at its twips position and size, and Tab walks the
// focusable controls in the design's order.
#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

#include "shell/catalog.h"
#include "shell/program.h"
#include "ui/form_widget.h"
#include "ui/qt_desktop.h"

namespace {

struct Opened {
    ui::QtDesktop desktop{nullptr};
    ej::Program program{desktop, {",", "."}};
};

void expectBuiltAsDesigned(ui::FormWidget* form, const ej::WindowDesign& d) {
    ASSERT_NE(form, nullptr) << d.name;
    EXPECT_EQ(form->size(), ui::toPixels({0, 0, d.width, d.height}).size()) << d.name;
    for (const auto& c : d.controls) {
        QWidget* w = form->control(QString::fromStdString(c.name));
        ASSERT_NE(w, nullptr) << d.name << " " << c.name;
        EXPECT_EQ(w->geometry(), ui::toPixels(c.at)) << d.name << " " << c.name;
    }
    // Tab from the first control visits the tab order and comes back round.
    const auto order = d.tabOrder();
    if (order.empty()) return;
    QWidget* w = form->control(QString::fromStdString(order.front()->name));
    for (std::size_t i = 1; i <= order.size(); ++i) {
        w = w->nextInFocusChain();
        while (w->focusPolicy() != Qt::StrongFocus && w->focusPolicy() != Qt::WheelFocus) w = w->nextInFocusChain();
        EXPECT_EQ(w->objectName().toStdString(), order[i % order.size()]->name) << d.name << " after " << i;
    }
}

TEST(Geometry, MenuButtonsSitOnTheirTwips) {
    Opened o;
    o.program.start();
    const ej::WindowDesign& d = ej::frm2005Design();
    ASSERT_EQ(d.controls.size(), 71u);
    expectBuiltAsDesigned(o.desktop.widgetOf(o.program.menu()), d);
    // A few positions pinned from the designer: row 3 is taller, "Salir" bottom right.
    auto at = [&](const char* name) { return d.find(name)->at; };
    EXPECT_EQ(at("cmdej01"), (ej::Twips{240, 120, 1095, 375}));
    EXPECT_EQ(at("cmdej1801"), (ej::Twips{5520, 1080, 1095, 435}));
    EXPECT_EQ(at("cmdej69"), (ej::Twips{8160, 4560, 1095, 315}));
    EXPECT_EQ(at("cmdsalir"), (ej::Twips{7800, 5160, 1455, 615}));
    EXPECT_EQ(d.tabOrder()[3]->name, "cmdsalir");
    EXPECT_EQ(d.tabOrder().back()->name, "cmdej67");
}

TEST(Geometry, EveryExerciseWindowIsBuiltAsDesigned) {
    Opened o;
    for (const auto& [name, factory] : ej::catalog()) {
        ej::Window* w = o.program.window(name);
        o.desktop.show(*w);
        expectBuiltAsDesigned(o.desktop.widgetOf(*w), w->design());
    }
}

}  // namespace
