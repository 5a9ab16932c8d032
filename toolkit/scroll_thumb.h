// The scroll bar's thumb length, shared by the hit test, the thumb drag and the painter's rules.
#pragma once
#include <cstdint>

#include "toolkit/control.h"

// Length L times page over content size, truncated toward zero, then at least 2 x cap + 1 and
// at most L. Needs rangeEnd != 0; computed wide so no product overflows.
inline int64_t ScrollThumbLength(const Control& c) {
    int64_t length = c.orientation == 0 ? c.width : c.height;
    int64_t thumb = length * c.value / c.rangeEnd;
    int64_t shortest = 2 * int64_t{c.extent} + 1;
    if (thumb < shortest) return shortest;
    if (thumb > length) return length;
    return thumb;
}
