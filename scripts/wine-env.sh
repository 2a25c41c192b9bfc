# shellcheck shell=bash
# Sourced by the other scripts: a quiet 32-bit Wine confined to prefixes under build/wine, and a
# helper that gives a headless run an X display of its own.
#
#   source scripts/wine-env.sh
#   use_wine_prefix "$KELVORO_WINE_ROOT/run"   # selects (does not create) a prefix
#   ensure_display                             # starts Xvfb when $DISPLAY is unset

KELVORO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KELVORO_WINE_ROOT="$KELVORO_ROOT/build/wine"
KELVORO_TEMPLATE_PREFIX="$KELVORO_WINE_ROOT/template"
KELVORO_DIST_DIR="$KELVORO_ROOT/build/win32/dist"

export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer dialogs on first boot: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX=${WINEPREFIX:-$KELVORO_TEMPLATE_PREFIX}

use_wine_prefix() {
  WINEPREFIX=$(realpath -m "$1")
  export WINEPREFIX
}

# Copies the template prefix to a new prefix at $1 (replacing what was there) and selects it.
fresh_wine_prefix() {
  local dest
  dest=$(realpath -m "$1")
  if [ -d "$dest" ]; then
    WINEPREFIX="$dest" wineserver -k 2>/dev/null || true
    rm -rf "$dest"
  fi
  cp -a "$KELVORO_TEMPLATE_PREFIX" "$dest"
  use_wine_prefix "$dest"
}

KELVORO_XVFB_PID=""

# Starts Xvfb on the first free display number when no display is set, and exports DISPLAY.
# stop_display ends that Xvfb (and only that one).
ensure_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n
  for n in $(seq 90 130); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    KELVORO_XVFB_PID=$!
    local i
    for i in $(seq 1 100); do
      if [ -e "/tmp/.X11-unix/X$n" ] && xdpyinfo -display ":$n" >/dev/null 2>&1; then
        export DISPLAY=":$n"
        return 0
      fi
      kill -0 "$KELVORO_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$KELVORO_XVFB_PID" 2>/dev/null || true
    KELVORO_XVFB_PID=""
  done
  echo "error: could not start Xvfb" >&2
  return 1
}

stop_display() {
  if [ -n "$KELVORO_XVFB_PID" ]; then
    kill "$KELVORO_XVFB_PID" 2>/dev/null || true
    wait "$KELVORO_XVFB_PID" 2>/dev/null || true
    KELVORO_XVFB_PID=""
    unset DISPLAY
  fi
}
