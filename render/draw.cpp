// Restoring the background, the outline highlight, fills, framed panels and the caret column.
#include "render/draw.h"

#include <algorithm>
#include <cstring>

#include "launcher/display.h"
#include "render/frame_bounds.h"
#include "render/pixel_rules.h"

namespace {

void Invalidate(int32_t x, int32_t y, int32_t width, int32_t height) {
    InvalidateArea(y, height, x, width);
}

// One pixel of the outline ring from the background beneath it.
void LightenPixel(int32_t x, int32_t y, uint32_t t) {
    const uint32_t g = backgroundPicture[ptrdiff_t{y} * frameWidth + x];
    uint32_t* d = FramePixel(x, y);
    *d = (*d & kFourthByte) | OutlineLighten((g >> 16) & 255, t) << 16 |
         OutlineLighten((g >> 8) & 255, t) << 8 | OutlineLighten(g & 255, t);
}

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

void RestoreBackground(int32_t index, Control* items) {
    const Control& c = items[index];
    if (c.visible != 1) return;
    int32_t x = c.x;
    int32_t y = c.y;
    if (c.type == ControlSliderKnob) {
        // The knob's rectangle follows its offset; an unknown axis copies nothing and, apart
        // from orientation 2, invalidates nothing.
        if (c.orientation == 0) {
            x += c.value;
        } else if (c.orientation == 1) {
            y += c.value;
        } else {
            if (c.orientation == 2) Invalidate(c.x, c.y, c.width, c.height);
            return;
        }
    }
    ASSERT_INSIDE_FRAME(x, y, c.width, c.height);
    if (c.width > 0) {
        for (int32_t r = 0; r < c.height; ++r) {
            std::memcpy(FramePixel(x, y + r), backgroundPicture + ptrdiff_t{y + r} * frameWidth + x,
                        sizeof(uint32_t) * static_cast<size_t>(c.width));
        }
    }
    Invalidate(x, y, c.width, c.height);
}

void DrawOutlineHighlight(int32_t index, Control* items) {
    const Control& c = items[index];
    // The outline group's level stays within 0..100; the ring's colours never leave 0..255.
    const auto t = static_cast<uint32_t>(std::clamp(c.level, 0, 100));
    const int32_t left = c.x - 1;
    const int32_t right = c.x + c.width;
    const int32_t top = c.y - 1;
    const int32_t bottom = c.y + c.height;
    ASSERT_INSIDE_FRAME(left, top, c.width + 2, 1);
    ASSERT_INSIDE_FRAME(left, bottom, c.width + 2, 1);
    ASSERT_INSIDE_FRAME(left, c.y, 1, c.height);
    ASSERT_INSIDE_FRAME(right, c.y, 1, c.height);
    for (int32_t x = left; x <= right; ++x) {
        LightenPixel(x, top, t);
        LightenPixel(x, bottom, t);
    }
    for (int32_t y = c.y; y < bottom; ++y) {
        LightenPixel(left, y, t);
        LightenPixel(right, y, t);
    }
    Invalidate(left, top, c.width + 2, c.height + 2);
}

void FillArea(int32_t x, int32_t y, int32_t width, int32_t height, uint8_t red, uint8_t green,
              uint8_t blue) {
    ASSERT_INSIDE_FRAME(x, y, width, height);
    const uint32_t pixel = uint32_t{red} << 16 | uint32_t{green} << 8 | blue;
    if (width > 0) {
        for (int32_t r = 0; r < height; ++r) std::fill_n(FramePixel(x, y + r), width, pixel);
    }
    Invalidate(x, y, width, height);
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
    Invalidate(x, y, width, height);
}

void InvertColumn(int32_t x, int32_t y, int32_t count) {
    ASSERT_INSIDE_FRAME(x, y, 1, count);
    for (int32_t r = 0; r < count; ++r) *FramePixel(x, y + r) ^= kColourBytes;
    Invalidate(x, y, 1, count);
}
