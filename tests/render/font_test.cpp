// Width measurement, the four glyph-sheet formats, and the text field's text step: scrolling
// the caret into view, alignment, the disabled colour and the temporary copy.
#include <cstring>

#include "base/aligned_alloc.h"
#include "render/font.h"
#include "tests/render/render_fixture.h"

namespace {

constexpr int32_t kCell = 8;
constexpr int32_t kGlyphRows = 10;
constexpr int32_t kStride = 256 * kCell;

// Never 0, different for every glyph, column and row.
uint8_t GreyOf(int32_t glyph, int32_t column, int32_t row) {
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

class TextFieldTest : public FontTest {
protected:
    // A field at (100, 50), 100 x 30 with border 10: the text box is 80 pixels, ten cells.
    void SetUp() override {
        FontTest::SetUp();
        std::memset(&field_, 0, sizeof field_);
        field_ = MakeControl(ControlTextField, 100, 50, 100, 30);
        field_.extent = 10;
        field_.fillColor = 0x00203040u;
        field_.flags = AlignLeft;
        field_.font = &font_;
        SetText("ABCDEFGHIJKLMNOPQRST", 32);
    }

    void SetText(const char* text, int32_t capacity) {
        std::strcpy(text_, text);
        field_.text = text_;
        field_.textCapacity = capacity;
    }

    void Draw() {
        Snapshot();
        DrawControlText(0, &field_, &font_);
    }

    char text_[64];
    Control field_;
};

TEST_F(TextFieldTest, TheCaretAtTheEndOfALongTextScrollsItIntoView) {
    field_.rangeEnd = 20;
    Draw();
    // Box 80: from character s the first count passing it is 11, so s moves on until
    // 20 <= s + 11. The last visible character crosses into the right margin, drawn whole.
    EXPECT_EQ(field_.rangeStart, 9);
    ExpectGreyText("JKLMNOPQRST", 100, 60);
    ExpectUnchangedOutside(100, 60, 100, 20);
    ExpectDirty(110, 60, 80, 10);
    // The text reaches x 187; the fill goes on to 189.
    EXPECT_EQ(At(188, 62), 0x00203040u);
    EXPECT_EQ(At(189, 69), 0x00203040u);
}

TEST_F(TextFieldTest, TheScrollPositionIsPulledBackToTheCaretAndIntoTheText) {
    field_.rangeStart = 15;
    field_.rangeEnd = 4;
    Draw();
    EXPECT_EQ(field_.rangeStart, 4);
    ExpectGreyText("EFGHIJKLMNO", 100, 60);

    field_.rangeStart = 25;  // past the text: back to the start, then to the caret
    field_.rangeEnd = 3;
    Draw();
    EXPECT_EQ(field_.rangeStart, 0);
    ExpectGreyText("ABCDEFGHIJK", 100, 60);

    SetText("SHORT", 32);
    field_.rangeStart = 2;
    field_.rangeEnd = 5;
    Draw();
    EXPECT_EQ(field_.rangeStart, 2);
    ExpectGreyText("ORT", 100, 60);
}

TEST_F(TextFieldTest, ACaretOrScrollPositionOutsideTheTextKeepsEveryReadInsideIt) {
    field_.rangeEnd = 500;
    Draw();
    EXPECT_EQ(field_.rangeStart, 9);  // as for the caret at the end
    ExpectGreyText("JKLMNOPQRST", 100, 60);
    field_.rangeStart = -7;
    field_.rangeEnd = -2;
    Draw();
    EXPECT_EQ(field_.rangeStart, 0);
    ExpectGreyText("ABCDEFGHIJK", 100, 60);
}

TEST_F(TextFieldTest, AlignmentPlacesTheVisibleTextInTheBox) {
    SetText("ABC", 8);
    field_.flags = AlignCenter;
    Draw();
    ExpectGreyText("ABC", 100 + 40 - 12, 60);
    field_.flags = AlignRight | AlignCenter;  // the first flag set wins
    Draw();
    ExpectGreyText("ABC", 100 + 28, 60);
    field_.flags = AlignRight;
    Draw();
    ExpectGreyText("ABC", 100 + 80 - 24, 60);
    // With none of the three flags only the fill shows.
    field_.flags = 0;
    Draw();
    ExpectRect(110, 60, 80, 10, [](int32_t, int32_t, uint32_t) { return 0x00203040u; });
    ExpectUnchangedOutside(110, 60, 80, 10);
}

TEST_F(TextFieldTest, ADisabledFieldDrawsInHalfTheFontColourAndRestoresIt) {
    std::vector<uint8_t> coverage(size_t(kStride) * kGlyphRows, 255);
    font_.glyphs = coverage.data();
    font_.fontFlags = FontCoverage;
    font_.color = 0xEEFF8040u;
    SetText("A", 8);
    field_.fillColor = 0;  // black under the text
    field_.extent = 0;
    field_.flags = AlignLeft | FlagDisabled;
    Draw();
    // Half the colour is 0x7F, 0x40, 0x20; full coverage over black gives 255 / 256 of it.
    EXPECT_EQ(At(100, 60), 0x007E3F1Fu);
    EXPECT_EQ(font_.color, 0xEEFF8040u);
}

TEST_F(TextFieldTest, TheTemporaryCopyHoldsExactlyTheVisibleTextWhateverTheCapacity) {
    SetText("ABCDEFGH", 32);
    const int32_t before = alignedAllocCount;
    for (int32_t capacity : {0, 1, 3, 32}) {
        SCOPED_TRACE(capacity);
        field_.textCapacity = capacity;
        Draw();
        ExpectGreyText("ABCDEFGH", 100, 60);
        EXPECT_EQ(alignedAllocCount, before);
    }
    // A refused copy leaves the field filled but without text, and the colour as it was.
    font_.color = 0x00123456u;
    field_.flags |= FlagDisabled;
    FailAlignedAllocAfter(0);
    Draw();
    ExpectRect(110, 60, 80, 10, [](int32_t, int32_t, uint32_t) { return 0x00203040u; });
    EXPECT_EQ(At(100, 60), Before(100, 60));
    EXPECT_EQ(font_.color, 0x00123456u);
    // Index -1 names no field.
    Snapshot();
    DrawControlText(-1, &field_, &font_);
    ExpectNothingInvalidated();
}

}  // namespace
