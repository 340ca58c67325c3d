// What a screen reader hears of every window, and Qt's own texts in Spanish. Every
// control carries its control name as its object name.
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <gtest/gtest.h>
#include <set>

#include "shell/catalog.h"
#include "shell/program.h"
#include "ui/form_widget.h"
#include "ui/qt_desktop.h"

namespace {

// Every window, the menu included, as a screen reader hears it: a frame named by its
// caption, each control named, and no two controls with the same name and description.
TEST(Accessibility, EveryWindowIsAFrameWhoseControlsSoundApart) {
    ui::QtDesktop desktop(nullptr);
    ej::Program program(desktop, {",", "."});
    std::vector<ej::Window*> windows{&program.menu()};
    for (const auto& [name, factory] : ej::catalog()) windows.push_back(program.window(name));
    ASSERT_EQ(windows.size(), 71u);
    for (ej::Window* w : windows) {
        desktop.show(*w);
        ui::FormWidget* form = desktop.widgetOf(*w);
        ASSERT_NE(form, nullptr);
        const std::string& window = w->design().name;
        EXPECT_EQ(form->objectName().toStdString(), window);
        QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(form);
        EXPECT_EQ(frame->role(), QAccessible::Window) << window;
        EXPECT_EQ(frame->text(QAccessible::Name).toStdString(), w->design().caption);
        std::set<std::pair<QString, QString>> heard;
        for (const auto& c : w->design().controls) {
            QWidget* control = form->control(QString::fromStdString(c.name));
            ASSERT_NE(control, nullptr) << c.name;
            EXPECT_EQ(control->objectName().toStdString(), c.name);
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
            const QString name = a->text(QAccessible::Name);
            EXPECT_FALSE(name.trimmed().isEmpty()) << window << " " << c.name;
            EXPECT_TRUE(heard.insert({name, a->text(QAccessible::Description)}).second)
                << window << " " << c.name << " sounds like another control: " << name.toStdString();
        }
    }
}

// A box speaks the label that stands for it, whether it takes a value or shows a
// result, and, where one label stands for several boxes, which of them it is: its part
// of the label, its column in a table, or its place.
TEST(Accessibility, ABoxIsNamedByTheLabelThatStandsForIt) {
    struct Row {
        const char *window, *control, *name, *description;
    };
    const Row rows[] = {
        {"frmej01", "txtej0101", "Ingrese", "Entrada"},
        {"frmej01", "txtej0102", "Suma", "Resultado"},
        {"frmej01", "cmdej0101", "INGRESO", ""},
        {"frmej16", "txtej1602", "La Suma / El Promedio de los N° Ingresados", "Resultado, La Suma"},
        {"frmej16", "txtej1603", "La Suma / El Promedio de los N° Ingresados",
         "Resultado, El Promedio de los N° Ingresados"},
        {"frmej40", "txtej4004", "Cantidad/Suma/Promedio", "Resultado, Promedio"},
        {"frmej10", "txtej1003", "Cantidad", "Resultado, Negativos"},
        {"frmej39", "txtej3903", "Suma y Promedio", "Resultado, 2 de 2"},
    };
    ui::QtDesktop desktop(nullptr);
    ej::Program program(desktop, {",", "."});
    for (const Row& row : rows) {
        ej::Window* w = program.window(row.window);
        desktop.show(*w);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(desktop.widgetOf(*w)->control(row.control));
        EXPECT_EQ(a->text(QAccessible::Name), QString::fromUtf8(row.name)) << row.control;
        EXPECT_EQ(a->text(QAccessible::Description), QString::fromUtf8(row.description)) << row.control;
    }
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
