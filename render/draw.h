// The small drawing routines of the painter, the pop-ups and the text caret. Each one
// invalidates what it changed through InvalidateArea; none clips to the frame buffer.
#pragma once
#include <cstdint>

#include "render/picture.h"

// Fills the rectangle with one colour (fourth byte 0) and invalidates it, even when empty.
void FillArea(int32_t x, int32_t y, int32_t width, int32_t height, uint8_t red, uint8_t green,
              uint8_t blue);
// A panel: the rectangle filled with the colour, then the eight pieces (clockwise from the
// top-left corner) drawn opaque along its inside edge, `thickness` pixels deep.
void DrawFrame(int32_t x, int32_t y, int32_t width, int32_t height, uint8_t red, uint8_t green,
               uint8_t blue, int32_t thickness, const RgbPicture pieces[8]);
// Inverts the colour bytes of `count` pixels going down from (x, y): the text caret.
void InvertColumn(int32_t x, int32_t y, int32_t count);
