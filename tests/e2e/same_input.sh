#!/usr/bin/env bash
# Plays the same pointer input to the launcher and to the gallery's first page in the SDL
# window and under Wine, with real xdotool input, and compares what each window shows at the
# end with the headless backend's picture of the same input, pixel for pixel.
# Usage: same_input.sh BUILD   (BUILD holds the native, sdl and win64 builds; needs an X display)
set -u
build=$1
here=$(cd "$(dirname "$0")" && pwd)
out=$build/e2e
mkdir -p "$out"
# The checkout's own Wine prefix, as the test command uses, unless WINEPREFIX names another.
source "$here/../../scripts/wine-env.sh"
replay=$build/native/tests/e2e/replay_headless
for file in "$replay" "$build/sdl/launcher/launcher" "$build/sdl/gallery/gallery" \
    "$build/win64/launcher/launcher.exe" "$build/win64/gallery/gallery.exe"; do
    [ -x "$file" ] || [ -f "$file" ] || { echo "missing $file: build the native, sdl and win64 presets first (scripts/test.sh does)"; exit 1; }
done
xdpyinfo >/dev/null 2>&1 || { echo "no X display"; exit 1; }

# play INPUT X Y: the input file's steps as real pointer input, relative to the client area.
play() {
    local verb a b
    while read -r verb a b; do
        case $verb in
            move) xdotool mousemove $(($2 + a)) $(($3 + b)) ;;
            down) xdotool mousedown 1 ;;
            up) xdotool mouseup 1 ;;
            wait) sleep "$(awk "BEGIN { print $a / 1000 }")" ;;
        esac
        sleep 0.05
    done < <(grep -v '^#' "$1")
}

failed=0
# check NAME TITLE INPUT BACKEND COMMAND...: runs the program, plays the input, compares.
check() {
    local name=$1 title=$2 input=$3 backend=$4
    shift 4
    "$@" >/dev/null 2>&1 &
    local pid=$! window="" geometry
    for _ in $(seq 300); do  # up to 30 s: a busy machine starts Wine slowly
        window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -1)
        [ -n "$window" ] && break
        sleep 0.1
    done
    if [ -z "$window" ]; then
        echo "$name/$backend: no window"; failed=$((failed + 1)); kill "$pid" 2>/dev/null; return
    fi
    sleep 1.5  # mapped and painted
    geometry=$(xdotool getwindowgeometry --shell "$window")
    local X Y
    X=$(sed -n 's/^X=//p' <<<"$geometry")
    Y=$(sed -n 's/^Y=//p' <<<"$geometry")
    play "$input" "$X" "$Y"
    sleep 0.5
    import -window root -crop "800x600+$X+$Y" +repage -depth 8 "rgb:$out/$name-$backend.rgb"
    if [ "$backend" = sdl ]; then
        kill -TERM "$pid"  # a termination request is a close request to the window
    else
        xdotool windowfocus "$window" 2>/dev/null; xdotool key alt+F4
    fi
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && { echo "$name/$backend: did not close"; kill -9 "$pid"; failed=$((failed + 1)); }
    wait "$pid" 2>/dev/null
    local differing
    differing=$(cmp -l "$out/$name-headless.rgb" "$out/$name-$backend.rgb" 2>/dev/null | wc -l)
    if cmp -s "$out/$name-headless.rgb" "$out/$name-$backend.rgb"; then
        echo "$name/$backend: the same picture as the headless backend"
    else
        for b in headless "$backend"; do
            convert -size 800x600 -depth 8 "rgb:$out/$name-$b.rgb" "$out/$name-$b.png" 2>/dev/null
        done
        echo "$name/$backend: $differing bytes differ from the headless picture (see $out/$name-*.png)"
        failed=$((failed + 1))
    fi
}

for name in launcher gallery; do
    "$replay" "$name" "$here/$name.input" "$out/$name-headless.rgb" || { echo "$name: no headless picture"; exit 1; }
done
title_launcher="Varorizo"
title_gallery="Varorizo gallery"
check launcher "$title_launcher" "$here/launcher.input" sdl "$build/sdl/launcher/launcher"
check gallery "$title_gallery" "$here/gallery.input" sdl "$build/sdl/gallery/gallery" 1
check launcher "$title_launcher" "$here/launcher.input" wine sh -c "cd '$build/win64/launcher' && exec /usr/lib/wine/wine64 ./launcher.exe"
check gallery "$title_gallery" "$here/gallery.input" wine sh -c "cd '$build/win64/gallery' && exec /usr/lib/wine/wine64 ./gallery.exe 1"
[ "$failed" -eq 0 ] && echo "same input, same pictures" 
exit "$failed"
