#!/usr/bin/env bash
# A tree whose documents name a function, a state word and a file after they were renamed or
# removed, beside names that exist and words that are no names: the check must fail and name
# exactly the three, each with its document and line.
set -u
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/toolkit" "$tree/docs" "$tree/platform"
printf 'int32_t pressedIndex;\nvoid GetUiEvent();\n' >"$tree/toolkit/dispatcher.cpp"
printf '`GetUiEvent()` and `pressedIndex` in `toolkit/dispatcher.cpp`; `Tab`, `-DX=1`\n' >"$tree/README.md"
printf 'Intro.\n\n`PumpOldMessage` and `hoverIndex`\n```\n`InCodeBlock`\n```\n' >"$tree/docs/map.md"
printf '| `toolkit/removed.cpp` | `<picture>.png` |\n' >"$tree/platform/README.md"
if out=$(bash "$check" "$tree"); then
    echo "the check passed documents that name what is gone"
    exit 1
fi
echo "$out"
grep -q '^docs/map.md:3: `PumpOldMessage` is named here' <<<"$out" &&
    grep -q '^docs/map.md:3: `hoverIndex` is named here' <<<"$out" &&
    grep -q '^platform/README.md:1: `toolkit/removed.cpp` is named here' <<<"$out" &&
    [ "$(grep -c 'is named here' <<<"$out")" -eq 3 ]
