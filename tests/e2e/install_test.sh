#!/usr/bin/env bash
# A setup and its uninstaller under Wine: install_test.sh win32|win64|wow64. win32 and win64 test
# that build's setup in a prefix of its bitness; wow64 the 32-bit setup in the 64-bit prefix, then
# the 64-bit one beside it ("SKIPPED: <reason>", exit 77, where no 32-bit code runs). The setup is
# build/package's (or KELVORO_SETUP), the prefix build/wine/install-test-<suite>. Rounds of silent
# install, Apply and uninstall; PASS/FAIL lines, "N passed, M failed", non-zero on any failure.
set -uo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=../../scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
suite=${1:?usage: install_test.sh win32|win64|wow64}
[ "$suite" != wow64 ] || host_runs_32bit ||
  { echo "SKIPPED: wow64 install test: $(kelvoro_no_32bit_reason)"; exit 77; }
use_build "${suite/#wow64/win64}" || exit 2
# shellcheck source=../checks.sh
source "$root/tests/checks.sh"
# Folder names and registry data pass between Linux and Wine as UTF-8.
export LC_ALL=C.UTF-8
setup_lc=$LC_ALL # the locale of setup and uninstaller, from which Wine takes the display language

cafile=${KELVORO_SIGN_CAFILE:-$root/build/package-signing/signing-cert.pem}
UNINSTALL='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall'
UNINSTALL32='HKEY_LOCAL_MACHINE\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall'
# use_setup x86|x64: the setup in use, its driver, where it installs and registers, and its
# Add/Remove name (its shortcut's too).
use_setup() {
  setup=$root/build/package/Kelvoro-2.1-x64-setup.exe driver=$root/build/win64/e2e/kelvoro_e2e.exe
  arp="$UNINSTALL\\Kelvoro 2.1" program_files='C:\Program Files' display='Kelvoro 2.1 (64-bit)'
  if [ "$1" = x86 ]; then
    setup=${setup/-x64-setup/-setup} driver=${driver/\/win64\//\/win32\/} display='Kelvoro 2.1'
    [ "$suite" = wow64 ] && arp="$UNINSTALL32\\Kelvoro 2.1" program_files='C:\Program Files (x86)'
  fi
  [ "$1" != "$main_setup" ] || setup=${KELVORO_SETUP:-$setup}
}
main_setup=$([ "$suite" = win64 ] && echo x64 || echo x86)
use_setup "$main_setup"

# reg_get KEY [NAME]: "TYPE|DATA" of the value (no NAME: the default), "<missing>" or "<no key>",
# from the key's UTF-16 export ("reg query" prints in the console code page, not every name).
reg_get() {
  wine reg export "$1" 'C:\reg_get.reg' /y >/dev/null 2>&1 || { echo "<no key>"; return; }
  python3 - "$WINEPREFIX/drive_c/reg_get.reg" "${2:-}" <<'PY'
import re, sys
text = re.sub(r"\\\n\s*", "", open(sys.argv[1], encoding="utf-16").read())
quoted = r'"((?:[^"\\]|\\.)*)"'  # a .reg string: its backslashes and quotes escaped
unescape = lambda string: re.sub(r"\\(.)", r"\1", string or "")
for line in text.split("\n[")[1].split("\n")[1:]:  # the key's own values, up to its first subkey
    value = re.fullmatch(r'(?:@|%s)=(?:%s|dword:(\w+)|hex\(2\):(.*)|(.*))' % (quoted, quoted), line)
    if value and unescape(value[1]).lower() == sys.argv[2].lower():
        string, dword, expand, other = value.groups()[1:]
        print("REG_SZ|" + unescape(string) if string is not None
              else "REG_DWORD|0x%x" % int(dword, 16) if dword
              else "REG_EXPAND_SZ|" + bytes.fromhex(expand.replace(",", "")).decode("utf-16-le")
              .rstrip("\0") if expand is not None else "other|" + other)
        sys.exit()
print("<missing>")
PY
}
BIN_CLSID='{645FF040-5081-101B-9F08-00AA002F954E}'
BIN_KEY="Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\$BIN_CLSID"
BIN_NT="HKCU\\$BIN_KEY"
# The 9x family's machine-wide class as the setup's program sees it (a 32-bit one: the 32-bit view).
BIN_9X="HKLM\\Software\\CLASSES\\CLSID\\$BIN_CLSID"
[ "$suite" != wow64 ] || BIN_9X="HKLM\\Software\\CLASSES\\Wow6432Node\\CLSID\\$BIN_CLSID"
SOUND_KEY='AppEvents\Schemes\Apps\Explorer\EmptyRecycleBin'
SOUND="HKCU\\$SOUND_KEY"
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
# Lines "KEY|NAME|TYPE|DATA" on stdin (NAME empty: the default value): set_values writes them;
# expect_values checks them (TYPE|DATA also "<missing>", "<no key>"), a FAIL each, else one PASS.
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
exists() { [ -e "$1" ]; }
gone() { [ ! -e "$1" ]; }
key_gone() { ! wine reg query "$1" >/dev/null 2>&1; }
signed() { osslsigncode verify -CAfile "$cafile" -in "$1"; }
# The Add/Remove entries named Kelvoro..., in both registry views: "KEY|NAME" lines.
kelvoro_entries() {
  { wine reg query "$UNINSTALL" /s; wine reg query "$UNINSTALL32" /s; } 2>/dev/null | tr -d '\r' |
    awk -F'    ' '/^HKEY/ { key = $0 } $2 == "DisplayName" && $4 ~ /^Kelvoro/ { print key "|" $4 }'
}
# Where the setup in use installed, as its entry names it: instdir (Windows path), instdir_unix,
# and files (the program folder's and the Start menu shortcut).
find_install() {
  instdir=$(reg_get "$arp" InstallLocation | cut -d'|' -f2-)
  instdir_unix=$(winepath -u "$instdir")
  shortcut=$(find "$WINEPREFIX/drive_c" -ipath "*/start menu/programs/$display.lnk" | head -n 1)
  files=("${shortcut:-<no Start menu shortcut $display.lnk>}"
    "$instdir_unix/"{"Kelvoro 2.1.exe",black.ico,white.ico,uninstall.exe})
}
# Setup and uninstaller read /D= and _?= raw to the end of an unquoted command line: "cmd /c LINE".
run_setup() { # LABEL [FOLDER]: a silent install of the setup in use
  cp "$setup" "$WINEPREFIX/drive_c/setup.exe"
  LC_ALL=$setup_lc wine_within 180 cmd /c "C:\\setup.exe /S${2:+ /D=$2}" >/dev/null 2>&1
  expect "$1: setup /S exits 0" "$?" 0
  timeout 180 wineserver -w
}
install_round() { # LABEL DESCRIPTION [FOLDER]: the stock registry, then a silent install
  label=$1
  echo "== round $1: $2${3:+ (into $3)}"
  local stock
  stock=$(winepath -w "$root/scripts/stock-windows.reg")
  wine regedit /S "$stock"
  [ "$suite" != wow64 ] || wine reg import "$stock" /reg:32 >/dev/null 2>&1
  run_setup "$label" "${3:-}"
  find_install
  expect "$label: install folder" "$instdir" "${3:-$program_files\\Kelvoro 2.1}"
  all_hold "$label: files and shortcut installed" exists "$wav" "${files[@]}"
}
# The driver ticks the installed program's sound box, applies and leaves it. Its command line, in
# the ANSI code page, cannot carry every folder name: it starts in the folder with the bare name.
apply_installed() { # LABEL
  (cd "$instdir_unix" && wine_within 300 "$driver" "Kelvoro 2.1.exe" \
    --gtest_filter=Install.ApplyTickedAndLeaveIt >/dev/null 2>&1)
  expect "$1: the installed program ran Apply" "$?" 0
}
# The uninstaller as Add/Remove starts it (it goes on in a copy: wait for Wine), or "inplace" as
# that copy runs (_?=, returns when done); "shared": the other build's install, dravik.wav and the
# settings stay.
uninstall_silently() { # [inplace] [shared]
  local how=("$instdir\\uninstall.exe" /S)
  [[ " $* " = *" inplace "* ]] && cp "$instdir_unix/uninstall.exe" "$WINEPREFIX/drive_c/Au_.exe" &&
    how=(cmd /c "C:\\Au_.exe /S _?=$instdir")
  LC_ALL=$setup_lc wine_within 180 "${how[@]}" >/dev/null 2>&1
  expect "$label: uninstall /S exits 0" "$?" 0
  [[ " $* " = *" inplace "* ]] || timeout 180 wineserver -w
  all_hold "$label: files, shortcut and install folder removed" gone "${files[@]}" "$instdir_unix"
  if [[ " $* " = *" shared "* ]]; then
    all_hold "$label: Add/Remove entry removed" key_gone "$arp"
    all_hold "$label: dravik.wav kept for the other install" exists "$wav"
    expect_values "$label: settings kept for it" <<<"HKCU\\$SETTINGS_KEY|Voicestat|REG_DWORD|0x1"
  else
    all_hold "$label: dravik.wav removed" gone "$wav"
    all_hold "$label: Add/Remove entry and settings removed" key_gone "$arp" "$VENDOR\\Kelvoro"
  fi
}

# Wine keeps a key made under HKEY_USERS only while its wineserver runs. Debian's starts with -p0
# (ends when idle) and "wineserver -p" does nothing while it runs: let it end, start one that stays.
keep_server() { # LABEL
  timeout 180 wineserver -w
  wineserver -p || fail "$1: a wineserver that keeps running"
}
# The installed files' checksums and the Add/Remove entry's, as exported.
installed_state() {
  (cd "$instdir_unix" && sha256sum -- *) && sha256sum <"$wav"
  wine reg export "$arp" 'C:\arp.reg' /y >/dev/null 2>&1 && sha256sum <"$WINEPREFIX/drive_c/arp.reg"
}
# The title of the setup's first page, started in the locale LC (and then ended).
setup_title() { # LC
  LC_ALL=$1 timeout 120 "$KELVORO_WINE_LOADER" 'C:\setup.exe' >/dev/null 2>&1 &
  local pid=$! window
  window=$(timeout 60 xdotool search --sync --name '^Kelvoro 2\.1' | head -n 1)
  [ -z "$window" ] || xdotool getwindowname "$window"
  kill "$pid" && wait "$pid"
  # What the killed setup left ends with its server now, not while the next step starts Wine.
  wineserver -k 2>/dev/null
  timeout 60 wineserver -w
}

[ -f "$setup" ] || { fail "setup program exists" "$setup (run scripts/package.sh)"; finish; }
ensure_display || { fail "X display for Wine"; finish; }
bash "$root/scripts/make-prefix.sh" "$KELVORO_BUILD" >/dev/null &&
  fresh_wine_prefix "$KELVORO_WINE_ROOT/install-test-$suite" ||
  { fail "Wine prefix for $suite"; finish; }
wav="$WINEPREFIX/drive_c/windows/media/dravik.wav"

# Earlier 64-bit setups named their shortcut as the 32-bit one's; with no 32-bit install, it goes.
old_shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Kelvoro 2.1.lnk"
[ "$main_setup" = x86 ] || { mkdir -p "${old_shortcut%/*}" && : >"$old_shortcut"; }
install_round A "default folder, the installed program runs Apply, setup run again, uninstall"
[ "$main_setup" = x86 ] || all_hold "A: the earlier 64-bit setups' shortcut removed" gone "$old_shortcut"
# winget recognises the install by the Add/Remove entry its manifest names (winget list, upgrade).
if entry=$(python3 "$root/tests/package/winget_test.py" arp "$main_setup" "${arp%\\*}" 2>&1); then
  expect_values "A: the Add/Remove entry is the winget manifest's, value for value" <<<"$entry"
else fail "A: the winget manifest names the setup's Add/Remove entry" "$entry"; fi
english=$(installed_state)
all_hold "A: installed program and uninstaller signed" signed \
  "$instdir_unix/"{"Kelvoro 2.1.exe",uninstall.exe}
size_kb=$((($(cat "$instdir_unix"/* "$wav" | wc -c) + 1023) / 1024)) # with dravik.wav
apply_installed A
# Over the installed program and what it applied, as an upgrade or a repair goes.
run_setup "A, again"
expect "A: one Add/Remove entry, with its name, after two installs" "$(kelvoro_entries)" \
  "$arp|$display"
all_hold "A: files and shortcut still installed" exists "$wav" "${files[@]}"
expect_values "A: Add/Remove entry (size in KB); Apply wrote the icon, name and sound" <<EOF
$arp|UninstallString|REG_SZ|"$instdir\\uninstall.exe"
$arp|QuietUninstallString|REG_SZ|"$instdir\\uninstall.exe" /S
$arp|EstimatedSize|REG_DWORD|$(printf '0x%x' "$size_kb")
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

# The setup in the display language: its pages in it, and what it installs as in English.
expect "L: the setup's window in English" "$(setup_title "$LC_ALL")" "Kelvoro 2.1 Setup"
for lang in "de_DE.UTF-8|Kelvoro 2.1 Installation" "ja_JP.UTF-8|Kelvoro 2.1 セットアップ"; do
  setup_lc=${lang%%|*}
  install_round "L ${setup_lc%%.*}" "setup and uninstaller in the display language of $setup_lc"
  expect "$label: the same files and Add/Remove entry as in English" "$(installed_state)" "$english"
  expect "$label: the setup's window in that language" "$(setup_title "$setup_lc")" "${lang#*|}"
  apply_installed "$label"
  uninstall_silently
  LC_ALL=$setup_lc wine_within 300 "$driver" --gtest_filter=Install.BinNamedAsWindowsNamesIt \
    "$(winepath -w "${driver%/e2e/*}/dist/Kelvoro 2.1.exe")" >/dev/null 2>&1
  expect "$label: the bin named as Windows names it in that language" "$?" 0
done
setup_lc=$LC_ALL

# Cyrillic and CJK letters together, which no ANSI code page of Windows can write.
install_round C "a folder the code page cannot write, applied from; %SystemRoot% sound, no stock one; another account" \
  'C:\Tools\Иван 測試 Kelvoro'
apply_installed C
expect_values "C: Apply wrote the exact folder" < <(apply_icons "$BIN_NT" "$instdir")
wine reg delete "$SOUND\\.Default" /ve /f >/dev/null 2>&1
keep_server C
set_values <<EOF
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

[ "$suite" = wow64 ] || finish
wineserver -k # it would keep "wineserver -w" waiting; the registry is saved
# Both setups on one machine: each program applies, each uninstaller leaves the other working.
arp32=$arp
install_round D "the 32-bit setup, then the 64-bit one beside it"
use_setup x64
run_setup "D, 64-bit"
find_install
instdir64=$instdir arp64=$arp
all_hold "D: 64-bit files and shortcut installed, the 32-bit ones kept" exists "${files[@]}" \
  "$(find "$WINEPREFIX/drive_c" -ipath '*/start menu/programs/kelvoro 2.1.lnk')" \
  "$(winepath -u 'C:\Program Files (x86)\Kelvoro 2.1\Kelvoro 2.1.exe')"
expect "D: two Add/Remove entries, one in each view, each naming its build" "$(kelvoro_entries)" \
  "$arp64|Kelvoro 2.1 (64-bit)
$arp32|Kelvoro 2.1"
use_setup x86 && find_install
label="D (32-bit first)"
apply_installed "$label"
keep_server D # another signed-in account applied the 64-bit program
set_values < <(apply_icons "$OTHER\\$BIN_KEY" "$instdir64")
uninstall_silently inplace shared
use_setup x64 && find_install
all_hold "D: the 64-bit install intact" exists "${files[@]}"
expect_values "D: its own icons and name back; the other program's look and the sound kept" <<EOF
$(stock_bin "$BIN_NT")
$SOUND\\.Current||REG_EXPAND_SZ|C:\\windows\\media\\dravik.wav
$(apply_icons "$OTHER\\$BIN_KEY" "$instdir64")
$arp64|DisplayName|REG_SZ|Kelvoro 2.1 (64-bit)
EOF
label="D (64-bit last)"
apply_installed "$label"
expect_values "$label: Apply wrote its folder" < <(apply_icons "$BIN_NT" "$instdir")
uninstall_silently inplace
expect_values "$label: stock icons, name and sound back, for the other account too; maker key gone" <<EOF
$(stock_bin "$BIN_NT")
$(stock_bin "$OTHER\\$BIN_KEY")
$SOUND\\.Current||REG_EXPAND_SZ|$STOCK_SOUND
$VENDOR||<no key>
EOF
expect "$label: no Add/Remove entry left" "$(kelvoro_entries)" ""
finish
