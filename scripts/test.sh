#!/usr/bin/env bash
# Builds every target (Linux, sanitizers, Windows x86-64 and x86, the native SDL window) and runs
# every test suite: native and sanitizer tests on the headless backend, Windows tests under Wine
# and SDL tests in an X display.
# The last line counts all of them: "N passed, N failed".
set -u
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_packages || { echo "0 passed, 1 failed"; exit 1; }
ensure_wine_prefix || { echo "0 passed, 1 failed"; exit 1; }
# A private X display, never the user's: the tests move the pointer and read the screen.
start_xvfb || { echo "0 passed, 1 failed"; exit 1; }
"$WINESERVER" -p  # one Wine server for all Windows tests
trap '"$WINESERVER" -k 2>/dev/null; stop_display' EXIT

passed=0
failed=0
jobs=$(nproc)
logs=build/logs
mkdir -p "$logs"

# build PRESET: configure and build; a failure counts as one failed suite.
build() {
    if cmake --preset "$1" >"$logs/build-$1.log" 2>&1 && cmake --build --preset "$1" -j"$jobs" >>"$logs/build-$1.log" 2>&1; then
        return 0
    fi
    tail -40 "$logs/build-$1.log"
    echo "BUILD FAILED: $1 (see $logs/build-$1.log)"
    failed=$((failed + 1))
    return 1
}

# run_ctest PRESET [ctest options]: runs the preset's tests and adds up their results.
run_ctest() {
    local preset=$1; shift
    local log="$logs/test-$preset.log"
    ctest --preset "$preset" "$@" 2>&1 | tee "$log" | grep -E "\*\*\*|\(Failed\)|tests passed" || true
    local summary total bad
    summary=$(grep -E "tests passed, [0-9]+ tests? failed out of [0-9]+" "$log" | tail -1)
    if [ -z "$summary" ] && grep -q "No tests were found" "$log"; then
        echo "$preset: no tests"
        return
    fi
    if [ -z "$summary" ]; then
        echo "NO TEST RESULTS: $preset (see $log)"
        failed=$((failed + 1))
        return
    fi
    bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$summary")
    total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$summary")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
    echo "$preset: $((total - bad)) passed, $bad failed"
}

build native && run_ctest native -j"$jobs"
build asan && run_ctest asan -j"$jobs"
build fuzz && run_ctest fuzz -j"$jobs"
build win32 && run_ctest win32
if build win64; then
    # Start Wine's session (desktop, services) once before the tests time their programs.
    timeout 300 /usr/lib/wine/wine64 cmd /c exit >/dev/null 2>&1
    run_ctest win64 --timeout 600
fi
# The native SDL window last: its tests compare with the native and win64 builds.
build sdl && run_ctest sdl --timeout 600

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
