// Measuring and drawing single-byte text in a bitmap font.
#include "render/font.h"

#include "display/frame_bounds.h"
#include "render/pixel_rules.h"

namespace {

// Space is glyph 0; codes below 32 wrap round to glyphs 224..255.
uint8_t GlyphOf(char ch) {
    return static_cast<uint8_t>(static_cast<uint8_t>(ch) - 32);
}

int32_t GlyphWidth(const Font* font, uint8_t glyph) {
    return (font->fontFlags & FontProportional) != 0 ? font->glyphWidths[glyph] : font->cellWidth;
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

}  // namespace

int32_t CharacterAdvance(char ch, const Font* font) {
    return GlyphWidth(font, GlyphOf(ch)) + font->spacing;
}

int32_t TextWidth(const char* text, const Font* font) {
    return TextPrefixWidth(-1, text, font);
}

int32_t TextPrefixWidth(int32_t count, const char* text, const Font* font) {
    // Summed with wrap-round like the 32-bit words they are, whatever a font's spacing holds.
    uint32_t width = 0;
    for (int32_t n = 0; (count < 0 || n < count) && text[n] != '\0'; ++n) {
        width += static_cast<uint32_t>(CharacterAdvance(text[n], font));
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
