# Shared set-up for scripts/run.sh and scripts/test.sh (sourced): installs what is missing on a
# Debian 12 machine, makes the Wine prefix and finds or starts an X display. Safe to run again.
# Each checkout has a Wine prefix and logs of its own, so two checkouts can test at once.

VARORIZO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VARORIZO_LOGS="$VARORIZO_ROOT/build/logs"
VARORIZO_PACKAGES=(cmake make g++ pkg-config googletest libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev
    libpixman-1-dev g++-mingw-w64-x86-64 g++-mingw-w64-i686 mingw-w64-tools wine64 xvfb
    xdotool x11-utils imagemagick libspng-dev zip osslsigncode openssl
    libsdl2-dev libfreetype-dev fonts-dejavu-core libinih-dev)
source "$VARORIZO_ROOT/scripts/wine-env.sh"
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

# The packages of VARORIZO_PACKAGES that are not installed, on one line.
missing_packages() {
    local missing=()
    for p in "${VARORIZO_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
    done
    echo "${missing[*]}"
}

# Installs the missing packages as root or through sudo. Where neither is possible, or the
# package archive cannot be reached, says which packages to install and fails.
ensure_packages() {
    local missing
    missing=$(missing_packages)
    [ -z "$missing" ] && return 0
    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "Missing packages: $missing" >&2
            echo "Neither root nor sudo: as root, run: apt-get install $missing" >&2
            return 1
        fi
        as_root=(sudo)
    fi
    echo "Installing: $missing"
    mkdir -p "$VARORIZO_LOGS"
    local log="$VARORIZO_LOGS/apt.log"
    # shellcheck disable=SC2086  # apt-get takes the names as separate words
    { "${as_root[@]}" apt-get update &&
        "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y $missing; } \
        >"$log" 2>&1
    missing=$(missing_packages)
    if [ -n "$missing" ]; then
        tail -n 5 "$log" >&2
        echo "Could not install: $missing (is the package archive reachable? see $log)" >&2
        return 1
    fi
}

# A prefix is ready once Wine has written its registry and its system folder.
wine_prefix_ready() {
    [ -f "$WINEPREFIX/system.reg" ] && [ -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ]
}

# Makes the Wine prefix when it is missing. An incomplete one (an interrupted or failed creation)
# is moved aside, never deleted, and made anew; a failed creation is reported with its log.
ensure_wine_prefix() {
    wine_prefix_ready && return 0
    if [ -e "$WINEPREFIX" ]; then
        local aside
        aside="$WINEPREFIX.broken-$(date +%Y%m%d-%H%M%S)"
        echo "The Wine prefix $WINEPREFIX is incomplete: moved to $aside, making a new one"
        mv "$WINEPREFIX" "$aside" || return 1
    fi
    echo "Creating the Wine prefix $WINEPREFIX"
    mkdir -p "$VARORIZO_LOGS"
    local log="$VARORIZO_LOGS/wineboot.log" status=0
    "$WINE" wineboot -i >"$log" 2>&1 || status=$?
    "$WINESERVER" -w
    if [ "$status" -ne 0 ] || ! wine_prefix_ready; then
        tail -n 5 "$log" >&2
        echo "Creating the Wine prefix $WINEPREFIX failed (exit code $status, see $log)" >&2
        return 1
    fi
}

# Starts a private Xvfb (1024 x 768, 24 bits) on a display number that the server picks itself,
# so that two checkouts never race for one, and exports DISPLAY.
start_xvfb() {
    local announced number=""
    announced=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$announced" >/dev/null 2>&1 &
    VARORIZO_XVFB_PID=$!
    for _ in $(seq 100); do
        number=$(head -n 1 "$announced")
        [ -n "$number" ] && break
        kill -0 "$VARORIZO_XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$announced"
    if [ -z "$number" ]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$number"
}

# Uses $DISPLAY when it answers; otherwise starts a private Xvfb.
ensure_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
    start_xvfb
}

stop_display() {
    [ -n "${VARORIZO_XVFB_PID:-}" ] && kill "$VARORIZO_XVFB_PID" 2>/dev/null
    return 0
}
