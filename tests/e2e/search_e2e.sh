#!/usr/bin/env bash
# End to end: the search under Xvfb, as a reader uses it.
#   search_e2e.sh VELMORA_BINARY WORK_DIR
# The reader starts on article 1. The Search button of the toolbar opens the
# search dialog; the first word is typed by clicking the keyboard picture
# (ayin, final tsadi, the space bar), the second with the desktop's keyboard
# in Hebrew letters. OK shows article 2 with the hit highlighted in yellow
# and the heading box framed in red. Return goes on to the next hit, in
# article 3. A word that is not in the book shows "Not Found!" and leaves the
# dialog open. At exit the settings file holds that article and the last
# pattern as "SearchString".
set -euo pipefail

app=$1
work=$2
rm -rf "$work"
mkdir -p "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
export VELMORA_REGISTRY=$work/velmora.reg
unset QT_QPA_PLATFORM
cat >"$VELMORA_REGISTRY" <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Quorvane\Velmora]
"FontName"="Frank Ruehl CLM"
"FontSize"=dword:00000018
"FontAsciiBase"=dword:000005d0
"Lesson"=dword:00000001
"LastPosition"=dword:00000000
REG

# A display of our own.
. "$(dirname "$0")/e2e_lib.sh"
start_display "$work/xvfb.log"

# The visible windows titled "Velmora": the main window, the search dialog
# and the message box all are.
velmora_windows() { xdotool search --onlyvisible --name '^Velmora$' 2>/dev/null || true; }
count_velmora_windows() { velmora_windows | wc -l; }

# Waits up to 20 s until $1 windows are titled "Velmora".
wait_for_windows() {
  for _ in $(seq 200); do
    [ "$(count_velmora_windows)" -eq "$1" ] && return 0
    sleep 0.1
  done
  return 1
}

# The newest "Velmora" window other than the ones given.
other_window() {
  velmora_windows | grep -v -x -F "$(printf '%s\n' "$@")" | tail -n 1
}

tap() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.5; }
type_text() { xdotool type --delay 200 "$1"; sleep 0.5; }

registry_value() { sed -n "s/^\"$1\"=//p" "$VELMORA_REGISTRY" | tr -d '\r'; }

# Pixels of colour $2 (#RRGGBB) in picture $1.
count_colour() { convert "$1" txt:- | grep -c -i "$2" || true; }

# The Search button: the left one of the two binocular images, whose dark
# grey (#606060) no other button has. Prints "x y" in window $1.
search_button() {
  import -window "$1" "$work/toolbar.png"
  convert "$work/toolbar.png" -crop 400x40+0+0 txt:- | grep -i '#606060' |
    sed 's/[:,]/ /g' | sort -n -k1 |
    awk 'NR == 1 { left = $1 } $1 < left + 20 { x += $1; y += $2; n++ }
         END { if (n) printf "%d %d", x / n, y / n }'
}

# The keyboard picture's top-left corner in dialog $1: where a black grid
# line of 154 pixels has another 25 rows below it. Prints "x y".
keyboard_corner() {
  import -window "$1" "$work/dialog.png"
  read -r width height <<<"$(identify -format '%w %h' "$work/dialog.png")"
  convert "$work/dialog.png" -colorspace Gray -depth 8 gray:"$work/dialog.gray"
  python3 - "$work/dialog.gray" "$width" "$height" <<'PY'
import sys
data = open(sys.argv[1], "rb").read()
w, h = int(sys.argv[2]), int(sys.argv[3])
def black_run(x, y, n):
    return y < h and x + n <= w and all(data[y * w + x + i] < 64 for i in range(n))
for y in range(h):
    for x in range(w - 153):
        if black_run(x, y, 154) and black_run(x, y + 25, 154) and black_run(x, y + 50, 154):
            print(x, y)
            sys.exit(0)
PY
}

# Taps key `k` (0: the space bar) of the keyboard at corner ($2, $3) in dialog $1.
tap_key() {
  local dialog=$1 left=$2 top=$3 key=$4 x y
  if [ "$key" -eq 0 ]; then
    x=$((left + 77)); y=$((top + 85))
  else
    local row=$(((key - 1) / 9)) column=$((8 - (key - 1) % 9))
    x=$((left + 17 * column + 8)); y=$((top + 25 * row + 12))
  fi
  tap "$dialog" "$x" "$y"
}

"$app" >"$work/reader.log" 2>&1 &
reader=$!
pids+=("$reader")
wait_for_windows 1 || fail "the main window did not appear"
main=$(velmora_windows | head -n 1)
focus "$main"

# --- Open Search from the toolbar and type "עץ החיים". ----------------------
read -r button_x button_y <<<"$(search_button "$main")"
[ -n "${button_x:-}" ] || fail "the Search button was not found on the toolbar"
tap "$main" "$button_x" "$button_y"
wait_for_windows 2 || fail "the Search button did not open the dialog"
dialog=$(other_window "$main")
focus "$dialog"
read -r left top <<<"$(keyboard_corner "$dialog")"
[ -n "${left:-}" ] || fail "the keyboard picture was not found in the dialog"
tap_key "$dialog" "$left" "$top" 19   # ayin
tap_key "$dialog" "$left" "$top" 23   # final tsadi
tap_key "$dialog" "$left" "$top" 0    # space
type_text "החיים"
import -window "$dialog" "$work/search-dialog.png"
keys Return
wait_for_windows 1 || fail "OK with a hit left the dialog open"
sleep 0.5
import -window "$main" "$work/hit.png"
[ "$(count_colour "$work/hit.png" '#FFFF00')" -gt 100 ] || fail "no yellow highlight or heading box"
[ "$(count_colour "$work/hit.png" '#FF0000')" -gt 50 ] || fail "no red frame of the heading box"

# --- Return: the next hit. ------------------------------------------------
focus "$main"
keys Return
sleep 0.5
import -window "$main" "$work/next-hit.png"
difference=$(compare -metric AE "$work/hit.png" "$work/next-hit.png" null: 2>&1 || true)
[ "$difference" != "0" ] || fail "Return did not move to the next hit"

# --- A word that is not in the book. --------------------------------------
tap "$main" "$button_x" "$button_y"
wait_for_windows 2 || fail "the dialog did not open again"
dialog=$(other_window "$main")
focus "$dialog"
keys ctrl+a BackSpace
type_text "קקקק"
keys Return
wait_for_windows 3 || fail "no \"Not Found!\" box"
box=$(other_window "$main" "$dialog")
focus "$box"
keys Return
wait_for_windows 2 || fail "the dialog did not stay open after \"Not Found!\""
focus "$dialog"
keys Escape
wait_for_windows 1 || fail "Cancel did not close the dialog"

focus "$main"
keys ctrl+q
expect_exit_ok "$reader" "the reader"
[ "$(registry_value Lesson)" = "dword:00000003" ] || fail "Lesson is $(registry_value Lesson)"
[ "$(registry_value SearchString)" = "hex:78,78,78,78,00" ] ||
  fail "SearchString is '$(registry_value SearchString)'"
echo "search end to end: passed"
