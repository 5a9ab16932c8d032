#!/usr/bin/env bash
# Builds the two Windows packages an integrator ships (x86-64 and x86), with their own pictures
# when a folder of them is given (docs/artwork.md):
#   bash scripts/package.sh [PICTURE_FOLDER]
# The ZIPs land in build/release-win64/package and build/release-win32/package.
set -eu
pictures=""
if [ $# -gt 0 ]; then
    pictures=$(realpath "$1")
fi
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_packages
mkdir -p build/logs
for preset in win64 win32; do
    build=build/release-$preset
    log=build/logs/package-$preset.log
    rm -rf "$build/package"  # never leave an older package looking like this one
    echo "Building the $preset package${pictures:+ with the pictures in $pictures}"
    if ! { cmake --preset "$preset" -B "$build" -DVARORIZO_TESTS=OFF \
               -DVARORIZO_ARTWORK_DIR="$pictures" &&
           cmake --build "$build" -j"$(nproc)" &&
           (cd "$build" && cpack); } >"$log" 2>&1; then
        tail -15 "$log"
        echo "The $preset package was not made (the whole log: $log)."
        exit 1
    fi
    ls "$build"/package/*.zip
done
