#include "exercises/vectors/vector_layout.h"

#include <algorithm>
#include <map>

namespace ej::vectors {

namespace {

// Measures in twips at the program's font.
constexpr int kCaptionCharWidth = 80;  // an average character of a caption
constexpr int kCapitalWidth = 125;     // a capital letter, for button captions
constexpr int kLineHeight = 225;
constexpr int kMargin = 240;
constexpr int kGap = 120;
constexpr int kColumnGap = 360;
constexpr int kBoxHeight = 375;
constexpr int kMaxCaption = 3600;     // wider captions wrap
constexpr int kMinWidth = 10200;
constexpr int kButtonHeight = 495;
constexpr int kMinButton = 1455;

int characters(const std::string& utf8) {
    return static_cast<int>(std::count_if(utf8.begin(), utf8.end(),
                                          [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

int captionWidth(const std::string& caption) {
    return std::min(kMaxCaption, characters(caption) * kCaptionCharWidth + 2 * kGap);
}

// A caption wider than its column wraps.
int captionHeight(const std::string& caption, int width) {
    const int perLine = (width - 2 * kGap) / kCaptionCharWidth;
    const int lines = (characters(caption) + perLine - 1) / perLine;
    return std::max(1, lines) * kLineHeight + 60;
}

int buttonWidth(const std::string& caption) {
    return std::max(kMinButton, characters(caption) * kCapitalWidth + 2 * kGap);
}

struct Field {
    const Placed* at;
    bool input;
};

struct Column {
    int captionWidth = 0;
    int boxWidth = 0;  // its widest box of fixed width
    int left = 0;
};

// The columns, each as wide as its widest caption and box, side by side from the left
// margin; gives the right edge of the last one.
int placeColumns(const std::vector<Field>& fields, std::map<int, Column>& columns) {
    for (const auto& [f, input] : fields) {
        Column& c = columns[f->column];
        c.captionWidth = std::max(c.captionWidth, captionWidth(f->field.caption));
        c.boxWidth = std::max(c.boxWidth, f->boxWidth == kToRightEdge ? kStandardBox : f->boxWidth);
    }
    int left = kMargin;
    int right = kMargin;
    for (auto& [index, c] : columns) {
        c.left = left;
        right = c.left + c.captionWidth + kGap + c.boxWidth;
        left = right + kColumnGap;
    }
    return right;
}

// The first button at the left margin, the last at the right margin, any others
// spread evenly between them.
void addButtons(WindowDesign& d, const std::vector<std::pair<std::string, std::string>>& buttons, int top) {
    const int n = static_cast<int>(buttons.size());
    int total = 0;
    for (const auto& b : buttons) total += buttonWidth(b.second);
    const int spacing = n > 1 ? (d.width - 2 * kMargin - total) / (n - 1) : 0;
    int left = kMargin;
    for (int i = 0; i < n; ++i) {
        const int width = buttonWidth(buttons[i].second);
        if (i == n - 1 && n > 1) left = d.width - kMargin - width;
        d.controls.push_back(button(buttons[i].first, buttons[i].second, {left, top, width, kButtonHeight}));
        left += width + spacing;
    }
}

}  // namespace

WindowDesign captionGrid(const GridWindow& w) {
    std::vector<Field> fields;
    for (const auto& f : w.inputs) fields.push_back({&f, true});
    for (const auto& f : w.results) fields.push_back({&f, false});

    std::map<int, Column> columns;
    const int right = placeColumns(fields, columns);
    int buttons = 0;
    for (const auto& b : w.buttons) buttons += buttonWidth(b.second) + kColumnGap;
    const int width = std::max({kMinWidth, right + kMargin, buttons + 2 * kMargin});
    const int inner = width - 2 * kMargin;

    WindowDesign d{w.name, w.caption, width, 0, {}, {}};
    int top = 120;
    const int statementHeight = wrappedHeight(w.statement, inner);
    d.controls.push_back(label(w.statementLabel, w.statement, {kMargin, top, inner, statementHeight}));
    top += statementHeight + kGap;

    // Rows, each as high as its highest caption or a box.
    std::map<int, int> rowHeights;
    for (const auto& [f, input] : fields) {
        const int h = captionHeight(f->field.caption, columns[f->column].captionWidth);
        rowHeights[f->row] = std::max({rowHeights[f->row], kBoxHeight, h});
    }
    std::map<int, int> rowTops;
    for (const auto& [row, height] : rowHeights) {
        rowTops[row] = top;
        top += height + kGap;
    }

    for (const auto& [f, input] : fields) {
        const Column& c = columns[f->column];
        const int middle = rowTops[f->row] + rowHeights[f->row] / 2;
        // The caption's lines centred on the box's middle (a label draws from its top).
        const int height = captionHeight(f->field.caption, c.captionWidth);
        const int textHeight = height - 60;
        d.controls.push_back(label(f->field.label, f->field.caption,
                                   {c.left, middle - textHeight / 2 + 30, c.captionWidth, height}));
        const int boxLeft = c.left + c.captionWidth + kGap;
        const int boxWidth = f->boxWidth == kToRightEdge ? width - kMargin - boxLeft : f->boxWidth;
        const Twips box{boxLeft, middle - kBoxHeight / 2, boxWidth, kBoxHeight};
        d.controls.push_back(input ? inputBox(f->field.box, box) : resultBox(f->field.box, box));
    }

    top += kGap;
    d.controls.push_back(label(w.messageLabel, "", {kMargin, top, inner, 2 * kLineHeight}));
    top += 2 * kLineHeight + kGap;
    addButtons(d, w.buttons, top);
    d.height = top + kButtonHeight + kMargin;
    return d;
}

WindowDesign vectorWindow(const StandardWindow& w) {
    GridWindow g{w.name, w.caption, w.statementLabel, w.statement, {{w.prompt, 0}}, {}, w.messageLabel, {}};
    for (std::size_t i = 0; i < w.results.size(); ++i)
        g.results.push_back({w.results[i], static_cast<int>(i) + 1, 0, i == 0 ? kToRightEdge : kStandardBox});
    const std::string nn = w.name.substr(std::string("frmej").size());
    g.buttons = {{"cmdej" + nn + "01", w.entryCaption}, {"cmdej" + nn + "02", w.exitCaption}};
    return captionGrid(g);
}

}  // namespace ej::vectors
