// What the desk check draws is what its model says, read from its pixels: the ▶ beside
// the waiting line, the tint under each line that ran or that assigns the marked
// variable, a tally after its line, bold where a value changed (of a vector, only its
// elements that changed), at 100 % and 200 %; and the listing drawn the same after a
// scroll there and back.
#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <map>

#include "tests/ui/desk_check.h"
#include "ui/listing_style.h"

namespace {

using test::DeskCheck;

// The colour most of an area is painted in: the ground its text stands on.
QColor groundOf(const QImage& image, const QRect& area) {
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y)];
    return QColor(
        std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first);
}

int distance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// How much of each column of an area differs from its ground.
std::vector<int> inkByColumn(const QImage& image, const QRect& area, const QColor& ground) {
    std::vector<int> ink(std::size_t(area.width()), 0);
    for (int x = area.left(); x <= area.right(); ++x)
        for (int y = area.top(); y <= area.bottom(); ++y)
            ink[std::size_t(x - area.left())] += distance(image.pixel(x, y), ground.rgb());
    return ink;
}

// The inked stretches of an area, apart where at least `gap` columns have no ink: the
// words of a text.
std::vector<int> inkOfWords(const QImage& image, const QRect& area, const QColor& ground, int gap) {
    std::vector<int> words;
    int blank = gap;
    for (const int ink : inkByColumn(image, area, ground)) {
        if (ink == 0) {
            ++blank;
            continue;
        }
        if (blank >= gap) words.push_back(0);
        words.back() += ink;
        blank = 0;
    }
    return words;
}

// The ink of a text drawn on a ground, in a font plain or bold.
int inkOfText(const QString& text, QFont font, bool bold, const QColor& ink, const QColor& ground) {
    font.setBold(bold);
    const QSize size(QFontMetrics(font).horizontalAdvance(text) + 8, QFontMetrics(font).height() + 4);
    QImage image(size, QImage::Format_RGB32);
    image.fill(ground);
    QPainter p(&image);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRect(QPoint(), size), Qt::AlignCenter, text);
    p.end();
    int sum = 0;
    for (const int column : inkByColumn(image, image.rect(), ground)) sum += column;
    return sum;
}

// Whether painted ink is nearer to a text's bold ink than to its plain one.
bool looksBold(int painted, const QString& text, const QFont& font, const QColor& ink, const QColor& ground) {
    return std::abs(painted - inkOfText(text, font, true, ink, ground)) <
           std::abs(painted - inkOfText(text, font, false, ink, ground));
}

int columnsOf(const QString& line) {
    int column = 0;
    for (const QChar c : line) column = c == u'\t' ? (column / 4 + 1) * 4 : column + 1;
    return column;
}

void expectThePaneDrawsItsMarks(const DeskCheck& d) {
    const ui::AlgorithmPane& pane = d.pane();
    const ui::ListingColours& colours = pane.colours();
    const QImage image = const_cast<ui::AlgorithmPane&>(pane).grab().toImage();
    const QRect view = pane.viewport()->geometry();
    const QRect margin(pane.frameWidth(), view.top(), view.left() - pane.frameWidth(), view.height());
    const auto& marks = pane.marks();
    const auto& assigning = pane.assigning();
    const qreal column = QFontMetricsF(pane.font()).horizontalAdvance(u' ');
    int arrowTop = -1, arrowBottom = -1;
    for (int y = margin.top(); y <= margin.bottom(); ++y)
        for (int x = margin.left(); x <= margin.right(); ++x)
            if (image.pixelColor(x, y) == colours.arrow) {
                if (arrowTop < 0) arrowTop = y;
                arrowBottom = y;
            }
    int lines = 0;
    for (int number = 1; number <= int(marks.lines.size()); ++number) {
        if (!d.inView(number)) continue;
        ++lines;
        SCOPED_TRACE(testing::Message() << "line " << number);
        const QRect row = d.line(number).translated(view.topLeft());
        const QRect whole(view.left(), row.top(), view.width(), row.height());
        const auto& line = marks.lines[std::size_t(number - 1)];
        const bool assigns = std::find(assigning.begin(), assigning.end(), number) != assigning.end();
        const QColor ground = line.ran && assigns ? colours.ranAndAssigned
                              : line.ran          ? colours.ran
                              : assigns           ? colours.assigned
                                                  : colours.base;
        EXPECT_EQ(groundOf(image, whole).name(), ground.name());
        if (number == marks.waiting) {
            EXPECT_TRUE(arrowTop >= row.top() && arrowBottom <= row.bottom()) << arrowTop << "-" << arrowBottom;
            EXPECT_EQ(groundOf(image, whole) == colours.ran, line.ran);  // the Leer that took the value lit
        }
        // The tally after the line: its ink starts two columns past the line's end and is
        // as wide as the tally's text.
        const QString text = pane.document()->findBlockByNumber(number - 1).text();
        const int end = view.left() + int(pane.document()->documentMargin() + columnsOf(text) * column);
        const QRect after(end + 1, whole.top(), view.right() - end, whole.height());
        const int wanted = QFontMetrics(pane.font()).horizontalAdvance(QString::fromStdString(line.tally));
        if (after.width() < 2 * column + wanted || !line.message.empty()) continue;  // cut by the pane's edge
        const std::vector<int> ink = inkByColumn(image, after, ground);
        const auto first = std::find_if(ink.begin(), ink.end(), [](int i) { return i > 0; });
        if (line.tally.empty()) {
            EXPECT_EQ(first, ink.end());
            continue;
        }
        ASSERT_NE(first, ink.end()) << "no tally drawn";
        const auto last = std::find_if(ink.rbegin(), ink.rend(), [](int i) { return i > 0; });
        const int from = int(first - ink.begin()), to = int(ink.rend() - last);
        EXPECT_NEAR(from, 2 * column, 2);
        EXPECT_NEAR(to - from, wanted, 3);
    }
    EXPECT_GT(lines, 3);
    const QRect waiting = marks.waiting ? d.line(marks.waiting) : QRect();
    if (!waiting.intersects(pane.viewport()->rect())) {
        EXPECT_EQ(arrowTop, -1) << "a ▶ where the run waits at no line";
    }
}

