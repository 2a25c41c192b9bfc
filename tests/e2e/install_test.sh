#!/usr/bin/env bash
# End-to-end check of one build's setup and uninstaller under Wine:
#   tests/e2e/install_test.sh win32|win64
# Takes the build's setup from build/package (KELVORO_SETUP names another) and, in a scratch
# prefix (build/wine/install-test-<build>), runs three rounds of silent install, Apply and silent
# uninstall, each described where it starts. Prints PASS/FAIL lines and "N passed, M failed";
# exits non-zero on any failure.
set -uo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=../../scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
build=${1:?usage: install_test.sh win32|win64}
use_build "$build" || exit 2
# shellcheck source=../checks.sh
source "$root/tests/checks.sh"

x64=$([ "$build" = win32 ] || echo -x64)
setup=${KELVORO_SETUP:-$root/build/package/Kelvoro-2.1$x64-setup.exe}
cafile=${KELVORO_SIGN_CAFILE:-$root/build/package-signing/signing-cert.pem}

# reg_get KEY [NAME]: "TYPE|DATA" of the value (without NAME the default value), "<missing>" or
# "<no key>". Reads the whole key: "reg query /ve" tells no missing default from an empty one.
reg_get() {
  local got
  got=$(wine reg query "$1" 2>/dev/null | tr -d '\r' |
    sed -n "s/^    ${2:-(Default)}    \(REG_[A-Z_]*\)    /\1|/p") || { echo "<no key>"; return; }
  echo "${got:-<missing>}"
}
# Values as lines "KEY|NAME|TYPE|DATA" on stdin (NAME empty: the default value; DATA not empty).
# set_values writes them; expect_values checks them, TYPE|DATA also "<missing>" or "<no key>":
# a FAIL line for each value that differs, else one PASS.
set_values() {
  local key name data
  while IFS='|' read -r key name data; do
    wine reg add "$key" ${name:+/v} "${name:-/ve}" /t "${data%%|*}" /d "${data#*|}" /f >/dev/null
  done
}
expect_values() { # DESCRIPTION
  local key name want got before=$failed
  while IFS='|' read -r key name want; do
    got=$(reg_get "$key" "$name")
    [ "$got" = "$want" ] || fail "$1: $key [${name:-default}]" "got '$got', want '$want'"
  done
  [ "$failed" -gt "$before" ] || pass "$1"
}
BIN_CLSID='{645FF040-5081-101B-9F08-00AA002F954E}'
BIN_KEY="Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\$BIN_CLSID"
BIN_NT="HKCU\\$BIN_KEY"
BIN_9X="HKLM\\Software\\CLASSES\\CLSID\\$BIN_CLSID"
SOUND_KEY='AppEvents\Schemes\Apps\Explorer\EmptyRecycleBin'
SOUND="HKCU\\$SOUND_KEY"
ARP='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kelvoro 2.1'
VENDOR="HKCU\\Software\\Orvane's Software"
SETTINGS_KEY="Software\\Orvane's Software\\Kelvoro\\2.1"
OTHER='HKU\S-1-5-21-1-2-3-1001' # another signed-in account
STOCK_SOUND='%SystemRoot%\media\Windows Recycle.wav'
SHELL32='%SystemRoot%\System32\shell32.dll'
bin_values() { # BINKEY ICON FULL_ICON NAME: the lines of a Recycle Bin's icons and name
  printf '%s\n' "$1\\DefaultIcon||REG_SZ|$2" "$1\\DefaultIcon|Empty|REG_SZ|$2" \
    "$1\\DefaultIcon|Full|REG_SZ|$3" "$1||REG_SZ|$4"
}
stock_bin() { bin_values "$1" "$SHELL32,31" "$SHELL32,32" "Recycle Bin"; } # BINKEY
apply_icons() { bin_values "$1" "$2\\black.ico,0" "$2\\white.ico,0" Kelvoro; } # BINKEY FOLDER
exists() { [ -e "$1" ]; }
gone() { [ ! -e "$1" ]; }
key_gone() { ! wine reg query "$1" >/dev/null 2>&1; }
signed() { osslsigncode verify -CAfile "$cafile" -in "$1"; }
# The setup and the uninstaller read /D= and _?= raw to the end of their command line, which
# must not be quoted: they get it through "cmd /c LINE", which hands LINE on as it is.
install_round() { # LABEL DESCRIPTION [FOLDER]: the stock registry, then a silent install
  label=$1
  echo "== round $1: $2${3:+ (into $3)}"
  wine regedit /S "$(winepath -w "$root/scripts/stock-windows.reg")"
  cp "$setup" "$WINEPREFIX/drive_c/setup.exe"
  wine_within 180 cmd /c "C:\\setup.exe /S${3:+ /D=$3}" >/dev/null 2>&1
  expect "$label: setup /S exits 0" "$?" 0
  timeout 180 wineserver -w
  instdir=$(reg_get "$ARP" InstallLocation | cut -d'|' -f2-)
  expect "$label: install folder" "$instdir" "${3:-C:\\Program Files\\Kelvoro 2.1}"
  instdir_unix=$(winepath -u "$instdir")
  shortcut=$(find "$WINEPREFIX/drive_c" -ipath '*/start menu/programs/kelvoro 2.1.lnk' | head -n 1)
  files=("$WINEPREFIX/drive_c/windows/media/dravik.wav" "${shortcut:-<no Start menu shortcut>}"
    "$instdir_unix/"{"Kelvoro 2.1.exe",black.ico,white.ico,uninstall.exe})
  all_hold "$label: files and shortcut installed" exists "${files[@]}"
}
# The uninstaller as Add/Remove starts it (it goes on in a copy of itself: wait for Wine's
# processes), or "inplace" as that copy runs (told the folder with _?=, it returns when done).
uninstall_silently() { # [inplace]
  local how=("$instdir\\uninstall.exe" /S)
  [ "${1:-}" = inplace ] && cp "$instdir_unix/uninstall.exe" "$WINEPREFIX/drive_c/Au_.exe" &&
    how=(cmd /c "C:\\Au_.exe /S _?=$instdir")
  wine_within 180 "${how[@]}" >/dev/null 2>&1
  expect "$label: uninstall /S exits 0" "$?" 0
  [ "${1:-}" = inplace ] || timeout 180 wineserver -w
  all_hold "$label: files, shortcut and install folder removed" gone "${files[@]}" "$instdir_unix"
  all_hold "$label: Add/Remove entry and settings removed" key_gone "$ARP" "$VENDOR\\Kelvoro"
}

