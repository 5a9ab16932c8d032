// A text field's text, drawn with its font and alignment.
#pragma once
#include <cstdint>

#include "render/font.h"
#include "toolkit/control.h"

// Fills the text field's inner rectangle, scrolls `rangeStart` so the caret stays in view, and
// draws the visible characters with the field's alignment (half colour when disabled).
void DrawControlText(int32_t index, Control* items, Font* font);
