#!/usr/bin/env bash
# Checks the signatures of the release artefacts that scripts/package.sh wrote to build/package
# (or KELVORO_PACKAGE_DIR):
#   - both setups and both programs (from the portable zip) verify against the certificate that
#     signed them (build/package-signing/signing-cert.pem, or KELVORO_SIGN_CAFILE), with SHA-256,
#     the product name and the maker's address in the signature; SHA256SUMS matches them;
#   - one byte changed in a signed program (at offsets spread over the whole file) fails the
#     verification: the signed digest, or for bytes outside it the file's checksum, no longer
#     matches;
#   - the signed programs pass the hardening check (scripts/check_pe.py);
#   - in scratch folders: two package runs with one certificate (PEM, then PKCS#12) give
#     byte-identical artefacts; a run without one signs with a throwaway certificate that nothing
#     else verifies against, and leaves neither its key nor its temporary folder behind.
# The installed uninstaller is checked by tests/e2e/install_test.sh. Prints PASS/FAIL per check
# and "N passed, M failed"; exits non-zero on any failure.
set -uo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(realpath -m "${KELVORO_PACKAGE_DIR:-$root/build/package}")
cafile=${KELVORO_SIGN_CAFILE:-$out-signing/signing-cert.pem}
exe="Kelvoro 2.1.exe"
setups=(Kelvoro-2.1-setup.exe Kelvoro-2.1-x64-setup.exe)

# shellcheck source=../checks.sh
source "$root/tests/checks.sh"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# A file verifies when osslsigncode accepts its signature and its PE checksum.
verifies() { # FILE CAFILE
  local report
  report=$(osslsigncode verify -CAfile "$2" -in "$1" 2>&1) || return 1
  ! grep -q 'invalid PE checksum' <<<"$report"
}
signed_as_released() { # FILE: SHA-256, product name and address in the signature
  local report
  report=$(osslsigncode verify -CAfile "$cafile" -in "$1" 2>&1) || return 1
  grep -q '^Message digest algorithm *: SHA256' <<<"$report" &&
    grep -q 'Text description: Kelvoro 2.1$' <<<"$report" &&
    grep -q 'URL description: http://orvane.example/$' <<<"$report"
}

# Offsets at which a changed byte leaves FILE verifying: about 60 spread evenly over the file,
# plus the checksum field, the certificate table entry, the last byte before the signature and
# the last byte of the file.
tamper_survivors() { # FILE CAFILE
  python3 - "$1" "$2" <<'EOF'
import struct, subprocess, sys
path, cafile = sys.argv[1:]
data = open(path, "rb").read()
pe = struct.unpack_from("<I", data, 0x3C)[0]
optional = pe + 24
magic = struct.unpack_from("<H", data, optional)[0]
table_entry = optional + (96 if magic == 0x10B else 112) + 4 * 8
signature_at = struct.unpack_from("<I", data, table_entry)[0]
offsets = set(range(0, len(data), len(data) // 60))
offsets |= {optional + 64, table_entry, signature_at - 1, signature_at + 8, len(data) - 1}
for offset in sorted(offsets):
    changed = bytearray(data)
    changed[offset] ^= 0x01
    open(path + ".t", "wb").write(changed)
    run = subprocess.run(["osslsigncode", "verify", "-CAfile", cafile, "-in", path + ".t"],
                         capture_output=True, text=True)
    if run.returncode == 0 and "invalid PE checksum" not in run.stdout + run.stderr:
        print(offset)
EOF
}

for f in "${setups[@]}" Kelvoro-2.1-portable.zip SHA256SUMS; do
  [ -f "$out/$f" ] || { fail "artefact $f exists" "run scripts/package.sh"; finish; }
done
[ -f "$cafile" ] || { fail "signing certificate exists" "$cafile"; finish; }

for f in "${setups[@]}"; do
  check "$f verifies against the signing certificate" signed_as_released "$out/$f"
done
check "SHA256SUMS matches the signed artefacts" bash -c "cd '$out' && sha256sum --quiet -c SHA256SUMS"

for bits in 32 64; do
  build=win$bits
  program="$scratch/$build.exe"
  python3 -c 'import sys, zipfile; sys.stdout.buffer.write(zipfile.ZipFile(sys.argv[1]).read(sys.argv[2]))' \
    "$out/Kelvoro-2.1-portable.zip" "Kelvoro 2.1/$bits-bit/$exe" >"$program"
  check "$build program from the zip verifies against the signing certificate" signed_as_released "$program"
  what="$build program: every changed byte fails verification"
  survivors=$(tamper_survivors "$program" "$cafile" | tr '\n' ' ')
  if ! verifies "$program" "$cafile"; then fail "$what" "the unchanged program does not verify"
  elif [ -z "$survivors" ]; then pass "$what"
  else fail "$what" "still verifies at offsets $survivors"; fi
  check "$build program: the signed program passes the hardening check" \
    python3 "$root/scripts/check_pe.py" "$program"
done

# ---- Package runs in scratch folders ---------------------------------------------------------
echo "== package runs in $scratch"
keys="$scratch/keys"
mkdir -p "$keys" "$scratch/tmp"
openssl req -x509 -newkey rsa:2048 -nodes -days 30 -subj "/CN=Kelvoro sign test" \
  -addext "extendedKeyUsage=codeSigning" -keyout "$keys/key.pem" -out "$keys/cert.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$keys/key.pem" -in "$keys/cert.pem" -out "$keys/cert.p12" \
  -passout pass:sign-test
package() { # NAME [VAR=VALUE...]
  local name=$1
  shift
  env -u KELVORO_SIGN_PKCS12 -u KELVORO_SIGN_CERT -u KELVORO_SIGN_KEY -u KELVORO_SIGN_PASSWORD \
    -u KELVORO_SIGN_TIMESTAMP_URL KELVORO_PACKAGE_DIR="$scratch/$name" TMPDIR="$scratch/tmp" "$@" \
    bash "$root/scripts/package.sh" >"$scratch/$name.log" 2>&1
}
same_artefacts() { # DIR DIR
  local f
  for f in "${setups[@]}" Kelvoro-2.1-portable.zip SHA256SUMS; do cmp -s "$1/$f" "$2/$f" || return 1; done
}
check "package run with a PEM certificate and key" package pem1 KELVORO_SIGN_CERT="$keys/cert.pem" KELVORO_SIGN_KEY="$keys/key.pem"
check "second run with them" package pem2 KELVORO_SIGN_CERT="$keys/cert.pem" KELVORO_SIGN_KEY="$keys/key.pem"
check "two runs with one certificate give byte-identical artefacts" same_artefacts "$scratch/pem1" "$scratch/pem2"
check "package run with the same certificate as PKCS#12" package p12 KELVORO_SIGN_PKCS12="$keys/cert.p12" KELVORO_SIGN_PASSWORD=sign-test
check "PKCS#12 run gives the PEM run's artefacts" same_artefacts "$scratch/pem1" "$scratch/p12"
check "package run without a certificate" package test
check "it says the artefacts are test-signed" grep -q TEST-SIGNED "$scratch/test.log"
check "its setup verifies against its own certificate" verifies "$scratch/test/${setups[1]}" "$scratch/test-signing/signing-cert.pem"
check "its setup does not verify against another certificate" bash -c "! osslsigncode verify -CAfile '$keys/cert.pem' -in '$scratch/test/${setups[1]}'"
check "no private key beside the artefacts" bash -c "! grep -rl 'PRIVATE KEY' '$scratch/test' '$scratch/test-signing'"
check "the signing temporary folder is gone" bash -c "[ -z \"\$(ls -A '$scratch/tmp')\" ]"

finish
