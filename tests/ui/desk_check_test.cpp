// The desk check at a glance on a laptop's and a projector's screen: its algorithm shows
// the waiting `Leer` with the loop or decision around it and keeps its lines whole before
// the table's room, its legend says what the marks mean, its table keeps the variables in
// view and bolds only what changed, a header explains its variable and marks its lines,
// and where the series stands is written under the table and said to a screen reader.
#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>
#include <gtest/gtest.h>

#include "tests/ui/desk_check.h"
#include "tests/ui/keyboard.h"
#include "ui/listing_style.h"

namespace {

using test::DeskCheck;
using test::ScreenOf;

// After the desk check opens and after each value: the ▶ and the line that opens the
// block around it in view, and at 100 % on a laptop at least 20 lines of the algorithm.
TEST(DeskCheck, ShowsTheWaitingLeerWithTheBlockAroundIt) {
    struct Row {
        const char* window;
        int percent;
        std::initializer_list<const char*> typed;
        int waiting, opening;  // the ▶'s line and its block's
    };
    const Row rows[] = {
        {"frmej45", 100, {}, 16, 14},
        {"frmej45", 100, {"4", "-3"}, 21, 18},  // a refusal of the algorithm's own: its inner loop
        {"frmej45", 200, {"4", "-3"}, 21, 18},
        {"frmej13", 100, {"5", "3"}, 10, 8},
        {"frmej62", 200, {"1", "2"}, 15, 13},
        {"frmej24", 200, {"-2"}, 20, 18},
    };
    for (const QSize size : {QSize(1366, 768), QSize(1024, 768)}) {
        ScreenOf screen(size);
        for (const Row& row : rows) {
            SCOPED_TRACE(testing::Message() << row.window << " at " << row.percent << " % on " << size.width());
            DeskCheck d(row.window, row.percent);
            d.enter(row.typed);
            EXPECT_EQ(d.pane().marks().waiting, row.waiting);
            EXPECT_EQ(d.pane().enclosingBlock(row.waiting), row.opening);
            EXPECT_TRUE(d.inView(row.waiting) && d.inView(row.opening));
            if (row.percent == 100 && size.width() == 1366) {
                EXPECT_GE(d.pane().viewport()->height() / d.line(1).height(), 20);
            }
        }
    }
}

// Short of room, the table gives up its room before the algorithm's longest line does,
// down to half the width; a table wider than its columns leaves the algorithm whole.
TEST(DeskCheck, TheAlgorithmKeepsItsLongestLineBeforeTheTableItsEmptyRoom) {
    ScreenOf screen({1024, 768});
    for (const char* window : {"frmej13", "frmej45", "frmej62"}) {
        SCOPED_TRACE(window);
        DeskCheck d(window);
        const int shared = d.pane().width() + d.table().width();
        EXPECT_GE(d.pane().width(), std::min(d.pane().naturalWidth(), shared / 2));
        if (d.table().width() > d.table().columnsWidth(d.model().columnCount())) {
            EXPECT_GE(d.pane().width(), d.pane().naturalWidth());
        }
    }
}

TEST(DeskCheck, ItsLegendSaysWhatTheMarksMean) {
    {
        DeskCheck d("frmej13");
        const auto legend = [&] { return d.trace->legend()->text(); };
        EXPECT_EQ(legend(),
                  "▶ espera el próximo valor · resaltado: lo que ejecutó el último ingreso · ×N: se ejecutó N "
                  "veces");
        d.enter({"5", "3"});
        d.clickRow(2);
        EXPECT_TRUE(legend().contains("resaltado: lo que ejecutó la fila 2"));
        d.clickHeader("mayor");
        EXPECT_TRUE(legend().contains("en ámbar: donde se asigna mayor"));
        d.enter({"1", "1", "1", "1", "1", "1", "1", "1", "1", "1"});
        EXPECT_TRUE(legend().startsWith("▶ terminó · resaltado: lo que ejecutó el último ingreso"));
    }
    DeskCheck vectors("frmej62");
    EXPECT_TRUE(vectors.trace->legend()->text().endsWith(" · en un vector, negrita: los elementos que cambiaron"));
}

// A message too long for "Resultado" is cut there, whole in its tooltip, while the
// variables stay in view; new rows wider than the table widen the desk check, beside
// its window, while the screen has room.
TEST(DeskCheck, ColumnsStayWholeAndTheDeskCheckWidensWithThem) {
    ScreenOf screen({1366, 768});
    DeskCheck d("frmej13");
    const int narrow = d.trace->width();
    d.enter({"123456789", "abc"});
    EXPECT_GT(d.trace->width(), narrow);
    const int columns = d.table().columnsWidth(d.model().columnCount());
    EXPECT_TRUE(d.table().width() >= columns || d.trace->frameGeometry().right() == ScreenOf::available().right());

    d.trace->resize(d.trace->width() - 60, d.trace->height());
    QApplication::processEvents();
    const QModelIndex said = d.model().index(d.model().rowCount() - 1, ui::TraceModel::kResultColumn);
    EXPECT_EQ(d.model().data(said, Qt::DisplayRole).toString(), "El valor abc no es numérico");
    EXPECT_LE(d.table().columnViewportPosition(d.model().columnCount() - 1) +
                  d.table().columnWidth(d.model().columnCount() - 1),
              d.table().viewport()->width());
    const QRect cell = d.table().visualRect(said);
    QHelpEvent help(QEvent::ToolTip, cell.center(), d.table().viewport()->mapToGlobal(cell.center()));
    QApplication::sendEvent(d.table().viewport(), &help);
    EXPECT_EQ(QToolTip::text(), "El valor abc no es numérico");
    QToolTip::hideText();
}

// A pass of a sort bolds the pair it swapped, not the whole vector: 32 zeros and a 7 last,
// sorted downwards, move the 7 one place a pass.
TEST(DeskCheck, AVectorBoldsTheElementsThatChanged) {
    DeskCheck d("frmej62");
    for (int i = 0; i < 32; ++i) d.exercise.type("0");
    d.enter({"7"});
    const int v = d.column("v");
    int passes = 0;
    for (int row = 0; row < d.model().rowCount(); ++row) {
        const QModelIndex cell = d.model().index(row, v);
        const QString result = d.model().index(row, ui::TraceModel::kResultColumn).data().toString();
        if (!result.startsWith("pasada")) continue;
        const int pass = result.mid(7).toInt();
        SCOPED_TRACE(result.toStdString());
        std::vector<int> bold;
        int element = 0;
        for (const ui::TextRun& run : ui::vectorRuns(
                 cell.data().toString(), cell.data(ui::TraceModel::kChangedElementsRole).value<QList<bool>>()))
            for (auto n = run.text.split(' ', Qt::SkipEmptyParts).size(); n > 0; --n, ++element)
                if (run.bold) bold.push_back(element);
        // The last pass finds the 7 first and swaps nothing.
        const std::vector<int> swapped = pass < 33 ? std::vector<int>{32 - pass, 33 - pass} : std::vector<int>{};
        EXPECT_EQ(bold, swapped);
        ++passes;
    }
    EXPECT_EQ(passes, 33);
}

// A variable's header tells its type and the lines that assign it; clicked, it marks
// itself and those lines, tinted across, the first of them scrolled into view.
TEST(DeskCheck, AHeaderExplainsItsVariableAndMarksItsLines) {
    DeskCheck d("frmej45");
    const int column = d.column("menorPar");
    EXPECT_EQ(d.model().headerData(d.column("contador"), Qt::Horizontal, Qt::ToolTipRole).toString(),
              "Entero; se asigna en las líneas 8, 36");
    ASSERT_FALSE(d.inView(46));
    d.clickHeader("menorPar");
    EXPECT_EQ(d.pane().assigning(), std::vector<int>{46});
    EXPECT_TRUE(d.inView(46));
    EXPECT_TRUE(d.model().headerData(column, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(d.model().headerData(column, Qt::Horizontal, Qt::BackgroundRole).value<QColor>(),
              d.pane().colours().assigned);
    const QHeaderView* header = d.table().horizontalHeader();
    EXPECT_GE(header->sectionSize(column), header->sectionSizeHint(column));  // its bold name whole
    d.clickHeader("menorPar");
    EXPECT_TRUE(d.pane().assigning().empty());
    EXPECT_FALSE(d.model().headerData(column, Qt::Horizontal, Qt::FontRole).isValid());
}

// Where the series stands, under the table after every value; F6 into the desk check
// has a screen reader say it with the table, as its description.
TEST(DeskCheck, SaysWhereTheSeriesStands) {
    {
        DeskCheck d("frmej13");
        const QLabel* progress = d.trace->progress();
        EXPECT_EQ(progress->text(), "la serie pide 12 valores");
        d.enter({"5", "abc", "3"});
        EXPECT_EQ(progress->text(), "valor 2 de 12");
        EXPECT_EQ(progress->text().toStdString(), d.exercise.progress());
        ASSERT_TRUE(test::press(Qt::Key_F6));
        QApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), &d.table());
        EXPECT_EQ(QAccessible::queryAccessibleInterface(&d.table())->text(QAccessible::Description), "valor 2 de 12");
        ASSERT_TRUE(test::press(Qt::Key_Escape));
    }
    DeskCheck bounded("frmej45");
    bounded.enter({"4", "6"});
    EXPECT_EQ(bounded.trace->progress()->text(), "2 ingresados: faltan 6 para el mínimo, caben 10 más");
}

// Every text of the algorithm and of the table reads at 4.5:1 on every ground it stands
// on, a mark at 3:1, in the light palette and in a dark one; the desk check draws in the
// colours measured.
TEST(DeskCheck, EveryTextReadsOnItsGroundInALightAndADarkPalette) {
    QPalette dark;
    for (const auto& [role, rgb] :
         std::initializer_list<std::pair<QPalette::ColorRole, QRgb>>{{QPalette::Window, 0x2a2e32},
                                                                     {QPalette::WindowText, 0xfcfcfc},
                                                                     {QPalette::Base, 0x1b1e20},
                                                                     {QPalette::Text, 0xfcfcfc},
                                                                     {QPalette::Button, 0x31363b},
                                                                     {QPalette::ButtonText, 0xfcfcfc},
                                                                     {QPalette::Highlight, 0x3daee9},
                                                                     {QPalette::HighlightedText, 0xfcfcfc}})
        dark.setColor(role, QColor(rgb));
    const QPalette light = QApplication::palette();
    for (const QPalette& palette : {light, dark}) {
        SCOPED_TRACE(ui::isDark(palette) ? "dark" : "light");
        QApplication::setPalette(palette);
        DeskCheck d("frmej13");
        const ui::ListingColours c = d.pane().colours();
        EXPECT_EQ(c.ran, ui::listingColours(palette).ran);
        const auto reads = [](const QColor& text, const QColor& ground, double least) {
            EXPECT_GE(ui::contrast(text, ground), least)
                << text.name().toStdString() << " on " << ground.name().toStdString();
        };
        for (const QColor& ground : {c.base, c.ran, c.assigned, c.ranAndAssigned, c.difference})
            for (const QColor& text : {c.text, c.comment, c.quoted, c.note, c.message})
                reads(text, ground, ui::kTextContrast);
        reads(c.note, c.margin, ui::kTextContrast);  // the line numbers
        reads(palette.color(QPalette::WindowText), palette.color(QPalette::Window),
              ui::kTextContrast);                                                   // legend, progress
        for (const QColor& header : {palette.color(QPalette::Button), c.assigned})  // a header, a marked one
            reads(palette.color(QPalette::ButtonText), header, ui::kTextContrast);
        reads(c.arrow, c.margin, ui::kMarkContrast);
        for (const QColor& ground : {c.margin, c.base}) reads(c.focus, ground, ui::kMarkContrast);
    }
    QApplication::setPalette(light);
}

// The part that has the keyboard focus shows it by its frame.
TEST(DeskCheck, TheFocusedPartIsFramed) {
    DeskCheck d("frmej13");
    const QColor focus = d.pane().colours().focus;
    const auto framed = [&](QWidget& part) { return part.grab().toImage().pixelColor(0, part.height() / 2) == focus; };
    EXPECT_FALSE(framed(d.table()) || framed(d.pane()));
    ASSERT_TRUE(test::press(Qt::Key_F6));
    QApplication::processEvents();
    EXPECT_TRUE(framed(d.table()) && !framed(d.pane()));
    ASSERT_TRUE(test::press(Qt::Key_Tab));
    EXPECT_TRUE(framed(d.pane()) && !framed(d.table()));
    ASSERT_TRUE(test::press(Qt::Key_Escape));
}

}  // namespace
