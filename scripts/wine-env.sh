# shellcheck shell=bash
# Sourced by the other scripts: which builds this host can run, a quiet Wine of the chosen build's
# bitness confined to prefixes under build/wine, an X display for headless runs, and one place
# that collects what must be undone on exit.
#
#   source scripts/wine-env.sh
#   use_build win64                           # or win32: loader, prefix bitness, build folders
#   fresh_wine_prefix "$KELVORO_WINE_ROOT/run" # a new copy of that build's template prefix
#   ensure_display                            # starts Xvfb when $DISPLAY is unset
#   wine reg query 'HKCU\...'                 # always the chosen build's loader
#
# Two kinds of x86-64 host exist: kernels that run 32-bit code, where both builds run, and kernels
# that run none (ia32 emulation off), where 32-bit Wine fails with "Exec format error" and only
# the 64-bit build runs. Where 32-bit Wine runs, a 64-bit prefix is a WoW64 prefix (syswow64,
# Wow6432Node, 32-bit COM servers), as on 64-bit Windows; elsewhere it has no 32-bit side.
# KELVORO_NO_32BIT=1 makes the scripts behave as on the second kind, 64-bit prefixes included:
# they are booted and run by a 64-bit loader that cannot reach the 32-bit one (see
# kelvoro_wine64_without_32bit).

KELVORO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KELVORO_WINE_ROOT="$KELVORO_ROOT/build/wine"
KELVORO_WINE32_LOADER=/usr/lib/wine/wine
KELVORO_WINE64_LOADER=/usr/lib/wine/wine64

export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer dialogs on first boot: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Never the user's own prefix, nor a template: a script selects its prefix explicitly, and Wine
# refuses to start until it has (see wine below).
unset WINEPREFIX

# ---- Cleanup: one exit trap runs every registered command, the last registered first; they see
# the script's exit status in KELVORO_EXIT_STATUS.
KELVORO_CLEANUPS=()
on_exit() {
  KELVORO_CLEANUPS+=("$1")
  trap kelvoro_run_cleanups EXIT
}
kelvoro_run_cleanups() {
  KELVORO_EXIT_STATUS=$?
  local i
  for ((i = ${#KELVORO_CLEANUPS[@]} - 1; i >= 0; i--)); do
    eval "${KELVORO_CLEANUPS[i]}" || true
  done
  KELVORO_CLEANUPS=()
}

# ---- The host and its builds.

# Succeeds when this kernel runs 32-bit code, found by starting the 32-bit Wine loader (not by
# guessing from the processor). Prints nothing; the reason is in kelvoro_no_32bit_reason.
host_runs_32bit() {
  [ "${KELVORO_NO_32BIT:-0}" = 1 ] && return 1
  [ -x "$KELVORO_WINE32_LOADER" ] && "$KELVORO_WINE32_LOADER" --version >/dev/null 2>&1
}

# KELVORO_NO_32BIT=1: a 64-bit Wine loader that cannot start 32-bit code, printed as its path.
# Wine looks for its 32-bit loader beside the 64-bit one, in the folder that the running loader's
# own file lies in, and finds its libraries relative to that folder. A copy of wine64 in a folder
# of its own, beside links to the rest of Wine but to no 32-bit loader, is therefore Wine without
# its 32-bit half: the prefixes it boots get no 32-bit DLLs in syswow64 and no 32-bit COM
# servers, and a 32-bit program does not start, as on a host without 32-bit support.
kelvoro_wine64_without_32bit() {
  local root="$KELVORO_WINE_ROOT/wine64-only"
  local loader="$root/lib/wine/wine64"
  if ! cmp -s "$loader" /usr/lib/wine/wine64; then
    rm -rf "$root"
    mkdir -p "$root/lib/wine" "$root/lib/x86_64-linux-gnu" "$root/share"
    cp /usr/lib/wine/wine64 "$loader"
    ln -s /usr/lib/wine/wineserver "$root/lib/wine/wineserver"
    ln -s /usr/lib/x86_64-linux-gnu/wine "$root/lib/x86_64-linux-gnu/wine"
    ln -s /usr/share/wine "$root/share/wine"
  fi
  echo "$loader"
}

kelvoro_no_32bit_reason() {
  if [ "${KELVORO_NO_32BIT:-0}" = 1 ]; then
    echo "KELVORO_NO_32BIT=1 makes this run behave as on a host without 32-bit support"
  elif [ ! -x "$KELVORO_WINE32_LOADER" ]; then
    echo "32-bit Wine (wine32:i386) is not installed"
  else
    echo "this kernel runs no 32-bit code ($KELVORO_WINE32_LOADER: $("$KELVORO_WINE32_LOADER" --version 2>&1 | tail -n 1 | sed 's/^.*: //'))"
  fi
}

# The builds this host can run, the preferred one first: the 32-bit build runs on every Windows.
runnable_builds() {
  if host_runs_32bit; then echo "win32 win64"; else echo "win64"; fi
}

build_description() {
  case $1 in
    win32) echo "32-bit" ;;
    win64) echo "64-bit" ;;
  esac
}

# Selects a build: its Wine loader and prefix bitness, its output folders and its template prefix.
# Leaves WINEPREFIX unset until a prefix is chosen.
use_build() {
  local flavour=""
  case $1 in
    win32) KELVORO_WINE_LOADER=$KELVORO_WINE32_LOADER ;;
    win64)
      KELVORO_WINE_LOADER=$KELVORO_WINE64_LOADER
      if [ "${KELVORO_NO_32BIT:-0}" = 1 ]; then
        KELVORO_WINE_LOADER=$(kelvoro_wine64_without_32bit)
        flavour=-no32bit # a template of its own: the other one may be a WoW64 prefix
      fi
      ;;
    *)
      echo "error: unknown build '$1' (win32 or win64)" >&2
      return 1
      ;;
  esac
  KELVORO_BUILD=$1
  KELVORO_BUILD_DIR="$KELVORO_ROOT/build/$1"
  KELVORO_DIST_DIR="$KELVORO_BUILD_DIR/dist"
  KELVORO_TEMPLATE_PREFIX="$KELVORO_WINE_ROOT/template-$1$flavour"
  export WINEARCH=$1
  unset WINEPREFIX
}

# Wine of the selected build, in the selected prefix; its own tools (reg, regedit, wineboot,
# winepath) go through it too, since the wrappers in /usr/bin would pick the 32-bit loader.
wine() { wine_within 0 "$@"; }
# wine_within SECONDS ARGS...: the same, ended after SECONDS (0: no limit).
wine_within() {
  if [ -z "${KELVORO_WINE_LOADER:-}" ] || [ -z "${WINEPREFIX:-}" ]; then
    echo "error: no build or Wine prefix selected (use_build, then use_wine_prefix)" >&2
    return 1
  fi
  timeout "$1" "$KELVORO_WINE_LOADER" "${@:2}"
}
winepath() { wine winepath "$@" 2>/dev/null | tr -d '\r'; }

use_wine_prefix() {
  WINEPREFIX=$(realpath -m "$1")
  export WINEPREFIX
  on_exit "WINEPREFIX='$WINEPREFIX' wineserver -k 2>/dev/null"
}

# Copies the selected build's template prefix to a new prefix at $1 (replacing what was there)
# and selects it.
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

# ---- A display of its own for a headless run.

KELVORO_XVFB_PID=""

# Starts Xvfb on a free display when no display is set, and exports DISPLAY. Xvfb picks the
# number itself (-displayfd), so runs side by side never race for one. The Xvfb ends on exit.
ensure_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local number_file n=""
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  KELVORO_XVFB_PID=$!
  on_exit stop_display
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
