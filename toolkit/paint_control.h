// Drawing controls: the painter, which draws one control as its type, level, checked and
// disabled state say over what the frame buffer holds, and the routines around it that read a
// control's record. Each invalidates what it drew.
#pragma once
#include <cstdint>

#include "render/font.h"
#include "toolkit/control.h"

void PaintControl(int32_t index, Control* items);
// Copies the background back under the control (a slider knob: under the knob at its offset)
// and invalidates that rectangle. An invisible control is left alone.
void RestoreBackground(int32_t index, Control* items);
// The one-pixel ring just outside the control, its background lightened towards white by the
// control's level (0..100); invalidates the ring's bounding rectangle. Ignores `visible`.
void DrawOutlineHighlight(int32_t index, Control* items);
// Fills the text field's inner rectangle, scrolls `rangeStart` so the caret stays in view, and
// draws the visible characters with the field's alignment (half colour when disabled).
void DrawControlText(int32_t index, Control* items, Font* font);
