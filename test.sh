#!/usr/bin/env bash
# Builds everything and runs every test:
#   - the host unit tests (ASan + UBSan) with CTest;
#   - the hardening checker's own tests, and its check of both executables;
#   - the release packaging (scripts/package.sh), the tests of its winget manifest
#     (tests/package/winget_test.py) and the signature tests of its artefacts
#     (tests/sign/sign_test.sh);
#   - for every build this host can run (the 64-bit one always, the 32-bit one where the kernel
#     runs 32-bit code): the end-to-end tests, where kelvoro_e2e.exe drives "Kelvoro 2.1.exe"
#     under Wine on a private Xvfb in a new copy of that build's template prefix, and the install
#     test of that build's setup program; and the same for the 32-bit build in the 64-bit
#     (WoW64) prefix. A suite this host cannot run is reported as SKIPPED with the reason.
# Ends with "Total: N passed, N failed, N skipped", counted from the runners' own reports, and
# exits non-zero when a build or any test that ran fails. KELVORO_NO_32BIT=1 runs it as on a host
# without 32-bit support.
set -euo pipefail
cd "$(dirname "$0")"
started=$SECONDS
jobs=$(nproc)
logs=build/test-logs
rm -rf "$logs"
mkdir -p "$logs"
export KELVORO_RESULTS="$PWD/$logs/results.jsonl"
results() { python3 scripts/results.py "$@"; }
# "P F" from a runner whose last line is its own count, "N passed, M failed"; "0 0" otherwise.
closing_counts() {
  tail -n 1 "$1" | sed -nE 's/^([0-9]+) passed, ([0-9]+) failed$/\1 \2/p' | grep . || echo "0 0"
}

bash scripts/deps.sh
source scripts/wine-env.sh

echo "== host build and unit tests"
cmake --preset host >/dev/null
cmake --build --preset host --parallel "$jobs"
status=0
ctest --preset host --parallel "$jobs" --output-junit "$PWD/$logs/unit.xml" || status=$?
results junit "unit tests (host)" "$logs/unit.xml" "$status"

for build in win32 win64; do
  echo "== $(build_description $build) Windows build"
  cmake --preset "$build" >/dev/null
  cmake --build --preset "$build" --parallel "$jobs"
done

echo "== hardening checker tests"
results unittest "hardening checker tests" tests/pe/test_check_pe.py || true
for build in win32 win64; do
  echo "== hardening check of the $(build_description $build) executable"
  log="$logs/pe-$build.log"
  status=0
  python3 scripts/check_pe.py "build/$build/dist/Kelvoro 2.1.exe" | tee "$log" || status=${PIPESTATUS[0]}
  read -r passed failed < <(closing_counts "$log")
  results counts "hardening check ($build)" "$passed" "$failed" 0 "$status"
done

echo "== release packaging"
status=0
bash scripts/package.sh || status=$?
if [ "$status" -eq 0 ]; then results counts "packaging" 1 0; else results counts "packaging" 0 1; fi

echo "== winget manifest tests"
results unittest "winget manifest tests" tests/package/winget_test.py || true

echo "== signature tests"
log="$logs/sign.log"
status=0
bash tests/sign/sign_test.sh 2>&1 | tee "$log" || status=${PIPESTATUS[0]}
read -r passed failed < <(closing_counts "$log")
results counts "signature tests" "$passed" "$failed" 0 "$status"

# The tests always get a display of their own, never the user's desktop.
unset DISPLAY
ensure_display

# The default browser of Wine's link hand-off (winebrowser) is, for the link tests, a script that
# records each address it is given, one a line; the driver points HKCU\Software\Wine\WineBrowser
# at it and reads the record.
mkdir -p "$KELVORO_WINE_ROOT"
recorder="$KELVORO_WINE_ROOT/browser-record.sh"
record="$KELVORO_WINE_ROOT/browser-record.txt"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "$record" >"$recorder"
chmod +x "$recorder"
export KELVORO_BROWSER_RECORDER="$recorder" KELVORO_BROWSER_RECORD="$record"

