#!/usr/bin/env bash
# Builds the launcher (or the gallery) and runs it: natively on Linux in an SDL window, or the
# Windows build under Wine with --wine. With a working X display the window opens there; without
# one it runs in Xvfb, writes a screenshot and closes the window.
# Usage: run.sh [--wine] [launcher | gallery [PAGE]]
set -eu
cd "$(dirname "$0")/.."
source scripts/setup.sh
wine=false
if [ "${1:-}" = --wine ]; then wine=true; shift; fi
program=${1:-launcher}
[ $# -gt 0 ] && shift
case $program in
    launcher | gallery) ;;
    *) echo "usage: bash scripts/run.sh [--wine] [launcher | gallery [PAGE]]" >&2; exit 2 ;;
esac
ensure_packages
if $wine; then
    ensure_wine_prefix
    preset=win64 folder=build/win64/$program run=(/usr/lib/wine/wine64 "./$program.exe" "$@")
else
    preset=sdl folder=build/sdl/$program run=("./$program" "$@")
fi
cmake --preset $preset >/dev/null
cmake --build --preset $preset -j"$(nproc)" --target "$program" >/dev/null
title=Varorizo
[ "$program" = gallery ] && title="Varorizo gallery"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    echo "Running the $program on $DISPLAY"
    cd "$folder" && exec "${run[@]}"
fi

ensure_display
trap stop_display EXIT
shot="$PWD/build/$program-screenshot.png"
(cd "$folder" && exec "${run[@]}") &
pid=$!  # the program's own process: the only one this script ever stops
for _ in $(seq 100); do xdotool search --name "^$title\$" >/dev/null 2>&1 && break; sleep 0.1; done
sleep 2
import -window root "$shot"
echo "No display found: the $program ran in Xvfb ($DISPLAY). Screenshot: $shot"
# Ask the window to close as a user would: Alt+F4 through the focused window.
window=$(xdotool search --name "^$title\$" | head -1)
xdotool windowfocus "$window" 2>/dev/null || true
xdotool key alt+F4
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
    echo "The $program did not close; stopping it."
    kill "$pid"
fi
wait "$pid" 2>/dev/null && echo "The $program ended with exit code 0." || echo "The $program ended with exit code $?."
