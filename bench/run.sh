#!/usr/bin/env bash
# Builds the Windows programs and the benchmark, then measures "Kelvoro 2.1.exe" against a bare
# Win32 window under Wine, for every build this host can run (the 32-bit one only where the kernel
# runs 32-bit code), each on a throw-away prefix of its bitness (build/wine/bench-<build>) and a
# virtual display when no display is set. Prints each build's table and writes it to
# build/bench/results-<build>.md.
#
#   bench/run.sh [runs]     (runs: 10 or more, default 10)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh

runs=${1:-10}
ensure_display
for build in $(runnable_builds); do
  use_build "$build"
  program="$KELVORO_DIST_DIR/Kelvoro 2.1.exe"
  bench_dir="$KELVORO_BUILD_DIR/bench"
  results="$KELVORO_ROOT/build/bench/results-$build.md"

  cmake --preset "$build" >/dev/null
  cmake --build --preset "$build"
  for exe in "$program" "$bench_dir/bare_window.exe" "$bench_dir/bare_window_cc.exe" \
    "$bench_dir/kelvoro_bench.exe"; do
    if [ ! -f "$exe" ]; then
      echo "bench: $exe was not built (is add_subdirectory(bench) in cmake/windows.cmake?)" >&2
      exit 1
    fi
  done

  # A new copy of the template prefix, which holds the Recycle Bin keys of a stock installation:
  # Apply and Restore Defaults skip the icons, and their message, where those keys are missing.
  bash scripts/make-prefix.sh "$build"
  fresh_wine_prefix "$KELVORO_WINE_ROOT/bench-$build"
  # The NT family for the program.
  wine reg add 'HKCU\Software\Wine\AppDefaults\Kelvoro 2.1.exe' /v Version /d win10 /f >/dev/null 2>&1

  mkdir -p "$(dirname "$results")"
  echo "bench: $runs rounds of each $(build_description "$build") program on display $DISPLAY" >&2
  wine "$bench_dir/kelvoro_bench.exe" "$(winepath -w "$program")" \
    "$(winepath -w "$bench_dir/bare_window.exe")" "$runs" \
    "$(winepath -w "$bench_dir/bare_window_cc.exe")" | tr -d '\r' >"$results.new"
  mv "$results.new" "$results"
  echo "## $(build_description "$build") build"
  cat "$results"
  echo "bench: written to ${results#"$KELVORO_ROOT"/}" >&2
  wineserver -k 2>/dev/null || true
done
