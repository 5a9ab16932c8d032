// The glyphs keep FreeType's anti-aliased coverage; each one stands in its cell at its own
// left bearing, on a common baseline.
#include "tools/gallery_art/glyphs.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path) {
    std::fprintf(stderr, "gallery_art: %s: %s\n", what.c_str(), path.c_str());
    std::exit(1);
}

uint8_t CoverageAt(const RenderedFont& font, int32_t cell, int32_t x, int32_t y) {
    const size_t stride = size_t{256} * size_t(font.cellWidth);
    return font.coverage[size_t(y) * stride + size_t(cell * font.cellWidth + x)];
}

int32_t CellOf(char ch) {
    return (static_cast<uint8_t>(ch) + 256 - 32) % 256;
}

}  // namespace

RenderedFont RenderFont(const std::string& path, int32_t pixelSize) {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    if (FT_Init_FreeType(&library) != 0) Fail("FreeType does not start", path);
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0) Fail("cannot read the font", path);
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize));
    RenderedFont font;
    font.ascent = static_cast<int32_t>(face->size->metrics.ascender >> 6);
    font.height = font.ascent - static_cast<int32_t>(face->size->metrics.descender >> 6);
    // The cell is as wide as the widest advance of the printable characters.
    for (uint32_t code = 32; code < 256; ++code) {
        if (code >= 127 && code < 160) continue;
        if (FT_Load_Char(face, code, FT_LOAD_DEFAULT) != 0) continue;
        font.cellWidth =
            std::max(font.cellWidth, static_cast<int32_t>(face->glyph->advance.x >> 6));
    }
    const size_t stride = size_t{256} * size_t(font.cellWidth);
    font.coverage.assign(stride * size_t(font.height), 0);
    for (uint32_t code = 32; code < 256; ++code) {
        if (code >= 127 && code < 160) continue;  // no characters there
        if (FT_Load_Char(face, code, FT_LOAD_RENDER) != 0) continue;
        const FT_GlyphSlot g = face->glyph;
        const int32_t cell = static_cast<int32_t>(code) - 32;
        const int32_t advance = std::min(static_cast<int32_t>(g->advance.x >> 6), font.cellWidth);
        font.widths[cell] = static_cast<uint8_t>(advance);
        for (uint32_t row = 0; row < g->bitmap.rows; ++row) {
            const int32_t y = font.ascent - g->bitmap_top + static_cast<int32_t>(row);
            for (uint32_t column = 0; column < g->bitmap.width; ++column) {
                const int32_t x = g->bitmap_left + static_cast<int32_t>(column);
                if (x < 0 || x >= font.cellWidth || y < 0 || y >= font.height) continue;
                font.coverage[size_t(y) * stride + size_t(cell * font.cellWidth + x)] =
                    g->bitmap.buffer[row * static_cast<uint32_t>(g->bitmap.pitch) + column];
            }
        }
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return font;
}

int32_t TextWidth(const RenderedFont& font, const std::string& text) {
    int32_t width = 0;
    for (char ch : text) width += font.widths[CellOf(ch)];
    return width;
}

void DrawText(Canvas& canvas, const RenderedFont& font, const std::string& text, int32_t x,
              int32_t y, Colour colour) {
    for (char ch : text) {
        const int32_t cell = CellOf(ch);
        for (int32_t r = 0; r < font.height; ++r) {
            for (int32_t k = 0; k < font.cellWidth; ++k) {
                const int32_t px = x + k;
                const int32_t py = y + r;
                if (px < 0 || py < 0 || px >= canvas.width || py >= canvas.height) continue;
                const float a = static_cast<float>(CoverageAt(font, cell, k, r)) / 255.0f;
                Colour& c = canvas.pixels[size_t(py) * size_t(canvas.width) + size_t(px)];
                c = Mix(c, colour, a);
            }
        }
        x += font.widths[cell];
    }
}
