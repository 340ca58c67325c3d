// Every control of every window has a name a screen reader can speak, and carries
// its control name as its object name.
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <gtest/gtest.h>

#include "shell/catalog.h"
#include "shell/program.h"
#include "ui/form_widget.h"
#include "ui/qt_desktop.h"

namespace {

TEST(Accessibility, EveryControlOfEveryWindowHasAName) {
    ui::QtDesktop desktop(nullptr);
    ej::Program program(desktop, {",", "."});
    std::vector<ej::Window*> windows{&program.menu()};
    for (const auto& [name, factory] : ej::catalog()) windows.push_back(program.window(name));
    for (ej::Window* w : windows) {
        desktop.show(*w);
        ui::FormWidget* form = desktop.widgetOf(*w);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->objectName().toStdString(), w->design().name);
        for (const auto& c : w->design().controls) {
            QWidget* control = form->control(QString::fromStdString(c.name));
            ASSERT_NE(control, nullptr) << c.name;
            EXPECT_EQ(control->objectName().toStdString(), c.name);
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(a, nullptr) << c.name;
            EXPECT_FALSE(a->text(QAccessible::Name).trimmed().isEmpty()) << w->design().name << " " << c.name;
        }
    }
}

TEST(Accessibility, ABoxIsNamedByTheLabelThatStandsForIt) {
    ui::QtDesktop desktop(nullptr);
    ej::Program program(desktop, {",", "."});
    ej::Window* w = program.window("frmej01");
    desktop.show(*w);
    auto name = [&](const char* control) {
        return QAccessible::queryAccessibleInterface(desktop.widgetOf(*w)->control(control))->text(QAccessible::Name);
    };
    EXPECT_EQ(name("txtej0101"), "Ingrese");
    EXPECT_EQ(name("txtej0102"), "Suma");
    EXPECT_EQ(name("cmdej0101"), "INGRESO");
}

TEST(Language, QtsOwnTextsAreSpanish) {
    QLineEdit box;
    QMenu* menu = box.createStandardContextMenu();
    QStringList texts;
    for (QAction* a : menu->actions()) texts << a->text();
    delete menu;
    EXPECT_TRUE(texts.join(' ').contains("Pegar")) << texts.join(' ').toStdString();
}

}  // namespace
