#!/usr/bin/env bash
# End to end: Copy and Append in the real program under Xvfb, read by
# another client of the desktop clipboard.
#   export_e2e.sh VELMORA_BINARY VELMORA_CLI WORK_DIR
# File > Copy on article 1: xclip sees Rich Text and text among the
# clipboard's targets, and reads exactly what velmora-cli export writes for
# the article in each form. Then Right and File > Append: the Rich Text holds
# both articles with the separator between them, the text both articles.
set -euo pipefail

app=$1
cli=$2
work=$3
rm -rf "$work"
mkdir -p "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
export VELMORA_REGISTRY=$work/velmora.reg
# A face is stored, so that no font dialog comes first.
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Quorvane\\Velmora]\r\n'
  printf '"FontName"="DejaVu Sans"\r\n"Lesson"=dword:00000001\r\n'
} >"$VELMORA_REGISTRY"
unset QT_QPA_PLATFORM

# A display of our own.
. "$(dirname "$0")/e2e_lib.sh"
start_display "$work/xvfb.log"

clip() { timeout 10 xclip -selection clipboard -o "$@"; }

# Waits up to 10 s for the clipboard's Rich Text to differ from file $1.
wait_for_new_rtf() {
  for _ in $(seq 50); do
    if clip -t text/rtf >"$work/now.rtf" 2>/dev/null && ! cmp -s "$work/now.rtf" "$1"; then
      return 0
    fi
    sleep 0.2
  done
  return 1
}

# What the reader's copy must give, from the companion tool.
"$cli" export 1 >"$work/expected-one.rtf" 2>/dev/null
"$cli" export 1 --format text >"$work/expected-one.txt" 2>/dev/null
"$cli" export 2 --append-to "$work/expected-one.rtf" >"$work/expected-both.rtf" 2>/dev/null
{ cat "$work/expected-one.txt"; "$cli" export 2 --format text 2>/dev/null; } \
  >"$work/expected-both.txt"
: >"$work/none.rtf"

"$app" >"$work/app.log" 2>&1 &
reader=$!
pids+=("$reader")
main=$(window_named "Velmora") || fail "the main window did not appear"
focus "$main"

# File > Copy: "&Choose Article" shares the mnemonic, so C is pressed twice.
keys alt+f c c Return
wait_for_new_rtf "$work/none.rtf" || fail "no Rich Text came on the clipboard after Copy"
targets=$(clip -t TARGETS)
grep -qx 'text/rtf' <<<"$targets" || fail "text/rtf is not offered: $targets"
grep -qx 'application/rtf' <<<"$targets" || fail "application/rtf is not offered: $targets"
grep -qx 'UTF8_STRING' <<<"$targets" || fail "no text is offered: $targets"
clip -t text/rtf >"$work/copy.rtf"
cmp "$work/copy.rtf" "$work/expected-one.rtf" || fail "the Rich Text copied is not article 1's"
clip -t UTF8_STRING >"$work/copy.txt"
cmp "$work/copy.txt" "$work/expected-one.txt" || fail "the text copied is not article 1's"

# On to article 2; File > Append. "&About" shares the mnemonic, but the menu
# opens on it, so the first A moves on to Append.
focus "$main"
keys Right alt+f a Return
wait_for_new_rtf "$work/copy.rtf" || fail "Append did not change the clipboard"
clip -t text/rtf >"$work/append.rtf"
cmp "$work/append.rtf" "$work/expected-both.rtf" ||
  fail "the Rich Text after Append is not articles 1 and 2 behind the separator"
grep -qF '\qc\cf2\fs72\b*  *  *  *  *' "$work/append.rtf" || fail "no separator in the Rich Text"
clip -t UTF8_STRING >"$work/append.txt"
cmp "$work/append.txt" "$work/expected-both.txt" || fail "the text after Append is not both articles"

focus "$main"
keys ctrl+q
for _ in $(seq 100); do kill -0 "$reader" 2>/dev/null || break; sleep 0.1; done
wait "$reader" || fail "the reader ended with status $?"
echo "export end to end: passed"
