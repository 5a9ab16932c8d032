#!/usr/bin/env bash
# The layering check: every folder includes and links only the layers below it.
#   base < platform < display < render < toolkit < artwork < applications (launcher, gallery)
# cartoons stands apart (it may use base and platform, and nothing but tools, bench and tests may
# use it); tools, bench and tests may use everything. Prints each upward include or link with its
# file and line and fails; prints one line and succeeds when there is none.
# Usage: check_layers.sh [ROOT]   (ROOT: the source tree, by default this script's checkout)
set -u
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root" || exit 2

rank() {
    case $1 in
        base) echo 0 ;; platform) echo 1 ;; display) echo 2 ;; render) echo 3 ;;
        toolkit) echo 4 ;; artwork) echo 5 ;; launcher | gallery) echo 6 ;; cartoons) echo 7 ;;
        tools | bench | tests) echo 9 ;; *) echo -1 ;;
    esac
}

# allowed FROM TO: whether folder FROM may use folder TO.
allowed() {
    local from=$1 to=$2 rf rt
    [ "$from" = "$to" ] && return 0
    rf=$(rank "$from")
    rt=$(rank "$to")
    [ "$rf" -eq 9 ] && return 0
    [ "$rt" -lt 0 ] && return 0  # not a layer (a generated or outside file)
    [ "$to" = cartoons ] && return 1
    [ "$from" = cartoons ] && { [ "$rt" -le 1 ]; return; }
    [ "$rt" -lt "$rf" ]
}

# The layers a folder may use, for the message.
may_use() {
    local from=$1 out="" layer
    for layer in base platform display render toolkit artwork launcher gallery cartoons; do
        allowed "$from" "$layer" && out="$out${out:+, }$layer"
    done
    echo "$out"
}

bad=0
# report FILE LINE WHAT LAYER
report() {
    echo "layering: $1:$2 $3, but $4/ may use only: $(may_use "$4")"
    bad=$((bad + 1))
}

layers="base platform display render toolkit artwork launcher gallery cartoons"
for layer in $layers; do
    [ -d "$layer" ] || continue
    while IFS=: read -r file line text; do
        target=$(sed -E 's/^#include "([^/"]+)\/.*/\1/' <<<"$text")
        [ "$target" = "$text" ] && continue  # an include without a folder
        allowed "$layer" "$target" || report "$file" "$line" "includes ${text#\#include }" "$layer"
    done < <(grep -rnE --include='*.h' --include='*.cpp' --include='*.rc' '^#include "' "$layer")
done

# Which folder defines each of the project's CMake targets.
declare -A home
while IFS=: read -r file name; do
    home[$name]=${file%%/*}
done < <(grep -rhoE --include=CMakeLists.txt -H 'add_(library|executable)\(varorizo_[a-z0-9_]+' . |
    sed -E 's#^\./##; s#:add_(library|executable)\(#:#')

for layer in $layers; do
    [ -d "$layer" ] || continue
    while IFS=: read -r file line name; do
        to=${home[$name]:-}
        [ -n "$to" ] || continue
        allowed "$layer" "$to" || report "$file" "$line" "links $name (of $to/)" "$layer"
    done < <(find "$layer" -name CMakeLists.txt -print0 | xargs -0 awk '
        /target_link_libraries\(/ { inside = 1 }
        inside {
            line = $0
            while (match(line, /varorizo_[a-z0-9_]+/)) {
                print FILENAME ":" FNR ":" substr(line, RSTART, RLENGTH)
                line = substr(line, RSTART + RLENGTH)
            }
        }
        inside && /\)/ { inside = 0 }')
done

if [ "$bad" -gt 0 ]; then
    echo "layering: $bad use(s) of a higher layer"
    exit 1
fi
echo "layering: every include and link looks only down"
