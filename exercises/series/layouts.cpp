#include "exercises/series/layouts.h"

#include <algorithm>

namespace ej {

namespace {

constexpr int kMargin = 240;
constexpr int kGap = 120;
constexpr int kBoxHeight = 375;
constexpr int kMessageHeight = 450;  // two lines
constexpr int kButtonWidth = 1455, kButtonHeight = 495;
constexpr int kCaptionColumn = 2400;

// A caption as tall as its text wrapped to the width.
ControlDesign caption(const std::string& name, const std::string& text, int left, int width) {
    return label(name, text, {left, 0, width, wrappedHeight(text, width)});
}

// A window drawn from the top down, one row of controls after another.
class Sheet {
public:
    Sheet(const std::string& name, const std::string& title, int width, const std::string& statementLabel,
          const std::string& statement)
        : design_{name, title, width, 0, {}, {}} {
        row({caption(statementLabel, statement, kMargin, inner())});
    }

    int inner() const { return design_.width - 2 * kMargin; }

    // Controls given with their left edges and sizes share one row, each centred on
    // the row's height.
    void row(std::vector<ControlDesign> controls) {
        int height = 0;
        for (const auto& c : controls) height = std::max(height, c.at.height);
        for (auto& c : controls) {
            c.at.top = top_ + (height - c.at.height) / 2;
            design_.controls.push_back(std::move(c));
        }
        top_ += height + kGap;
    }

    // The message label, when it stands below the boxes, and the two buttons; the
    // buttons sit at the bottom of a prescribed height, or right below the rest.
    WindowDesign finish(const std::string& messageLabel, int height) {
        top_ += kGap;
        if (!messageLabel.empty()) {
            design_.controls.push_back(label(messageLabel, "", {kMargin, top_, inner(), kMessageHeight}));
            top_ += kMessageHeight + kGap;
        }
        design_.height = height > 0 ? height : top_ + kButtonHeight + kMargin;
        const int buttonsTop = design_.height - kMargin - kButtonHeight;
        // Controls are numbered after the window's first two digits (frmej1801 too).
        const std::string nn = design_.name.substr(5, 2);
        const int exitLeft = design_.width - kMargin - kButtonWidth;
        design_.controls.push_back(
            button("cmdej" + nn + "01", "INGRESO", {kMargin, buttonsTop, kButtonWidth, kButtonHeight}));
        design_.controls.push_back(
            button("cmdej" + nn + "02", "SALIR", {exitLeft, buttonsTop, kButtonWidth, kButtonHeight}));
        return design_;
    }

private:
    WindowDesign design_;
    int top_ = 120;
};

}  // namespace

WindowDesign captionsBesideRows(const RowsWindow& w) {
    std::size_t most = 1;
    for (const auto& r : w.results) most = std::max(most, r.boxes.size());
    const int boxLeft = w.boxLeft > 0 ? w.boxLeft : kMargin + kCaptionColumn + kGap;
    const int captionWidth = boxLeft - kGap - kMargin;
    const int boxWidth = w.boxLeft > 0 ? w.width - kMargin - boxLeft : w.boxWidth;
    const int pitch = boxWidth + kGap;
    const int width = w.width > 0 ? w.width : boxLeft + static_cast<int>(most) * pitch - kGap + kMargin;

    Sheet sheet(w.name, w.caption, width, w.statementLabel, w.statement);
    sheet.row({caption(w.prompt.label, w.prompt.caption, kMargin, captionWidth),
               inputBox(w.prompt.box, {boxLeft, 0, boxWidth, kBoxHeight})});
    for (const auto& r : w.results) {
        std::vector<ControlDesign> controls{caption(r.label, r.caption, kMargin, captionWidth)};
        int left = boxLeft;
        for (const auto& box : r.boxes) {
            controls.push_back(resultBox(box, {left, 0, boxWidth, kBoxHeight}));
            left += pitch;
        }
        sheet.row(std::move(controls));
    }
    return sheet.finish(w.messageLabel, w.height);
}

WindowDesign captionsInGrid(const GridWindow& w) {
    const int columns = static_cast<int>(w.columns.size());
    const int pitch = w.boxWidth + kGap;
    auto columnLeft = [&](int i) { return kMargin + w.captionWidth + kGap + i * pitch; };
    const int width = columnLeft(columns) - kGap + kMargin;

    Sheet sheet(w.name, w.caption, width, w.statementLabel, w.statement);
    const int messageWidth = columnLeft(columns) - kGap - columnLeft(1);
    sheet.row({caption(w.prompt.label, w.prompt.caption, kMargin, w.captionWidth),
               inputBox(w.prompt.box, {columnLeft(0), 0, w.boxWidth, kBoxHeight}),
               label(w.messageLabel, "", {columnLeft(1), 0, messageWidth, kMessageHeight})});

    std::vector<ControlDesign> heads;
    for (int i = 0; i < columns; ++i)
        heads.push_back(caption(w.columns[i].label, w.columns[i].caption, columnLeft(i), w.boxWidth));
    sheet.row(std::move(heads));

    auto box = w.boxes.begin();
    for (const auto& r : w.rows) {
        std::vector<ControlDesign> controls{caption(r.label, r.caption, kMargin, w.captionWidth)};
        for (int i = 0; i < columns && box != w.boxes.end(); ++i, ++box)
            controls.push_back(resultBox(*box, {columnLeft(i), 0, w.boxWidth, kBoxHeight}));
        sheet.row(std::move(controls));
    }
    return sheet.finish("", 0);
}

}  // namespace ej
