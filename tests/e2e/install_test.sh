#!/usr/bin/env bash
# End-to-end check of one build's setup program and its uninstaller under Wine.
#
#   tests/e2e/install_test.sh win32|win64
#
# Takes the build's setup from build/package (Kelvoro-2.1-setup.exe for win32,
# Kelvoro-2.1-x64-setup.exe for win64; scripts/package.sh makes them, or KELVORO_SETUP names
# another), then, in a scratch prefix of the build's bitness (build/wine/install-test-<build>),
# runs three rounds of silent install, Apply and silent uninstall:
#   A  default folder; the installed program itself runs Apply (NT family, sound ticked); the
#      setup, program and uninstaller are signed; the Add/Remove entry; afterwards everything
#      goes back to stock and every file, the shortcut, the entry and the settings go away.
#   B  the user's own choices (an icon elsewhere, an own name, an own sound) stay; values in the
#      install folder written in other letter case and the 9x-family class under HKLM are
#      restored; the maker's key stays while it holds another product.
#   C  a chosen folder; the unexpanded "%SystemRoot%" sound path with no stock sound is cleared
#      rather than left naming a deleted file; another signed-in account (a loaded hive under
#      HKEY_USERS) gets its Recycle Bin and sound back too and keeps its settings.
# Prints PASS/FAIL per check and "N passed, M failed"; exits non-zero on any failure.
set -uo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=../../scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
build=${1:?usage: install_test.sh win32|win64}
use_build "$build" || exit 2

prefix="$KELVORO_WINE_ROOT/install-test-$build"
declare -A setup_names=([win32]=Kelvoro-2.1-setup.exe [win64]=Kelvoro-2.1-x64-setup.exe)
setup=${KELVORO_SETUP:-$root/build/package/${setup_names[$build]}}
cafile=${KELVORO_SIGN_CAFILE:-$root/build/package-signing/signing-cert.pem}

# shellcheck source=../checks.sh
source "$root/tests/checks.sh"

# ---- Registry, through Wine's reg.exe

