# Writes OUTPUT, a C++ source that holds each student solution given in SOURCES (.psc
# files separated by |), named by its file name ("24_otro_orden").
string(REPLACE "|" ";" SOURCES "${SOURCES}")
set(entries "")
foreach(file IN LISTS SOURCES)
  get_filename_component(name "${file}" NAME_WE)
  file(READ "${file}" text)
  string(APPEND entries "    {\"${name}\", R\"solution(${text})solution\"},\n")
endforeach()
file(WRITE "${OUTPUT}.new" "// Generated from tests/solutions at build time; do not edit.
#include \"tests/unit/solution/solutions.h\"

namespace ej::solution {

const std::vector<StudentFile>& studentFiles() {
    static const std::vector<StudentFile> all{
${entries}    };
    return all;
}

}  // namespace ej::solution
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
