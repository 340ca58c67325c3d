#!/bin/sh
# Rewrites the corpus's expected outputs by running every program through
# PSeInt's console interpreter (default profile). A by-hand tool: no test
# calls it, and nothing else in the project depends on PSeInt.
#
#   tests/corpus/regenerate.sh PATH/TO/pseint
#
# programs/NAME.psc -> programs/NAME.out: stdout of `pseint --nouser`, with
#   every "> " removed. PSeInt writes "> " each time a Leer waits for input;
#   the programs never write "> " themselves (checked below), so removing
#   every occurrence removes exactly the prompts.
# errors/NAME.psc -> errors/NAME.pseint: stdout of `pseint --nouser --rawerrors`
#   as it is (prompts included).
# NAME.in, when present, is the input; otherwise the input is empty.
set -eu

if [ $# -ne 1 ] || [ ! -x "$1" ]; then
	echo "usage: $0 PATH/TO/pseint" >&2
	exit 2
fi
pseint=$1
corpus=$(cd "$(dirname "$0")" && pwd)
status=0

# fails if a text literal (outside // comments) contains ">"
text_without_prompt() {
	perl -ne '
		while (/\G(?:[^"\x27\/]+|\/(?!\/)|"([^"]*)"|\x27([^\x27]*)\x27)/gc) {
			$bad = 1 if (defined $1 && $1 =~ />/) || (defined $2 && $2 =~ />/);
		}
		END { exit($bad ? 1 : 0) }' "$1"
}

input_of() {
	if [ -f "$1.in" ]; then echo "$1.in"; else echo /dev/null; fi
}

for psc in "$corpus"/programs/*.psc; do
	base=${psc%.psc}
	# a ">" inside a text literal could make the program write "> " itself
	if ! text_without_prompt "$psc"; then
		echo "$psc: a text contains '>', its prompts cannot be told apart" >&2
		status=1
		continue
	fi
	timeout 10 "$pseint" --nouser "$psc" < "$(input_of "$base")" > "$base.raw" || true
	# perl keeps a last line without its newline as it is
	perl -pe 's/> //g' "$base.raw" > "$base.out"
	rm -f "$base.raw"
	if grep -q '^=== Line\|ERROR [0-9]' "$base.out"; then
		echo "$psc: PSeInt reports an error" >&2
		status=1
	fi
done

for psc in "$corpus"/errors/*.psc; do
	base=${psc%.psc}
	timeout 10 "$pseint" --nouser --rawerrors "$psc" < "$(input_of "$base")" > "$base.pseint" || true
	if ! grep -q '=== Line [0-9]*: \(SynError\|ExeError\)' "$base.pseint"; then
		echo "$psc: PSeInt reports no error" >&2
		status=1
	fi
done

exit $status
