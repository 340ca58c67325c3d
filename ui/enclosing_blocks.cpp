#include "ui/enclosing_blocks.h"

#include <algorithm>

#include "engine/algorithm/parser.h"

namespace ui {

namespace {

using ej::algorithm::Block;
using ej::algorithm::Stmt;

// Every line between a block's opening line and its closing one, outer blocks first so
// that an inner one has the last word.
void mark(const Block& block, std::vector<int>& opening) {
    for (const Stmt& s : block) {
        const bool opens = s.kind == Stmt::Kind::If || s.kind == Stmt::Kind::Switch || s.kind == Stmt::Kind::While ||
                           s.kind == Stmt::Kind::Repeat || s.kind == Stmt::Kind::For;
        if (!opens) continue;
        const int first = s.span.line(), last = std::max(s.closing.line(), first);
        for (int line = first + 1; line < last && line <= int(opening.size()); ++line)
            opening[std::size_t(line - 1)] = first;
        mark(s.body, opening);
        mark(s.otherwise, opening);
        for (const auto& c : s.cases) mark(c.body, opening);
    }
}

}  // namespace

std::vector<int> enclosingBlocks(const std::vector<std::string>& lines) {
    std::string source;
    for (const auto& line : lines) source.append(line).append("\n");
    std::vector<int> opening(lines.size(), 0);
    for (const auto& procedure : ej::algorithm::parse(source).module.procedures) mark(procedure.body, opening);
    return opening;
}

}  // namespace ui
