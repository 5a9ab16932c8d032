# Shared set-up for scripts/run.sh and scripts/test.sh (sourced): installs what is missing on a
# Debian 12 machine, makes the Wine prefix and finds or starts an X display. Safe to run again.

VARORIZO_PACKAGES=(cmake make g++ pkg-config googletest libgtest-dev libbenchmark-dev
    libpixman-1-dev g++-mingw-w64-x86-64 g++-mingw-w64-i686 mingw-w64-tools wine64 xvfb
    xdotool x11-utils imagemagick libsdl2-dev libfreetype-dev fonts-dejavu-core)
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-varorizo}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
WINESERVER=/usr/lib/wine/wineserver

ensure_packages() {
    local missing=()
    for p in "${VARORIZO_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq \
        "${missing[@]}" >/dev/null
}

ensure_wine_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Creating the Wine prefix $WINEPREFIX"
        /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
        "$WINESERVER" -w
    fi
}

# Uses $DISPLAY when it answers; otherwise starts Xvfb (1024 x 768, 24 bits) on a free number.
ensure_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
    local n=99
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    VARORIZO_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    echo "Xvfb did not start" >&2
    return 1
}

stop_display() {
    [ -n "${VARORIZO_XVFB_PID:-}" ] && kill "$VARORIZO_XVFB_PID" 2>/dev/null
    return 0
}
