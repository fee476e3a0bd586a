#!/bin/bash
# velmora-cli's help goes to standard output with status 0; mistakes go to
# standard error with status 2; a face that is not installed is named on
# standard error.
set -u
cli=$1
work=$2
rm -rf "$work" && mkdir -p "$work"
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

for ask in --help -h help; do
  "$cli" "$ask" >"$work/out" 2>"$work/err"
  status=$?
  [ "$status" -eq 0 ] || fail "$ask: status $status"
  grep -q '^usage: velmora-cli' "$work/out" || fail "$ask: no usage on standard output"
  [ -s "$work/err" ] && fail "$ask: standard error not empty: $(cat "$work/err")"
done

"$cli" frobnicate >"$work/out" 2>"$work/err"
status=$?
[ "$status" -eq 2 ] || fail "unknown command: status $status"
[ -s "$work/out" ] && fail "unknown command: standard output not empty"
grep -q "unknown command 'frobnicate'" "$work/err" || fail "unknown command: not named"

export QT_QPA_PLATFORM=offscreen
missing='Nosuch Facename Velmora'
"$cli" render 1 --out "$work/missing.png" --font "$missing" >"$work/out" 2>"$work/err"
status=$?
[ "$status" -eq 0 ] || fail "missing face: status $status"
grep -q "no installed face is named '$missing'" "$work/err" || fail "missing face: not reported"
[ -s "$work/missing.png" ] || fail "missing face: nothing drawn"

"$cli" render 1 --out "$work/default.png" >"$work/out" 2>"$work/err"
grep -q "no installed face" "$work/err" && fail "default face: reported as missing"

exit $((failures > 0))
