// Which control lies under the pointer, and the hover words that follow from it.
#include "toolkit/hit_test.h"

#include "toolkit/control_kinds.h"
#include "toolkit/scroll_thumb.h"
#include "toolkit/toolkit_state.h"

bool FindHitBox(const Control& c, HitBox* box) {
    *box = HitBox{c.x, c.y, c.width, c.height};
    const bool along = c.orientation == 0;
    const bool down = c.orientation == 1;
    if (KindOf(c.type).face == Face::Knob) {
        if (along) box->left += c.value;
        if (down) box->top += c.value;
        return along || down;
    }
    if (c.type != ControlScrollBar) return true;
    // The thumb: none without a content size.
    if (c.rangeEnd == 0 || !(along || down)) return false;
    if (along) {
        box->left += c.thumbOffset;
        box->width = ScrollThumbLength(c);
    } else {
        box->top += c.thumbOffset;
        box->height = ScrollThumbLength(c);
    }
    return true;
}

namespace {

bool Hits(const Control& c, int32_t px, int32_t py) {
    HitBox b{};
    return FindHitBox(c, &b) && px >= b.left && px < b.left + b.width && py >= b.top &&
           py < b.top + b.height;
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
