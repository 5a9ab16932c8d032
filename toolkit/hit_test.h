// Which control lies under the pointer, and the hover words that follow from it.
#pragma once
#include <cstdint>

#include "toolkit/control.h"

// The part of a control that the pointer hits, in frame coordinates and wide enough for any
// record: the knob at its offset along its axis, the scroll bar's thumb where it stands, any
// other control its rectangle.
struct HitBox {
    int64_t left, top, width, height;
};
// False when no part can be hit: a knob or scroll bar on an axis it does not know, or a scroll
// bar without content size.
bool FindHitBox(const Control& c, HitBox* box);

// Index of the control under (pointerX, pointerY); the last match in list order wins; -1: none.
int32_t HitTestControls(const Control* items);
// Marks `index` (if >= 0) as the one hovered control among the first controlCount.
void SetHoveredControl(int32_t index, Control* items);
// Hit-tests again at the current pointer position and rewrites the hover words.
void RefreshHover(Control* items);
