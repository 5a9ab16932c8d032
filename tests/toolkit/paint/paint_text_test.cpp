// The text field's text step: scrolling the caret into view, alignment, the disabled colour and
// the temporary copy.
#include "tests/render/font_fixture.h"
#include "toolkit/control.h"
#include "toolkit/paint_control.h"
#include "toolkit/paint_text.h"

namespace {

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