// Each value cell of each row in view: bold where the value changed; a vector's elements
// each bold where they changed.
void expectTheTableDrawsWhatChanged(const DeskCheck& d) {
    ui::TraceTable& table = d.table();
    const QImage image = table.viewport()->grab().toImage();
    const QColor ink = table.palette().color(QPalette::Text);
    const int gap = std::max(2, QFontMetrics(table.font()).horizontalAdvance(u' ') / 2);
    int cells = 0;
    for (int row = 0; row < d.model().rowCount(); ++row)
        for (int c = ui::TraceModel::kResultColumn + 1; c < d.model().columnCount(); ++c) {
            const QModelIndex index = d.model().index(row, c);
            const QRect whole = table.visualRect(index);
            if (!image.rect().contains(whole)) continue;
            const QRect cell = whole.adjusted(1, 1, -2, -2);
            SCOPED_TRACE(testing::Message()
                         << "row " << row + 1 << ", "
                         << d.model().headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().toStdString());
            const QColor ground = groundOf(image, cell);
            const QString text = index.data().toString();
            const QVariant elements = index.data(ui::TraceModel::kChangedElementsRole);
            const QStringList words = text.split(' ', Qt::SkipEmptyParts);
            const std::vector<int> painted = inkOfWords(image, cell, ground, gap);
            ASSERT_EQ(painted.size(), std::size_t(words.size())) << text.toStdString();
            for (qsizetype w = 0; w < words.size(); ++w) {
                const bool bold = elements.isValid() ? elements.value<QList<bool>>().value(w)
                                                     : index.data(Qt::FontRole).value<QFont>().bold();
                EXPECT_EQ(looksBold(painted[std::size_t(w)], words[w], table.font(), ink, ground), bold)
                    << "\"" << words[w].toStdString() << "\" in \"" << text.toStdString() << "\"";
            }
            ++cells;
        }
    EXPECT_GT(cells, 3);
}

TEST(DeskCheckRendering, WhatIsDrawnIsWhatTheMarksSay) {
    struct Row {
        const char* window;
        std::vector<const char*> typed;
        const char* header;  // clicked, or none
        int row;             // clicked, or 0
    };
    std::vector<const char*> sorted(32, "0");
    sorted.push_back("7");
    const Row rows[] = {
        {"frmej13", {"5", "3"}, nullptr, 0},  {"frmej13", {"5", "3", "9"}, "mayor", 0},
        {"frmej24", {"4", "-2"}, nullptr, 0}, {"frmej24", {"4", "abc"}, "contador", 2},
        {"frmej62", {"1", "2"}, nullptr, 0},  {"frmej62", sorted, nullptr, 36},  // a pass that swaps a pair, clicked
        {"frmej62", sorted, "v", 0},
    };
    test::ScreenOf screen({1366, 768});
    for (const int percent : {100, 200})
        for (const Row& row : rows) {
            SCOPED_TRACE(testing::Message()
                         << row.window << " at " << percent << " %" << (row.header ? ", header " : "")
                         << (row.header ? row.header : "") << ", row " << row.row);
            DeskCheck d(row.window, percent);
            for (const char* value : row.typed) d.exercise.type(value);
            QApplication::processEvents();
            if (row.header) d.clickHeader(row.header);
            if (row.row) d.clickRow(row.row);
            expectThePaneDrawsItsMarks(d);
            expectTheTableDrawsWhatChanged(d);
        }
}

// Six notches of the wheel down and six up draw the listing as it was drawn before.
TEST(DeskCheckRendering, AScrollThereAndBackDrawsTheSame) {
    for (const int percent : {100, 150}) {
        SCOPED_TRACE(percent);
        DeskCheck d("frmej45", percent);
        d.pane().verticalScrollBar()->setValue(0);
        QApplication::processEvents();
        const QImage before = d.pane().grab().toImage();
        const auto wheel = [&](int notches) {
            for (int i = 0; i < std::abs(notches); ++i) {
                const QPointF at(d.pane().viewport()->rect().center());
                QWheelEvent turn(at, d.pane().viewport()->mapToGlobal(at), {}, {0, notches > 0 ? -120 : 120},
                                 Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(d.pane().viewport(), &turn);
                QApplication::processEvents();
            }
        };
        wheel(6);
        ASSERT_GT(d.pane().verticalScrollBar()->value(), 0);
        wheel(-6);
        ASSERT_EQ(d.pane().verticalScrollBar()->value(), 0);
        EXPECT_TRUE(d.pane().grab().toImage() == before);
    }
}

}  // namespace
