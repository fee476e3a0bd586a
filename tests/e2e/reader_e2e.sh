#!/usr/bin/env bash
# End to end: the real program under Xvfb, driven with keys like a reader.
#   reader_e2e.sh VELMORA_BINARY WORK_DIR
# First start with an empty settings file: the font dialog comes first; a
# face and a large size are chosen; Right, Page Down and Down are pressed;
# File > Exit saves. The settings file must then hold the article, the
# position, the flags and the face. A second start must show exactly the
# same picture. From the toolbar the table of contents opens; a section is
# opened, an article chosen and bookmarked, and the table, opened again,
# shows it first under the Bookmarks heading. A third copy started meanwhile
# opens the table in the running copy and ends with status 0 once it closes,
# without opening a window of its own.
set -euo pipefail

app=$1
work=$2
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

count_windows_named() {
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l
}

# Taps at (x, y) in window $1.
tap() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.7; }

# The table-of-contents button of the toolbar: the only image with green in
# it (red and green list lines). Prints "x y" in window $1.
toc_button() {
  import -window "$1" "$work/toolbar.png"
  convert "$work/toolbar.png" -crop 400x40+0+0 txt:- | grep '#00A000' |
    sed 's/[:,]/ /g' | awk '{ x += $1; y += $2; n++ } END { if (n) printf "%d %d", x / n, y / n }'
}

registry_value() {
  sed -n "s/^\"$1\"=//p" "$VELMORA_REGISTRY" | tr -d '\r'
}

# --- First start: choose a font, read a little, exit from the menu. ---------
"$app" >"$work/first.log" 2>&1 &
first=$!
pids+=("$first")
dialog=$(window_named "Choose Font") || fail "the font dialog did not open on the first start"
focus "$dialog"
keys Down Tab End Return   # the second face, then the largest size; OK

main=$(window_named "Velmora") || fail "the main window did not appear"
focus "$main"
keys Right Next Down
import -window "$main" "$work/before-exit.png"
keys alt+f x
expect_exit_ok "$first" "the first run"

[ "$(registry_value Lesson)" = "dword:00000002" ] || fail "Lesson is $(registry_value Lesson)"
position=$(registry_value LastPosition)
[ -n "$position" ] && [ "$position" != "dword:00000000" ] || fail "LastPosition is '$position'"
[ "$(registry_value Flags)" = "dword:d1140040" ] || fail "Flags is $(registry_value Flags)"
[ -n "$(registry_value FontName)" ] || fail "no FontName was written"
[ "$(registry_value FontSize)" = "dword:00000048" ] || fail "FontSize is $(registry_value FontSize)"

# --- Second start: the same article at the same place. ----------------------
"$app" >"$work/second.log" 2>&1 &
second=$!
pids+=("$second")
main=$(window_named "Velmora") || fail "the main window did not appear on the second start"
sleep 1
[ "$(count_windows_named "Choose Font")" -eq 0 ] || fail "the font dialog opened again"
import -window "$main" "$work/after-restart.png"
difference=$(compare -metric AE "$work/before-exit.png" "$work/after-restart.png" null: 2>&1 || true)
[ "$difference" = "0" ] || fail "the restarted reader shows another picture ($difference pixels differ)"

# --- The table of contents and a bookmark. -----------------------------------
# With the font of 72 pixels the list's rows are 90 pixels high for section
# headings and 72 for articles; text ends near the right edge, so taps go
# at x 349 (the window is 409 wide, its scroll bar at the right).
read -r button_x button_y <<<"$(toc_button "$main")"
[ -n "${button_x:-}" ] || fail "the table-of-contents button was not found on the toolbar"
tap "$main" "$button_x" "$button_y"
chooser=$(window_named "Choose Section") || fail "the toolbar did not open the table of contents"
# Rows: Genesis 0-90, its articles 2 and 3 (uncovered), Exodus 234-324.
tap "$chooser" 349 279           # open Exodus
tap "$chooser" 349 360           # its first chapter: article 51
[ "$(count_windows_named "Choose Section")" -eq 0 ] || fail "choosing an article left the table open"
focus "$main"
keys alt+g b Right               # Go > Bookmark, then on to article 52
tap "$main" "$button_x" "$button_y"
chooser=$(window_named "Choose Section") || fail "the table of contents did not open again"
import -window "$chooser" "$work/choose-article.png"
# The Bookmarks heading (0-72) and its one entry (72-144) come first.
tap "$chooser" 349 108
[ "$(count_windows_named "Choose Section")" -eq 0 ] || fail "the bookmark row did not choose"

# --- A third copy while the second runs with its window in front. -----------
main=$(window_named "Velmora")
focus "$main"
"$app" >"$work/third.log" 2>&1 &
third=$!
pids+=("$third")
chooser=$(window_named "Choose Section") || fail "the hand-over did not open the table of contents"
sleep 0.5
kill -0 "$third" 2>/dev/null || fail "the third copy ended before the table of contents closed"
focus "$chooser"
keys Escape
expect_exit_ok "$third" "the third copy"
[ "$(count_windows_named "Velmora")" -eq 1 ] || fail "a second main window opened"

main=$(window_named "Velmora")
focus "$main"
keys ctrl+q
expect_exit_ok "$second" "the second run"
[ "$(registry_value Lesson)" = "dword:00000033" ] || fail "the bookmark led to $(registry_value Lesson)"
[ "$(registry_value Bookmarks)" = "hex:33,00,00,00" ] ||
  fail "Bookmarks is '$(registry_value Bookmarks)'"
echo "end to end: passed"
