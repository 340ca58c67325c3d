# Writes OUTPUT, a C++ source that holds each example program of the corpus given in
# SOURCES (.psc files separated by |) with the files beside it: its input (.in), its
# expected output (.out), and for a malformed one its expected faults (.err) and the
# lines PSeInt names (.pseint). Missing files are empty texts.
string(REPLACE "|" ";" SOURCES "${SOURCES}")
set(entries "")
foreach(file IN LISTS SOURCES)
  get_filename_component(name "${file}" NAME_WE)
  get_filename_component(dir "${file}" DIRECTORY)
  get_filename_component(group "${dir}" NAME)
  set(texts "")
  foreach(ext psc in out err pseint)
    set(text "")
    if(EXISTS "${dir}/${name}.${ext}")
      file(READ "${dir}/${name}.${ext}" text)
    endif()
    string(APPEND texts ", R\"corpus(${text})corpus\"")
  endforeach()
  string(APPEND entries "    {\"${group}\", \"${name}\"${texts}},\n")
endforeach()
file(WRITE "${OUTPUT}.new" "// Generated from tests/corpus at build time; do not edit.
#include \"tests/unit/algorithm/corpus.h\"

namespace ej::algorithm {

const std::vector<CorpusProgram>& corpus() {
    static const std::vector<CorpusProgram> all{
${entries}    };
    return all;
}

}  // namespace ej::algorithm
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
