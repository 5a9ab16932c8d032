// The launcher's lettering: DejaVu Sans Bold from the build machine, set with FreeType as the
// gallery's text is (tools/canvas/glyphs.h).
#pragma once
#include <cstdint>
#include <string>

#include "tools/canvas/glyphs.h"

// The pixel size of the buttons' names and the sign's: capitals 14 pixels high.
constexpr int32_t kLabelPixels = 19;

// The font at the pixel size; the program stops with a message when the font cannot be read.
RenderedFont LetteringFont(int32_t pixelSize);

// The text as a shape (TextShape) whose capitals' top edge lies on `capTop`.
Shape Lettering(const RenderedFont& font, const std::string& text, int32_t left, int32_t capTop,
                int32_t reach);
