#include "engine/layout.h"

#include <algorithm>

namespace ej {

namespace {

// Measures at the program's font, with room for the waste of word wrapping.
constexpr int kCharWidth = 95;   // twips, an average character
constexpr int kLineHeight = 225;
constexpr int kMargin = 240;
constexpr int kGap = 120;
constexpr int kBoxHeight = 375;
constexpr int kButtonWidth = 1455, kButtonHeight = 495;
constexpr int kMinWidth = 5400;

int characters(const std::string& utf8) {
    return static_cast<int>(std::count_if(utf8.begin(), utf8.end(),
                                          [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

int lines(const std::string& text, int width) {
    const int perLine = std::max(1, (width - 60) / kCharWidth);
    return std::max(1, (characters(text) + perLine - 1) / perLine);
}

struct Frame {
    WindowDesign design;
    int width;
    int top;
};

Frame openFrame(const StandardWindow& w, int width) {
    Frame f{{w.name, w.caption, width, 0, {}, {}}, width, 120};
    const int inner = width - 2 * kMargin;
    const int h = wrappedHeight(w.statement, inner);
    f.design.controls.push_back(label(w.statementLabel, w.statement, {kMargin, f.top, inner, h}));
    f.top += h + kGap;
    return f;
}

// The message label, the two buttons and the window's height close every layout.
WindowDesign closeFrame(Frame f, const StandardWindow& w) {
    const int inner = f.width - 2 * kMargin;
    f.top += kGap;
    f.design.controls.push_back(label(w.messageLabel, "", {kMargin, f.top, inner, 2 * kLineHeight}));
    f.top += 2 * kLineHeight + kGap;
    const std::string nn = w.name.substr(5);
    f.design.controls.push_back(button("cmdej" + nn + "01", w.entryCaption, {kMargin, f.top, kButtonWidth, kButtonHeight}));
    f.design.controls.push_back(button("cmdej" + nn + "02", w.exitCaption,
                                       {f.width - kMargin - kButtonWidth, f.top, kButtonWidth, kButtonHeight}));
    f.design.height = f.top + kButtonHeight + kMargin;
    return f.design;
}

}  // namespace

int wrappedHeight(const std::string& text, int width) { return lines(text, width) * kLineHeight + 60; }

WindowDesign captionsAbove(const StandardWindow& w) {
    std::vector<Captioned> row{w.prompt};
    row.insert(row.end(), w.results.begin(), w.results.end());
    const int n = static_cast<int>(row.size());
    constexpr int kColumn = 2160;
    const int width = std::max(kMinWidth, n * kColumn + (n - 1) * kGap + 2 * kMargin);
    Frame f = openFrame(w, width);

    int captionHeight = 0;
    for (const auto& c : row) captionHeight = std::max(captionHeight, wrappedHeight(c.caption, kColumn));
    // Columns spread over the width: the input at the left edge, the last result at the right.
    const int pitch = n > 1 ? (width - 2 * kMargin - kColumn) / (n - 1) : 0;
    for (int i = 0; i < n; ++i) {
        const int left = kMargin + i * pitch;
        f.design.controls.push_back(label(row[i].label, row[i].caption, {left, f.top, kColumn, captionHeight}));
        const Twips box{left, f.top + captionHeight + 60, kColumn, kBoxHeight};
        f.design.controls.push_back(i == 0 ? inputBox(row[i].box, box) : resultBox(row[i].box, box));
    }
    f.top += captionHeight + 60 + kBoxHeight + kGap;
    return closeFrame(std::move(f), w);
}

WindowDesign captionsBeside(const StandardWindow& w) {
    std::vector<Captioned> rows{w.prompt};
    rows.insert(rows.end(), w.results.begin(), w.results.end());
    constexpr int kCaption = 2400, kBox = 2400;
    const int width = std::max(kMinWidth, kCaption + kGap + kBox + 2 * kMargin);
    Frame f = openFrame(w, width);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int h = std::max(kBoxHeight, wrappedHeight(rows[i].caption, kCaption));
        f.design.controls.push_back(label(rows[i].label, rows[i].caption, {kMargin, f.top, kCaption, h}));
        const Twips box{width - kMargin - kBox, f.top + (h - kBoxHeight) / 2, kBox, kBoxHeight};
        f.design.controls.push_back(i == 0 ? inputBox(rows[i].box, box) : resultBox(rows[i].box, box));
        f.top += h + kGap;
    }
    return closeFrame(std::move(f), w);
}

}  // namespace ej
