#!/usr/bin/env bash
# End to end: one copy of the real program runs per display and settings
# file, under two Xvfb displays of our own.
#   instances_e2e.sh VELMORA_BINARY WORK_DIR
# A first copy runs on display A with settings file 1 (its first-run font
# dialog in front). Copies started with settings file 2 on display A, and with
# settings file 1 on display B, run on their own and show their windows. A
# copy started with settings file 1 on display A finds the first one (one of
# its dialogs is in front, so nothing is done) and ends with status 0 without
# a window of its own.
set -euo pipefail

app=$1
work=$2
rm -rf "$work"
mkdir -p "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
unset QT_QPA_PLATFORM VELMORA_REGISTRY

. "$(dirname "$0")/e2e_lib.sh"

pids=()
servers=()
# The copies end (saving their settings) before their displays go.
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  for pid in "${servers[@]}"; do xvfb=$pid stop_xvfb; done
}
trap cleanup EXIT
start_xvfb "$work/xvfb-a.log"
servers+=("$xvfb")
display_a=$DISPLAY
start_xvfb "$work/xvfb-b.log"
servers+=("$xvfb")
display_b=$DISPLAY
unset DISPLAY

# How many visible windows titled exactly $2 display $1 shows, once it shows
# at least $3 of them (waiting up to 20 s).
windows_named() {
  local count=0
  for _ in $(seq 200); do
    count=$(DISPLAY=$1 xdotool search --onlyvisible --name "^$2\$" 2>/dev/null | wc -l || true)
    [ "$count" -ge "$3" ] && break
    sleep 0.1
  done
  echo "$count"
}

# Starts a copy on display $1 with settings file $2; its pid in $started.
start_copy() {
  DISPLAY=$1 VELMORA_REGISTRY=$2 "$app" >>"$work/copies.log" 2>&1 &
  started=$!
  pids+=("$started")
}

still_running() { kill -0 "$1" 2>/dev/null; }

start_copy "$display_a" "$work/one.reg"
first=$started
[ "$(windows_named "$display_a" "Choose Font" 1)" -eq 1 ] ||
  fail "the first copy shows no font dialog"

start_copy "$display_a" "$work/two.reg"
other_file=$started
[ "$(windows_named "$display_a" "Choose Font" 2)" -eq 2 ] ||
  fail "a copy with another settings file was handed over"

start_copy "$display_b" "$work/one.reg"
other_display=$started
[ "$(windows_named "$display_b" "Choose Font" 1)" -eq 1 ] ||
  fail "a copy on another display was handed over"

start_copy "$display_a" "$work/./one.reg"
same=$started
for _ in $(seq 200); do still_running "$same" || break; sleep 0.1; done
still_running "$same" && fail "a copy with the same display and settings file runs"
wait "$same" || fail "the copy that found the running one ended with status $?"
sleep 1
[ "$(windows_named "$display_a" "Choose Font" 0)" -eq 2 ] ||
  fail "the handing-over copy showed a window"

for pid in "$first" "$other_file" "$other_display"; do
  still_running "$pid" || fail "copy $pid ended"
done
echo "PASS"
