#!/usr/bin/env bash
# End to end: the real program under Xvfb, driven with keys like a reader.
#   reader_e2e.sh VELMORA_BINARY WORK_DIR
# First start with an empty settings file: the font dialog comes first; a
# face and a large size are chosen; Right, Page Down and Down are pressed;
# File > Exit saves. The settings file must then hold the article, the
# position, the flags and the face. A second start must show exactly the
# same picture, and a third copy started meanwhile must hand over to the
# running one and end with status 0 without opening a window of its own.
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

fail() { echo "FAIL: $*" >&2; exit 1; }

# A display of our own.
display_number=$((200 + $$ % 500))
Xvfb ":$display_number" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=":$display_number"
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

# The id of the visible window whose title is exactly $1, waiting up to 20 s.
window_named() {
  for _ in $(seq 200); do
    local id
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}

count_windows_named() {
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l
}

focus() { xdotool windowfocus --sync "$1"; sleep 0.3; }

keys() {
  for key in "$@"; do xdotool key "$key"; sleep 0.4; done
}

# Waits up to 20 s for process $1 to end; its exit status must be 0.
expect_exit_ok() {
  for _ in $(seq 200); do
    if ! kill -0 "$1" 2>/dev/null; then
      wait "$1" || fail "$2 ended with status $?"
      return 0
    fi
    sleep 0.1
  done
  fail "$2 did not end"
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

# --- A third copy while the second runs with its window in front. -----------
focus "$main"
"$app" >"$work/third.log" 2>&1 &
third=$!
pids+=("$third")
sleep 2
# The running copy opens its table of contents for the hand-over; close it so
# that the third copy's wait ends.
if chooser=$(xdotool search --onlyvisible --name "^Choose Section\$" 2>/dev/null | head -n 1) &&
   [ -n "$chooser" ]; then
  focus "$chooser"
  keys Escape
fi
expect_exit_ok "$third" "the third copy"
[ "$(count_windows_named "Velmora")" -eq 1 ] || fail "a second main window opened"

main=$(window_named "Velmora")
focus "$main"
keys ctrl+q
expect_exit_ok "$second" "the second run"
echo "end to end: passed"
