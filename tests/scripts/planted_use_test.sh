#!/usr/bin/env bash
# A render file that includes a toolkit header and a render target that links the toolkit: the
# check must fail and name both, file and line.
set -u
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/render" "$tree/toolkit"
printf '#include "render/picture.h"\n#include "toolkit/control.h"\n' >"$tree/render/blit.cpp"
printf 'add_library(varorizo_toolkit STATIC a.cpp)\n' >"$tree/toolkit/CMakeLists.txt"
printf 'add_library(varorizo_render STATIC blit.cpp)\ntarget_link_libraries(varorizo_render\n    PUBLIC varorizo_toolkit)\n' >"$tree/render/CMakeLists.txt"
if out=$(bash "$check" "$tree"); then
    echo "the check passed a tree with an upward include"
    exit 1
fi
echo "$out"
grep -q '^layering: render/blit.cpp:2 includes "toolkit/control.h"' <<<"$out" &&
    grep -q '^layering: render/CMakeLists.txt:3 links varorizo_toolkit' <<<"$out" &&
    [ "$(grep -c '^layering: render/' <<<"$out")" -eq 2 ]
