// The frame buffer's few helpers for the code that draws into it: where a pixel lies, and the
// check that a rectangle lies inside. The drawing routines never clip: callers keep their
// rectangles inside the frame buffer. Debug and sanitizer builds check that here, so a caller's
// mistake fails a test instead of corrupting memory; release builds compile the check away.
#pragma once
#include <cassert>
#include <cstddef>
#include <cstdint>

#include "display/display.h"

// True when the rectangle is empty or lies inside the frame buffer.
inline bool InsideFrame(int32_t x, int32_t y, int32_t width, int32_t height) {
    if (width <= 0 || height <= 0) return true;
    return x >= 0 && y >= 0 && int64_t{x} + width <= frameWidth &&
           int64_t{y} + height <= frameHeight;
}

#define ASSERT_INSIDE_FRAME(x, y, width, height) assert(InsideFrame((x), (y), (width), (height)))

// The frame-buffer pixel at (x, y).
inline uint32_t* FramePixel(int32_t x, int32_t y) {
    return FrameBuffer + ptrdiff_t{y} * frameRowPixels + x;
}
