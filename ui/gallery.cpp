// Writes a PNG of the menu and of every exercise window, fresh and after a typical
// series, of the menu and one exercise window at 150 %, and of four desk checks with
// their algorithm (one at 200 %), of the help and of an exercise window with its context
// menu open, to the folder given (build/screenshots by default); offscreen unless a
// platform is named in QT_QPA_PLATFORM. With --screens after the folder, the whole screen
// of a real desktop instead (see saveScreens).
#include <QApplication>
#include <QDir>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <cstdio>

#include "engine/exercise_window.h"
#include "shell/catalog.h"
#include "shell/program.h"
#include "ui/application.h"
#include "ui/form_widget.h"
#include "ui/qt_desktop.h"

namespace {

// Values that give most classes something: both signs, both parities, zero last so
// that a zero-terminated series ends once it is long enough.
const char* const kTypical[] = {"7", "12", "-3", "4", "9", "-8", "6", "15", "0"};

void save(QWidget* window, const QString& file) {
    QApplication::processEvents();
    window->grab().save(file);
    std::printf("%s\n", file.toLocal8Bit().constData());
}

// The window with the context menu that a right-click in it opens, drawn over it as the
// screen shows it.
void saveWithContextMenu(QWidget* window, const QString& file) {
    const QPoint at(window->width() / 3, window->height() / 4);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, window->mapToGlobal(at));
    QApplication::sendEvent(window, &rightClick);
    QApplication::processEvents();
    QWidget* menu = QApplication::activePopupWidget();
    const QRect menuAt(window->mapFromGlobal(menu->pos()), menu->size());
    const QRect all = window->rect().united(menuAt);
    QPixmap shot(all.size());
    shot.fill(Qt::white);
    QPainter painter(&shot);
    window->render(&painter, -all.topLeft());
    menu->render(&painter, menuAt.topLeft() - all.topLeft());
    painter.end();
    menu->close();
    shot.save(file);
    std::printf("%s\n", file.toLocal8Bit().constData());
}

// Types typical values into the input box and presses the entry button until the
// window locks its input, as a student would.
void completeTypicalSeries(ui::FormWidget* form, const ej::ExerciseWindow& w) {
    // A window that first asks how many values to take (its first box is not the one
    // the values go into) is told three, with its first button.
    const auto order = w.design().tabOrder();
    if (!order.empty() && order.front()->kind == ej::ControlKind::TextBox && order.front()->name != w.inputBox()) {
        qobject_cast<QLineEdit*>(form->control(QString::fromStdString(order.front()->name)))->setText("3");
        for (const auto& c : w.design().controls)
            if (c.kind == ej::ControlKind::Button) {
                qobject_cast<QPushButton*>(form->control(QString::fromStdString(c.name)))->click();
                break;
            }
    }
    auto* input = qobject_cast<QLineEdit*>(form->control(QString::fromStdString(w.inputBox())));
    auto* entry = qobject_cast<QPushButton*>(form->control(QString::fromStdString(w.entryButton())));
    if (!input || !entry) return;
    for (int i = 0; i < 400 && entry->isEnabled() && input->isEnabled(); ++i) {
        input->setText(kTypical[i % std::size(kTypical)]);
        entry->click();
    }
}

// Types each value and presses the entry button, as a student would.
void enterValues(ui::FormWidget* form, const ej::ExerciseWindow& w, std::initializer_list<const char*> values) {
    auto* input = qobject_cast<QLineEdit*>(form->control(QString::fromStdString(w.inputBox())));
    auto* entry = qobject_cast<QPushButton*>(form->control(QString::fromStdString(w.entryButton())));
    for (const char* value : values) {
        input->setText(value);
        entry->click();
    }
}

// The windows whose desk check and algorithm are shown: a series window, a sort after its
// last pass and a window of vectors after their series, and a parity window after a
// refusal (before its series ends).
bool showsItsTrace(const std::string& window) {
    return window == "frmej13" || window == "frmej24" || window == "frmej62" || window == "frmej66";
}
bool showsARefusal(const std::string& window) { return window == "frmej24"; }

}  // namespace

// The whole screen as a window manager shows it, once every window has settled.
void saveScreen(const QString& file) {
    QTest::qWait(700);
    QGuiApplication::primaryScreen()->grabWindow(0).save(file);
    std::printf("%s\n", file.toLocal8Bit().constData());
}

