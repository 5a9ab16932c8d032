// The text both artwork generators draw with FreeType: a text's shape fills what DrawText draws
// and grows outward from the ink; UTF-8 is read, and a character the font lacks stops the tool.
#include <gtest/gtest.h>

#include <algorithm>

#include "tools/canvas/glyphs.h"

namespace {

const RenderedFont& Font() {
    static const RenderedFont font = RenderFont(FONT, 19);
    return font;
}

TEST(Glyphs, ATextsShapeFillsWhatDrawTextDrawsAndGrowsAPixelAPixelFromTheInk) {
    const std::string text = "Français";
    constexpr int32_t kReach = 3;
    Canvas drawn = MakeCanvas(120, 40, Hex(0));
    DrawText(drawn, Font(), text, 9, 5, Hex(0xffffff));
    const Shape shape = TextShape(Font(), text, 9, 5, kReach);
    Canvas filled = MakeCanvas(120, 40, Hex(0));
    Fill(filled, FullBox(filled), shape, Hex(0xffffff));
    for (size_t i = 0; i < drawn.pixels.size(); ++i) {
        ASSERT_NEAR(filled.pixels[i].r, drawn.pixels[i].r, 1e-6f) << "pixel " << i;
    }

    // Left of the strongest ink in the text's first inked column, the nearest ink is straight
    // ahead: a pixel farther for each step, until the reach.
    int32_t column = 0;
    int32_t row = 0;
    float ink = 0;
    for (int32_t x = 0; x < drawn.width && ink == 0; ++x) {
        for (int32_t y = 0; y < drawn.height; ++y) {
            if (drawn.pixels[size_t(y * drawn.width + x)].r > ink) {
                column = x;
                row = y;
                ink = drawn.pixels[size_t(y * drawn.width + x)].r;
            }
        }
    }
    for (int32_t step = 1; step <= kReach + 2; ++step) {
        const float expected =
            std::min(static_cast<float>(step) + 0.5f - ink, static_cast<float>(kReach));
        EXPECT_NEAR(shape(static_cast<float>(column - step) + 0.5f, static_cast<float>(row) + 0.5f),
                    expected, 1e-5f)
            << step << " pixels left of the ink";
    }
}

TEST(Glyphs, TextIsReadAsUtf8AndACharacterOutsideTheFontStopsTheTool) {
    EXPECT_EQ(TextWidth(Font(), "\xC3\xA7"), Font().widths[0xE7 - 32]);  // ç, one character
    for (const char* text :
         {"\xE2\x82\xAC" /* the euro sign */, "a\xC3" /* cut short */, "\x7F", "\t", "\xC3\x28"}) {
        EXPECT_EXIT(TextWidth(Font(), text), testing::ExitedWithCode(1), "no character of the font")
            << text;
    }
}

}  // namespace
