# The shell suites' checks: a PASS or FAIL line each, and "N passed, M failed" at the end, which
# test.sh counts. Sourced by the suites.
passed=0
failed=0
pass() { passed=$((passed + 1)); echo "PASS: $1"; }
fail() { failed=$((failed + 1)); echo "FAIL: $1${2:+ ($2)}"; }
expect() { # DESCRIPTION ACTUAL EXPECTED
  if [ "$2" = "$3" ]; then pass "$1"; else fail "$1" "got '$2', want '$3'"; fi
}
# DESCRIPTION COMMAND...: check passes when the command succeeds, refute when it fails.
check() { if "${@:2}" >/dev/null 2>&1; then pass "$1"; else fail "$1"; fi; }
refute() { if "${@:2}" >/dev/null 2>&1; then fail "$1"; else pass "$1"; fi; }
all_hold() { # DESCRIPTION TEST ITEM...: one check that TEST ITEM succeeds for every ITEM
  local what=$1 test=$2 item bad=()
  shift 2
  for item; do "$test" "$item" >/dev/null 2>&1 || bad+=("'$item'"); done
  if [ $# -eq 0 ]; then fail "$what" "nothing to check"
  elif [ ${#bad[@]} -eq 0 ]; then pass "$what"; else fail "$what" "not for ${bad[*]}"; fi
}
# Ends the suite: it fails on any failed check, and when no check ran.
finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
  exit $?
}
