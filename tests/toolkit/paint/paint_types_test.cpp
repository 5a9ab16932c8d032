// The painter's other control types: scroll-bar thumb, dial, cell pickers, the types it does
// not draw, and the text field's panel; with the words that must not make it divide by zero or
// read outside a picture.
#include <climits>

#include "toolkit/control.h"
#include "toolkit/paint_control.h"
#include "tests/render/render_fixture.h"

namespace {

uint32_t Halved(uint32_t p) {
    return (p >> 1) & 0x7F7F7Fu;
}

uint32_t Masked(uint32_t old, uint32_t source, uint32_t m) {
    return PerChannel(old, source, [m](uint32_t d, uint32_t s) { return ExpectedBlend(d, s, m); });
}

class ScrollBarTest : public RenderTest {
protected:
    // Cap length 5; a horizontal bar 200 x 8 at (100, 300) and a vertical one 8 x 200 at
    // (400, 100) share pieces of 5 x 8 (8 x 5 read the other way) and a slice of 8.
    void SetUp() override {
        RenderTest::SetUp();
        startCap_ = PatternBytes(40 * 3, 21);
        slice_ = PatternBytes(8 * 3, 22);
        endCap_ = PatternBytes(40 * 3, 23);
        startMask_ = PatternBytes(40, 24);
        sliceMask_ = PatternBytes(8, 25);
        endMask_ = PatternBytes(40, 26);
        startMask_[0] = 255;
        sliceMask_[0] = 0;
        bar_ = MakeControl(ControlScrollBar, 100, 300, 200, 8);
        bar_.extent = 5;
        bar_.rangeEnd = 100;
        bar_.imageNormal = startCap_.data();
        bar_.imageHover = slice_.data();
        bar_.imagePressed = endCap_.data();
        bar_.imageCheckedNormal = startMask_.data();
        bar_.imageCheckedHover = sliceMask_.data();
        bar_.imageCheckedPressed = endMask_.data();
    }

    void MakeVertical() {
        bar_.x = 400;
        bar_.y = 100;
        bar_.width = 8;
        bar_.height = 200;
        bar_.orientation = 1;
    }

    // The bar shows a thumb of `length` pixels at the thumb offset and nothing else changed.
    void ExpectThumb(int32_t length, bool halved = false) {
        const bool vertical = bar_.orientation == 1;
        const int32_t e = bar_.extent;
        const int32_t p = bar_.thumbOffset;
        const int32_t thumbX = vertical ? bar_.x : bar_.x + p;
        const int32_t thumbY = vertical ? bar_.y + p : bar_.y;
        const int32_t width = vertical ? bar_.width : length;
        const int32_t height = vertical ? length : bar_.height;
        ExpectRect(thumbX, thumbY, width, height, [&](int32_t k, int32_t r, uint32_t old) {
            const int32_t along = vertical ? r : k;  // position along the thumb
            const int32_t across = vertical ? k : r;
            const int32_t across_size = vertical ? bar_.width : bar_.height;
            uint32_t pixel;
            uint8_t m;
            if (along < e) {
                const size_t i =
                    vertical ? size_t(along * across_size + across) : size_t(across * e + along);
                pixel = PictureAt(startCap_, i);
                m = startMask_[i];
            } else if (along >= length - e) {
                const int32_t j = along - (length - e);
                const size_t i =
                    vertical ? size_t(j * across_size + across) : size_t(across * e + j);
                pixel = PictureAt(endCap_, i);
                m = endMask_[i];
            } else {
                pixel = PictureAt(slice_, size_t(across));
                m = sliceMask_[size_t(across)];
            }
            return Masked(old, halved ? Halved(pixel) : pixel, m);
        });
        ExpectUnchangedOutside(thumbX, thumbY, width, height);
        ExpectDirty(bar_.x, bar_.y, bar_.width, bar_.height);
    }

    void Paint() {
        Snapshot();
        PaintControl(0, &bar_);
    }

