// Measuring and drawing single-byte text in a bitmap font, and a text field's text step.
#include "render/font.h"

#include <cstring>

#include "base/aligned_alloc.h"
#include "render/draw.h"
#include "render/frame_bounds.h"
#include "render/pixel_rules.h"

namespace {

// Space is glyph 0; codes below 32 wrap round to glyphs 224..255.
uint8_t GlyphOf(char ch) {
    return static_cast<uint8_t>(static_cast<uint8_t>(ch) - 32);
}

int32_t GlyphWidth(const Font* font, uint8_t glyph) {
    return (font->fontFlags & FontProportional) != 0 ? font->glyphWidths[glyph] : font->cellWidth;
}

int32_t Advance(const Font* font, char ch) {
    return GlyphWidth(font, GlyphOf(ch)) + font->spacing;
}

// d * (256 - a) + k * a, over 256: full coverage 255 stops one short of the colour.
uint32_t CoverChannel(uint32_t d, uint32_t k, uint32_t a) {
    return (d * (256 - a) + k * a) >> 8;
}

uint32_t Cover(uint32_t d, uint32_t blue, uint32_t green, uint32_t red, uint32_t a) {
    return (d & kFourthByte) | CoverChannel((d >> 16) & 255, red, a) << 16 |
           CoverChannel((d >> 8) & 255, green, a) << 8 | CoverChannel(d & 255, blue, a);
}

// One sheet pixel over the frame-buffer pixel d, by the sheet's format.
uint32_t LandGlyphPixel(const Font* font, const uint8_t* glyphs, size_t at, uint32_t d) {
    const uint32_t flags = font->fontFlags;
    if ((flags & FontGrey) != 0) {
        const uint32_t v = glyphs[at];
        return v != 0 ? KeepFourthByte(d, v << 16 | v << 8 | v) : d;
    }
    if ((flags & FontCoverage) != 0) {
        const uint32_t a = glyphs[at];
        const uint32_t k = font->color;
        return a != 0 ? Cover(d, k & 255, (k >> 8) & 255, (k >> 16) & 255, a) : d;
    }
    if ((flags & FontAlpha32) != 0) {
        const uint8_t* p = glyphs + 4 * at;
        return Cover(d, p[1], p[2], p[3], p[0]);
    }
    // 24-bit sheets: any zero channel makes the pixel transparent, not only black.
    const uint8_t* p = glyphs + 3 * at;
    return p[0] != 0 && p[1] != 0 && p[2] != 0 ? KeepFourthByte(d, RgbToPixel(p)) : d;
}

// The number of characters of the text box's visible part from `text` on: the first count whose
// width passes `avail`, or that adds nothing to the width before it (the end of the text).
int32_t FittingCount(const char* text, const Font* font, int32_t avail) {
    if (avail < 0) return 0;
    int32_t width = 0;
    for (int32_t n = 1;; ++n) {
        const char ch = text[n - 1];
        if (ch == '\0') return n;
        const int32_t next = width + Advance(font, ch);
        if (next > avail || next == width) return n;
        width = next;
    }
}

// The first `count` characters of `text` (fewer at its terminator) drawn by DrawString through
// a temporary zero-terminated copy sized to them.
void DrawVisiblePart(const Font* font, const char* text, int32_t count, int32_t x, int32_t y) {
    size_t length = 0;
    while (static_cast<int64_t>(length) < count && text[length] != '\0') ++length;
    auto* copy = static_cast<char*>(AllocAligned(length + 1));
    if (copy == nullptr) return;
    std::memcpy(copy, text, length);
    copy[length] = '\0';
    DrawString(font, copy, x, y);
    FreeAligned(copy);
}

}  // namespace

int32_t TextWidth(const char* text, const Font* font) {
    return TextPrefixWidth(-1, text, font);
}

int32_t TextPrefixWidth(int32_t count, const char* text, const Font* font) {
    // Summed with wrap-round like the 32-bit words they are, whatever a font's spacing holds.
    uint32_t width = 0;
    for (int32_t n = 0; (count < 0 || n < count) && text[n] != '\0'; ++n) {
        width += static_cast<uint32_t>(Advance(font, text[n]));
    }
    return static_cast<int32_t>(width);
}

void DrawString(const Font* font, const char* text, int32_t x, int32_t y) {
    int32_t pen = x;
    for (const char* ch = text; *ch != '\0'; ++ch) {
        const uint8_t glyph = GlyphOf(*ch);
        const int32_t width = GlyphWidth(font, glyph);
        ASSERT_INSIDE_FRAME(pen, y, width, font->glyphHeight);
        const ptrdiff_t column = ptrdiff_t{glyph} * font->cellWidth;
        for (int32_t r = 0; r < font->glyphHeight; ++r) {
            uint32_t* d = FramePixel(pen, y + r);
            const ptrdiff_t row = ptrdiff_t{r} * font->sheetStride + column;
            for (int32_t k = 0; k < width; ++k) {
                d[k] = LandGlyphPixel(font, font->glyphs, static_cast<size_t>(row + k), d[k]);
            }
        }
        pen += width + font->spacing;
    }
}

void DrawControlText(int32_t index, Control* items, Font* font) {
    if (index == -1) return;
    Control& c = items[index];
    const int32_t b = c.extent;
    const int32_t avail = c.width - 2 * b;
    FillArea(c.x + b, c.y + b, avail, c.height - 2 * b, static_cast<uint8_t>(c.fillColor >> 16),
             static_cast<uint8_t>(c.fillColor >> 8), static_cast<uint8_t>(c.fillColor));
    if (font == nullptr || c.text == nullptr) return;

    // The scroll position and the caret are kept inside the text, so every read stays in it.
    const auto length = static_cast<int32_t>(std::strlen(c.text));
    const int32_t caret = c.rangeEnd < 0 ? 0 : (c.rangeEnd > length ? length : c.rangeEnd);
    if (c.rangeStart > length || c.rangeStart < 0) c.rangeStart = 0;
    if (c.rangeStart > caret) c.rangeStart = caret;

    // Too wide for the box: move the first visible character on until the caret is at most one
    // past the last visible one. That last one crosses the limit and is drawn whole.
    int32_t visible = length - c.rangeStart;
    if (TextWidth(c.text + c.rangeStart, font) > avail) {
        for (;;) {
            visible = FittingCount(c.text + c.rangeStart, font, avail);
            if (caret <= c.rangeStart + visible) break;
            ++c.rangeStart;
        }
    }

    const uint32_t savedColor = font->color;
    if ((c.flags & FlagDisabled) != 0) font->color = (font->color >> 1) & 0x007F7F7Fu;
    const char* shown = c.text + c.rangeStart;
    const int32_t shownWidth = TextPrefixWidth(visible, shown, font);
    const int32_t ty = c.y + (c.height - font->glyphHeight) / 2;
    if ((c.flags & AlignLeft) != 0) {
        DrawVisiblePart(font, shown, visible, c.x, ty);
    } else if ((c.flags & AlignCenter) != 0) {
        DrawVisiblePart(font, shown, visible, c.x + avail / 2 - shownWidth / 2, ty);
    } else if ((c.flags & AlignRight) != 0) {
        DrawVisiblePart(font, shown, visible, c.x + avail - shownWidth, ty);
    }
    font->color = savedColor;
}
