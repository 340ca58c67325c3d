#include "engine/design.h"

#include <algorithm>

namespace ej {

const ControlDesign* WindowDesign::find(const std::string& control) const {
    for (const auto& c : controls)
        if (c.name == control) return &c;
    return nullptr;
}

std::vector<const ControlDesign*> WindowDesign::tabOrder() const {
    std::vector<std::pair<int, const ControlDesign*>> ranked;
    int listed = 0;
    for (const auto& c : controls) {
        if (c.kind == ControlKind::Label || c.tab == kNoTab) continue;
        // Listing order ranks after every explicit index, keeping designs that mix both sane.
        const int rank = c.tab >= 0 ? c.tab : 100000 + listed;
        ranked.emplace_back(rank, &c);
        ++listed;
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<const ControlDesign*> order;
    for (const auto& [rank, c] : ranked) order.push_back(c);
    return order;
}

std::string WindowDesign::captionFor(const ControlDesign& box) const {
    const Twips& b = box.at;
    const ControlDesign *left = nullptr, *above = nullptr;
    for (const auto& c : controls) {
        if (c.kind != ControlKind::Label || c.caption.empty()) continue;
        const Twips& l = c.at;
        const bool sameRow = l.top < b.top + b.height && b.top < l.top + l.height;
        const bool sameColumn = l.left < b.left + b.width && b.left < l.left + l.width;
        if (sameRow && l.left + l.width <= b.left + 60 && (!left || l.left > left->at.left)) left = &c;
        if (sameColumn && l.top + l.height <= b.top + 60 && (!above || l.top > above->at.top)) above = &c;
    }
    const ControlDesign* by = left ? left : above;
    return by ? by->caption : std::string();
}

ControlDesign label(std::string name, std::string caption, Twips at, Align align) {
    return {ControlKind::Label, std::move(name), std::move(caption), at, kNoTab, false, align, {}};
}

ControlDesign inputBox(std::string name, Twips at, int tab) {
    return {ControlKind::TextBox, std::move(name), {}, at, tab, false, Align::Center, {}};
}

ControlDesign resultBox(std::string name, Twips at, int tab) {
    return {ControlKind::TextBox, std::move(name), {}, at, tab, true, Align::Center, {}};
}

ControlDesign button(std::string name, std::string caption, Twips at, int tab) {
    return {ControlKind::Button, std::move(name), std::move(caption), at, tab, false, Align::Center, {}};
}

}  // namespace ej
