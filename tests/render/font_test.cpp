// Width measurement and the four glyph-sheet formats.
#include <cstring>

#include "tests/render/font_fixture.h"

namespace {

TEST_F(FontTest, WidthsAddEveryCharactersWidthAndSpacing) {
    font_.spacing = 1;
    EXPECT_EQ(TextWidth("", &font_), 0);
    EXPECT_EQ(TextWidth("ab", &font_), 18);
    EXPECT_EQ(TextPrefixWidth(0, "ab", &font_), 0);
    EXPECT_EQ(TextPrefixWidth(1, "ab", &font_), 9);
    EXPECT_EQ(TextPrefixWidth(50, "ab", &font_), 18);
    EXPECT_EQ(TextPrefixWidth(-1, "abc", &font_), 27);

    font_.fontFlags |= FontProportional;
    font_.glyphWidths['i' - 32] = 2;
    font_.glyphWidths['m' - 32] = 11;
    font_.glyphWidths[233] = 5;  // the tab's glyph: codes below 32 wrap round
    EXPECT_EQ(TextWidth("mi", &font_), 15);
    EXPECT_EQ(TextWidth("\t", &font_), 6);
    EXPECT_EQ(TextWidth(" ", &font_), 1);  // width 0, spacing still counts
}

TEST_F(FontTest, DrawStringPlacesEachGlyphFromTheSheetAndLeavesInvalidationToTheCaller) {
    font_.spacing = 2;
    DrawString(&font_, "Az\t~", 100, 200);
    ExpectGreyText("Az\t~", 100, 200);
    EXPECT_EQ(At(100, 200) >> 24, Before(100, 200) >> 24);  // fourth bytes stay
    ExpectUnchangedOutside(100, 200, 4 * 10 - 2, kGlyphRows);
    ExpectNothingInvalidated();

    Snapshot();
    font_.fontFlags |= FontProportional;
    font_.glyphWidths['A' - 32] = 3;
    font_.glyphWidths['B' - 32] = 0;
    font_.glyphWidths['C' - 32] = 8;
    DrawString(&font_, "ABC", 10, 20);
    ExpectGreyText("ABC", 10, 20);
    ExpectUnchangedOutside(10, 20, 3 + 2 + 0 + 2 + 8, kGlyphRows);
    DrawString(&font_, "", 0, 0);
}

TEST_F(FontTest, TheFourSheetFormatsLandAsTheirRulesSay) {
    // One glyph (space), 4 pixels wide, one row; the frame buffer under it is set per case.
    font_.cellWidth = 4;
    font_.glyphHeight = 1;
    font_.sheetStride = 1024;
    const auto draw = [&](const std::vector<uint8_t>& sheet, uint32_t flags,
                          std::initializer_list<uint32_t> under) {
        font_.glyphs = sheet.data();
        font_.fontFlags = flags;
        int32_t k = 0;
        for (uint32_t pixel : under) At(50 + k++, 40) = pixel;
        Snapshot();
        DrawString(&font_, " ", 50, 40);
        ExpectUnchangedOutside(50, 40, 4, 1);
    };

    // Grey: 0 is transparent, anything else an opaque grey.
    std::vector<uint8_t> grey(1024, 0);
    grey[1] = 255;
    grey[2] = 1;
    draw(grey, FontGrey | FontCoverage, {0xAA123456u, 0xAA123456u, 0xAA123456u, 0xAA123456u});
    EXPECT_EQ(At(50, 40), 0xAA123456u);
    EXPECT_EQ(At(51, 40), 0xAAFFFFFFu);
    EXPECT_EQ(At(52, 40), 0xAA010101u);

    // Coverage of the font colour, weighted by 256 - a: full coverage over black stops at 254.
    std::vector<uint8_t> coverage(1024, 0);
    coverage[1] = 255;
    coverage[2] = 128;
    coverage[3] = 1;
    font_.color = 0x00FF8040u;  // red 0xFF, green 0x80, blue 0x40
    draw(coverage, FontCoverage | FontAlpha32,
         {0x77102030u, 0x77000000u, 0x77204060u, 0x77FFFFFFu});
    EXPECT_EQ(At(50, 40), 0x77102030u);
    EXPECT_EQ(At(51, 40), 0x77FE7F3Fu);
    EXPECT_EQ(At(52, 40), 0x778F6050u);  // (0x20 * 128 + 0xFF * 128) / 256 = 0x8F, ...
    EXPECT_EQ(At(53, 40), 0x77FFFEFEu);  // (0xFF*255 + 0x80) / 256 = 0xFE

    // 32-bit: alpha, blue, green, red; applied always, alpha 0 keeping the old value.
    std::vector<uint8_t> alpha(4096, 0);
    const uint8_t pixels[4][4] = {
        {0, 9, 9, 9}, {255, 0x10, 0x20, 0x30}, {128, 0, 0, 0}, {64, 255, 255, 255}};
    std::memcpy(alpha.data(), pixels, sizeof pixels);
    draw(alpha, FontAlpha32, {0x33445566u, 0x33FFFFFFu, 0x33808080u, 0x33000000u});
    EXPECT_EQ(At(50, 40), 0x33445566u);
    EXPECT_EQ(At(51, 40), 0x33302010u);  // (0xFF + 0x30 * 255) / 256 = 0x30
    EXPECT_EQ(At(52, 40), 0x33404040u);
    EXPECT_EQ(At(53, 40), 0x333F3F3Fu);  // 255 * 64 / 256 = 63

    // 24-bit red, green, blue: opaque only when no channel is zero.
    std::vector<uint8_t> rgb(3072, 0);
    const uint8_t triples[4][3] = {{255, 0, 255}, {1, 2, 3}, {0, 0, 0}, {200, 100, 50}};
    std::memcpy(rgb.data(), triples, sizeof triples);
    draw(rgb, 0, {0x11111111u, 0x11111111u, 0x11111111u, 0x11111111u});
    EXPECT_EQ(At(50, 40), 0x11111111u);
    EXPECT_EQ(At(51, 40), 0x11010203u);
    EXPECT_EQ(At(52, 40), 0x11111111u);
    EXPECT_EQ(At(53, 40), 0x11C86432u);
}

}  // namespace