    std::vector<uint8_t> startCap_, slice_, endCap_, startMask_, sliceMask_, endMask_;
    Control bar_;
};

TEST_F(ScrollBarTest, TheThumbIsPageOverTotalOfTheBarButNeverShorterThanBothCaps) {
    bar_.value = 10;
    bar_.thumbOffset = 30;
    Paint();
    ExpectThumb(20);
    bar_.value = 1;  // 2 pixels, raised to 2 x 5 + 1
    Paint();
    ExpectThumb(11);
    bar_.value = 300;  // 600 pixels, lowered to the bar
    bar_.thumbOffset = 0;
    Paint();
    ExpectThumb(200);
    bar_.level = 100;  // neither level nor checked changes the thumb
    bar_.checked = 1;
    bar_.value = 10;
    Paint();
    ExpectThumb(20);
}

TEST_F(ScrollBarTest, AVerticalThumbRepeatsTheSliceRowDownItsMiddle) {
    MakeVertical();
    bar_.value = 25;
    bar_.thumbOffset = 40;
    Paint();
    ExpectThumb(50);
    bar_.value = 0;
    Paint();
    ExpectThumb(11);
}

TEST_F(ScrollBarTest, ADisabledThumbHalvesEachPieceBeforeItsMask) {
    bar_.flags = FlagDisabled;
    bar_.value = 10;
    bar_.thumbOffset = 30;
    Paint();
    ExpectThumb(20, true);
    MakeVertical();
    Paint();
    ExpectThumb(20, true);
}

TEST_F(ScrollBarTest, WordsThatGiveNoThumbLengthDrawNothing) {
    bar_.value = 10;
    // No content size: nothing to divide by; the bar is still invalidated.
    bar_.rangeEnd = 0;
    Paint();
    ExpectUnchanged();
    ExpectDirty(100, 300, 200, 8);
    bar_.flags = FlagDisabled;
    Paint();
    ExpectUnchanged();
    ExpectDirty(100, 300, 200, 8);
    // An unknown axis: nothing drawn and nothing invalidated, enabled or not.
    bar_.rangeEnd = 100;
    bar_.orientation = 2;
    Paint();
    ExpectUnchanged();
    ExpectNothingInvalidated();
    bar_.flags = 0;
    Paint();
    ExpectUnchanged();
    ExpectNothingInvalidated();
    // Extreme pages and totals neither overflow nor leave the bar.
    bar_.orientation = 0;
    bar_.value = INT_MAX;
    bar_.rangeEnd = 1;
    Paint();
    ExpectThumb(200);
    bar_.value = INT_MIN;
    bar_.rangeEnd = -1;
    Paint();
    ExpectThumb(200);
    bar_.rangeEnd = INT_MIN;
    bar_.value = 10;
    Paint();
    ExpectThumb(11);
}

class DialTest : public RenderTest {
protected:
    // Eight 10 x 6 frames and their masks, one after another.
    void SetUp() override {
        RenderTest::SetUp();
        strip_ = PatternBytes(8 * 60 * 3, 31);
        masks_ = PatternBytes(8 * 60, 32);
        dial_ = MakeControl(ControlDial, 50, 60, 10, 6);
        dial_.extent = 8;
        dial_.imageNormal = strip_.data();
        dial_.mask = masks_.data();
    }

    void ExpectFrame(size_t frame) {
        ExpectRect(50, 60, 10, 6, [&](int32_t k, int32_t r, uint32_t old) {
            const size_t i = frame * 60 + size_t(r) * 10 + size_t(k);
            return Masked(old, PictureAt(strip_, i), masks_[i]);
        });
        ExpectUnchangedOutside(50, 60, 10, 6);
        ExpectDirty(50, 60, 10, 6);
    }

    std::vector<uint8_t> strip_, masks_;
    Control dial_;
};

TEST_F(DialTest, EachStepOfTheValueAwayFromZeroShowsTheFrameBefore) {
    const std::pair<int32_t, size_t> cases[] = {{0, 7},  {1, 6},       {8, 7},       {-1, 6},
                                                {-9, 6}, {INT_MAX, 0}, {INT_MIN, 7}, {13, 2}};
    for (const auto& [value, frame] : cases) {
        SCOPED_TRACE(value);
        dial_.value = value;
        dial_.level = 150;  // no level mixing
        Snapshot();
        PaintControl(0, &dial_);
        ExpectFrame(frame);
    }
    // The most negative value with three frames: 2147483648 mod 3 is 2, frame 0.
    dial_.extent = 3;
    dial_.value = INT_MIN;
    Snapshot();
    PaintControl(0, &dial_);
    ExpectFrame(0);
}

TEST_F(DialTest, WithoutFramesNothingIsDrawnAndADisabledDialShowsItsFirstFrameHalved) {
    for (int32_t extent : {0, -3, INT_MIN}) {
        dial_.extent = extent;
        Snapshot();
        PaintControl(0, &dial_);
        ExpectUnchanged();
        ExpectDirty(50, 60, 10, 6);
    }
    dial_.flags = FlagDisabled;
    dial_.value = 3;
    Snapshot();
    PaintControl(0, &dial_);
    ExpectRect(50, 60, 10, 6, [&](int32_t k, int32_t r, uint32_t old) {
        const size_t i = size_t(r) * 10 + size_t(k);
        return Masked(old, Halved(PictureAt(strip_, i)), masks_[i]);
    });
    ExpectUnchangedOutside(50, 60, 10, 6);
}

class CellPickerTest : public RenderTest {
protected:
    // Sheets of 4 x 3 cells of 10 x 6 pixels; one mask of a cell's size.
    void SetUp() override {
        RenderTest::SetUp();
        normal_ = PatternBytes(40 * 18 * 3, 41);
        hover_ = PatternBytes(40 * 18 * 3, 42);
        mask_ = PatternBytes(60, 43);
        picker_ = MakeControl(ControlCellPicker, 200, 100, 10, 6);
        picker_.columns = 4;
        picker_.rows = 3;
        picker_.imageNormal = normal_.data();
        picker_.imageHover = hover_.data();
        picker_.imagePressed = hover_.data();
        picker_.mask = mask_.data();
    }

