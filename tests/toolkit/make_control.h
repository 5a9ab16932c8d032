// A control record for the painter's tests.
#pragma once
#include <cstring>

#include "toolkit/control.h"

// A control record of the given type and rectangle, visible, level 0, everything else zero.
inline Control MakeControl(int32_t type, int32_t x, int32_t y, int32_t width, int32_t height) {
    Control c;
    std::memset(&c, 0, sizeof c);
    c.visible = 1;
    c.type = type;
    c.x = x;
    c.y = y;
    c.width = width;
    c.height = height;
    return c;
}
