#!/usr/bin/env bash
# Builds the Windows program and the benchmark, then measures "Kelvoro 2.1.exe" against a bare
# Win32 window under Wine on a throw-away prefix (build/wine/bench) and a virtual display when no
# display is set. Prints the table and writes it to build/bench/results.md.
#
#   bench/run.sh [runs]     (runs: 10 or more, default 10)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh

runs=${1:-10}
program="$KELVORO_DIST_DIR/Kelvoro 2.1.exe"
bench_dir="$KELVORO_ROOT/build/win32/bench"
results="$KELVORO_ROOT/build/bench/results.md"

cmake --preset win32 >/dev/null
cmake --build --preset win32
for exe in "$program" "$bench_dir/bare_window.exe" "$bench_dir/bare_window_cc.exe" \
  "$bench_dir/kelvoro_bench.exe"; do
  if [ ! -f "$exe" ]; then
    echo "bench: $exe was not built (is add_subdirectory(bench) in cmake/windows.cmake?)" >&2
    exit 1
  fi
done

ensure_display
trap stop_display EXIT

# A new copy of the template prefix, which holds the Recycle Bin keys of a stock installation:
# Apply and Restore Defaults skip the icons, and their message, where those keys are missing.
# make-prefix.sh boots the template the first time and returns at once afterwards.
scripts/make-prefix.sh
fresh_wine_prefix "$KELVORO_WINE_ROOT/bench"
trap 'wineserver -k 2>/dev/null || true; stop_display' EXIT

# Windows without window-manager decorations, and the NT family for the program.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\AppDefaults\Kelvoro 2.1.exe' /v Version /d win10 /f >/dev/null 2>&1

mkdir -p "$(dirname "$results")"
echo "bench: $runs rounds of each program on display $DISPLAY" >&2
wine "$bench_dir/kelvoro_bench.exe" "$(winepath -w "$program")" \
  "$(winepath -w "$bench_dir/bare_window.exe")" "$runs" \
  "$(winepath -w "$bench_dir/bare_window_cc.exe")" | tr -d '\r' >"$results.new"
mv "$results.new" "$results"
cat "$results"
echo "bench: written to ${results#"$KELVORO_ROOT"/}" >&2
