#!/usr/bin/env bash
# Prints the program's own code lines, the test lines and their ratio, each counted
# without blank and comment lines. Code: the C++ outside tests/, bench/ and tools/.
# Tests: the C++ under tests/ and the scenario files.
set -euo pipefail
cd "$(dirname "$0")/.."

# Non-blank lines that are not wholly comment: // lines, /* */ blocks, # in scenarios.
count() {
    awk '
        FILENAME ~ /\.scn$/ { if ($0 !~ /^[ \t]*(#|$)/) n++; next }
        {
            line = $0
            if (inBlock) { if (line !~ /\*\//) next; sub(/.*\*\//, "", line); inBlock = 0 }
            while (match(line, /\/\*.*\*\//)) line = substr(line, 1, RSTART - 1) substr(line, RSTART + RLENGTH)
            if (match(line, /\/\*/)) { line = substr(line, 1, RSTART - 1); inBlock = 1 }
            if (line ~ /^[ \t]*(\/\/.*)?$/) next
            n++
        }
        END { print n + 0 }' "$@" /dev/null
}

mapfile -t code < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h' | grep -Ev '^(tests|bench|tools)/')
mapfile -t tests < <(git ls-files -co --exclude-standard -- 'tests/*.cpp' 'tests/*.h' 'tests/*.scn')
code_lines=$(count "${code[@]}")
test_lines=$(count "${tests[@]}")
# The exercises' algorithms are teaching content, not code: counted apart.
mapfile -t algorithms < <(git ls-files -co --exclude-standard -- '*.psc')
algorithm_lines=$(cat "${algorithms[@]}" /dev/null | grep -c -v -E '^[[:space:]]*(//.*)?$' || true)
awk -v c="$code_lines" -v t="$test_lines" \
    'BEGIN { printf "code lines %d, test lines %d, ratio %.2f (goal 0.25 to 0.35)\n", c, t, c ? t / c : 0 }'
echo "algorithm lines ${algorithm_lines} in ${#algorithms[@]} algorithms (content, counted apart)"
