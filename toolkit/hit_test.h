// Which control lies under the pointer, and the hover words that follow from it.
#pragma once
#include <cstdint>

#include "toolkit/control.h"

// Index of the control under (pointerX, pointerY); the last match in list order wins; -1: none.
int32_t HitTestControls(const Control* items);
// Marks `index` (if >= 0) as the one hovered control among the first controlCount.
void SetHoveredControl(int32_t index, Control* items);
// Hit-tests again at the current pointer position and rewrites the hover words.
void RefreshHover(Control* items);
