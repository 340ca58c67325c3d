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

ControlDesign label(std::string name, std::string caption, Twips at, Align align) {
    return {ControlKind::Label, std::move(name), std::move(caption), at, kNoTab, false, align};
}

ControlDesign inputBox(std::string name, Twips at, int tab) {
    return {ControlKind::TextBox, std::move(name), {}, at, tab, false, Align::Center};
}

ControlDesign resultBox(std::string name, Twips at, int tab) {
    return {ControlKind::TextBox, std::move(name), {}, at, tab, true, Align::Center};
}

ControlDesign button(std::string name, std::string caption, Twips at, int tab) {
    return {ControlKind::Button, std::move(name), std::move(caption), at, tab, false, Align::Center};
}

}  // namespace ej
