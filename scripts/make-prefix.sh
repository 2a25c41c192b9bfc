#!/usr/bin/env bash
# Boots the template Wine prefix of one build (build/wine/template-win32 or template-win64) once
# and seeds it with the stock registry values of scripts/stock-windows.reg. Later calls return at
# once while the template is current. Runs and tests never use a template itself: they work on
# copies (fresh_wine_prefix).
#
#   scripts/make-prefix.sh win64
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
use_build "${1:?usage: make-prefix.sh win32|win64}"

seed="$KELVORO_ROOT/scripts/stock-windows.reg"
stamp="$KELVORO_TEMPLATE_PREFIX/.kelvoro-template"
want=$(cat "$seed" "$0" | sha256sum | cut -d' ' -f1)

if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$want" ]; then
  exit 0
fi

echo "make-prefix: booting the $(build_description "$KELVORO_BUILD") template Wine prefix (once; about a minute)"
started=$SECONDS
building="$KELVORO_TEMPLATE_PREFIX.new"
mkdir -p "$KELVORO_WINE_ROOT"
if [ -d "$building" ]; then
  WINEPREFIX="$building" wineserver -k 2>/dev/null || true
  rm -rf "$building"
fi
use_wine_prefix "$building"
ensure_display

if ! boot_log=$(wine wineboot --init 2>&1); then
  echo "make-prefix: Wine could not boot a $KELVORO_BUILD prefix: $(tail -n 1 <<<"$boot_log")" >&2
  exit 1
fi
wineserver -w
wine regedit /S "$(winepath -w "$seed")"
wineserver -w

# Proves that the import landed before the template is published.
check=$(wine reg query 'HKCU\AppEvents\Schemes\Apps\Explorer\EmptyRecycleBin\.Default' 2>/dev/null | tr -d '\r')
if ! grep -q 'REG_EXPAND_SZ.*%SystemRoot%\\media\\Windows Recycle.wav' <<<"$check"; then
  echo "make-prefix: the stock sound scheme did not reach the registry:" >&2
  printf '%s\n' "$check" >&2
  exit 1
fi
wineserver -w

printf '%s\n' "$want" >"$building/.kelvoro-template"
if [ -d "$KELVORO_TEMPLATE_PREFIX" ]; then
  WINEPREFIX="$KELVORO_TEMPLATE_PREFIX" wineserver -k 2>/dev/null || true
  rm -rf "$KELVORO_TEMPLATE_PREFIX"
fi
mv "$building" "$KELVORO_TEMPLATE_PREFIX"
echo "make-prefix: template ready in $((SECONDS - started)) s"
