#!/usr/bin/env bash
# Builds the release artefacts from both Windows builds:
#   build/package/Kelvoro-2.1-setup.exe      32-bit setup of the 32-bit program (every Windows)
#   build/package/Kelvoro-2.1-x64-setup.exe  64-bit setup of the 64-bit program (64-bit Windows)
#   build/package/Kelvoro-2.1-portable.zip   both builds in folders of their own, each with both
#                                            bin icons, plus dravik.wav and README.txt
#   build/package/SHA256SUMS                 checksums of all three
#
# Inputs: build/win32/dist/ and build/win64/dist/ ("Kelvoro 2.1.exe", black.ico, white.ico),
# res/dravik.wav, res/kelvoro.ico, installer/kelvoro.nsi, installer/README-portable.txt.
# Every packaged file gets the time stamp SOURCE_DATE_EPOCH (default: the last commit's time), so
# the same inputs give byte-identical artefacts.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build/package"
exe="Kelvoro 2.1.exe"
declare -A dist=([win32]="$root/build/win32/dist" [win64]="$root/build/win64/dist")

for build in win32 win64; do
  if [ ! -d "${dist[$build]}" ]; then
    echo "package: no build folder ${dist[$build]} (run cmake --preset $build && cmake --build --preset $build)" >&2
    exit 1
  fi
  for f in "$exe" black.ico white.ico; do
    [ -f "${dist[$build]}/$f" ] || { echo "package: missing ${dist[$build]}/$f" >&2; exit 1; }
  done
done
for f in "$root/res/dravik.wav" "$root/res/kelvoro.ico" "$root/installer/kelvoro.nsi" \
         "$root/installer/README-portable.txt"; do
  [ -f "$f" ] || { echo "package: missing $f" >&2; exit 1; }
done
for tool in makensis zip sha256sum; do
  command -v "$tool" >/dev/null || { echo "package: $tool is not installed (scripts/deps.sh)" >&2; exit 1; }
done

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct 2>/dev/null || echo 946684800)
fi
export SOURCE_DATE_EPOCH
export TZ=UTC LC_ALL=C

mkdir -p "$out"
stage=$(mktemp -d "$out/.stage.XXXXXX")
trap 'rm -rf "$stage"' EXIT

# Staged copies with fixed modes and time stamps: the installer records the files' times and
# the zip records times and modes.
top="$stage/Kelvoro 2.1"
declare -A folder=([win32]="$top/32-bit" [win64]="$top/64-bit")
for build in win32 win64; do
  mkdir -p "${folder[$build]}"
  cp "${dist[$build]}/$exe" "${dist[$build]}/black.ico" "${dist[$build]}/white.ico" "${folder[$build]}/"
done
cp "$root/res/dravik.wav" "$top/"
sed 's/\r$//; s/$/\r/' "$root/installer/README-portable.txt" >"$top/README.txt"
cp "$root/res/kelvoro.ico" "$stage/kelvoro.ico"
find "$stage" -type f -exec chmod 0644 {} +
chmod 0755 "${folder[win32]}/$exe" "${folder[win64]}/$exe"
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +

# Setups.
declare -A setup=([win32]=Kelvoro-2.1-setup.exe [win64]=Kelvoro-2.1-x64-setup.exe)
declare -A arch=([win32]=x86 [win64]=x64)
for build in win32 win64; do
  rm -f "$out/${setup[$build]}"
  makensis -V2 -WX -INPUTCHARSET UTF8 \
    "-DARCH=${arch[$build]}" \
    "-DDIST_DIR=${folder[$build]}" \
    "-DWAV=$top/dravik.wav" \
    "-DICON=$stage/kelvoro.ico" \
    "-DOUTFILE=$stage/setup.out" \
    "$root/installer/kelvoro.nsi"
  mv "$stage/setup.out" "$out/${setup[$build]}"
done

# Portable zip: files in a fixed order, no extra fields (-X), no directory entries.
portable="$out/Kelvoro-2.1-portable.zip"
rm -f "$portable"
(cd "$stage" && zip -q -X -D -9 "$stage/portable.zip" \
  "Kelvoro 2.1/README.txt" "Kelvoro 2.1/dravik.wav" \
  "Kelvoro 2.1/32-bit/$exe" "Kelvoro 2.1/32-bit/black.ico" "Kelvoro 2.1/32-bit/white.ico" \
  "Kelvoro 2.1/64-bit/$exe" "Kelvoro 2.1/64-bit/black.ico" "Kelvoro 2.1/64-bit/white.ico")
mv "$stage/portable.zip" "$portable"

artefacts=("${setup[win32]}" "${setup[win64]}" Kelvoro-2.1-portable.zip)
(cd "$out" && sha256sum "${artefacts[@]}" >SHA256SUMS)

echo "package: done"
(cd "$out" && ls -l "${artefacts[@]}" && cat SHA256SUMS)
