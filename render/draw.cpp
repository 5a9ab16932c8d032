// Fills, framed panels and the caret column.
#include "render/draw.h"

#include <algorithm>

#include "display/display.h"
#include "display/frame_bounds.h"
#include "render/pixel_rules.h"

namespace {

// Copies a width x height RgbPicture, `stride` picture pixels a row (0: one row for every row),
// opaque to (x, y), keeping the fourth bytes. A missing piece is not drawn.
void CopyPiece(int32_t x, int32_t y, int32_t width, int32_t height, const uint8_t* piece,
               int32_t stride) {
    if (piece == nullptr) return;
    ASSERT_INSIDE_FRAME(x, y, width, height);
    for (int32_t r = 0; r < height; ++r) {
        uint32_t* d = FramePixel(x, y + r);
        const uint8_t* s = piece + ptrdiff_t{3} * r * stride;
        for (int32_t k = 0; k < width; ++k) d[k] = KeepFourthByte(d[k], RgbToPixel(s + 3 * k));
    }
}

// Edge pieces of a top or bottom edge: row r of the edge is pixel r of the piece throughout.
void CopyEdgeRows(int32_t x, int32_t y, int32_t width, int32_t rows, const uint8_t* piece) {
    if (piece == nullptr) return;
    ASSERT_INSIDE_FRAME(x, y, width, rows);
    for (int32_t r = 0; r < rows; ++r) {
        const uint32_t colour = RgbToPixel(piece + 3 * r);
        uint32_t* d = FramePixel(x, y + r);
        for (int32_t k = 0; k < width; ++k) d[k] = KeepFourthByte(d[k], colour);
    }
}

}  // namespace

void FillArea(int32_t x, int32_t y, int32_t width, int32_t height, uint8_t red, uint8_t green,
              uint8_t blue) {
    ASSERT_INSIDE_FRAME(x, y, width, height);
    const uint32_t pixel = uint32_t{red} << 16 | uint32_t{green} << 8 | blue;
    if (width > 0) {
        for (int32_t r = 0; r < height; ++r) std::fill_n(FramePixel(x, y + r), width, pixel);
    }
    InvalidateRectangle(x, y, width, height);
}

void DrawFrame(int32_t x, int32_t y, int32_t width, int32_t height, uint8_t red, uint8_t green,
               uint8_t blue, int32_t thickness, const RgbPicture pieces[8]) {
    FillArea(x, y, width, height, red, green, blue);
    const int32_t b = thickness;
    if (b > 0) {
        const int32_t innerWidth = width - 2 * b;
        const int32_t innerHeight = height - 2 * b;
        const int32_t rightX = x + width - b;
        const int32_t bottomY = y + height - b;
        // Later pieces cover earlier ones where small panels make them overlap.
        CopyPiece(x, y, b, b, pieces[0], b);
        if (innerWidth > 0) CopyEdgeRows(x + b, y, innerWidth, b, pieces[1]);
        CopyPiece(rightX, y, b, b, pieces[2], b);
        if (innerHeight > 0) {
            CopyPiece(x, y + b, b, innerHeight, pieces[7], 0);
            CopyPiece(rightX, y + b, b, innerHeight, pieces[3], 0);
        }
        CopyPiece(x, bottomY, b, b, pieces[6], b);
        if (innerWidth > 0) CopyEdgeRows(x + b, bottomY, innerWidth, b, pieces[5]);
        CopyPiece(rightX, bottomY, b, b, pieces[4], b);
    }
    InvalidateRectangle(x, y, width, height);
}

void InvertColumn(int32_t x, int32_t y, int32_t count) {
    ASSERT_INSIDE_FRAME(x, y, 1, count);
    for (int32_t r = 0; r < count; ++r) *FramePixel(x, y + r) ^= kColourBytes;
    InvalidateRectangle(x, y, 1, count);
}