# reg_get KEY [NAME]: "TYPE|DATA" of the value (the default value without NAME), or "<missing>".
# Reads the whole key: "reg query /ve" does not tell a missing default value from an empty one.
reg_get() {
  local name=${2:-(Default)} line rest type
  while IFS= read -r line; do
    case $line in
      "    $name    REG_"*)
        rest=${line#"    $name    "}
        type=${rest%%    *}
        rest=${rest#"$type"}
        printf '%s|%s\n' "$type" "${rest#    }"
        return 0
        ;;
    esac
  done < <(wine reg query "$1" 2>/dev/null | tr -d '\r')
  echo "<missing>"
}
reg_set() { # KEY NAME(''=default) TYPE DATA
  local target=(/ve)
  [ -n "$2" ] && target=(/v "$2")
  wine reg add "$1" "${target[@]}" /t "$3" /d "$4" /f >/dev/null 2>&1 || echo "error: reg add $1 [$2]" >&2
}
reg_key_exists() { wine reg query "$1" >/dev/null 2>&1; }
reg_key_missing() { ! reg_key_exists "$1"; }
seed_stock() { wine regedit /S "$(winepath -w "$root/scripts/stock-windows.reg")"; }

BIN_KEY='Software\Microsoft\Windows\CurrentVersion\Explorer\CLSID\{645FF040-5081-101B-9F08-00AA002F954E}'
BIN_NT="HKCU\\$BIN_KEY"
BIN_9X='HKLM\Software\CLASSES\CLSID\{645FF040-5081-101B-9F08-00AA002F954E}'
SOUND_KEY='AppEvents\Schemes\Apps\Explorer\EmptyRecycleBin'
SOUND="HKCU\\$SOUND_KEY"
ARP='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kelvoro 2.1'
VENDOR="HKCU\\Software\\Orvane's Software"
SETTINGS_KEY="Software\\Orvane's Software\\Kelvoro\\2.1"
STOCK_SOUND='%SystemRoot%\media\Windows Recycle.wav'

apply_icons() { # BINKEY FOLDER: what Apply writes for one family
  reg_set "$1\\DefaultIcon" "" REG_SZ "$2\\black.ico,0"
  reg_set "$1\\DefaultIcon" Empty REG_SZ "$2\\black.ico,0"
  reg_set "$1\\DefaultIcon" Full REG_SZ "$2\\white.ico,0"
  reg_set "$1" "" REG_SZ "Kelvoro"
}
expect_stock_bin() { # LABEL BINKEY
  local value
  for value in "" Empty; do
    expect "$1: DefaultIcon ${value:-default} is stock" "$(reg_get "$2\\DefaultIcon" "$value")" \
      'REG_SZ|%SystemRoot%\System32\shell32.dll,31'
  done
  expect "$1: DefaultIcon Full is stock" "$(reg_get "$2\\DefaultIcon" Full)" \
    'REG_SZ|%SystemRoot%\System32\shell32.dll,32'
  expect "$1: display name is stock" "$(reg_get "$2")" "REG_SZ|Recycle Bin"
}

# ---- Setup and uninstaller

wav_unix() { echo "$WINEPREFIX/drive_c/windows/media/dravik.wav"; }
shortcut_unix() { # all users' Start menu
  find "$WINEPREFIX/drive_c" -ipath '*/start menu/programs/kelvoro 2.1.lnk' 2>/dev/null | head -n 1
}
# Runs a Windows command line through cmd, which hands it on as it is: the setup and the
# uninstaller read /D= and _?= raw to the end of the line and must not see them quoted. Then
# waits for anything it started to end.
run_line() {
  local rc
  wine_within 180 cmd /c "$1" >/dev/null 2>&1
  rc=$?
  [ "${2:-wait}" = wait ] && timeout 180 wineserver -w
  return $rc
}
install_silently() { # [FOLDER]
  cp "$setup" "$WINEPREFIX/drive_c/setup.exe"
  run_line "C:\\setup.exe /S${1:+ /D=$1}"
  expect "$label: setup /S exits 0" "$?" 0
  rm -f "$WINEPREFIX/drive_c/setup.exe"
  instdir=$(reg_get "$ARP" InstallLocation | cut -d'|' -f2-)
  expect "$label: install folder" "$instdir" "${1:-C:\\Program Files\\Kelvoro 2.1}"
  instdir_unix=$(winepath -u "$instdir")
  local f
  for f in "Kelvoro 2.1.exe" black.ico white.ico uninstall.exe; do
    check "$label: $f installed" test -f "$instdir_unix/$f"
  done
  check "$label: dravik.wav in the media folder" test -f "$(wav_unix)"
  check "$label: Start menu shortcut" test -n "$(shortcut_unix)"
}
# The uninstaller as Add/Remove Programs starts it (it then runs from a copy of itself and
# returns at once, so wait for Wine's processes to end); or, with "inplace", as that copy runs:
# told the install folder with _?=, so that Wine returns when it ends and no wait is needed.
uninstall_silently() { # [inplace]
  if [ "${1:-}" = inplace ]; then
    cp "$instdir_unix/uninstall.exe" "$WINEPREFIX/drive_c/Au_.exe"
    run_line "C:\\Au_.exe /S _?=$instdir" nowait
    expect "$label: uninstall /S exits 0" "$?" 0
    rm -f "$WINEPREFIX/drive_c/Au_.exe"
  else
    wine_within 180 "$instdir\\uninstall.exe" /S >/dev/null 2>&1
    expect "$label: uninstall /S exits 0" "$?" 0
    timeout 180 wineserver -w
  fi
  local f
  for f in "$instdir_unix/Kelvoro 2.1.exe" "$instdir_unix/black.ico" "$instdir_unix/white.ico" \
    "$instdir_unix/uninstall.exe" "$instdir_unix" "$(wav_unix)"; do
    check "$label: removed ${f##*/}" test ! -e "$f"
  done
  check "$label: shortcut removed" test -z "$(shortcut_unix)"
  check "$label: Add/Remove entry removed" reg_key_missing "$ARP"
  check "$label: settings key removed" reg_key_missing "$VENDOR\\Kelvoro"
}
expect_signed() { # DESCRIPTION FILE
  check "$1" osslsigncode verify -CAfile "$cafile" -in "$2"
}

# ---------------------------------------------------------------------------------------------

[ -f "$setup" ] || { fail "setup program exists" "$setup (run scripts/package.sh)"; finish; }
setup=$(realpath "$setup")
ensure_display || { fail "X display for Wine"; finish; }
echo "== preparing the Wine prefix $prefix"
bash "$root/scripts/make-prefix.sh" "$build" >/dev/null && fresh_wine_prefix "$prefix" ||
  { fail "Wine prefix for $build"; finish; }

echo "== round A: default folder, the installed program runs Apply, uninstall"
label=A
seed_stock
install_silently
expect_signed "A: the setup is signed" "$setup"
expect_signed "A: the installed program is signed" "$instdir_unix/Kelvoro 2.1.exe"
expect_signed "A: the installed uninstaller is signed" "$instdir_unix/uninstall.exe"
while IFS='=' read -r name want; do
  expect "A: Add/Remove $name" "$(reg_get "$ARP" "$name")" "$want"
done <<EOF
DisplayName=REG_SZ|Kelvoro 2.1
DisplayVersion=REG_SZ|2.01
Publisher=REG_SZ|Orvane's Software
DisplayIcon=REG_SZ|$instdir\\Kelvoro 2.1.exe
UninstallString=REG_SZ|"$instdir\\uninstall.exe"
QuietUninstallString=REG_SZ|"$instdir\\uninstall.exe" /S
NoModify=REG_DWORD|0x1
NoRepair=REG_DWORD|0x1
EOF
size_bytes=$(cat "$instdir_unix"/* "$(wav_unix)" | wc -c)
expect "A: Add/Remove EstimatedSize is the installed files in KB" \
  "$(($(reg_get "$ARP" EstimatedSize | cut -d'|' -f2)))" "$(((size_bytes + 1023) / 1024))"

# The end-to-end driver ticks the sound box of the installed program and clicks Apply (NT
# family), then closes it and leaves what Apply wrote.
wine_within 300 "$KELVORO_BUILD_DIR/e2e/kelvoro_e2e.exe" "$instdir\\Kelvoro 2.1.exe" \
  --gtest_filter=Install.ApplyTickedAndLeaveIt >/dev/null 2>&1
expect "A: the installed program ran Apply" "$?" 0
expect "A: Apply wrote the program folder's icon" "$(reg_get "$BIN_NT\\DefaultIcon")" "REG_SZ|$instdir\\black.ico,0"
expect "A: Apply wrote the display name" "$(reg_get "$BIN_NT")" "REG_SZ|Kelvoro"
expect "A: Apply chose the installed sound" "$(reg_get "$SOUND\\.Current")" 'REG_EXPAND_SZ|C:\windows\media\dravik.wav'
expect "A: Apply stored the sound status" "$(reg_get "HKCU\\$SETTINGS_KEY" Voicestat)" "REG_DWORD|0x1"
uninstall_silently
expect_stock_bin "A: HKCU" "$BIN_NT"
expect_stock_bin "A: HKLM (untouched)" "$BIN_9X"
expect "A: the sound is the stock sound" "$(reg_get "$SOUND\\.Current")" "REG_EXPAND_SZ|$STOCK_SOUND"
check "A: empty maker key removed" reg_key_missing "$VENDOR"

echo "== round B: own icon, name and sound kept; other letter case and the HKLM class restored"
label=B
seed_stock
install_silently
apply_icons "$BIN_NT" "${instdir^^}"
reg_set "$BIN_NT\\DefaultIcon" Full REG_SZ 'C:\Icons\mine.ico,0'
reg_set "$BIN_NT" "" REG_SZ "My Bin"
apply_icons "$BIN_9X" "$instdir"
reg_set "$SOUND\\.Current" "" REG_EXPAND_SZ 'C:\Sounds\mine.wav'
reg_set "$VENDOR\\Other" Setting REG_SZ keep
uninstall_silently
expect "B: icon in the install folder (other case) restored" "$(reg_get "$BIN_NT\\DefaultIcon")" 'REG_SZ|%SystemRoot%\System32\shell32.dll,31'
expect "B: Full pointing elsewhere kept" "$(reg_get "$BIN_NT\\DefaultIcon" Full)" 'REG_SZ|C:\Icons\mine.ico,0'
expect "B: own display name kept" "$(reg_get "$BIN_NT")" "REG_SZ|My Bin"
expect_stock_bin "B: HKLM" "$BIN_9X"
expect "B: own sound kept" "$(reg_get "$SOUND\\.Current")" 'REG_EXPAND_SZ|C:\Sounds\mine.wav'
expect "B: maker key with another product kept" "$(reg_get "$VENDOR\\Other" Setting)" "REG_SZ|keep"
wine reg delete "$VENDOR" /f >/dev/null 2>&1

echo "== round C: chosen folder, %SystemRoot% sound without a stock sound, another account"
label=C
seed_stock
wine reg delete "$SOUND\\.Default" /ve /f >/dev/null 2>&1
install_silently 'C:\Tools\Kelvoro Test'
apply_icons "$BIN_NT" "$instdir"
reg_set "$SOUND\\.Current" "" REG_EXPAND_SZ '%SystemRoot%\media\dravik.wav'
# Wine keeps a key made under HKEY_USERS only while its wineserver runs: keep that one running.
wineserver -p
other='HKU\S-1-5-21-1-2-3-1001'
apply_icons "$other\\$BIN_KEY" "$instdir"
reg_set "$other\\$SOUND_KEY\\.Default" "" REG_EXPAND_SZ "$STOCK_SOUND"
reg_set "$other\\$SOUND_KEY\\.Current" "" REG_EXPAND_SZ '%SystemRoot%\media\dravik.wav'
reg_set "$other\\$SETTINGS_KEY" Voicestat REG_DWORD 1
uninstall_silently inplace
expect_stock_bin "C: HKCU" "$BIN_NT"
expect "C: a sound naming the removed file is cleared" "$(reg_get "$SOUND\\.Current")" "<missing>"
check "C: .Current key itself kept" reg_key_exists "$SOUND\\.Current"
expect_stock_bin "C: other account" "$other\\$BIN_KEY"
expect "C: other account's sound is the stock sound" "$(reg_get "$other\\$SOUND_KEY\\.Current")" "REG_EXPAND_SZ|$STOCK_SOUND"
expect "C: other account's settings kept" "$(reg_get "$other\\$SETTINGS_KEY" Voicestat)" "REG_DWORD|0x1"
wineserver -k

finish
