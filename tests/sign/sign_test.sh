#!/usr/bin/env bash
# The release artefacts in build/package (or KELVORO_PACKAGE_DIR): signed by the certificate in
# build/package-signing (or KELVORO_SIGN_CAFILE), broken by any changed byte, still hardened; runs
# with one certificate reproducible; one without test-signed, leaving no key or temporary folder.
set -uo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(realpath -m "${KELVORO_PACKAGE_DIR:-$root/build/package}")
cafile=$(realpath -m "${KELVORO_SIGN_CAFILE:-$out-signing/signing-cert.pem}")
artefacts=(Kelvoro-2.1-setup.exe Kelvoro-2.1-x64-setup.exe Kelvoro-2.1-portable.zip SHA256SUMS)
# shellcheck source=../checks.sh
source "$root/tests/checks.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

verifies() { # FILE [CAFILE]: prints the report when signature and PE checksum check out
  local r
  r=$(osslsigncode verify -CAfile "${2:-$cafile}" -in "$1" 2>&1) || return 1
  [[ $r != *"invalid PE checksum"* ]] && echo "$r"
}
unverified() { ! verifies "$1"; }
signed_as_released() { # FILE: verifies, with SHA-256, the product name and the maker's address
  local report
  report=$(verifies "$1") && grep -q '^Message digest algorithm *: SHA256' <<<"$report" &&
    grep -q 'Text description: Kelvoro 2.1$' <<<"$report" &&
    grep -q 'URL description: http://orvane.example/$' <<<"$report"
}
for f in "${artefacts[@]/#/$out/}" "$cafile"; do
  [ -f "$f" ] || { fail "$f exists" "run scripts/package.sh"; finish; }
done
# The programs from the zip, each with copies (PROGRAM.OFFSET) with a byte changed at ~20 offsets
# over the file, the checksum, the certificate table entry, around the signature, the last byte.
python3 - "$out/Kelvoro-2.1-portable.zip" "$scratch" <<'EOF' || fail "programs taken from the zip"
import struct, sys, zipfile
portable, scratch = sys.argv[1:]
for bits in (32, 64):
    data = zipfile.ZipFile(portable).read("Kelvoro 2.1/%d-bit/Kelvoro 2.1.exe" % bits)
    open("%s/win%d.exe" % (scratch, bits), "wb").write(data)
    optional = struct.unpack_from("<I", data, 0x3C)[0] + 24
    entry = optional + (96 if data[optional + 1] == 1 else 112) + 4 * 8  # PE32 or PE32+
    signature = struct.unpack_from("<I", data, entry)[0]
    for offset in set(range(0, len(data), len(data) // 20)) | {
            optional + 64, entry, signature - 1, signature + 8, len(data) - 1}:
        changed = bytearray(data)
        changed[offset] ^= 0x01
        open("%s/win%d.exe.%d" % (scratch, bits, offset), "wb").write(changed)
EOF
all_hold "both setups and both programs from the zip are signed as released" signed_as_released \
  "$out"/Kelvoro-2.1{,-x64}-setup.exe "$scratch"/win{32,64}.exe
check "SHA256SUMS matches the artefacts" bash -c "cd '$out' && sha256sum --quiet -c SHA256SUMS"
for program in "$scratch"/win{32,64}.exe; do
  what="${program##*/}: every changed byte fails verification"
  if verifies "$program" >/dev/null; then all_hold "$what" unverified "$program".[0-9]*
  else fail "$what" "the unchanged program does not verify"; fi
  check "${program##*/}: passes check_pe.py" python3 "$root/scripts/check_pe.py" "$program"
done

cd "$scratch" && mkdir tmp || exit 2
openssl req -x509 -newkey rsa:2048 -nodes -days 30 -subj "/CN=Kelvoro sign test" \
  -addext "extendedKeyUsage=codeSigning" -keyout key.pem -out cert.pem 2>/dev/null
openssl pkcs12 -export -inkey key.pem -in cert.pem -out cert.p12 -passout pass:sign-test
package() { # NAME [VAR=VALUE...]: a package run into $scratch/NAME
  env -u KELVORO_SIGN_PKCS12 -u KELVORO_SIGN_CERT -u KELVORO_SIGN_KEY -u KELVORO_SIGN_PASSWORD \
    -u KELVORO_SIGN_TIMESTAMP_URL KELVORO_PACKAGE_DIR="$scratch/$1" TMPDIR="$scratch/tmp" "${@:2}" \
    bash "$root/scripts/package.sh" >"$scratch/$1.log" 2>&1
}
package_again() { # NAME [VAR=VALUE...]: a package run into $scratch/NAME gives pem's artefacts
  package "$@" && diff -r pem "$1" && ls "${artefacts[@]/#/$1/}"
}
pem=(KELVORO_SIGN_CERT="$scratch/cert.pem" KELVORO_SIGN_KEY="$scratch/key.pem")
check "package run with a PEM certificate and key" package pem "${pem[@]}"
check "a second run with them gives byte-identical artefacts" package_again pem2 "${pem[@]}"
check "a run with the same certificate as PKCS#12 gives them too" \
  package_again p12 KELVORO_SIGN_PKCS12="$scratch/cert.p12" KELVORO_SIGN_PASSWORD=sign-test
check "package run without a certificate" package test
check "it says the artefacts are TEST-SIGNED" grep -q TEST-SIGNED "$scratch/test.log"
test_setup="$scratch/test/Kelvoro-2.1-x64-setup.exe"
check "its setup verifies against its own certificate" \
  verifies "$test_setup" "$scratch/test-signing/signing-cert.pem"
refute "its setup does not verify against another one" verifies "$test_setup" "$scratch/cert.pem"
refute "no private key beside its artefacts" grep -rl 'PRIVATE KEY' "$scratch"/test{,-signing}
check "its temporary folder is left empty (rmdir removes only an empty one)" rmdir "$scratch/tmp"

finish
