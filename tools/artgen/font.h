// The artwork's own pixel font: letters of 7 rows above the baseline and 2 below, drawn as
// exact unions of square cells so that text stays crisp at whole-pixel scales.
#pragma once
#include "tools/canvas/canvas.h"

// Width in pixels of UTF-8 text at the given scale (pixels per font cell).
float TextWidth(const char* text, float scale);
// The text as a shape, its first cell's top left at (left, top): the cap height is 7 * scale,
// descenders reach 9 * scale.
Shape TextShape(const char* text, float left, float top, float scale);