    void Paint() {
        Snapshot();
        PaintControl(0, &picker_);
    }

    std::vector<uint8_t> normal_, hover_, mask_;
    Control picker_;
};

TEST_F(CellPickerTest, ThePickedCellOfTheSheetIsShownThroughTheOneMask) {
    for (int32_t type : {ControlCellPicker, ControlFramedCellPicker}) {
        SCOPED_TRACE(type);
        picker_.type = type;
        picker_.selectedCell = 5;  // sheet row 1, column 1
        picker_.level = 50;
        Paint();
        ExpectRect(200, 100, 10, 6, [&](int32_t k, int32_t r, uint32_t old) {
            const size_t i = size_t(6 + r) * 40 + size_t(10 + k);
            const uint32_t mixed =
                PerChannel(PictureAt(normal_, i), PictureAt(hover_, i),
                           [](uint32_t a, uint32_t c) { return ExpectedMix(a, c, 50); });
            return Masked(old, mixed, mask_[size_t(r) * 10 + size_t(k)]);
        });
        ExpectUnchangedOutside(200, 100, 10, 6);
        ExpectDirty(200, 100, 10, 6);

        picker_.flags = FlagDisabled;
        picker_.selectedCell = 11;  // the last cell
        Paint();
        ExpectRect(200, 100, 10, 6, [&](int32_t k, int32_t r, uint32_t old) {
            const size_t i = size_t(12 + r) * 40 + size_t(30 + k);
            return Masked(old, Halved(PictureAt(normal_, i)), mask_[size_t(r) * 10 + size_t(k)]);
        });
        picker_.flags = 0;
    }
}

TEST_F(CellPickerTest, ACellOutsideTheSheetOrASheetWithoutColumnsDrawsNothing) {
    struct Case {
        int32_t columns, rows, selectedCell;
    };
    for (const Case& c : {Case{4, 3, -1}, Case{4, 3, 12}, Case{4, 3, INT_MAX}, Case{4, 3, INT_MIN},
                          Case{0, 3, 5}, Case{-2, 3, 0}, Case{4, 0, 0}, Case{4, -1, 0}}) {
        for (uint32_t flags : {0u, uint32_t{FlagDisabled}}) {
            SCOPED_TRACE(testing::Message() << c.columns << " x " << c.rows << " cell "
                                            << c.selectedCell << " flags " << flags);
            picker_.columns = c.columns;
            picker_.rows = c.rows;
            picker_.selectedCell = c.selectedCell;
            picker_.flags = flags;
            Paint();
            ExpectUnchanged();
            ExpectDirty(200, 100, 10, 6);
        }
    }
}

TEST_F(RenderTest, AreasWithoutPicturesAreNeitherDrawnNorInvalidated) {
    std::vector<uint8_t> picture = PatternBytes(20 * 20 * 3, 7);
    for (int32_t type : {ControlHotArea, ControlDragSource, ControlPressArea, ControlInertArea,
                         ControlDragDropArea}) {
        Control c = MakeControl(type, 10, 10, 20, 20);
        c.imageNormal = c.imageHover = c.imagePressed = picture.data();
        c.level = 100;
        PaintControl(0, &c);
        ExpectUnchanged();
        ExpectNothingInvalidated();
    }
}

TEST_F(RenderTest, ATextFieldPanelGrowsByItsBorderToTheLeftAndTop) {
    // Border 4 at (100, 50), 200 x 30: the panel runs from (96, 48), 204 x 34.
    std::vector<uint8_t> pieces[8];
    RgbPicture art[8];
    for (uint8_t p = 0; p < 8; ++p) {
        pieces[p].assign(16 * 3, uint8_t(10 + p));
        art[p] = pieces[p].data();
    }
    Control field = MakeControl(ControlTextField, 100, 50, 200, 30);
    field.extent = 4;
    field.fillColor = 0x00112233u;  // blue 0x33, green 0x22, red 0x11
    field.flags = FlagDisabled;     // the frame stays at full brightness
    std::copy(art, art + 8, field.frameArt);
    PaintControl(0, &field);
    const auto piece = [](uint32_t p) { return (10 + p) * 0x010101u; };
    EXPECT_EQ(At(96, 48), piece(0));
    EXPECT_EQ(At(150, 48), piece(1));
    EXPECT_EQ(At(299, 48), piece(2));
    EXPECT_EQ(At(299, 60), piece(3));
    EXPECT_EQ(At(299, 81), piece(4));
    EXPECT_EQ(At(150, 81), piece(5));
    EXPECT_EQ(At(96, 81), piece(6));
    EXPECT_EQ(At(96, 60), piece(7));
    EXPECT_EQ(At(100, 52), 0x00112233u);
    ExpectUnchangedOutside(96, 48, 204, 34);
    // Without a font only the fill is drawn; the text step's fill is the last invalidation.
    ExpectDirty(104, 54, 192, 22);
}

}  // namespace
