#!/usr/bin/env bash
# Installs the Debian packages that building and testing need. Does nothing (and makes no network
# call) when every package is already installed, so it is cheap to run before each build.
#
# Both builds are compiled on every host. The 64-bit Wine runs everywhere; the 32-bit Wine
# (wine32:i386) is installed only where the kernel runs 32-bit code: elsewhere its packages'
# install scripts fail with "Exec format error", and nothing could use it anyway.
#
# The program and its setup speak the Windows display language, which Wine takes from the Unix
# locale, and only from a locale that glibc has generated: those of their languages are generated
# here. Fonts for Wine's letters beyond its own: Chinese, Japanese and Korean (WenQuanYi Micro Hei,
# 5 MB), Arabic and Hebrew (DejaVu Sans) and Thai (FreeSerif, whose lines are as high as Tahoma's,
# which draws Thai on Windows).
set -euo pipefail

packages=(
  cmake g++ libgtest-dev googletest librapidcheck-dev
  g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32
  wine wine64
  xvfb imagemagick x11-utils xdotool
  nsis osslsigncode openssl sox zip python3 python3-yaml
  locales fonts-wqy-microhei fonts-dejavu-core fonts-freefont-ttf
)
# The UTF-8 locales of the languages of the program and its setup (res/lang, installer/languages.nsh).
# Each is named as /etc/locale.gen names it, less its " UTF-8".
locales=(en_US de_DE fr_FR es_ES it_IT pt_BR ru_RU pl_PL tr_TR zh_CN ja_JP ko_KR
  ar_SA bg_BG zh_TW hr_HR cs_CZ da_DK nl_NL et_EE fi_FI el_GR he_IL hu_HU lv_LV lt_LT nb_NO pt_PT
  ro_RO sr_RS@latin zh_HK sk_SK sl_SI sv_SE th_TH uk_UA)

# Whether this kernel runs 32-bit x86 code at all, asked of the kernel itself: a minimal static
# 32-bit ELF program that only exits 0. Nothing 32-bit needs to be installed to ask.
kernel_runs_32bit() {
  [ "${KELVORO_NO_32BIT:-0}" = 1 ] && return 1
  local probe status=0
  probe=$(mktemp)
  # ELF header (52 bytes), one PT_LOAD program header (32 bytes), then
  # mov eax,1 / xor ebx,ebx / int 0x80 (exit(0)); loaded at 0x08048000, entry at offset 84.
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'\
'\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'\
'\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00'\
'\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'\
'\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'\
'\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null || status=$?
  rm -f "$probe"
  return "$status"
}

if kernel_runs_32bit; then
  packages+=(wine32:i386)
fi

missing=()
for pkg in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$pkg")
done

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
  echo "deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo[@]}" dpkg --add-architecture i386
  fi
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" apt-get install -y -q "${missing[@]}"
fi

# locale -a names them "de_DE.utf8" and "sr_RS.utf8@latin"; /etc/locale.gen "de_DE.UTF-8 UTF-8"
# and "sr_RS@latin UTF-8". locale-gen builds those enabled there.
have=$(locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]')
absent=()
for loc in "${locales[@]}"; do
  name=${loc%%@*}.utf8
  [[ $loc == *@* ]] && name+="@${loc#*@}"
  grep -qx "${name,,}" <<<"$have" || absent+=("$loc")
done
[ ${#absent[@]} -eq 0 ] && exit 0
echo "deps: generating the locales ${absent[*]}"
for loc in "${absent[@]}"; do
  line="$loc.UTF-8 UTF-8"
  [[ $loc == *@* ]] && line="$loc UTF-8"
  if grep -q "^# *$line" /etc/locale.gen; then
    "${sudo[@]}" sed -i "s/^# *\($line\)/\1/" /etc/locale.gen
  elif ! grep -q "^$line" /etc/locale.gen; then
    echo "$line" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
  fi
done
"${sudo[@]}" locale-gen
