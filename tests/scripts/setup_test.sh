#!/usr/bin/env bash
# The set-up functions of scripts/setup.sh on a pretend machine: stand-ins for id, sudo,
# dpkg-query, apt-get and Wine record what they were asked and fail on request.
# bash setup_test.sh SOURCE_DIR
set -u
source "$1/scripts/setup.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The stand-ins, alone on PATH with the few real tools the functions use.
bin="$work/bin"
mkdir -p "$bin"
for tool in grep tail head mkdir mv date env cat; do ln -s "$(command -v "$tool")" "$bin/$tool"; done
stub() {
    printf '#!/bin/bash\n%s\n' "$2" >"$bin/$1"
    chmod +x "$bin/$1"
}
stub id 'echo "$FAKE_UID"'
stub dpkg-query 'grep -qx "${@: -1}" "$FAKE_STATE/installed" && echo "install ok installed"'
stub apt-get 'echo "apt-get $*" >>"$FAKE_STATE/calls"
[ "$1" = update ] && exit "$FAKE_UPDATE_STATUS"
shift 2; printf "%s\n" "$@" >>"$FAKE_STATE/installed"'
sudo_stub='echo "sudo $1" >>"$FAKE_STATE/calls"; exec "$@"'
export FAKE_STATE="$work/state"
VARORIZO_LOGS="$work/logs"

# case: uid, whether sudo exists, status of apt-get update, expected result, expected text
packages_case() {
    rm -rf "$FAKE_STATE" "$bin/sudo"
    mkdir -p "$FAKE_STATE"
    printf '%s\n' cmake make >"$FAKE_STATE/installed"
    [ "$2" = sudo ] && stub sudo "$sudo_stub"
    VARORIZO_PACKAGES=(cmake make wine64 xvfb)
    local output status
    output=$(FAKE_UID=$1 FAKE_UPDATE_STATUS=$3 PATH="$bin" ensure_packages 2>&1)
    status=$?
    [ "$status" -eq "$4" ] || fail "uid $1, $2, update $3: status $status, not $4: $output"
    grep -q -- "$5" <<<"$output" || fail "uid $1, $2, update $3: no '$5' in: $output"
}
packages_case 0 nosudo 0 0 "Installing: wine64 xvfb"
packages_case 1000 sudo 0 0 "Installing: wine64 xvfb"
grep -q "sudo env" "$FAKE_STATE/calls" || fail "the install did not go through sudo"
packages_case 1000 nosudo 0 1 "as root, run: apt-get install wine64 xvfb"
[ -e "$FAKE_STATE/calls" ] && fail "apt-get ran without root or sudo"
packages_case 0 nosudo 100 1 "Could not install: wine64 xvfb (is the package archive reachable"

# Wine stand-ins: wineboot makes a prefix, or fails when FAKE_WINEBOOT_FAILS is set.
stub wine 'echo "wineboot" >>"$FAKE_STATE/calls"; [ -n "${FAKE_WINEBOOT_FAILS:-}" ] && exit 3
mkdir -p "$WINEPREFIX/drive_c/windows/system32"
: >"$WINEPREFIX/system.reg"; : >"$WINEPREFIX/drive_c/windows/system32/kernel32.dll"'
stub wineserver 'exit 0'
WINE="$bin/wine"
WINESERVER="$bin/wineserver"
export WINEPREFIX="$work/prefix"

rm -rf "$FAKE_STATE" && mkdir -p "$FAKE_STATE"
output=$(FAKE_WINEBOOT_FAILS=1 PATH="$bin" ensure_wine_prefix 2>&1) &&
    fail "a failed wineboot was reported as success"
grep -q "Creating the Wine prefix $WINEPREFIX failed (exit code 3" <<<"$output" ||
    fail "no report of the failed creation: $output"

mkdir -p "$WINEPREFIX/drive_c" && echo keep >"$WINEPREFIX/user.reg"
PATH="$bin" ensure_wine_prefix >/dev/null 2>&1 || fail "a broken prefix was not rebuilt"
wine_prefix_ready || fail "the rebuilt prefix is not ready"
grep -qx keep "$work"/prefix.broken-*/user.reg || fail "the broken prefix was not kept aside"
rm -f "$FAKE_STATE/calls"
PATH="$bin" ensure_wine_prefix >/dev/null 2>&1 || fail "a ready prefix was refused"
[ -e "$FAKE_STATE/calls" ] && fail "a ready prefix was made again"

[ "$failures" -eq 0 ] && echo "setup functions: all cases passed"
[ "$failures" -eq 0 ]
