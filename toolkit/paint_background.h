// What lies under and around a control: the background copied back under it, and the outline
// group's lit ring. Each invalidates what it drew.
#pragma once
#include <cstdint>

#include "toolkit/control.h"

// Copies the background back under the control (a slider knob: under the knob at its offset)
// and invalidates that rectangle. An invisible control is left alone.
void RestoreBackground(int32_t index, Control* items);
// The one-pixel ring just outside the control, its background lightened towards white by the
// control's level (0..100); invalidates the ring's bounding rectangle. Ignores `visible`.
void DrawOutlineHighlight(int32_t index, Control* items);
