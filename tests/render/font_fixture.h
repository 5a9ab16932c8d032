// A grey bitmap font of 8-pixel cells whose every glyph pixel differs, over the renderer's
// frame-buffer fixture.
#pragma once
#include <cstring>

#include "base/aligned_alloc.h"
#include "render/font.h"
#include "tests/render/render_fixture.h"

constexpr int32_t kCell = 8;
constexpr int32_t kGlyphRows = 10;
constexpr int32_t kStride = 256 * kCell;

// Never 0, different for every glyph, column and row.
inline uint8_t GreyOf(int32_t glyph, int32_t column, int32_t row) {
    return uint8_t((glyph * 7 + column * 3 + row) % 255 + 1);
}

class FontTest : public RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        FailAlignedAllocAfter(-1);
        sheet_.resize(size_t(kStride) * kGlyphRows);
        for (int32_t r = 0; r < kGlyphRows; ++r) {
            for (int32_t x = 0; x < kStride; ++x) {
                sheet_[size_t(r * kStride + x)] = GreyOf(x / kCell, x % kCell, r);
            }
        }
        std::memset(&font_, 0, sizeof font_);
        font_.glyphs = sheet_.data();
        font_.cellWidth = kCell;
        font_.glyphHeight = kGlyphRows;
        font_.sheetStride = kStride;
        font_.fontFlags = FontGrey;
    }
    void TearDown() override {
        FailAlignedAllocAfter(-1);
        RenderTest::TearDown();
    }

    // The grey font's colours of `text` drawn at (x, y) by the font's widths and spacing.
    void ExpectGreyText(const char* text, int32_t x, int32_t y) {
        int32_t pen = x;
        for (const char* ch = text; *ch != '\0'; ++ch) {
            const int32_t glyph = uint8_t(*ch - 32);
            const int32_t width = (font_.fontFlags & FontProportional) != 0
                                      ? font_.glyphWidths[glyph]
                                      : font_.cellWidth;
            for (int32_t r = 0; r < kGlyphRows; ++r) {
                for (int32_t k = 0; k < width; ++k) {
                    const uint32_t v = GreyOf(glyph, k, r);
                    EXPECT_EQ(At(pen + k, y + r) & 0xFFFFFFu, v * 0x010101u)
                        << "character '" << *ch << "' at " << k << "," << r;
                }
            }
            pen += width + font_.spacing;
        }
    }

    std::vector<uint8_t> sheet_;
    Font font_;
};
