# Sourced by the end-to-end scripts: an X server of the test's own, and the
# helpers they share to find windows, type and wait.

fail() { echo "FAIL: $*" >&2; exit 1; }
#
# start_xvfb LOG: starts Xvfb on a display it picks itself (none in use), and
# returns once the server accepts clients (up to 30 s), with its pid in $xvfb
# and DISPLAY exported. A fixed display number could meet a server that
# another run left or has not yet given up. -noreset: by default the server
# resets when its last client leaves (the readiness check, a program that
# ended), and a program connecting meanwhile is refused.
start_xvfb() {
  local number_file number
  number_file=$(mktemp)
  Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" >"$1" 2>&1 &
  xvfb=$!
  for _ in $(seq 300); do
    [ -s "$number_file" ] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
  done
  number=$(tr -dc 0-9 <"$number_file")
  rm -f "$number_file"
  if [ -z "$number" ]; then
    echo "FAIL: Xvfb did not start" >&2
    cat "$1" >&2
    return 1
  fi
  export DISPLAY=":$number"
  for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "FAIL: Xvfb on $DISPLAY accepts no client" >&2
  return 1
}

# stop_xvfb: ends the server $xvfb and waits until it is gone, so that the
# next test's server never meets its display's socket or lock going away.
stop_xvfb() {
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
}

# start_display LOG: start_xvfb, then at the script's exit the programs whose
# pids the script put in $pids are ended, and the server after them.
start_display() {
  start_xvfb "$1"
  pids=()
  trap stop_display EXIT
}
stop_display() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  stop_xvfb
}

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
