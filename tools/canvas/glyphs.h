// Fonts rendered with FreeType from a TrueType file: one coverage bitmap per character cell,
// and text drawn onto the canvas or made into a shape. Text is UTF-8 of the characters 32 to
// 126 and 160 to 255; any other stops the program with a message.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/canvas/canvas.h"

// 256 cells side by side: cell c holds character c + 32 (wrapping), rows top to bottom.
struct RenderedFont {
    int32_t cellWidth = 0;
    int32_t height = 0;
    int32_t ascent = 0;
    int32_t capHeight = 0;          // how far a capital H reaches above the baseline
    std::vector<uint8_t> coverage;  // 256 * cellWidth columns by height rows
    uint8_t widths[256] = {};       // each character's advance, at most cellWidth
};

// Renders the characters 32 to 255 of the font file at the pixel size; exits with a message
// when the file cannot be read.
RenderedFont RenderFont(const std::string& path, int32_t pixelSize);

// Width of the text in the font, and the text drawn with its top-left corner at (x, y).
int32_t TextWidth(const RenderedFont& font, const std::string& text);
void DrawText(Canvas& canvas, const RenderedFont& font, const std::string& text, int32_t x,
              int32_t y, Colour colour);
// The text, placed as DrawText places it, as a shape: inside the ink's edge FreeType's coverage,
// outside it the distance to the ink, up to `reach` pixels (farther reads as `reach`), so that a
// rim or a shadow can grow from the letters.
Shape TextShape(const RenderedFont& font, const std::string& text, int32_t x, int32_t y,
                int32_t reach);
