#!/usr/bin/env bash
# Boots the template Wine prefix (build/wine/template) once and seeds it with the stock registry
# values of scripts/stock-windows.reg. Later calls return at once while the template is current.
# Runs and tests never use the template itself: they work on copies (fresh_wine_prefix).
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

seed="$KELVORO_ROOT/scripts/stock-windows.reg"
stamp="$KELVORO_TEMPLATE_PREFIX/.kelvoro-template"
want=$(cat "$seed" "$0" | sha256sum | cut -d' ' -f1)

if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$want" ]; then
  exit 0
fi

echo "make-prefix: booting the template Wine prefix (once; about a minute)"
started=$SECONDS
building="$KELVORO_WINE_ROOT/template.new"
mkdir -p "$KELVORO_WINE_ROOT"
if [ -d "$building" ]; then
  WINEPREFIX="$building" wineserver -k 2>/dev/null || true
  rm -rf "$building"
fi
use_wine_prefix "$building"

ensure_display
trap 'wineserver -k 2>/dev/null || true; stop_display' EXIT

wineboot --init >/dev/null 2>&1
wineserver -w
wine regedit /S "$(winepath -w "$seed" 2>/dev/null)"
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
