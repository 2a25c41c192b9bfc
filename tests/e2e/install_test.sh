#!/usr/bin/env bash
# End-to-end check of one build's setup program and its uninstaller under Wine.
#
#   tests/e2e/install_test.sh win32|win64
#
# Takes the build's setup from build/package (Kelvoro-2.1-setup.exe for win32,
# Kelvoro-2.1-x64-setup.exe for win64; scripts/package.sh makes them, or KELVORO_SETUP names
# another), then, in a scratch prefix of the build's bitness (build/wine/install-test-<build>),
# runs three rounds of silent install, an Apply as the program makes it, and silent uninstall:
#   A  NT family, sound ticked: everything the program wrote goes back to stock; files, shortcut,
#      Add/Remove entry and settings key go away.
#   B  the user's own choices (an icon elsewhere, an own name, an own sound) stay; the 9x-family
#      class under HKLM is restored; the maker's key stays while it holds another product.
#   C  a chosen install folder, the unexpanded "%SystemRoot%" sound path and no stock sound:
#      the current sound is cleared rather than left naming a deleted file.
#   D  another account whose registry is loaded (a key under HKEY_USERS) applied Kelvoro: its
#      Recycle Bin and sound go back to stock too; its settings key stays.
# Round A also checks that the setup, the installed program and the installed uninstaller carry
# signatures that verify against the certificate that signed them (build/package-signing/
# signing-cert.pem from scripts/package.sh, or KELVORO_SIGN_CAFILE).
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

passed=0
failed=0
pass() { passed=$((passed + 1)); echo "PASS: $1"; }
fail() { failed=$((failed + 1)); echo "FAIL: $1${2:+ ($2)}"; }

# expect DESCRIPTION ACTUAL EXPECTED
expect() {
  if [ "$2" = "$3" ]; then pass "$1"; else fail "$1" "got '$2', want '$3'"; fi
}
expect_file() { if [ -f "$2" ]; then pass "$1"; else fail "$1" "missing $2"; fi; }
expect_no_file() { if [ -e "$2" ]; then fail "$1" "still there: $2"; else pass "$1"; fi; }
expect_signed() { # DESCRIPTION FILE
  local out
  if out=$(osslsigncode verify -CAfile "$cafile" -in "$2" 2>&1); then pass "$1"
  else fail "$1" "$(grep -m1 -iE 'error|fail|no signature' <<<"$out")"; fi
}

finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
  exit $?
}

# ---------------------------------------------------------------------------------------------
# Registry helpers (through Wine's reg.exe)

