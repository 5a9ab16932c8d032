#!/usr/bin/env bash
# The whole program's costs under Wine in an X display, side by side with a bare Win32 program
# that shows the same picture in a window of the same styles with the same 25 ms timer: time to
# the first correct frame on screen, idle CPU, CPU while a button fades, CPU during a held drag
# in the gallery, and peak memory. Runs alternate, bare program first, and each figure is the
# median over the pairs.
# Usage: bench/whole_program.sh [--pairs N] [--launcher PATH] [--gallery PATH]
set -eu
cd "$(dirname "$0")/.."
pairs=3
launcher=""
gallery=""
while [ $# -gt 0 ]; do
    case $1 in
        --pairs) pairs=$2; shift 2 ;;
        --launcher) launcher=$2; shift 2 ;;
        --gallery) gallery=$2; shift 2 ;;
        *) echo "usage: $0 [--pairs N] [--launcher PATH] [--gallery PATH]" >&2; exit 2 ;;
    esac
done

source scripts/setup.sh
ensure_packages
ensure_wine_prefix
ensure_display
trap stop_display EXIT
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j"$(nproc)" --target launcher bare_window gallery >/dev/null
cmake --preset native >/dev/null
cmake --build --preset native -j"$(nproc)" --target frame_watch >/dev/null
launcher=${launcher:-build/win64/launcher/launcher.exe}
[ -n "$gallery" ] || [ ! -f build/win64/gallery/gallery.exe ] || gallery=build/win64/gallery/gallery.exe
bare=build/win64/bench/bare_window.exe
watch=build/native/bench/frame_watch
work=$(mktemp -d)
trap 'rm -rf "$work"; stop_display' EXIT

# CPU nanoseconds the process and all its threads have run.
cpu_ns() {
    local total=0 t
    for t in /proc/"$1"/task/*/schedstat; do total=$((total + $(cut -d' ' -f1 "$t"))); done
    echo "$total"
}
# Per cent of one core the process used over SECONDS.
cpu_share() {
    local before after
    before=$(cpu_ns "$1")
    sleep "$2"
    after=$(cpu_ns "$1")
    awk -v d=$((after - before)) -v s="$2" 'BEGIN { printf "%.3f", d / (s * 1e7) }'
}
peak_kib() { awk '/^VmHWM:/ { print $2 }' /proc/"$1"/status; }

# start PROGRAM WINDOW_NAME: runs it from a folder of its own, prints its pid and the time in ms
# to its first correct frame.
start() {
    local folder=$work/$(basename "$1" .exe)
    mkdir -p "$folder"
    cp "$1" "$folder/"
    xdotool mousemove 0 0  # off the window, so that no button lights up in the first frame
    "$watch" "$2" 30000 >"$work/first" &
    local watcher=$!
    (cd "$folder" && exec /usr/lib/wine/wine64 "./$(basename "$1")" "${@:3}") &
    local pid=$!
    wait "$watcher" || { kill "$pid" 2>/dev/null; echo "no correct frame of $1" >&2; return 1; }
    echo "$pid $(cat "$work/first")"
}

stop() {
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

window_origin() {
    local id
    id=$(xdotool search --name "^$1\$" | head -1)
    xdotool getwindowgeometry "$id" | awk '/Position/ { split($2, p, ","); print p[1], p[2] }'
}

bareFirst=() bareIdle=() barePeak=() launcherFirst=() launcherIdle=() launcherFade=()
launcherPeak=() drag=()
for ((i = 0; i < pairs; ++i)); do
    read -r pid first < <(start "$bare" Bare)
    sleep 2
    bareFirst+=("$first")
    bareIdle+=("$(cpu_share "$pid" 10)")
    barePeak+=("$(peak_kib "$pid")")
    stop "$pid"

    read -r pid first < <(start "$launcher" Varorizo)
    sleep 2
    launcherFirst+=("$first")
    launcherIdle+=("$(cpu_share "$pid" 10)")
    read -r ox oy < <(window_origin Varorizo)
    # The English button fades in and out without end while the share is taken.
    (for _ in $(seq 20); do
        xdotool mousemove $((ox + 700)) $((oy + 240)); sleep 0.5
        xdotool mousemove $((ox + 300)) $((oy + 300)); sleep 0.5
    done) &
    mover=$!
    sleep 1
    launcherFade+=("$(cpu_share "$pid" 10)")
    kill "$mover" 2>/dev/null || true
    wait "$mover" 2>/dev/null || true
    launcherPeak+=("$(peak_kib "$pid")")
    stop "$pid"
done

if [ -n "$gallery" ]; then
    for ((i = 0; i < pairs; ++i)); do
        # The gallery opens on its page of values; the across slider's knob, at (90, 110) and
        # 24 x 32 pixels, is pressed and held still.
        (cd "$(dirname "$gallery")" && exec /usr/lib/wine/wine64 "./$(basename "$gallery")" 3) &
        pid=$!
        for _ in $(seq 100); do xdotool search --name '^Varorizo gallery$' >/dev/null 2>&1 && break; sleep 0.1; done
        sleep 2
        read -r ox oy < <(window_origin 'Varorizo gallery')
        xdotool mousemove $((ox + 102)) $((oy + 126))
        sleep 0.3
        xdotool mousedown 1
        sleep 1
        drag+=("$(cpu_share "$pid" 10)")
        xdotool mouseup 1
        stop "$pid"
    done
fi

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2fx", (b > 0 ? a / b : 0) }'; }

bf=$(median "${bareFirst[@]}"); lf=$(median "${launcherFirst[@]}")
bi=$(median "${bareIdle[@]}"); li=$(median "${launcherIdle[@]}"); lfa=$(median "${launcherFade[@]}")
bp=$(median "${barePeak[@]}"); lp=$(median "${launcherPeak[@]}")
echo
echo "| | launcher | bare program | ratio |"
echo "|---|---|---|---|"
echo "| first correct frame on screen | $lf ms | $bf ms | $(ratio "$lf" "$bf") |"
echo "| idle CPU | $li % | $bi % | $(ratio "$li" "$bi") |"
echo "| CPU while a button fades | $lfa % | (idle) $bi % | $(ratio "$lfa" "$bi") |"
echo "| peak memory | $lp KiB | $bp KiB | $(ratio "$lp" "$bp") |"
if [ ${#drag[@]} -gt 0 ]; then
    echo "| CPU during a held drag in the gallery | $(median "${drag[@]}") % | | |"
fi
echo
echo "Medians of $pairs alternating pairs; CPU in per cent of one core, program process only."
