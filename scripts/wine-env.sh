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
# Never the user's own prefix: scripts select theirs with use_wine_prefix or fresh_wine_prefix.
export WINEPREFIX="$KELVORO_TEMPLATE_PREFIX"

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

# Starts Xvfb on a free display when no display is set, and exports DISPLAY. Xvfb picks the
# number itself (-displayfd), so runs side by side never race for one. stop_display ends that
# Xvfb, and only that one.
ensure_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local number_file n=""
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  KELVORO_XVFB_PID=$!
  for _ in $(seq 1 100); do
    n=$(tr -dc '0-9' <"$number_file")
    [ -n "$n" ] && break
    kill -0 "$KELVORO_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$number_file"
  if [ -z "$n" ]; then
    echo "error: could not start Xvfb" >&2
    stop_display
    return 1
  fi
  export DISPLAY=":$n"
}

stop_display() {
  if [ -n "$KELVORO_XVFB_PID" ]; then
    kill "$KELVORO_XVFB_PID" 2>/dev/null || true
    wait "$KELVORO_XVFB_PID" 2>/dev/null || true
    KELVORO_XVFB_PID=""
    unset DISPLAY
  fi
}
