#!/usr/bin/env bash
# A real client of the Rich Text: LibreOffice converts what Copy and Append
# put on the clipboard (as velmora-cli export writes it) to plain text, which
# must hold the articles' text in reading order, one space between words,
# the line of stars between appended articles, and nothing lost when the
# article is appended to a document LibreOffice wrote itself.
#   word_processor_test.sh VELMORA_CLI WORK_DIR
set -euo pipefail

cli=$1
work=$2
rm -rf "$work"
mkdir -p "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
export VELMORA_REGISTRY=$work/velmora.reg
: > "$VELMORA_REGISTRY"   # the stored defaults: Unicode letters, Rich Text

fail() { echo "FAIL: $*" >&2; exit 1; }

# Non-empty lines, without a byte-order mark, CRs or trailing blanks. The
# text export writes a run of spaces with a six-per-em space (U+2006) before
# each; these go too.
lines() {
  sed -e '1s/^\xEF\xBB\xBF//' -e 's/\r$//' -e 's/\xE2\x80\x86//g' -e 's/[[:space:]]*$//' "$1" |
    grep -v '^$' || true
}

"$cli" export 1 >"$work/one.rtf"
"$cli" export 1 --format text >"$work/one.txt"
"$cli" export 2 --format text >"$work/two.txt"
cp "$work/one.rtf" "$work/both.rtf"
"$cli" export 2 --append-to "$work/one.rtf" >"$work/both.rtf"

# A document of LibreOffice's own, with Hebrew in it.
printf 'מסמך אחר 123\n' >"$work/other.txt"
(cd "$work" && soffice -env:UserInstallation="file://$work/profile" --headless \
  --convert-to rtf --outdir "$work/lo" other.txt >"$work/soffice.log" 2>&1) ||
  fail "LibreOffice could not write its own document: $(cat "$work/soffice.log")"
"$cli" export 1 --append-to "$work/lo/other.rtf" >"$work/other-then-one.rtf"

(cd "$work" && soffice -env:UserInstallation="file://$work/profile" --headless \
  --convert-to "txt:Text (encoded):UTF8" --outdir "$work/out" \
  one.rtf both.rtf other-then-one.rtf >>"$work/soffice.log" 2>&1) ||
  fail "LibreOffice could not convert: $(cat "$work/soffice.log")"

stars='*  *  *  *  *'
lines "$work/one.txt" >"$work/expected-one"
[ -s "$work/expected-one" ] || fail "the plain form of article 1 is empty"
lines "$work/out/one.txt" >"$work/got-one"
diff -u "$work/expected-one" "$work/got-one" || fail "article 1 reads otherwise in LibreOffice"

{ cat "$work/expected-one"; echo "$stars"; lines "$work/two.txt"; } >"$work/expected-both"
lines "$work/out/both.txt" >"$work/got-both"
diff -u "$work/expected-both" "$work/got-both" || fail "Copy + Append reads otherwise"

{ echo 'מסמך אחר 123'; echo "$stars"; cat "$work/expected-one"; } >"$work/expected-other"
lines "$work/out/other-then-one.txt" >"$work/got-other"
diff -u "$work/expected-other" "$work/got-other" ||
  fail "appended to LibreOffice's own document, the text reads otherwise"

if grep -q -e '  ' -e $'\xE2\x80\x86' "$work/out/one.txt"; then
  fail "a doubled space reached the word processor"
fi
echo "word processor: passed"
