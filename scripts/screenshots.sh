#!/usr/bin/env bash
# Screenshots of the launcher and of every gallery page, in the native SDL window and under
# Wine, taken in an Xvfb display of their own: build/screenshots/*.png.
set -eu
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_packages
ensure_wine_prefix
for preset in sdl win64; do
    cmake --preset $preset >/dev/null
    cmake --build --preset $preset -j"$(nproc)" --target launcher gallery >/dev/null
done
unset DISPLAY  # a display of their own, whatever the caller's shows
ensure_display
trap stop_display EXIT
out=$PWD/build/screenshots
mkdir -p "$out"

# shoot NAME TITLE FOLDER COMMAND...: starts the program there, waits for its window, takes
# the client area and closes the window.
shoot() {
    local name=$1 title=$2 folder=$3 window="" geometry X Y
    shift 3
    (cd "$folder" && exec "$@") >/dev/null 2>&1 &
    local pid=$!
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -1)
        [ -n "$window" ] && break
        sleep 0.1
    done
    sleep 2
    geometry=$(xdotool getwindowgeometry --shell "$window")
    X=$(sed -n 's/^X=//p' <<<"$geometry")
    Y=$(sed -n 's/^Y=//p' <<<"$geometry")
    import -window root -crop "800x600+$X+$Y" +repage "$out/$name.png"
    xdotool windowfocus "$window" 2>/dev/null || true
    xdotool key alt+F4
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "$out/$name.png"
}

shoot launcher-sdl Varorizo build/sdl/launcher ./launcher
shoot launcher-wine Varorizo build/win64/launcher /usr/lib/wine/wine64 ./launcher.exe
for page in 1 2 3 4; do
    shoot "gallery-$page-sdl" "Varorizo gallery" build/sdl/gallery ./gallery "$page"
    shoot "gallery-$page-wine" "Varorizo gallery" build/win64/gallery /usr/lib/wine/wine64 ./gallery.exe "$page"
done
