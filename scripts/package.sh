#!/usr/bin/env bash
# Builds the two Windows packages an integrator ships (x86-64 and x86), as their own product
# (docs/artwork.md):
#   bash scripts/package.sh [--sign FILE.p12 [--password-file FILE] [--timestamp URL]]
#                           [-DVARORIZO_PRODUCT_NAME=... and the other build options]
#                           [PICTURE_FOLDER]
# With --sign, launcher.exe and cartoons.dll are signed with the certificate in FILE.p12 before
# they are packed. Its password is the first line of the --password-file, or else the
# environment variable VARORIZO_SIGN_PASSWORD; never a command line. A certificate that cannot be
# used stops the script with one line before anything is built. Build options not given are the
# defaults, whatever an earlier run gave. The ZIPs land in build/release-win64/package and
# build/release-win32/package; a run that fails leaves none.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
packages=("$root/build/release-win64/package" "$root/build/release-win32/package")
rm -rf "${packages[@]}"  # never leave an older package looking like this one

fail() {
    rm -rf "${packages[@]}"
    echo "package.sh: $*" >&2
    exit 1
}

pictures="" p12="" password_file="" timestamp=""
options=()
while [ $# -gt 0 ]; do
    case $1 in
        --sign | --password-file | --timestamp)
            [ $# -ge 2 ] || fail "$1 needs a value"
            case $1 in
                --sign) p12=$(realpath -m "$2") ;;
                --password-file) password_file=$(realpath -m "$2") ;;
                --timestamp) timestamp=$2 ;;
            esac
            shift 2
            ;;
        -D*) options+=("$1"); shift ;;
        -*) fail "unknown option $1" ;;
        *)
            [ -z "$pictures" ] || fail "one picture folder only, not also $1"
            pictures=$(realpath "$1")
            shift
            ;;
    esac
done
cd "$root"
if [ -z "$p12" ] && { [ -n "$password_file" ] || [ -n "$timestamp" ]; }; then
    fail "--password-file and --timestamp go with --sign"
fi

source scripts/setup.sh
ensure_packages

# The certificate file, its password and its use, checked before the long build.
check_certificate() {
    [ -f "$p12" ] && [ -r "$p12" ] || fail "$p12: no certificate file there"
    if [ -n "$password_file" ]; then
        [ -f "$password_file" ] && [ -r "$password_file" ] ||
            fail "$password_file: no password file there"
    elif [ -n "${VARORIZO_SIGN_PASSWORD+set}" ]; then
        # A file of the signing tools' own reading, in a folder only this user can enter.
        secrets=$(mktemp -d)
        trap 'rm -rf "$secrets"' EXIT
        printf '%s\n' "$VARORIZO_SIGN_PASSWORD" >"$secrets/password"
        password_file=$secrets/password
    else
        fail "--sign needs the certificate's password: set VARORIZO_SIGN_PASSWORD or give" \
            "--password-file FILE"
    fi
    local certificate usage
    if ! certificate=$(openssl pkcs12 -legacy -in "$p12" -nokeys -clcerts \
        -passin "file:$password_file" 2>&1); then
        case $certificate in
            *"invalid password"* | *"mac verify"*) fail "$p12: wrong password" ;;
            *) fail "$p12: not a PKCS#12 certificate file (.p12 or .pfx)" ;;
        esac
    fi
    grep -q "BEGIN CERTIFICATE" <<<"$certificate" ||
        fail "$p12: holds no certificate that goes with a private key"
    usage=$(openssl x509 -noout -ext extendedKeyUsage <<<"$certificate" 2>/dev/null || true)
    grep -q "Code Signing" <<<"$usage" ||
        fail "$p12: the certificate is not for code signing (its extended key usage lacks Code Signing)"
}
[ -z "$p12" ] || check_certificate

mkdir -p build/logs
for preset in win64 win32; do
    build=build/release-$preset
    log=build/logs/package-$preset.log
    echo "Building the $preset package${pictures:+ with the pictures in $pictures}${p12:+, signed}"
    if ! { cmake --preset "$preset" -B "$build" -DVARORIZO_TESTS=OFF \
               -DVARORIZO_ARTWORK_DIR="$pictures" -UVARORIZO_PRODUCT_NAME \
               -UVARORIZO_PRODUCT_VERSION -UVARORIZO_COMPANY -UVARORIZO_COPYRIGHT -UVARORIZO_KEYBOARD \
               ${options[@]+"${options[@]}"} &&
           cmake --build "$build" -j"$(nproc)" &&
           (cd "$build" && env VARORIZO_SIGN_P12="$p12" VARORIZO_SIGN_PASSWORD_FILE="$password_file" \
               VARORIZO_SIGN_TIMESTAMP="$timestamp" cpack); } >"$log" 2>&1; then
        tail -15 "$log"
        rm -rf "${packages[@]}"
        echo "The $preset package was not made (the whole log: $log)."
        exit 1
    fi
    ls "$build"/package/*.zip
done
