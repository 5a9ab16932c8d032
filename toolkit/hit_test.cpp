// Which control lies under the pointer, and the hover words that follow from it.
#include "toolkit/hit_test.h"

#include "toolkit/scroll_thumb.h"
#include "toolkit/toolkit_state.h"

namespace {

bool Inside(int32_t px, int32_t py, int64_t left, int64_t top, int64_t width, int64_t height) {
    return px >= left && px < left + width && py >= top && py < top + height;
}

bool Hits(const Control& c, int32_t px, int32_t py) {
    switch (c.type) {
        case ControlSliderKnob:
            // Only the knob, moved along its axis by its offset.
            if (c.orientation == 0)
                return Inside(px, py, int64_t{c.x} + c.value, c.y, c.width, c.height);
            if (c.orientation == 1)
                return Inside(px, py, c.x, int64_t{c.y} + c.value, c.width, c.height);
            return false;
        case ControlScrollBar: {
            // Only the thumb. A bar without content size has no thumb to hit.
            if (c.rangeEnd == 0 || (c.orientation != 0 && c.orientation != 1)) return false;
            int64_t thumb = ScrollThumbLength(c);
            if (c.orientation == 0) {
                return Inside(px, py, int64_t{c.x} + c.thumbOffset, c.y, thumb, c.height);
            }
            return Inside(px, py, c.x, int64_t{c.y} + c.thumbOffset, c.width, thumb);
        }
        default:
            return Inside(px, py, c.x, c.y, c.width, c.height);
    }
}

}  // namespace

int32_t HitTestControls(const Control* items) {
    int32_t hit = -1;
    for (int32_t i = 0; i < controlCount; ++i) {
        const Control& c = items[i];
        if (c.visible != 1 || (c.flags & FlagDisabled) != 0) continue;
        if (Hits(c, pointerX, pointerY)) hit = i;
    }
    return hit;
}

void SetHoveredControl(int32_t index, Control* items) {
    for (int32_t i = 0; i < controlCount; ++i) items[i].hovered = 0;
    if (index >= 0 && index < controlCount) items[index].hovered = 1;
}

void RefreshHover(Control* items) {
    SetHoveredControl(HitTestControls(items), items);
}
