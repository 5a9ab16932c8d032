#!/usr/bin/env bash
# The maps name only what exists: every code name in backticks in README.md, docs/*.md and
# platform/README.md must be in the tree. A path of the tree's own folders (or a file name with a
# source extension) must be a file or folder there; a name of the code (CamelCase, camelCase,
# snake_case or CAPS_WITH_UNDERSCORES, optionally with "()") must occur in a source file.
# Commands, values, placeholders (<...>, *) and the names of files the build or an integrator
# makes are left alone. Prints each missing name with its document and line, and fails; prints
# one line and succeeds when there is none.
# Usage: check_doc_names.sh [ROOT]   (ROOT: the source tree, by default this script's checkout)
set -u
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root" || exit 2

documents=(README.md docs/*.md platform/README.md)
folders="artwork|base|bench|cartoons|cmake|display|docs|gallery|launcher|platform|render|scripts|tests|toolkit|tools|\.ci"
sources=$(git ls-files 2>/dev/null | grep -E '\.(cpp|h|in|cmake|sh|txt|json|rc|manifest)$|CMakeLists\.txt$|^scripts/' ||
    find . -path ./build -prune -o -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.cmake' \
        -o -name '*.sh' -o -name 'CMakeLists.txt' -o -name '*.in' \) -print)
words=$(mktemp)
trap 'rm -f "$words"' EXIT
# shellcheck disable=SC2086  # one word a file name
grep -ohE '[A-Za-z_][A-Za-z0-9_]*' $sources | sort -u >"$words"

missing=0
checked=0
for document in "${documents[@]}"; do
    [ -f "$document" ] || continue
    # Fenced code blocks are commands and listings, not names.
    while IFS=$'\t' read -r line name; do
        name=${name%()}
        if [[ $name =~ ^($folders)/[A-Za-z0-9_./-]*$ ]] ||
            [[ $name =~ ^[A-Za-z0-9_-]+\.(cpp|h|cmake|sh|md)$ && ! $name =~ ^(artwork|LICENSE)\.md$ ]]; then
            checked=$((checked + 1))
            [ -e "$name" ] && continue
            # A bare file name may live in any folder of the tree.
            [[ $name != */* ]] && [ -n "$(find . -path ./build -prune -o -name "$name" -print -quit)" ] &&
                continue
        elif [[ $name =~ ^[A-Za-z_][A-Za-z0-9_]*$ ]] &&
            [[ $name =~ [a-z][A-Z] || $name =~ ^[A-Z][a-z0-9]+[A-Z] || $name =~ ^[A-Z0-9]+_[A-Z0-9_]+$ || $name =~ ^[a-z0-9]+_[a-z0-9_]+$ ]]; then
            checked=$((checked + 1))
            grep -qxF "$name" "$words" && continue
        else
            continue
        fi
        echo "$document:$line: \`$name\` is named here but is not in the tree"
        missing=$((missing + 1))
    done < <(awk '/^```/ { fenced = !fenced; next }
                  !fenced { line = $0
                            while (match(line, /`[^`]+`/)) {
                                printf "%d\t%s\n", NR, substr(line, RSTART + 1, RLENGTH - 2)
                                line = substr(line, RSTART + RLENGTH) } }' "$document")
done
if [ "$missing" -gt 0 ]; then
    echo "$missing names in the documents are not in the tree"
    exit 1
fi
echo "every one of the $checked code names in the documents is in the tree"