# reg_get KEY [NAME]: prints "TYPE|DATA" of the value (the default value without NAME);
# returns 1 when the key or the value is missing. Reads the whole key, since "reg query /ve"
# does not tell a missing default value from an empty one.
reg_get() {
  local key=$1 name=${2:-(Default)} out line rest type data
  out=$(wine reg query "$key" 2>/dev/null | tr -d '\r') || return 1
  while IFS= read -r line; do
    case $line in
      "    $name    REG_"*)
        rest=${line#"    $name    "}
        type=${rest%%    *}
        data=${rest#"$type"}
        data=${data#    }
        printf '%s|%s\n' "$type" "$data"
        return 0
        ;;
    esac
  done <<<"$out"
  return 1
}

reg_or_missing() { reg_get "$@" || echo "<missing>"; }

# reg_set KEY NAME(''=default) TYPE DATA
reg_set() {
  local target=(/ve)
  [ -n "$2" ] && target=(/v "$2")
  wine reg add "$1" "${target[@]}" /t "$3" /d "$4" /f >/dev/null 2>&1 ||
    { echo "error: reg add $1 [$2] failed" >&2; return 1; }
}

reg_key_exists() { wine reg query "$1" >/dev/null 2>&1; }

CLSID='{645FF040-5081-101B-9F08-00AA002F954E}'
BIN_NT_KEY="Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\$CLSID"
BIN_NT="HKCU\\$BIN_NT_KEY"
BIN_9X="HKLM\\Software\\CLASSES\\CLSID\\$CLSID"
SOUND_KEY="AppEvents\\Schemes\\Apps\\Explorer\\EmptyRecycleBin"
SOUND="HKCU\\$SOUND_KEY"
ARP='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kelvoro 2.1'
SETTINGS_KEY="Software\\Orvane's Software\\Kelvoro\\2.1"
VENDOR="HKCU\\Software\\Orvane's Software"
SETTINGS="HKCU\\$SETTINGS_KEY"
STOCK_EMPTY='%SystemRoot%\System32\shell32.dll,31'
STOCK_FULL='%SystemRoot%\System32\shell32.dll,32'
STOCK_SOUND='%SystemRoot%\media\Windows Recycle.wav'

# The stock Recycle Bin and sound scheme, as a fresh Windows has them.
seed_stock() { wine regedit /S "$(winepath -w "$root/scripts/stock-windows.reg")"; }

# apply_icons ROOTKEY FOLDER: the icons and name that Apply writes for one family.
apply_icons() {
  reg_set "$1\\DefaultIcon" "" REG_SZ "$2\\black.ico,0"
  reg_set "$1\\DefaultIcon" Empty REG_SZ "$2\\black.ico,0"
  reg_set "$1\\DefaultIcon" Full REG_SZ "$2\\white.ico,0"
  reg_set "$1" "" REG_SZ "Kelvoro"
}

# expect_stock_bin LABEL ROOTKEY
expect_stock_bin() {
  expect "$1: DefaultIcon default value is stock" "$(reg_or_missing "$2\\DefaultIcon")" "REG_SZ|$STOCK_EMPTY"
  expect "$1: DefaultIcon Empty is stock" "$(reg_or_missing "$2\\DefaultIcon" Empty)" "REG_SZ|$STOCK_EMPTY"
  expect "$1: DefaultIcon Full is stock" "$(reg_or_missing "$2\\DefaultIcon" Full)" "REG_SZ|$STOCK_FULL"
  expect "$1: display name is stock" "$(reg_or_missing "$2")" "REG_SZ|Recycle Bin"
}

# ---------------------------------------------------------------------------------------------
# Setup, run, paths

unix_path() { winepath -u "$1"; }

windir_unix() { echo "$WINEPREFIX/drive_c/windows"; }

shortcut_unix() {
  # All-users Start menu ("SetShellVarContext all").
  find "$WINEPREFIX/drive_c" -ipath '*/start menu/programs/kelvoro 2.1.lnk' 2>/dev/null | head -n 1
}

run_quiet() {
  # wine returns once the started program has ended; wineserver -w waits for anything it
  # spawned (the uninstaller runs from a copy in the temporary folder) to end as well.
  local rc
  wine_within 180 "$@" >/dev/null 2>&1
  rc=$?
  timeout 180 wineserver -w
  return $rc
}

install_silently() { # [/D=folder]
  # A copy at C:\ gives a path without blanks for cmd below.
  cp "$setup" "$WINEPREFIX/drive_c/Kelvoro-2.1-setup.exe"
  if [ $# -gt 0 ]; then
    # The setup program reads /D= raw, to the end of its command line, and must not see it
    # quoted, which wine would do to an argument with a blank: let cmd hand the line on as is.
    run_quiet cmd /c "C:\Kelvoro-2.1-setup.exe /S $1"
  else
    run_quiet 'C:\Kelvoro-2.1-setup.exe' /S
  fi
  local rc=$?
  rm -f "$WINEPREFIX/drive_c/Kelvoro-2.1-setup.exe"
  return $rc
}

uninstall_silently() { # INSTDIR (Windows form)
  run_quiet "$1\\uninstall.exe" /S
}

installed_folder() { reg_get "$ARP" InstallLocation | cut -d'|' -f2-; }

expect_installed() { # LABEL INSTDIR(Windows form)
  local dir wav lnk
  dir=$(unix_path "$2")
  wav="$(windir_unix)/media/dravik.wav"
  expect_file "$1: program installed" "$dir/Kelvoro 2.1.exe"
  expect_file "$1: black.ico installed" "$dir/black.ico"
  expect_file "$1: white.ico installed" "$dir/white.ico"
  expect_file "$1: uninstaller written" "$dir/uninstall.exe"
  expect_file "$1: dravik.wav in the Windows media folder" "$wav"
  lnk=$(shortcut_unix)
  if [ -n "$lnk" ]; then pass "$1: Start menu shortcut"; else fail "$1: Start menu shortcut" "no Kelvoro 2.1.lnk"; fi
}

expect_removed() { # LABEL INSTDIR(Windows form) INSTDIR(unix)
  local dir=$3
  expect_no_file "$1: program removed" "$dir/Kelvoro 2.1.exe"
  expect_no_file "$1: black.ico removed" "$dir/black.ico"
  expect_no_file "$1: white.ico removed" "$dir/white.ico"
  expect_no_file "$1: uninstaller removed" "$dir/uninstall.exe"
  expect_no_file "$1: install folder removed" "$dir"
  expect_no_file "$1: dravik.wav removed" "$(windir_unix)/media/dravik.wav"
  if [ -z "$(shortcut_unix)" ]; then pass "$1: shortcut removed"; else fail "$1: shortcut removed" "$(shortcut_unix)"; fi
  if reg_key_exists "$ARP"; then fail "$1: Add/Remove entry removed"; else pass "$1: Add/Remove entry removed"; fi
  if reg_key_exists "$VENDOR\\Kelvoro"; then fail "$1: settings key removed"; else pass "$1: settings key removed"; fi
}

prepare_prefix() {
  bash "$root/scripts/make-prefix.sh" "$build" >/dev/null || return 1
  fresh_wine_prefix "$prefix"
}

# ---------------------------------------------------------------------------------------------

[ -f "$setup" ] || { fail "setup program exists" "$setup (run scripts/package.sh)"; finish; }
setup=$(cd "$(dirname "$setup")" && pwd)/$(basename "$setup")

ensure_display || { fail "X display for Wine"; finish; }
echo "== preparing the Wine prefix $prefix"
prepare_prefix || { fail "Wine prefix for $build"; finish; }
windows_dir=$(unix_path 'C:\windows')
[ -d "$windows_dir" ] || { fail "Wine prefix is usable"; finish; }

# ---- Round A: install, Apply on the NT family with the sound ticked, uninstall --------------
echo "== round A: default folder, Apply (NT family, sound ticked), uninstall"
seed_stock
install_silently; rc=$?
expect "A: setup /S exits 0" "$rc" 0
instdir=$(installed_folder)
expect "A: default install folder" "$instdir" 'C:\Program Files\Kelvoro 2.1'
[ -n "$instdir" ] || instdir='C:\Program Files\Kelvoro 2.1'
instdir_unix=$(unix_path "$instdir")
expect_installed A "$instdir"
expect_signed "A: the setup is signed" "$setup"
expect_signed "A: the installed program is signed" "$instdir_unix/Kelvoro 2.1.exe"
expect_signed "A: the installed uninstaller is signed" "$instdir_unix/uninstall.exe"

expect "A: ARP DisplayName" "$(reg_or_missing "$ARP" DisplayName)" "REG_SZ|Kelvoro 2.1"
expect "A: ARP DisplayVersion" "$(reg_or_missing "$ARP" DisplayVersion)" "REG_SZ|2.01"
expect "A: ARP Publisher" "$(reg_or_missing "$ARP" Publisher)" "REG_SZ|Orvane's Software"
expect "A: ARP DisplayIcon" "$(reg_or_missing "$ARP" DisplayIcon)" "REG_SZ|$instdir\\Kelvoro 2.1.exe"
expect "A: ARP UninstallString" "$(reg_or_missing "$ARP" UninstallString)" "REG_SZ|\"$instdir\\uninstall.exe\""
expect "A: ARP QuietUninstallString" "$(reg_or_missing "$ARP" QuietUninstallString)" "REG_SZ|\"$instdir\\uninstall.exe\" /S"
expect "A: ARP NoModify" "$(reg_or_missing "$ARP" NoModify)" "REG_DWORD|0x1"
expect "A: ARP NoRepair" "$(reg_or_missing "$ARP" NoRepair)" "REG_DWORD|0x1"
size_kb=$(reg_get "$ARP" EstimatedSize | cut -d'|' -f2)
want_bytes=$(cat "$instdir_unix"/* "$(windir_unix)/media/dravik.wav" 2>/dev/null | wc -c)
want_kb=$(((want_bytes + 1023) / 1024))
expect "A: ARP EstimatedSize is the installed files in KB" "$((size_kb))" "$want_kb"

# The installed program itself, started from the install folder: the end-to-end driver ticks the
# sound box and clicks Apply on the NT family, then closes it, leaving what Apply wrote.
driver="$KELVORO_BUILD_DIR/e2e/kelvoro_e2e.exe"
if [ -f "$driver" ]; then
  wine_within 300 "$driver" "$instdir\\Kelvoro 2.1.exe" \
    --gtest_filter='Families/SoundTest.ApplyTickedPointsSoundAtReplacement/win10' >/dev/null 2>&1
  expect "A: the installed program ran Apply" "$?" 0
else
  fail "A: the installed program ran Apply" "no driver at $driver (build the $build preset first)"
fi
expect "A: Apply wrote the program folder's icon" "$(reg_or_missing "$BIN_NT\\DefaultIcon")" "REG_SZ|$instdir\\black.ico,0"
expect "A: Apply wrote the display name" "$(reg_or_missing "$BIN_NT")" "REG_SZ|Kelvoro"
expect "A: Apply pointed the sound at the installed wave" "$(reg_or_missing "$SOUND\\.Current")" 'REG_EXPAND_SZ|C:\windows\media\dravik.wav'
expect "A: Apply stored the sound status" "$(reg_or_missing "$SETTINGS" Voicestat)" "REG_DWORD|0x1"

uninstall_silently "$instdir"; rc=$?
expect "A: uninstall /S exits 0" "$rc" 0
expect_stock_bin "A: HKCU" "$BIN_NT"
expect_stock_bin "A: HKLM (untouched)" "$BIN_9X"
expect "A: Empty Recycle Bin sound is the stock sound" "$(reg_or_missing "$SOUND\\.Current")" "REG_EXPAND_SZ|$STOCK_SOUND"
expect_removed A "$instdir" "$instdir_unix"
if reg_key_exists "$VENDOR"; then fail "A: empty maker key removed"; else pass "A: empty maker key removed"; fi

# ---- Round B: the user's own choices stay; the 9x-family class is restored -------------------
echo "== round B: own icon, name and sound kept; HKLM class restored"
seed_stock
install_silently; rc=$?
expect "B: setup /S exits 0" "$rc" 0
instdir=$(installed_folder)
[ -n "$instdir" ] || instdir='C:\Program Files\Kelvoro 2.1'
instdir_unix=$(unix_path "$instdir")
upper=$(tr '[:lower:]' '[:upper:]' <<<"$instdir")

apply_icons "$BIN_NT" "$upper"   # same folder, other letter case
reg_set "$BIN_NT\\DefaultIcon" Full REG_SZ 'C:\Icons\mine.ico,0'
reg_set "$BIN_NT" "" REG_SZ "My Bin"
apply_icons "$BIN_9X" "$instdir"
reg_set "$SOUND\\.Current" "" REG_EXPAND_SZ 'C:\Sounds\mine.wav'
reg_set "$SETTINGS" Voicestat REG_DWORD 0
reg_set "$VENDOR\\Other" Setting REG_SZ keep

uninstall_silently "$instdir"; rc=$?
expect "B: uninstall /S exits 0" "$rc" 0
expect "B: HKCU icon in the install folder (other case) restored" "$(reg_or_missing "$BIN_NT\\DefaultIcon")" "REG_SZ|$STOCK_EMPTY"
expect "B: HKCU Empty in the install folder restored" "$(reg_or_missing "$BIN_NT\\DefaultIcon" Empty)" "REG_SZ|$STOCK_EMPTY"
expect "B: HKCU Full pointing elsewhere left alone" "$(reg_or_missing "$BIN_NT\\DefaultIcon" Full)" 'REG_SZ|C:\Icons\mine.ico,0'
expect "B: own display name left alone" "$(reg_or_missing "$BIN_NT")" "REG_SZ|My Bin"
expect_stock_bin "B: HKLM" "$BIN_9X"
expect "B: own sound left alone" "$(reg_or_missing "$SOUND\\.Current")" 'REG_EXPAND_SZ|C:\Sounds\mine.wav'
expect_removed B "$instdir" "$instdir_unix"
expect "B: maker key with another product kept" "$(reg_or_missing "$VENDOR\\Other" Setting)" "REG_SZ|keep"
wine reg delete "$VENDOR" /f >/dev/null 2>&1

# ---- Round C: chosen folder, unexpanded sound path, no stock sound ---------------------------
echo "== round C: chosen folder, %SystemRoot% sound path, no stock sound"
seed_stock
wine reg delete "$SOUND\\.Default" /ve /f >/dev/null 2>&1
install_silently '/D=C:\Tools\Kelvoro Test'; rc=$?
expect "C: setup /S /D= exits 0" "$rc" 0
instdir=$(installed_folder)
expect "C: chosen install folder" "$instdir" 'C:\Tools\Kelvoro Test'
[ -n "$instdir" ] || instdir='C:\Tools\Kelvoro Test'
instdir_unix=$(unix_path "$instdir")
expect_installed C "$instdir"

apply_icons "$BIN_NT" "$instdir"
reg_set "$SOUND\\.Current" "" REG_EXPAND_SZ '%SystemRoot%\media\dravik.wav'
reg_set "$SETTINGS" Voicestat REG_DWORD 1

uninstall_silently "$instdir"; rc=$?
expect "C: uninstall /S exits 0" "$rc" 0
expect_stock_bin "C: HKCU" "$BIN_NT"
expect "C: sound naming the removed file is cleared" "$(reg_or_missing "$SOUND\\.Current")" "<missing>"
if reg_key_exists "$SOUND\\.Current"; then pass "C: .Current key itself kept"; else fail "C: .Current key itself kept"; fi
expect_removed C "$instdir" "$instdir_unix"

# ---- Round D: another signed-in account applied Kelvoro ------------------------------------
echo "== round D: another loaded account (HKEY_USERS) applied Kelvoro"
seed_stock
install_silently '/D=C:\KelvoroD'; rc=$?
expect "D: setup /S /D= exits 0" "$rc" 0
instdir='C:\KelvoroD'
instdir_unix=$(unix_path "$instdir")
# Wine keeps a key made under HKEY_USERS only while its wineserver runs: keep that one running,
# and start the uninstaller as the uninstaller starts itself, from a copy outside the install
# folder given the folder with _?=, so that wine waits for it.
wineserver -p
other='HKU\S-1-5-21-1-2-3-1001'
other_bin="$other\\$BIN_NT_KEY"
other_sound="$other\\$SOUND_KEY"
other_settings="$other\\$SETTINGS_KEY"
apply_icons "$other_bin" "$instdir"
reg_set "$other_sound\.Default" "" REG_EXPAND_SZ "$STOCK_SOUND"
reg_set "$other_sound\.Current" "" REG_EXPAND_SZ '%SystemRoot%\media\dravik.wav'
reg_set "$other_settings" Voicestat REG_DWORD 1
cp "$instdir_unix/uninstall.exe" "$WINEPREFIX/drive_c/Au_.exe"
wine_within 180 'C:\Au_.exe' /S "_?=$instdir" >/dev/null 2>&1; rc=$?
rm -f "$WINEPREFIX/drive_c/Au_.exe"
expect "D: uninstall /S exits 0" "$rc" 0
expect_stock_bin "D: other account" "$other_bin"
expect "D: other account's sound is the stock sound" "$(reg_or_missing "$other_sound\.Current")" "REG_EXPAND_SZ|$STOCK_SOUND"
expect "D: other account's settings kept" "$(reg_or_missing "$other_settings" Voicestat)" "REG_DWORD|0x1"
expect_stock_bin "D: this account (untouched)" "$BIN_NT"
expect_removed D "$instdir" "$instdir_unix"
wineserver -k

finish
