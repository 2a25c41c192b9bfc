#!/usr/bin/env bash
# Builds the release artefacts from the win32 build:
#   build/package/Kelvoro-2.1-setup.exe     NSIS installer (installer/kelvoro.nsi)
#   build/package/Kelvoro-2.1-portable.zip  the program, both bin icons, dravik.wav, README.txt
#   build/package/SHA256SUMS                checksums of both
#
# Inputs: build/win32/dist/ ("Kelvoro 2.1.exe", black.ico, white.ico; another folder through
# KELVORO_DIST_DIR), res/dravik.wav, res/kelvoro.ico, installer/README-portable.txt.
# Every packaged file gets the time stamp SOURCE_DATE_EPOCH (default: the last commit's time), so
# the same inputs give byte-identical artefacts.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
dist=${KELVORO_DIST_DIR:-$root/build/win32/dist}
if [ ! -d "$dist" ]; then
  echo "package: no build folder $dist (run cmake --preset win32 && cmake --build --preset win32)" >&2
  exit 1
fi
dist=$(cd "$dist" && pwd)
out="$root/build/package"
exe="Kelvoro 2.1.exe"

for f in "$dist/$exe" "$dist/black.ico" "$dist/white.ico" "$root/res/dravik.wav" \
         "$root/res/kelvoro.ico" "$root/installer/kelvoro.nsi" "$root/installer/README-portable.txt"; do
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
folder="$stage/Kelvoro 2.1"
mkdir -p "$folder"
cp "$dist/$exe" "$dist/black.ico" "$dist/white.ico" "$root/res/dravik.wav" "$folder/"
sed 's/\r$//; s/$/\r/' "$root/installer/README-portable.txt" >"$folder/README.txt"
cp "$root/res/kelvoro.ico" "$stage/kelvoro.ico"
chmod 0644 "$folder"/* "$stage/kelvoro.ico"
chmod 0755 "$folder/$exe"
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +

# Installer.
setup="$out/Kelvoro-2.1-setup.exe"
rm -f "$setup"
makensis -V2 -WX -INPUTCHARSET UTF8 \
  "-DDIST_DIR=$folder" \
  "-DWAV=$folder/dravik.wav" \
  "-DICON=$stage/kelvoro.ico" \
  "-DOUTFILE=$stage/setup.out" \
  "$root/installer/kelvoro.nsi"
mv "$stage/setup.out" "$setup"

# Portable zip: one folder, files in a fixed order, no extra fields (-X), no directory entries.
portable="$out/Kelvoro-2.1-portable.zip"
rm -f "$portable"
(cd "$stage" && zip -q -X -D -9 "$stage/portable.zip" \
  "Kelvoro 2.1/$exe" "Kelvoro 2.1/black.ico" "Kelvoro 2.1/white.ico" \
  "Kelvoro 2.1/dravik.wav" "Kelvoro 2.1/README.txt")
mv "$stage/portable.zip" "$portable"

(cd "$out" && sha256sum Kelvoro-2.1-setup.exe Kelvoro-2.1-portable.zip >SHA256SUMS)

echo "package: done"
(cd "$out" && ls -l Kelvoro-2.1-setup.exe Kelvoro-2.1-portable.zip && cat SHA256SUMS)
