#!/usr/bin/env bash
# End to end: a desktop reader's habits, the real program under Xvfb.
#   habits_e2e.sh VELMORA_BINARY VELMORA_CLI WORK_DIR
# A first start chooses a face at the largest size; Control with '-' steps
# it down three times, Control with '+' and with '=' up twice; Control+D, Down and Return open
# the row after the current article; the Go menu bookmarks it; File > Exit
# saves. The settings file must then hold the larger FontSize and the new
# article. A second start is resized and closed; a third comes back at that
# size. velmora-cli toc --bookmarks must show the bookmark's row with its
# section's name first, and velmora-cli text 1 the labels joined to their
# verses by U+00A0.
set -euo pipefail

app=$1
cli=$2
work=$3
rm -rf "$work"
mkdir -p "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
export VELMORA_REGISTRY=$work/velmora.reg
: > "$VELMORA_REGISTRY"
unset QT_QPA_PLATFORM

# A display of our own.
. "$(dirname "$0")/e2e_lib.sh"
start_display "$work/xvfb.log"

registry_value() {
  sed -n "s/^\"$1\"=//p" "$VELMORA_REGISTRY" | tr -d '\r'
}

# --- Size keys, the table of contents by keyboard, a bookmark. ---------------
"$app" >"$work/first.log" 2>&1 &
first=$!
pids+=("$first")
dialog=$(window_named "Choose Font") || fail "the font dialog did not open on the first start"
focus "$dialog"
keys Down Tab End Return    # the second face, the largest size (72); OK

main=$(window_named "Velmora") || fail "the main window did not appear"
focus "$main"
keys ctrl+minus ctrl+minus ctrl+minus   # 72 -> 52 -> 32 -> 28
keys ctrl+plus ctrl+equal               # 28 -> 32 -> 52

keys ctrl+d
toc=$(window_named "Choose Section") || fail "Control+D opened no table of contents"
focus "$toc"
keys Down Return
sleep 1
[ -z "$(xdotool search --onlyvisible --name '^Choose Section$' 2>/dev/null || true)" ] ||
  fail "Return did not choose from the table of contents"
focus "$main"
keys alt+g b                # Go > Bookmark
keys alt+f x
expect_exit_ok "$first" "the first run"

[ "$(registry_value FontSize)" = "dword:00000034" ] || fail "FontSize is $(registry_value FontSize)"
[ "$(registry_value Lesson)" = "dword:00000002" ] ||
  fail "Down and Return opened $(registry_value Lesson), not article 2"

# --- The window keeps its size. ----------------------------------------------
"$app" >"$work/second.log" 2>&1 &
second=$!
pids+=("$second")
main=$(window_named "Velmora") || fail "the main window did not appear on the second start"
xdotool windowsize --sync "$main" 500 450
sleep 1
size_before=$(xdotool getwindowgeometry "$main" | sed -n 's/ *Geometry: //p')
[ "$size_before" = "500x450" ] || fail "the window was not resized ($size_before)"
focus "$main"
keys alt+f x
expect_exit_ok "$second" "the second run"
[ -n "$(registry_value WindowPlace)" ] || fail "no WindowPlace was written"
"$app" >"$work/third.log" 2>&1 &
third=$!
pids+=("$third")
main=$(window_named "Velmora") || fail "the main window did not appear on the third start"
sleep 1
size_after=$(xdotool getwindowgeometry "$main" | sed -n 's/ *Geometry: //p')
[ "$size_before" = "$size_after" ] ||
  fail "the window came back at $size_after, not $size_before"
focus "$main"
keys alt+f x
expect_exit_ok "$third" "the third run"

# --- The bookmark's row names its section first. -----------------------------
export QT_QPA_PLATFORM=offscreen
"$cli" toc >"$work/toc.txt"
"$cli" toc --bookmarks >"$work/toc-bookmarks.txt"
own=$(grep -m1 '^  2 ' "$work/toc.txt" | cut -c5-)
section=$(sed -n '/^  2 /q;/^[^ ]/p' "$work/toc.txt" | tail -n 1)
[ -n "$own" ] && [ -n "$section" ] || fail "article 2 or its section is missing from toc"
row=$(sed -n 2p "$work/toc-bookmarks.txt")
[ "$row" = "  2 $section - $own" ] ||
  fail "the bookmark row reads '$row', not '  2 $section - $own'"
# --- Verse labels are joined to their verse by U+00A0. -----------------------
"$cli" text 1 >"$work/text1.txt"
grep -q $'(\u05d0)\u00a0' "$work/text1.txt" || fail "text 1 has no U+00A0 after its first label"
if grep -q $'([^)]*) ' "$work/text1.txt"; then fail "text 1 still has a label before a plain space"; fi

echo "habits e2e: all checks passed"
