#!/usr/bin/env bash
# velmora-cli export: the form chosen by the letter base, the options, an
# append to a saved text, and the usage with status 2 for bad arguments.
#   cli_export_test.sh VELMORA_CLI WORK_DIR
set -euo pipefail

cli=$1
work=$2
rm -rf "$work"
mkdir -p "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
export VELMORA_REGISTRY=$work/velmora.reg
: > "$VELMORA_REGISTRY"

fail() { echo "FAIL: $*" >&2; exit 1; }
run() { "$cli" "$@" 2>/dev/null; }

head -c 6 <(run export 1) | grep -qF '{\rtf1' || fail "the stored defaults do not give Rich Text"
run export 1 --letterbase 224 | head -c 200 | grep -qF '{\rtf1' && fail "LetterBase 224 gave Rich Text"
# Besides ASCII only the no-break space that joins a verse label to its verse
# (U+00A0, C2 A0 in UTF-8).
[ "$(run export 1 --letterbase 97 | LC_ALL=C tr -d '\000-\177\302\240' | wc -c)" -eq 0 ] ||
  fail "stored letters do not come out as the bytes they are stored as"
# With Unicode letters the plain form is in reading order; with Reverse on
# in stored order.
[ "$(run export 1 --format text | head -n 1 | tr -d '\r')" = "בראשית פרק א" ] ||
  fail "the first line is not in reading order"
[ "$(run export 1 --format text --reverse | head -n 1 | tr -d '\r')" = "א קרפ תישארב" ] ||
  fail "with --reverse the first line is not in stored order"

run export 1 --format text >"$work/one.txt"
run export 2 --format text >"$work/two.txt"
run export 2 --format text --append-to "$work/one.txt" >"$work/both.txt"
cat "$work/one.txt" "$work/two.txt" | cmp - "$work/both.txt" ||
  fail "appending to a saved text is not the two texts one after the other"
run export 2 --append-to "$work/missing.rtf" && fail "a missing document was appended to"

for bad in "" "0" "1 2" "1 --format html" "1 --letterbase 100" "1 --bogus" "1 --format" \
  "x"; do
  set +e
  # shellcheck disable=SC2086
  "$cli" export $bad >/dev/null 2>"$work/usage.txt"
  status=$?
  set -e
  [ "$status" -eq 2 ] || fail "'export $bad' ended with status $status"
  grep -q '^usage: velmora-cli' "$work/usage.txt" || fail "'export $bad' printed no usage"
done
echo "cli export: passed"