// On a real desktop, whose screen size names the files: a laptop's, with exercise 58 and
// its desk check beside it in the middle of a series; a projector's, with the menu and an
// exercise window at 200 %.
int saveScreens(const QString& folder) {
    ui::QtDesktop desktop(nullptr);
    ej::Program program(desktop, {",", "."});
    program.start();
    const QSize size = QGuiApplication::primaryScreen()->size();
    const QString screen = folder + QStringLiteral("/screen-%1x%2-").arg(size.width()).arg(size.height());
    const auto open = [&](const char* name) {
        auto* w = static_cast<ej::ExerciseWindow*>(program.window(name));
        desktop.show(*w);
        QTest::qWait(300);  // its activation starts its series
        return std::pair(desktop.widgetOf(*w), w);
    };
    if (size.width() > 1024) {
        auto [form, w] = open("frmej58");
        form->toggleTrace();
        enterValues(form, *w, {"1500", "abc", "2000"});
        saveScreen(screen + "frmej58-trace.png");
        return 0;
    }
    desktop.zoom().setPercent(200);
    saveScreen(screen + "frm2005-200.png");
    auto [form, w] = open("frmej13");
    enterValues(form, *w, {"4", "9", "2"});
    saveScreen(screen + "frmej13-200.png");
    return 0;
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::prepareApplication();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("build/screenshots");
    QDir().mkpath(folder);
    if (argc > 2 && QLatin1String(argv[2]) == QLatin1String("--screens")) return saveScreens(folder);

    ui::QtDesktop desktop(nullptr);
    ej::Program program(desktop, {",", "."});
    program.start();
    save(desktop.widgetOf(program.menu()), folder + "/frm2005.png");
    for (const auto& [name, factory] : ej::catalog()) {
        ej::Window* w = program.window(name);
        desktop.show(*w);
        ui::FormWidget* form = desktop.widgetOf(*w);
        const QString base = folder + "/" + QString::fromStdString(name);
        save(form, base + ".png");
        if (auto* exercise = dynamic_cast<ej::ExerciseWindow*>(w)) {
            if (showsItsTrace(name)) form->toggleTrace();
            if (showsARefusal(name)) {
                enterValues(form, *exercise, {"7", "12", "-3", "abc"});
                save(form->traceWindow(), base + "-trace.png");
            }
            completeTypicalSeries(form, *exercise);
            save(form, base + "-completed.png");
            if (form->traceWindow() && !showsARefusal(name)) save(form->traceWindow(), base + "-trace.png");
        }
        form->close();
    }
    // What a student finds by a right-click or F1: an exercise window's context menu, and
    // the help.
    ej::Window* found = program.window("frmej01");
    desktop.show(*found);
    QApplication::processEvents();
    ui::FormWidget* foundForm = desktop.widgetOf(*found);
    saveWithContextMenu(foundForm, folder + "/frmej01-menu.png");
    desktop.toggleHelp(*foundForm);
    save(desktop.helpWindow(), folder + "/ayuda.png");
    desktop.toggleHelp(*foundForm);
    foundForm->close();
    // The menu and a window with a long statement as a projector shows them.
    desktop.zoom().setPercent(150);
    save(desktop.widgetOf(program.menu()), folder + "/frm2005-150.png");
    ej::Window* zoomed = program.window("frmej49");
    desktop.show(*zoomed);
    QApplication::processEvents();  // its activation starts the series afresh
    completeTypicalSeries(desktop.widgetOf(*zoomed), static_cast<ej::ExerciseWindow&>(*zoomed));
    save(desktop.widgetOf(*zoomed), folder + "/frmej49-150.png");
    // A desk check and its algorithm as a projector shows them, in the middle of a series.
    desktop.zoom().setPercent(200);
    ej::Window* traced = program.window("frmej13");
    desktop.show(*traced);
    QApplication::processEvents();
    ui::FormWidget* tracedForm = desktop.widgetOf(*traced);
    tracedForm->toggleTrace();
    enterValues(tracedForm, static_cast<ej::ExerciseWindow&>(*traced), {"4", "9", "2"});
    save(tracedForm->traceWindow(), folder + "/frmej13-trace-200.png");
    return 0;
}
