// The glyphs keep FreeType's anti-aliased coverage; each one stands in its cell at its own
// left bearing, on a common baseline.
#include "tools/canvas/glyphs.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& subject) {
    std::fprintf(stderr, "%s: %s\n", what.c_str(), subject.c_str());
    std::exit(1);
}

uint8_t CoverageAt(const RenderedFont& font, int32_t cell, int32_t x, int32_t y) {
    const size_t stride = size_t{256} * size_t(font.cellWidth);
    return font.coverage[size_t(y) * stride + size_t(cell * font.cellWidth + x)];
}

// The cell of each character of the UTF-8 text.
std::vector<int32_t> CellsOf(const std::string& text) {
    std::vector<int32_t> cells;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<uint8_t>(text[i]);
        int32_t code = lead;
        if (lead >= 0xC2 && lead <= 0xDF && i + 1 < text.size() &&
            (static_cast<uint8_t>(text[i + 1]) & 0xC0) == 0x80) {
            code = (lead & 0x1F) << 6 | (static_cast<uint8_t>(text[++i]) & 0x3F);
        } else if (lead >= 0x80) {
            code = -1;
        }
        if (code < 32 || (code >= 127 && code < 160) || code > 255) {
            Fail("no character of the font at byte " + std::to_string(i) + " of the text", text);
        }
        cells.push_back(code - 32);
    }
    return cells;
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
        if (code == 'H') font.capHeight = g->bitmap_top;
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
    for (int32_t cell : CellsOf(text)) width += font.widths[cell];
    return width;
}

void DrawText(Canvas& canvas, const RenderedFont& font, const std::string& text, int32_t x,
              int32_t y, Colour colour) {
    for (int32_t cell : CellsOf(text)) {
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

// The field covers the cells of the text and `reach` pixels around them. An ink pixel keeps its
// coverage as the distance 0.5 - coverage, so that Fill gives back exactly that coverage; a
// pixel without ink is as far as the nearest ink pixel's centre plus that pixel's own distance.
Shape TextShape(const RenderedFont& font, const std::string& text, int32_t x, int32_t y,
                int32_t reach) {
    const int32_t width = TextWidth(font, text) + font.cellWidth + 2 * reach;
    const int32_t height = font.height + 2 * reach;
    std::vector<float> ink(size_t(width) * size_t(height), 0.0f);
    int32_t pen = reach;
    for (int32_t cell : CellsOf(text)) {
        for (int32_t r = 0; r < font.height; ++r) {
            for (int32_t k = 0; k < font.cellWidth; ++k) {
                float& a = ink[size_t(reach + r) * size_t(width) + size_t(pen + k)];
                a = std::max(a, static_cast<float>(CoverageAt(font, cell, k, r)) / 255.0f);
            }
        }
        pen += font.widths[cell];
    }
    auto field = std::make_shared<std::vector<float>>(ink.size(), static_cast<float>(reach));
    for (int32_t py = 0; py < height; ++py) {
        for (int32_t px = 0; px < width; ++px) {
            float& d = (*field)[size_t(py) * size_t(width) + size_t(px)];
            const float own = ink[size_t(py) * size_t(width) + size_t(px)];
            if (own > 0.0f) {
                d = 0.5f - own;
                continue;
            }
            for (int32_t qy = std::max(py - reach, 0); qy <= std::min(py + reach, height - 1);
                 ++qy) {
                for (int32_t qx = std::max(px - reach, 0); qx <= std::min(px + reach, width - 1);
                     ++qx) {
                    const float a = ink[size_t(qy) * size_t(width) + size_t(qx)];
                    if (a <= 0.0f) continue;
                    const auto dx = static_cast<float>(qx - px);
                    const auto dy = static_cast<float>(qy - py);
                    d = std::min(d, std::sqrt(dx * dx + dy * dy) + 0.5f - a);
                }
            }
        }
    }
    const int32_t left = x - reach;
    const int32_t top = y - reach;
    return [field, left, top, width, height, reach](float px, float py) {
        const auto column = static_cast<int32_t>(std::floor(px)) - left;
        const auto row = static_cast<int32_t>(std::floor(py)) - top;
        if (column < 0 || row < 0 || column >= width || row >= height) {
            return static_cast<float>(reach);
        }
        return (*field)[size_t(row) * size_t(width) + size_t(column)];
    };
}
