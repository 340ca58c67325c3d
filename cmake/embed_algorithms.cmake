# Writes OUTPUT, a C++ source that holds each of the algorithm files given in SOURCES
# (separated by |) as a string, found by its window's name: frmej13.psc for frmej13.
string(REPLACE "|" ";" SOURCES "${SOURCES}")
set(entries "")
foreach(file IN LISTS SOURCES)
  get_filename_component(window "${file}" NAME_WE)
  file(READ "${file}" text)
  string(APPEND entries "    {\"${window}\", R\"psc(${text})psc\"},\n")
endforeach()
file(WRITE "${OUTPUT}.new" "// Generated from the exercises' .psc files at build time; do not edit.
#include \"engine/algorithm/sources.h\"

#include <algorithm>
#include <iterator>
#include <utility>

namespace ej::algorithm {
namespace {

const std::pair<std::string_view, std::string_view> kAlgorithms[] = {
    {\"\", \"\"},
${entries}};

}  // namespace

std::string_view builtInSource(std::string_view window) {
    const auto found = std::find_if(std::begin(kAlgorithms), std::end(kAlgorithms),
                                    [&](const auto& a) { return a.first == window; });
    return found == std::end(kAlgorithms) || window.empty() ? std::string_view() : found->second;
}

}  // namespace ej::algorithm
")
# Rewritten only when it changes, so that an unchanged algorithm rebuilds nothing.
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
