#!/usr/bin/env bash
# sign-menu.sh EXE PKCS12 PASSWORD_FILE SIGNING_TIME IMAGE [TIMESTAMP_URL]
#
# Signs the Windows program EXE in place with Authenticode (osslsigncode),
# with the certificate and key of the PKCS#12 file, whose password is the
# first line of PASSWORD_FILE (read from the file, never put on a command
# line). SIGNING_TIME (seconds since 1970) is the signature's own signing
# time, so that two builds of one commit sign alike; TIMESTAMP_URL, if
# given, names a timestamp server (RFC 3161) that countersigns it.
#
# Refuses, naming the fault, a certificate or password file that cannot be
# read, a password that does not open the certificate, and a certificate
# that cannot sign code; then it removes EXE and IMAGE (the disc image of an
# earlier build), so that nothing unsigned passes for the signed build.
set -uo pipefail
exe=$1 pkcs12=$2 password=$3 signing_time=$4 image=$5 timestamp=${6:-}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

refuse() {
  echo "sign-menu: $1; $exe is not signed, and no disc image is made" >&2
  rm -f "$exe" "$image"
  exit 1
}

[ -r "$pkcs12" ] && [ -f "$pkcs12" ] || refuse "the certificate $pkcs12 cannot be read"
[ -r "$password" ] && [ -f "$password" ] || refuse "the password file $password cannot be read"
# The certificate itself, for its key usage. Older PKCS#12 files use
# ciphers OpenSSL 3 keeps in its legacy provider.
if ! openssl pkcs12 -in "$pkcs12" -passin "file:$password" -nokeys -clcerts -out "$scratch/cert.pem" 2>/dev/null &&
   ! openssl pkcs12 -legacy -in "$pkcs12" -passin "file:$password" -nokeys -clcerts -out "$scratch/cert.pem" 2>/dev/null; then
  refuse "the password in $password does not open the certificate $pkcs12 (or it is no PKCS#12 file)"
fi
usage=$(openssl x509 -in "$scratch/cert.pem" -noout -ext extendedKeyUsage 2>/dev/null)
grep -q "Code Signing" <<<"$usage" || refuse "the certificate in $pkcs12 cannot sign code (no Code Signing extended key usage)"

command=(osslsigncode sign -pkcs12 "$pkcs12" -readpass "$password" -h sha256 -time "$signing_time")
[ -n "$timestamp" ] && command+=(-ts "$timestamp")
if ! "${command[@]}" -in "$exe" -out "$scratch/signed.exe" >"$scratch/log" 2>&1; then
  cat "$scratch/log" >&2
  refuse "osslsigncode could not sign it"
fi
mv "$scratch/signed.exe" "$exe"
