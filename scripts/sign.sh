#!/usr/bin/env bash
# Signs Windows programs in place with an Authenticode signature (osslsigncode, SHA-256), the
# product name "Kelvoro 2.1" and the maker's web address in it.
#
#   scripts/sign.sh FILE...
#
# The certificate comes from the environment, one of:
#   KELVORO_SIGN_PKCS12=<file.p12>  [KELVORO_SIGN_PASSWORD=<its password>]
#   KELVORO_SIGN_CERT=<cert.pem> KELVORO_SIGN_KEY=<key.pem>  [KELVORO_SIGN_PASSWORD=<key's>]
# KELVORO_SIGN_TIMESTAMP_URL names an RFC 3161 time-stamp server; without one the signature is
# not time-stamped and its signing time is SOURCE_DATE_EPOCH (when set), so the same input,
# certificate and key give the same bytes. scripts/package.sh calls this for every program it
# ships, and makensis calls it (!finalize, !uninstfinalize) for the setups and uninstallers.
set -euo pipefail

description="Kelvoro 2.1"
url="http://orvane.example/"

[ $# -gt 0 ] || { echo "usage: sign.sh FILE..." >&2; exit 2; }
command -v osslsigncode >/dev/null || { echo "sign: osslsigncode is not installed (scripts/deps.sh)" >&2; exit 1; }

if [ -n "${KELVORO_SIGN_PKCS12:-}" ]; then
  credentials=(-pkcs12 "$KELVORO_SIGN_PKCS12")
elif [ -n "${KELVORO_SIGN_CERT:-}" ] && [ -n "${KELVORO_SIGN_KEY:-}" ]; then
  credentials=(-certs "$KELVORO_SIGN_CERT" -key "$KELVORO_SIGN_KEY")
else
  echo "sign: set KELVORO_SIGN_PKCS12, or KELVORO_SIGN_CERT and KELVORO_SIGN_KEY" >&2
  exit 1
fi
# The password goes through a pipe, never the command line (which other users can list).
password=()
[ -n "${KELVORO_SIGN_PASSWORD:-}" ] && password=(-readpass -)

when=()
if [ -n "${KELVORO_SIGN_TIMESTAMP_URL:-}" ]; then
  when=(-ts "$KELVORO_SIGN_TIMESTAMP_URL")
elif [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
  when=(-time "$SOURCE_DATE_EPOCH")
fi

for file in "$@"; do
  signed="$file.signing"
  rm -f "$signed"
  if ! printf '%s' "${KELVORO_SIGN_PASSWORD:-}" |
      osslsigncode sign "${credentials[@]}" "${password[@]}" -h sha256 \
        -n "$description" -i "$url" "${when[@]}" -in "$file" -out "$signed" >/dev/null; then
    rm -f "$signed"
    echo "sign: could not sign $file" >&2
    exit 1
  fi
  chmod --reference="$file" "$signed"
  mv -f "$signed" "$file"
done
