#!/usr/bin/env bash
# scripts/package.sh --sign with a certificate it cannot use: each case stops before anything is
# built with one line that names the problem, and leaves no package, not even an older one.
# bash package_sign_test.sh SOURCE_DIR
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# A checkout of the scripts alone: a case that builds anything fails for want of the sources.
mkdir -p "$work/tree/scripts"
cp "$1"/scripts/{package.sh,setup.sh,wine-env.sh} "$work/tree/scripts/"
cd "$work" || exit 1
certificate() {  # name, extended key usage
    openssl req -x509 -newkey rsa:2048 -nodes -days 30 -subj "/CN=$1" \
        -addext "extendedKeyUsage=$2" -keyout "$1.key" -out "$1.pem" 2>/dev/null &&
        openssl pkcs12 -export -inkey "$1.key" -in "$1.pem" -passout pass:right -out "$1.p12"
}
certificate signer codeSigning && certificate website serverAuth || exit 1
echo right >right
echo wrong >wrong
echo "not a certificate" >junk.p12

# case: environment password ("-" for none), package.sh arguments..., expected line
sign_case() {
    local password=$1 expected=${*: -1} output status
    shift
    mkdir -p tree/build/release-win64/package tree/build/release-win32/package
    touch tree/build/release-win64/package/older.zip
    if [ "$password" = - ]; then
        output=$(env -u VARORIZO_SIGN_PASSWORD bash tree/scripts/package.sh "${@:1:$#-1}" 2>&1)
    else
        output=$(VARORIZO_SIGN_PASSWORD=$password bash tree/scripts/package.sh "${@:1:$#-1}" 2>&1)
    fi
    status=$?
    [ "$status" -ne 0 ] || fail "$*: succeeded"
    [ "$output" = "package.sh: $expected" ] || fail "$*: said '$output', not '$expected'"
    [ -e tree/build/release-win64/package ] || [ -e tree/build/release-win32/package ] &&
        fail "$*: left a package folder"
}
sign_case - --sign missing.p12 --password-file right "$work/missing.p12: no certificate file there"
sign_case - --sign signer.p12 --password-file missing "$work/missing: no password file there"
sign_case - --sign signer.p12 \
    "--sign needs the certificate's password: set VARORIZO_SIGN_PASSWORD or give --password-file FILE"
sign_case wrong --sign signer.p12 "$work/signer.p12: wrong password"
# An empty password is a password, not none: the certificate's is another.
sign_case "" --sign signer.p12 "$work/signer.p12: wrong password"
sign_case - --sign signer.p12 --password-file wrong "$work/signer.p12: wrong password"
sign_case right --sign junk.p12 "$work/junk.p12: not a PKCS#12 certificate file (.p12 or .pfx)"
sign_case right --sign website.p12 "$work/website.p12: the certificate is not for code signing \
(its extended key usage lacks Code Signing)"

[ "$failures" -eq 0 ] && echo "package.sh refuses every unusable certificate"
[ "$failures" -eq 0 ]
