#include "engine/trace.h"

#include <algorithm>

#include "engine/conversions.h"

namespace ej {

Variables& Variables::operator()(std::string_view name, Single value) {
    return (*this)(name, singleText(value.value(), *format_));
}

Variables& Variables::operator()(std::string_view name, Counter16 value) {
    return (*this)(name, integerText(value.value()));
}

Variables& Variables::operator()(std::string_view name, std::string text) {
    names_.emplace_back(name);
    texts_.push_back(std::move(text));
    return *this;
}

std::string words(std::string_view first, std::string_view second) {
    std::string joined(first);
    joined.append(" ").append(second);
    return joined;
}

std::vector<std::string> Trace::headers() const {
    std::vector<std::string> all = kFixedHeaders;
    all.insert(all.end(), names_.begin(), names_.end());
    return all;
}

std::string Trace::droppedNote() const {
    if (dropped_ == 0) return {};
    // Appended, not `"(" + text`: GCC 12 at -O3 falsely reports that as an overlapping
    // memcpy (-Wrestrict).
    std::string note = "(";
    note += std::to_string(dropped_);
    note += dropped_ == 1 ? " fila anterior descartada)" : " filas anteriores descartadas)";
    return note;
}

bool Trace::differs(const std::vector<std::string>& values) const {
    return rows_.empty() || rows_.back().values != values;
}

namespace {

std::vector<std::string_view> elements(std::string_view text) {
    std::vector<std::string_view> out;
    for (std::size_t at = text.find_first_not_of(' '); at != std::string_view::npos;) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        out.push_back(text.substr(at, end - at));
        at = text.find_first_not_of(' ', end);
    }
    return out;
}

}  // namespace

std::vector<bool> changedElements(std::string_view before, std::string_view after) {
    const auto old = elements(before), now = elements(after);
    std::vector<bool> changed(now.size(), old.size() != now.size());
    if (old.size() == now.size())
        for (std::size_t i = 0; i < now.size(); ++i) changed[i] = old[i] != now[i];
    return changed;
}

void Trace::record(std::string entered, std::string result, std::vector<std::string> values, AlgorithmPart algorithm) {
    TraceRow row{++events_, std::move(entered), std::move(result), std::move(values), {}, std::move(algorithm)};
    row.changed.resize(row.values.size(), false);
    if (!rows_.empty()) {
        const auto& before = rows_.back().values;
        for (std::size_t i = 0; i < row.values.size(); ++i)
            row.changed[i] = i >= before.size() || before[i] != row.values[i];
    }
    rows_.push_back(std::move(row));
    if (rows_.size() > maxRows_) {
        rows_.pop_front();
        ++dropped_;
    }
    changed();
}

void Trace::clear() {
    rows_.clear();
    dropped_ = 0;
    events_ = 0;
    changed();
}

namespace {

// A cell on one line of its own: tabs and line breaks typed into a box become blanks.
std::string cell(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return out;
}

void appendLine(std::string& out, const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i) out += '\t';
        out += cell(cells[i]);
    }
    out += '\n';
}

}  // namespace

std::string Trace::tabSeparated() const {
    std::string out;
    appendLine(out, headers());
    if (dropped_) appendLine(out, {"", "", droppedNote()});
    for (const TraceRow& r : rows_) {
        std::vector<std::string> cells{std::to_string(r.number), r.entered, r.result};
        cells.insert(cells.end(), r.values.begin(), r.values.end());
        appendLine(out, cells);
    }
    return out;
}

}  // namespace ej
