#!/usr/bin/env bash
# Builds "Kelvoro 2.1.exe" and runs it under Wine in a new copy of the template prefix.
# With a display ($DISPLAY set) the program runs in the foreground until you close it.
# Without one it runs on a private Xvfb, a screenshot is saved to build/screenshot.png, and the
# program is closed again.
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 --parallel "$(nproc)"
bash scripts/make-prefix.sh

source scripts/wine-env.sh
fresh_wine_prefix "$KELVORO_WINE_ROOT/run"
exe="$KELVORO_DIST_DIR/Kelvoro 2.1.exe"

if [ -n "${DISPLAY:-}" ]; then
  echo "run: starting $exe on $DISPLAY"
  status=0
  wine "$exe" || status=$?
  wineserver -k 2>/dev/null || true
  exit "$status"
fi

screenshot="$KELVORO_ROOT/build/screenshot.png"
ensure_display
cleanup() {
  wineserver -k 2>/dev/null || true
  stop_display
}
trap cleanup EXIT

echo "run: no display; starting $exe on Xvfb $DISPLAY"
wine "$exe" >/dev/null 2>&1 &

# Wine names each X window after its program; the first start in a new prefix can be slow.
window=""
for _ in $(seq 1 600); do
  window=$(xdotool search --onlyvisible --classname 'kelvoro 2.1.exe' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "run: the program's window did not appear within 60 s" >&2
  exit 1
fi
xwininfo -id "$window" | sed -n 's/^  *\(Width\|Height\|Absolute upper-left [XY]\):/run: window \1:/p'
sleep 1 # let it finish painting
import -window root "$screenshot"
echo "run: screenshot saved to $screenshot"
