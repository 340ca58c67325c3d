#include "exercises/bounded/bounded_layout.h"

#include <utility>

namespace ej {

namespace {

constexpr int kMargin = 240;
constexpr int kCaptionHeight = 255;
constexpr int kCaptionBelowBoxes = 120;

std::string numbered(const std::string& prefix, const std::string& nn, int k) {
    return prefix + nn + (k < 10 ? "0" : "") + std::to_string(k);
}

}  // namespace

WindowDesign boundedDesign(const BoundedWindow& w) {
    const std::string& nn = w.number;
    WindowDesign d{"frmej" + nn, "Ejercicio " + nn, w.width, w.height, {}, {}};
    auto& c = d.controls;
    int labels = 0, boxes = 0;
    auto nextLabel = [&] { return numbered("lblej", nn, ++labels); };
    auto nextBox = [&] { return numbered("txtej", nn, ++boxes); };

    c.push_back(label(nextLabel(), w.statement, w.statementAt));
    c.push_back(label(nextLabel(), "Ingrese", {kMargin, w.input.top, w.captionWidth, kCaptionHeight}));
    c.push_back(inputBox(nextBox(), w.input, 0));
    for (const ResultRow& row : w.rows) {
        const int top = row.labelTop != 0 ? row.labelTop : row.boxes.front().top + kCaptionBelowBoxes;
        const int width = row.labelWidth != 0 ? row.labelWidth : w.captionWidth;
        c.push_back(label(nextLabel(), row.caption, {kMargin, top, width, row.labelHeight}));
        for (const Twips& at : row.boxes) c.push_back(resultBox(nextBox(), at, kNoTab));
    }
    c.push_back(label(nextLabel(), "", {kMargin, w.messageTop, 4815, kCaptionHeight}));
    const bool entryFirst = w.tab == ButtonTab::EntryThenExit;
    c.push_back(button(numbered("cmdej", nn, 1), "INGRESO", {kMargin, w.buttonsTop, 1335, 495}, entryFirst ? 1 : 2));
    c.push_back(button(numbered("cmdej", nn, 2), "SALIR", {3840, w.buttonsTop, 1215, 495}, entryFirst ? 2 : 1));
    return d;
}

WindowDesign columnDesign(const ColumnWindow& w) {
    constexpr int kFirstBox = 1560, kPitch = 480;
    std::vector<ResultRow> rows;
    int top = kFirstBox;
    for (const std::string& caption : w.captions) {
        rows.push_back({caption, {{2160, top, 2535, 405}}});
        top += kPitch;
    }
    const int messageTop = top - kPitch + 600;
    return boundedDesign({
        .number = w.number,
        .width = w.width,
        .height = w.height,
        .statement = w.statement,
        .statementAt = {kMargin, 0, 4815, w.statementHeight},
        .captionWidth = 1575,
        .input = {2160, 1200, 975, 285},
        .rows = std::move(rows),
        .messageTop = messageTop,
        .buttonsTop = messageTop + 480,
        .tab = w.tab,
    });
}

}  // namespace ej