# The Windows installations each build meets: its own bitness's, and the 32-bit build on 64-bit
# Windows (WoW64), where most users run it: the 64-bit prefix, which has a 32-bit side wherever
# this host runs 32-bit code.
# The display languages of the language tests, as /etc/locale.gen names their locales (see
# scripts/deps.sh): one for each of the program's catalogues but English, and Hong Kong's Chinese
# (which chooses its catalogue by its sublanguage; Wine 8 gives Cyrillic Serbian no language of
# its own, so the host tests alone prove that one).
all_languages=(de_DE fr_FR es_ES it_IT pt_BR ru_RU pl_PL tr_TR zh_CN ja_JP ko_KR ar_SA bg_BG zh_TW
  zh_HK hr_HR cs_CZ da_DK nl_NL et_EE fi_FI el_GR he_IL hu_HU lv_LV lt_LT nb_NO pt_PT ro_RO
  sr_RS@latin sk_SK sl_SI sv_SE th_TH uk_UA)
few_languages=(de_DE ru_RU ja_JP ar_SA th_TH zh_HK)
# "sr_RS@latin" is the locale "sr_RS.UTF-8@latin".
unix_locale() { if [[ $1 == *@* ]]; then echo "${1%@*}.UTF-8@${1#*@}"; else echo "$1.UTF-8"; fi; }

runnable=" $(runnable_builds) "
for suite in win32 win64 wow64; do
  case $suite in
    win32) prefix=win32 build=win32 what="32-bit build" ;;
    win64) prefix=win64 build=win64 what="64-bit build" ;;
    wow64) prefix=win64 build=win32 what="32-bit build on 64-bit Windows" ;;
  esac
  if [[ $runnable != *" $build "* ]]; then
    reason=$(kelvoro_no_32bit_reason)
    results skip "end-to-end tests ($what)" "$reason"
    results skip "install test ($what)" "$reason"
    continue
  fi

  echo "== end-to-end tests of the $what under Wine"
  use_build "$prefix"
  bash scripts/make-prefix.sh "$prefix"
  fresh_wine_prefix "$KELVORO_WINE_ROOT/e2e-$suite"
  : >"$record"
  program=$(winepath -w "$KELVORO_ROOT/build/$build/dist/Kelvoro 2.1.exe")
  report="$PWD/$logs/e2e-$suite.xml"
  status=0
  wine_within 900 "$KELVORO_ROOT/build/$build/e2e/kelvoro_e2e.exe" "$program" \
    "--gtest_output=xml:$(winepath -w "$report")" 2>&1 | tr -d '\r' || status=${PIPESTATUS[0]}
  wineserver -k 2>/dev/null || true
  results junit "end-to-end tests ($what)" "$report" "$status"

  # The program in each of its other languages: the driver, and with it the program, started
  # with that display language (under Wine, the LANG of the Wine process). Every language on the
  # 64-bit build, which every host runs; on the others, a language of each kind of script and
  # direction, and the sublanguage choices.
  if [ "$suite" = win64 ]; then languages=("${all_languages[@]}"); else languages=("${few_languages[@]}"); fi
  echo "== end-to-end tests of the $what in ${#languages[@]} other display languages"
  status=0
  reports=()
  for language in "${languages[@]}"; do
    report="$PWD/$logs/e2e-$suite-${language//@/-}.xml"
    reports+=("$report")
    LANG=$(unix_locale "$language") LC_ALL=$(unix_locale "$language") wine_within 300 \
      "$KELVORO_ROOT/build/$build/e2e/kelvoro_e2e.exe" "$program" --gtest_filter='Dpi/Language.*:LanguageNineX.*:Mirror.*' \
      "--gtest_output=xml:$(winepath -w "$report")" 2>&1 | tr -d '\r' || status=${PIPESTATUS[0]}
  done
  wineserver -k 2>/dev/null || true
  results junit "end-to-end tests in ${#languages[@]} languages ($what)" "$status" "${reports[@]}"

  echo "== install test of the $what setup under Wine"
  log="$logs/install-$suite.log"
  status=0
  bash tests/e2e/install_test.sh "$suite" 2>&1 | tee "$log" || status=${PIPESTATUS[0]}
  read -r passed failed < <(closing_counts "$log")
  results counts "install test ($what)" "$passed" "$failed" 0 "$status"
done

echo
echo "== results ($((SECONDS - started)) s)"
results total
