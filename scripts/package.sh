#!/usr/bin/env bash
# Builds the release artefacts from both Windows builds:
#   build/package/Kelvoro-2.1-setup.exe      32-bit setup of the 32-bit program (every Windows)
#   build/package/Kelvoro-2.1-x64-setup.exe  64-bit setup of the 64-bit program (64-bit Windows)
#   build/package/Kelvoro-2.1-portable.zip   both builds in folders of their own, each with both
#                                            bin icons, plus dravik.wav and README.txt
#   build/package/SHA256SUMS                 checksums of all three
#   build/package/manifests/o/Orvane/Kelvoro/<version>/
#                                            the winget manifest of both setups, made from them
#                                            (scripts/winget_manifest.py); their InstallerUrl is
#                                            KELVORO_RELEASE_URL/<setup file>
#   build/package-signing/signing-cert.pem   the certificate that signed them (never a key)
#
# Inputs: build/win32/dist/ and build/win64/dist/ ("Kelvoro 2.1.exe", black.ico, white.ico),
# res/dravik.wav, res/kelvoro.ico, installer/kelvoro.nsi, installer/README-portable.txt.
# Every packaged file gets the time stamp SOURCE_DATE_EPOCH (default: the last commit's time), so
# the same inputs give byte-identical artefacts.
#
# Signing (scripts/sign.sh): both programs (copies; build/win*/dist stays as the build left it),
# both setups and the uninstaller inside each setup get an Authenticode signature. The
# certificate comes from KELVORO_SIGN_PKCS12 (+ KELVORO_SIGN_PASSWORD) or KELVORO_SIGN_CERT +
# KELVORO_SIGN_KEY (+ KELVORO_SIGN_PASSWORD); KELVORO_SIGN_TIMESTAMP_URL adds a time stamp.
# Without a certificate the run makes a throwaway one in a temporary folder outside the
# repository, signs with it ("test-signed") and deletes its key at the end.
# KELVORO_PACKAGE_DIR writes the artefacts to another folder (the certificate then goes to
# <that folder>-signing).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${KELVORO_PACKAGE_DIR:-$root/build/package}")
signing="$out-signing"
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
for tool in makensis zip sha256sum osslsigncode openssl; do
  command -v "$tool" >/dev/null || { echo "package: $tool is not installed (scripts/deps.sh)" >&2; exit 1; }
done

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct 2>/dev/null || echo 946684800)
fi
export SOURCE_DATE_EPOCH
export TZ=UTC LC_ALL=C

mkdir -p "$out" "$signing"
stage=$(mktemp -d "$out/.stage.XXXXXX")
secrets=$(realpath "$(mktemp -d "${TMPDIR:-/tmp}/kelvoro-signing.XXXXXX")")
trap 'rm -rf "$stage" "$secrets"' EXIT
case "$secrets/" in
  "$root/"* | "$out/"*) echo "package: TMPDIR must lie outside the repository and $out" >&2; exit 1 ;;
esac

# The signing certificate: the configured one, or a throwaway one for this run only. Only the
# certificate is copied to $signing, for the tests to verify against. Paths are made absolute:
# makensis runs the signing script in the folder of installer/kelvoro.nsi.
rm -f "$signing/signing-cert.pem"
if [ -n "${KELVORO_SIGN_PKCS12:-}" ]; then
  KELVORO_SIGN_PKCS12=$(realpath "$KELVORO_SIGN_PKCS12")
  export KELVORO_SIGN_PKCS12 KELVORO_SIGN_PASSWORD="${KELVORO_SIGN_PASSWORD:-}"
  unset KELVORO_SIGN_CERT KELVORO_SIGN_KEY
  openssl pkcs12 -in "$KELVORO_SIGN_PKCS12" -passin env:KELVORO_SIGN_PASSWORD -nokeys -clcerts \
      2>/dev/null >"$secrets/cert.pem" ||
    openssl pkcs12 -legacy -in "$KELVORO_SIGN_PKCS12" -passin env:KELVORO_SIGN_PASSWORD -nokeys \
      -clcerts >"$secrets/cert.pem"
  openssl x509 -in "$secrets/cert.pem" -out "$signing/signing-cert.pem"
  signed_with="the certificate in $KELVORO_SIGN_PKCS12"
elif [ -n "${KELVORO_SIGN_CERT:-}" ] || [ -n "${KELVORO_SIGN_KEY:-}" ]; then
  if [ -z "${KELVORO_SIGN_CERT:-}" ] || [ -z "${KELVORO_SIGN_KEY:-}" ]; then
    echo "package: set both KELVORO_SIGN_CERT and KELVORO_SIGN_KEY" >&2
    exit 1
  fi
  KELVORO_SIGN_CERT=$(realpath "$KELVORO_SIGN_CERT")
  KELVORO_SIGN_KEY=$(realpath "$KELVORO_SIGN_KEY")
  export KELVORO_SIGN_CERT KELVORO_SIGN_KEY KELVORO_SIGN_PASSWORD="${KELVORO_SIGN_PASSWORD:-}"
  openssl x509 -in "$KELVORO_SIGN_CERT" -out "$signing/signing-cert.pem"
  signed_with="the certificate in $KELVORO_SIGN_CERT"
else
  openssl req -x509 -newkey rsa:3072 -nodes -days 30 -sha256 \
    -subj "/CN=Kelvoro test signing (not trusted)/O=Orvane's Software" \
    -addext "basicConstraints=critical,CA:FALSE" \
    -addext "keyUsage=critical,digitalSignature" \
    -addext "extendedKeyUsage=critical,codeSigning" \
    -keyout "$secrets/key.pem" -out "$secrets/cert.pem" 2>/dev/null
  export KELVORO_SIGN_CERT="$secrets/cert.pem" KELVORO_SIGN_KEY="$secrets/key.pem"
  unset KELVORO_SIGN_PKCS12 KELVORO_SIGN_PASSWORD
  cp "$secrets/cert.pem" "$signing/signing-cert.pem"
  signed_with="a throwaway certificate made for this run: TEST-SIGNED"
  echo "package: no signing certificate configured (KELVORO_SIGN_PKCS12, or KELVORO_SIGN_CERT and"
  echo "package: KELVORO_SIGN_KEY): the artefacts are TEST-SIGNED with a throwaway certificate,"
  echo "package: which Windows does not trust. Its key is deleted when this run ends."
fi
sign() { bash "$root/scripts/sign.sh" "$@"; }

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
sign "${folder[win32]}/$exe" "${folder[win64]}/$exe"
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
    "-DSIGN=$root/scripts/sign.sh" \
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

# The winget manifest, from the setups as signed and packaged above; it changes none of them.
python3 "$root/scripts/winget_manifest.py" "$out" \
  "${arch[win32]}=${setup[win32]}" "${arch[win64]}=${setup[win64]}"

echo "package: done; signed with $signed_with (certificate: $signing/signing-cert.pem)"
(cd "$out" && ls -l "${artefacts[@]}" && cat SHA256SUMS)
