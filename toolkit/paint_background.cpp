// What lies under and around a control: the background copied back under it, and the outline
// ring of the outline group, lightened from the background by the control's level.
#include <algorithm>
#include <cstring>

#include "display/display.h"
#include "display/frame_bounds.h"
#include "render/pixel_rules.h"
#include "toolkit/control_kinds.h"
#include "toolkit/paint_background.h"

namespace {

// One pixel of the outline ring from the background beneath it.
void LightenPixel(int32_t x, int32_t y, uint32_t t) {
    const uint32_t g = backgroundPicture[ptrdiff_t{y} * frameWidth + x];
    uint32_t* d = FramePixel(x, y);
    *d = (*d & kFourthByte) | OutlineLighten((g >> 16) & 255, t) << 16 |
         OutlineLighten((g >> 8) & 255, t) << 8 | OutlineLighten(g & 255, t);
}

}  // namespace

void RestoreBackground(int32_t index, Control* items) {
    const Control& c = items[index];
    if (c.visible != 1) return;
    int32_t x = c.x;
    int32_t y = c.y;
    if (KindOf(c.type).face == Face::Knob) {
        // The knob's rectangle follows its offset; an unknown axis copies nothing and, apart
        // from orientation 2, invalidates nothing.
        if (c.orientation == 0) {
            x += c.value;
        } else if (c.orientation == 1) {
            y += c.value;
        } else {
            if (c.orientation == 2) InvalidateRectangle(c.x, c.y, c.width, c.height);
            return;
        }
    }
    ASSERT_INSIDE_FRAME(x, y, c.width, c.height);
    if (c.width > 0) {
        for (int32_t r = 0; r < c.height; ++r) {
            std::memcpy(FramePixel(x, y + r), backgroundPicture + ptrdiff_t{y + r} * frameWidth + x,
                        sizeof(uint32_t) * static_cast<size_t>(c.width));
        }
    }
    InvalidateRectangle(x, y, c.width, c.height);
}

void DrawOutlineHighlight(int32_t index, Control* items) {
    const Control& c = items[index];
    // The outline group's level stays within 0..100; the ring's colours never leave 0..255.
    const auto t = static_cast<uint32_t>(std::clamp(c.level, 0, 100));
    const int32_t left = c.x - 1;
    const int32_t right = c.x + c.width;
    const int32_t top = c.y - 1;
    const int32_t bottom = c.y + c.height;
    ASSERT_INSIDE_FRAME(left, top, c.width + 2, 1);
    ASSERT_INSIDE_FRAME(left, bottom, c.width + 2, 1);
    ASSERT_INSIDE_FRAME(left, c.y, 1, c.height);
    ASSERT_INSIDE_FRAME(right, c.y, 1, c.height);
    for (int32_t x = left; x <= right; ++x) {
        LightenPixel(x, top, t);
        LightenPixel(x, bottom, t);
    }
    for (int32_t y = c.y; y < bottom; ++y) {
        LightenPixel(left, y, t);
        LightenPixel(right, y, t);
    }
    InvalidateRectangle(left, top, c.width + 2, c.height + 2);
}
