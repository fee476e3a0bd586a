# Sourced by the end-to-end scripts: an X server of the test's own.
#
# start_xvfb LOG: starts Xvfb on a display it picks itself (none in use), and
# returns once the server accepts clients (up to 30 s), with its pid in $xvfb
# and DISPLAY exported. A fixed display number could meet a server that
# another run left or has not yet given up.
start_xvfb() {
  local number_file number
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" >"$1" 2>&1 &
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
