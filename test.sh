#!/usr/bin/env bash
# Builds everything and runs every test: the host unit tests (ASan + UBSan) with ctest, then the
# end-to-end tests, where kelvoro_e2e.exe drives "Kelvoro 2.1.exe" under Wine on a private Xvfb
# in a new copy of the template prefix; then the hardening checker's own tests and its check of
# the executable, the release packaging (scripts/package.sh) and the install test of the setup
# program under Wine. Exits non-zero when a build, a runner or any test fails.
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

# The default browser of Wine's link hand-off (winebrowser) is, for the link tests, a script that
# records each address it is given, one a line; the driver points HKCU\Software\Wine\WineBrowser
# at it and reads the record.
recorder="$KELVORO_WINE_ROOT/browser-record.sh"
record="$KELVORO_WINE_ROOT/browser-record.txt"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "$record" >"$recorder"
chmod +x "$recorder"
: >"$record"
export KELVORO_BROWSER_RECORDER="$recorder" KELVORO_BROWSER_RECORD="$record"

program=$(winepath -w "$KELVORO_DIST_DIR/Kelvoro 2.1.exe")
set +e
timeout 900 wine build/win32/e2e/kelvoro_e2e.exe "$program" 2>&1 | tr -d '\r' | tee "$logs/e2e.log"
e2e_status=${PIPESTATUS[0]}
set -e

echo "== PE checker tests"
set +e
python3 tests/pe/test_check_pe.py 2>&1 | tee "$logs/pe-unit.log"
pe_unit_status=${PIPESTATUS[0]}
echo "== hardening check of the executable"
python3 tests/pe/check_pe.py "$KELVORO_DIST_DIR/Kelvoro 2.1.exe" 2>&1 | tee "$logs/pe.log"
pe_status=${PIPESTATUS[0]}
echo "== release packaging"
# No setup program of an earlier run may stand in for one that failed to build.
rm -f build/package/Kelvoro-2.1-setup.exe
bash scripts/package.sh 2>&1 | tee "$logs/package.log"
package_status=${PIPESTATUS[0]}
echo "== install test under Wine"
KELVORO_SETUP="$PWD/build/package/Kelvoro-2.1-setup.exe" bash tests/e2e/install_test.sh 2>&1 |
  tee "$logs/install.log"
install_status=${PIPESTATUS[0]}
set -e

# One closing line over all runners.
count() { grep -oE "$1" "$2" | grep -oE '[0-9]+' | head -n 1 || true; }
unit_total=$(count 'tests failed out of [0-9]+' "$logs/unit.log")
unit_failed=$(count '[0-9]+ tests failed out of' "$logs/unit.log")
unit_skipped=$(grep -c '(Skipped)$' "$logs/unit.log" || true)
e2e_passed=$(count '^\[  PASSED  \] [0-9]+' "$logs/e2e.log")
e2e_failed=$(count '^\[  FAILED  \] [0-9]+ tests?,' "$logs/e2e.log")
e2e_skipped=$(count '^\[  SKIPPED \] [0-9]+' "$logs/e2e.log")
# unittest: "Ran N tests", then "OK", "OK (skipped=S)" or "FAILED (failures=F, errors=E, skipped=S)".
pe_unit_total=$(count '^Ran [0-9]+ tests?' "$logs/pe-unit.log")
pe_unit_failures=$(grep -oE '^FAILED \(.*\)' "$logs/pe-unit.log" | grep -oE 'failures=[0-9]+' | grep -oE '[0-9]+' || true)
pe_unit_errors=$(grep -oE '^FAILED \(.*\)' "$logs/pe-unit.log" | grep -oE 'errors=[0-9]+' | grep -oE '[0-9]+' || true)
pe_unit_failed=$((${pe_unit_failures:-0} + ${pe_unit_errors:-0}))
pe_unit_skipped=$(grep -oE '^(OK|FAILED) \(.*\)' "$logs/pe-unit.log" | grep -oE 'skipped=[0-9]+' | grep -oE '[0-9]+' || true)
# check_pe.py and install_test.sh close with "N passed, M failed".
passed_of() { grep -E '^[0-9]+ passed, [0-9]+ failed$' "$1" | tail -n 1 | cut -d' ' -f1 || true; }
failed_of() { grep -E '^[0-9]+ passed, [0-9]+ failed$' "$1" | tail -n 1 | cut -d' ' -f3 || true; }
pe_passed=$(passed_of "$logs/pe.log")
pe_failed=$(failed_of "$logs/pe.log")
install_passed=$(passed_of "$logs/install.log")
install_failed=$(failed_of "$logs/install.log")
# Packaging is one check: its artefacts are made, or not.
package_passed=0 package_failed=0
if [ "$package_status" -eq 0 ]; then package_passed=1; else package_failed=1; fi
# A runner that failed without counting a failed test (a crash, a time-out) counts as one.
[ "$unit_status" -ne 0 ] && [ "${unit_failed:-0}" -eq 0 ] && unit_failed=1
[ "$e2e_status" -ne 0 ] && [ "${e2e_failed:-0}" -eq 0 ] && e2e_failed=1
[ "$pe_unit_status" -ne 0 ] && [ "${pe_unit_failed:-0}" -eq 0 ] && pe_unit_failed=1
[ "$pe_status" -ne 0 ] && [ "${pe_failed:-0}" -eq 0 ] && pe_failed=1
[ "$install_status" -ne 0 ] && [ "${install_failed:-0}" -eq 0 ] && install_failed=1
passed=$((${unit_total:-0} - ${unit_failed:-0} - ${unit_skipped:-0} + ${e2e_passed:-0} +
  ${pe_unit_total:-0} - ${pe_unit_failed:-0} - ${pe_unit_skipped:-0} + ${pe_passed:-0} +
  package_passed + ${install_passed:-0}))
failed=$((${unit_failed:-0} + ${e2e_failed:-0} + ${pe_unit_failed:-0} + ${pe_failed:-0} +
  package_failed + ${install_failed:-0}))
skipped=$((${unit_skipped:-0} + ${e2e_skipped:-0} + ${pe_unit_skipped:-0}))

echo
echo "unit tests: ctest exit $unit_status; end-to-end tests: exit $e2e_status;" \
  "PE checker tests: exit $pe_unit_status; PE check: exit $pe_status;" \
  "packaging: exit $package_status; install test: exit $install_status; $((SECONDS - started)) s"
echo "Total: $passed passed, $failed failed, $skipped skipped"
[ "$unit_status" -eq 0 ] && [ "$e2e_status" -eq 0 ] && [ "$pe_unit_status" -eq 0 ] &&
  [ "$pe_status" -eq 0 ] && [ "$package_status" -eq 0 ] && [ "$install_status" -eq 0 ]
