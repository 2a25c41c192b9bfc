#!/usr/bin/env bash
# Builds everything and runs every test: the host unit tests (ASan + UBSan) with ctest, then the
# end-to-end tests, where kelvoro_e2e.exe drives "Kelvoro 2.1.exe" under Wine on a private Xvfb
# in a new copy of the template prefix. Exits non-zero when a build or any test fails.
set -euo pipefail
cd "$(dirname "$0")"
started=$SECONDS
jobs=$(nproc)
logs=build/test-logs
mkdir -p "$logs"

bash scripts/deps.sh

echo "== host build and unit tests"
cmake --preset host >/dev/null
cmake --build --preset host --parallel "$jobs"
set +e
ctest --preset host --parallel "$jobs" 2>&1 | tee "$logs/unit.log"
unit_status=${PIPESTATUS[0]}
set -e

echo "== Windows build"
cmake --preset win32 >/dev/null
cmake --build --preset win32 --parallel "$jobs"

echo "== end-to-end tests under Wine"
bash scripts/make-prefix.sh
source scripts/wine-env.sh
fresh_wine_prefix "$KELVORO_WINE_ROOT/e2e"
# The tests always get a display of their own, never the user's desktop.
unset DISPLAY
ensure_display
cleanup() {
  wineserver -k 2>/dev/null || true
  stop_display
}
trap cleanup EXIT

program=$(winepath -w "$KELVORO_DIST_DIR/Kelvoro 2.1.exe")
set +e
timeout 900 wine build/win32/e2e/kelvoro_e2e.exe "$program" 2>&1 | tr -d '\r' | tee "$logs/e2e.log"
e2e_status=${PIPESTATUS[0]}
set -e

# One closing line over both runners.
count() { grep -oE "$1" "$2" | grep -oE '[0-9]+' | head -n 1 || true; }
unit_total=$(count 'tests failed out of [0-9]+' "$logs/unit.log")
unit_failed=$(count '[0-9]+ tests failed out of' "$logs/unit.log")
unit_skipped=$(grep -c '(Skipped)$' "$logs/unit.log" || true)
e2e_passed=$(count '^\[  PASSED  \] [0-9]+' "$logs/e2e.log")
e2e_failed=$(count '^\[  FAILED  \] [0-9]+ tests?,' "$logs/e2e.log")
e2e_skipped=$(count '^\[  SKIPPED \] [0-9]+' "$logs/e2e.log")
passed=$((${unit_total:-0} - ${unit_failed:-0} - ${unit_skipped:-0} + ${e2e_passed:-0}))
# A runner that failed without counting a failed test (a crash, a time-out) counts as one.
[ "$unit_status" -ne 0 ] && [ "${unit_failed:-0}" -eq 0 ] && unit_failed=1
[ "$e2e_status" -ne 0 ] && [ "${e2e_failed:-0}" -eq 0 ] && e2e_failed=1
failed=$((${unit_failed:-0} + ${e2e_failed:-0}))
skipped=$((${unit_skipped:-0} + ${e2e_skipped:-0}))

echo
echo "unit tests: ctest exit $unit_status; end-to-end tests: exit $e2e_status; $((SECONDS - started)) s"
echo "Total: $passed passed, $failed failed, $skipped skipped"
[ "$unit_status" -eq 0 ] && [ "$e2e_status" -eq 0 ]