[ -f "$setup" ] || { fail "setup program exists" "$setup (run scripts/package.sh)"; finish; }
ensure_display || { fail "X display for Wine"; finish; }
bash "$root/scripts/make-prefix.sh" "$build" >/dev/null &&
  fresh_wine_prefix "$KELVORO_WINE_ROOT/install-test-$build" ||
  { fail "Wine prefix for $build"; finish; }

install_round A "default folder, the installed program runs Apply, uninstall"
all_hold "A: setup, installed program and uninstaller signed" signed \
  "$setup" "$instdir_unix/Kelvoro 2.1.exe" "$instdir_unix/uninstall.exe"
size_kb=$((($(cat "$instdir_unix"/* "${files[0]}" | wc -c) + 1023) / 1024)) # with dravik.wav
# The driver ticks the installed program's sound box, clicks Apply and leaves what it wrote.
wine_within 300 "$KELVORO_BUILD_DIR/e2e/kelvoro_e2e.exe" "$instdir\\Kelvoro 2.1.exe" \
  --gtest_filter=Install.ApplyTickedAndLeaveIt >/dev/null 2>&1
expect "A: the installed program ran Apply" "$?" 0
expect_values "A: Add/Remove entry (size in KB); Apply wrote the icon, name and sound" <<EOF
$ARP|DisplayName|REG_SZ|Kelvoro 2.1
$ARP|UninstallString|REG_SZ|"$instdir\\uninstall.exe"
$ARP|QuietUninstallString|REG_SZ|"$instdir\\uninstall.exe" /S
$ARP|EstimatedSize|REG_DWORD|$(printf '0x%x' "$size_kb")
$BIN_NT\\DefaultIcon||REG_SZ|$instdir\\black.ico,0
$BIN_NT||REG_SZ|Kelvoro
$SOUND\\.Current||REG_EXPAND_SZ|C:\\windows\\media\\dravik.wav
HKCU\\$SETTINGS_KEY|Voicestat|REG_DWORD|0x1
EOF
uninstall_silently
expect_values "A: stock icons, name, sound back in HKCU, HKLM untouched; maker key gone" <<EOF
$(stock_bin "$BIN_NT")
$(stock_bin "$BIN_9X")
$SOUND\\.Current||REG_EXPAND_SZ|$STOCK_SOUND
$VENDOR||<no key>
EOF

install_round B "own icon, name and sound kept; other letter case and the HKLM class restored"
own="$BIN_NT\\DefaultIcon|Full|REG_SZ|C:\\Icons\\mine.ico,0
$BIN_NT||REG_SZ|My Bin
$SOUND\\.Current||REG_EXPAND_SZ|C:\\Sounds\\mine.wav
$VENDOR\\Other|Setting|REG_SZ|keep"
set_values <<EOF
$(apply_icons "$BIN_NT" "${instdir^^}")
$own
$(apply_icons "$BIN_9X" "$instdir")
EOF
uninstall_silently
expect_values "B: other-case icon and HKLM restored; own icon, name, sound, maker key kept" <<EOF
$BIN_NT\\DefaultIcon||REG_SZ|$SHELL32,31
$own
$(stock_bin "$BIN_9X")
EOF

install_round C "%SystemRoot% sound, no stock one; another account" 'C:\Tools\Kelvoro Test'
wine reg delete "$SOUND\\.Default" /ve /f >/dev/null 2>&1
# Wine keeps a key made under HKEY_USERS only while its wineserver runs: keep that one running.
wineserver -p
set_values <<EOF
$(apply_icons "$BIN_NT" "$instdir")
$SOUND\\.Current||REG_EXPAND_SZ|%SystemRoot%\\media\\dravik.wav
$(apply_icons "$OTHER\\$BIN_KEY" "$instdir")
$OTHER\\$SOUND_KEY\\.Default||REG_EXPAND_SZ|$STOCK_SOUND
$OTHER\\$SOUND_KEY\\.Current||REG_EXPAND_SZ|%SystemRoot%\\media\\dravik.wav
$OTHER\\$SETTINGS_KEY|Voicestat|REG_DWORD|1
EOF
uninstall_silently inplace
expect_values "C: HKCU and other account restored, sound cleared (key kept), settings kept" <<EOF
$(stock_bin "$BIN_NT")
$SOUND\\.Current||<missing>
$(stock_bin "$OTHER\\$BIN_KEY")
$OTHER\\$SOUND_KEY\\.Current||REG_EXPAND_SZ|$STOCK_SOUND
$OTHER\\$SETTINGS_KEY|Voicestat|REG_DWORD|0x1
EOF

finish
