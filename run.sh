#!/usr/bin/env bash
# Builds both Windows builds of "Kelvoro 2.1.exe" and runs the one this host can run under Wine
# (the 32-bit one where the kernel runs 32-bit code, else the 64-bit one), in a new copy of that
# build's template prefix. With a display ($DISPLAY set) the program runs in the foreground until
# you close it. Without one it runs on a private Xvfb, a screenshot is saved to
# build/screenshot.png, and the program is closed again. KELVORO_NO_32BIT=1 runs the 64-bit build
# as on a host without 32-bit support. KELVORO_SCALE=<per cent> (125, 150, 200, ...) runs it at
# that display scale; without a display the screenshot then shows the window alone, in
# build/screenshot-<per cent>.png. KELVORO_LANG=<language> (en, or a catalogue's name in res/lang:
# de, pt_BR, sr_Latn, ...) runs it in that display language; the screenshot, of the window alone, is
# build/screenshot-<language>[-<per cent>].png.
set -euo pipefail
cd "$(dirname "$0")"

source scripts/wine-env.sh
# On failure, one line that says which step failed.
step=""
report_failure() {
  if [ "$KELVORO_EXIT_STATUS" -ne 0 ] && [ -n "$step" ]; then
    echo "run: failed while $step (exit status $KELVORO_EXIT_STATUS); the lines above say more" >&2
  fi
}
on_exit report_failure

step="installing the packages it needs"
bash scripts/deps.sh
for build in win32 win64; do
  step="configuring the $build build"
  cmake --preset "$build" >/dev/null
  step="building the $build build"
  cmake --build --preset "$build" --parallel "$(nproc)"
done

read -r build _ <<<"$(runnable_builds)"
use_build "$build"
if [ "$build" = win32 ]; then
  echo "run: this host runs 32-bit code: starting the 32-bit build"
else
  echo "run: starting the 64-bit build: $(kelvoro_no_32bit_reason)"
fi
step="preparing the $(build_description "$build") Wine prefix"
bash scripts/make-prefix.sh "$build"
fresh_wine_prefix "$KELVORO_WINE_ROOT/run"
exe="$KELVORO_DIST_DIR/Kelvoro 2.1.exe"
scale=${KELVORO_SCALE:-}
if [ -n "$scale" ]; then
  step="setting the display scale to $scale %"
  [[ $scale =~ ^[1-9][0-9]*$ ]] || { echo "run: KELVORO_SCALE must be a whole per cent" >&2; exit 2; }
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $((96 * scale / 100)) /f >/dev/null
  wineserver -w
fi

language=${KELVORO_LANG:-}
if [ -n "$language" ]; then
  step="choosing the display language $language"
  if [ "$language" != en ] && [ ! -f "res/lang/$language.po" ]; then
    echo "run: KELVORO_LANG must be en or the name of a catalogue in res/lang" >&2
    exit 2
  fi
  case $language in
    en) locale=en_US.UTF-8 ;;
    ar) locale=ar_SA.UTF-8 ;;
    cs) locale=cs_CZ.UTF-8 ;;
    da) locale=da_DK.UTF-8 ;;
    el) locale=el_GR.UTF-8 ;;
    he) locale=he_IL.UTF-8 ;;
    ja) locale=ja_JP.UTF-8 ;;
    ko) locale=ko_KR.UTF-8 ;;
    sl) locale=sl_SI.UTF-8 ;;
    sr_Latn) locale=sr_RS.UTF-8@latin ;;
    sv) locale=sv_SE.UTF-8 ;;
    uk) locale=uk_UA.UTF-8 ;;
    *_*) locale=$language.UTF-8 ;;
    *) locale=${language}_${language^^}.UTF-8 ;;
  esac
  # Wine takes the display language from the locale (one that scripts/deps.sh has generated).
  export LANG=$locale LC_ALL=$locale
fi

if [ -n "${DISPLAY:-}" ]; then
  echo "run: starting $exe on $DISPLAY"
  step="running the program"
  wine "$exe"
  step=""
  exit 0
fi

screenshot="$KELVORO_ROOT/build/screenshot${language:+-$language}${scale:+-$scale}.png"
step="starting Xvfb"
ensure_display

echo "run: no display; starting $exe on Xvfb $DISPLAY"
wine "$exe" >/dev/null 2>&1 &

# Wine names each X window after its program; the first start in a new prefix can be slow.
step="waiting for the program's window"
window=""
for _ in $(seq 1 600); do
  window=$(xdotool search --onlyvisible --classname 'kelvoro 2.1.exe' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "run: the program's window did not appear within 60 s" >&2
  step=""
  exit 1
fi
xwininfo -id "$window" | sed -n 's/^  *\(Width\|Height\|Absolute upper-left [XY]\):/run: window \1:/p'
sleep 1 # let it finish painting
step="taking the screenshot"
if [ -n "$scale$language" ]; then
  import -window "$window" "$screenshot"
else
  import -window root "$screenshot"
fi
step=""
echo "run: screenshot of the $(build_description "$build") build saved to $screenshot"
