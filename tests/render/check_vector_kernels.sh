#!/usr/bin/env bash
# Reads the renderer's machine code: the SSSE3 and AVX2 picture kernels are in the library, and
# no vector instruction that needs an aligned stack slot runs in a function that does not align
# its stack first. 32-bit Windows aligns the stack to 4 bytes only; 64-bit Windows to 16, and
# GCC cannot realign it there, so its 256-bit spills must take unaligned moves.
# Usage: check_vector_kernels.sh OBJDUMP LIBRARY BITS
set -u
objdump=$1
library=$2
bits=$3

symbols=$("$objdump" -t "$library")
for kernel in BlitPictureSsse3 BlitPictureAvx2; do
    grep -q "$kernel" <<<"$symbols" || { echo "$library has no $kernel kernel"; exit 1; }
done

"$objdump" -d --no-show-raw-insn "$library" | awk -v bits="$bits" '
    function flush() {
        if (fn != "" && need > have) {
            printf "%s: a vector stack slot needs %d-byte alignment, the function gives %d: %s\n",
                   fn, need, have, example
            bad++
        }
    }
    /^[0-9a-f]+ <.*>:$/ { flush(); fn = $2; need = 0; example = ""; have = bits == 64 ? 16 : 4 }
    /and +\$0x[f]+e0,%[er]sp/ { have = 32 }
    /and +\$0x[f]+f0,%[er]sp/ { if (have < 16) have = 16 }
    /%[xy]mm/ && /\(%[er](sp|bp)/ {
        split($0, parts, "\t"); split(parts[2], words, " "); op = words[1]
        wide = $0 ~ /%ymm/ ? 32 : 16
        aligned = 0
        if (op ~ /^v?mov(dqa|aps|apd|ntdq|ntps|ntpd)/) aligned = wide       # aligned moves
        else if (op !~ /^v/ && op !~ /^(movdqu|movups|movupd|movd|movq|movss|movsd|movhps|movlps|pextr|pinsr)/) aligned = 16  # legacy SSE operands
        if (aligned > need) { need = aligned; example = parts[2] }
    }
    END { flush(); if (bad) exit 1 }'
status=$?
[ "$status" -eq 0 ] && echo "$library: both vector kernels, every vector stack slot aligned as it needs"
exit "$status"
