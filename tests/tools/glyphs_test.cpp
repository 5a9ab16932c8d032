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

    // Halfway up the F's upright stroke the nearest ink lies straight to the right: a pixel
    // farther for each step to the left, up to the reach.
    const int32_t row = 5 + Font().ascent - Font().capHeight / 2;
    int32_t column = 0;
    while (column < drawn.width && drawn.pixels[size_t(row * drawn.width + column)].r == 0) {
        ++column;
    }
    ASSERT_LT(column, drawn.width);
    const float ink = drawn.pixels[size_t(row * drawn.width + column)].r;
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
