#!/usr/bin/env bash
# Builds the Windows x86-64 launcher and runs it under Wine. With a working X display the
# window opens there; without one it runs in Xvfb, writes a screenshot and closes the window.
set -eu
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_packages
ensure_wine_prefix
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j"$(nproc)" --target launcher >/dev/null
launcher=build/win64/launcher/launcher.exe

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    echo "Running the launcher on $DISPLAY"
    cd "$(dirname "$launcher")" && exec /usr/lib/wine/wine64 ./launcher.exe
fi

ensure_display
trap stop_display EXIT
shot="$PWD/build/launcher-screenshot.png"
(cd "$(dirname "$launcher")" && exec /usr/lib/wine/wine64 ./launcher.exe) &
pid=$!  # the launcher's own process: the only program this script ever stops
for _ in $(seq 100); do xdotool search --name '^Varorizo$' >/dev/null 2>&1 && break; sleep 0.1; done
sleep 2
import -window root "$shot"
echo "No display found: the launcher ran in Xvfb ($DISPLAY). Screenshot: $shot"
# Ask the window to close (Alt+F4 through the focused window), as a user would.
window=$(xdotool search --name '^Varorizo$' | head -1)
xdotool windowfocus "$window" 2>/dev/null || true
xdotool key alt+F4
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
    echo "The launcher did not close; stopping it."
    kill "$pid"
fi
wait "$pid" 2>/dev/null && echo "The launcher ended with exit code 0." || echo "The launcher ended with exit code $?."
