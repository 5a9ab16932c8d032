// Control records for tests: a visible control of a type and rectangle, every other word zero,
// with the words a test needs set on top.
#pragma once
#include <cstdint>
#include <cstring>

#include "toolkit/control.h"

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
