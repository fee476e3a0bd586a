#!/usr/bin/env bash
# velmora-cli search on the embedded default book:
#   search_cli_test.sh VELMORA_CLI
# "עץ החיים" (the tree of life) is in Genesis 2 once and in Genesis 3 twice;
# the hits come in Search Again order, each later one from the byte read
# after the one before, so within a Paragraph from its reading start on.
set -euo pipefail
cli=$1

fail() { echo "FAIL: $*" >&2; exit 1; }

# Runs the tool; its standard output in $out, its status in $status.
run() {
  set +e
  out=$("$cli" search "$@" 2>/dev/null)
  status=$?
  set -e
}

run 'עץ החיים'
[ "$status" -eq 0 ] || fail "status $status"
[ "$(cut -f1 <<<"$out" | tr '\n' ';')" = "2 1314 8;3 1738 8;3 1574 8;" ] ||
  fail "hits: $(cut -f1 <<<"$out" | tr '\n' ';')"
[ "$(head -n 1 <<<"$out" | cut -f2)" = "בראשית פרק ב" ] || fail "heading: $(head -n 1 <<<"$out")"
grep -q -F '[עץ החיים]' <<<"$out" || fail "the hit is not shown in its context"

run 'עץ החיים' --count
[ "$out" = "3" ] || fail "--count printed '$out'"
run 'עץ החיים' --limit 2
[ "$(wc -l <<<"$out")" -eq 2 ] || fail "--limit 2 printed $(wc -l <<<"$out") lines"
run 'עץ החיים' --from 3
[ "$(cut -f1 <<<"$out" | tr '\n' ';')" = "3 1738 8;3 1574 8;2 1314 8;" ] ||
  fail "--from 3: $(cut -f1 <<<"$out" | tr '\n' ';')"

# Wildcards in reading order: '?' one letter (also "עד החיים", Isaiah 8:19),
# '*' from the nearest ayin before "חיים" (Genesis 2:7, reaching back to 2:4).
run 'ע? החיים'
grep -q -F '[עץ החיים]' <<<"$out" && [ "$(wc -l <<<"$out")" -gt 3 ] || fail "'?' found: $out"
run 'ע*חיים' --limit 1
[ "$(cut -f1 <<<"$out")" = "2 1693 241" ] || fail "'*': $(cut -f1 <<<"$out")"

# Nothing found: nothing printed, status 1; bad patterns and arguments: 2.
run 'קקקק'
[ "$status" -eq 1 ] && [ -z "$out" ] || fail "no hit gave status $status and '$out'"
run 'קקקק' --count
[ "$status" -eq 1 ] && [ -z "$out" ] || fail "no hit with --count gave status $status and '$out'"
for bad in 'abc' '' "$(printf 'א%.0s' $(seq 34))"; do
  run "$bad"
  [ "$status" -eq 2 ] || fail "pattern '$bad' gave status $status"
done
for args in '--from 0 א' '--limit 0 א' '--from' 'א ב'; do
  # shellcheck disable=SC2086
  run $args
  [ "$status" -eq 2 ] || fail "'$args' gave status $status"
done
echo "velmora-cli search: passed"
