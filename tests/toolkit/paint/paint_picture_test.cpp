// The painter's picture types: the level mix, checked pictures, masks, half intensity when
// disabled, and the slider knob's offset.
#include "toolkit/control.h"
#include "toolkit/paint_control.h"
#include "tests/render/render_fixture.h"

namespace {

constexpr int32_t kW = 156;
constexpr int32_t kH = 93;

class PaintPictureTest : public RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        for (uint32_t i = 0; i < 6; ++i) pictures_[i] = PatternBytes(kW * kH * 3, 10 + i);
        mask_ = PatternBytes(kW * kH, 99);
        mask_[0] = 0;  // the extremes, where exactness matters most
        mask_[1] = 255;
        button_ = MakeControl(ControlImageButton, 628, 195, kW, kH);
        button_.imageNormal = pictures_[0].data();
        button_.imageHover = pictures_[1].data();
        button_.imagePressed = pictures_[2].data();
        button_.imageCheckedNormal = pictures_[3].data();
        button_.imageCheckedHover = pictures_[4].data();
        button_.imageCheckedPressed = pictures_[5].data();
    }

    void Paint() {
        Snapshot();
        PaintControl(0, &button_);
    }

    // The control's rectangle shows MixByLevel(from, to, t), masked when `masked`, and nothing
    // else changed.
    void ExpectMixed(int32_t x, int32_t y, int from, int to, uint32_t t, bool masked) {
        ExpectRect(x, y, kW, kH, [&](int32_t k, int32_t r, uint32_t old) {
            const size_t i = size_t(r) * kW + size_t(k);
            const uint32_t s =
                PerChannel(PictureAt(pictures_[from], i), PictureAt(pictures_[to], i),
                           [t](uint32_t a, uint32_t c) { return ExpectedMix(a, c, t); });
            if (!masked) return (old & 0xFF000000u) | (s & 0xFFFFFFu);
            return PerChannel(
                old, s, [m = mask_[i]](uint32_t d, uint32_t v) { return ExpectedBlend(d, v, m); });
        });
        ExpectUnchangedOutside(x, y, kW, kH);
    }

    void ExpectHalf(int32_t x, int32_t y, int from, bool masked) {
        ExpectRect(x, y, kW, kH, [&](int32_t k, int32_t r, uint32_t old) {
            const size_t i = size_t(r) * kW + size_t(k);
            const uint32_t s = (PictureAt(pictures_[from], i) >> 1) & 0x7F7F7Fu;
            if (!masked) return (old & 0xFF000000u) | s;
            return PerChannel(
                old, s, [m = mask_[i]](uint32_t d, uint32_t v) { return ExpectedBlend(d, v, m); });
        });
        ExpectUnchangedOutside(x, y, kW, kH);
    }

    std::vector<uint8_t> pictures_[6];
    std::vector<uint8_t> mask_;
    Control button_;
};

TEST_F(PaintPictureTest, ALanguageButtonFadesFromRestToLitOverLevels0To100) {
    button_.imagePressed = button_.imageHover;  // the launcher passes the lit picture twice
    for (int32_t level : {0, 10, 50, 90, 100, 150, 200}) {
        SCOPED_TRACE(level);
        button_.level = level;
        Paint();
        if (level <= 100) {
            ExpectMixed(628, 195, 0, 1, uint32_t(level), false);
        } else {
            ExpectMixed(628, 195, 1, 1, uint32_t(level - 100), false);
        }
        ExpectDirty(628, 195, kW, kH);
    }
    // At 50 the channels 255 and 0 give their truncated mean.
    std::vector<uint8_t> white(kW * kH * 3, 255);
    std::vector<uint8_t> black(kW * kH * 3, 0);
    button_.imageNormal = white.data();
    button_.imageHover = black.data();
    button_.level = 50;
    Paint();
    EXPECT_EQ(At(628, 195), 0x007F7F7Fu | (Before(628, 195) & 0xFF000000u));
}

TEST_F(PaintPictureTest, AboveLevel100TheHoverPictureMixesIntoThePressedOne) {
    for (int32_t level : {110, 150, 199}) {
        SCOPED_TRACE(level);
        button_.level = level;
        Paint();
        ExpectMixed(628, 195, 1, 2, uint32_t(level - 100), false);
    }
}

TEST_F(PaintPictureTest, ACheckedControlUsesTheCheckedPictures) {
    button_.type = ControlToggleButton;
    button_.checked = 1;
    for (int32_t level : {0, 40, 100, 170, 200}) {
        SCOPED_TRACE(level);
        button_.level = level;
        Paint();
        if (level <= 100) {
            ExpectMixed(628, 195, 3, 4, uint32_t(level), false);
        } else {
            ExpectMixed(628, 195, 4, 5, uint32_t(level - 100), false);
        }
    }
}

TEST_F(PaintPictureTest, AMaskBlendsTheMixedPictureOverTheFrameBuffer) {
    button_.mask = mask_.data();
    for (int32_t type : std::initializer_list<int32_t>{ControlPushButton, ControlRadioButton,
                                                       ControlHoverArea, ControlFreeMotion, 17}) {
        for (int32_t level : {0, 30, 100, 160}) {
            SCOPED_TRACE(testing::Message() << "type " << type << " level " << level);
            button_.type = type;
            button_.level = level;
            Paint();
            if (level <= 100) {
                ExpectMixed(628, 195, 0, 1, uint32_t(level), true);
            } else {
                ExpectMixed(628, 195, 1, 2, uint32_t(level - 100), true);
            }
            ExpectDirty(628, 195, kW, kH);
        }
    }
}

TEST_F(PaintPictureTest, ADisabledControlShowsItsFromPictureAtHalfIntensity) {
    button_.flags = FlagDisabled;
    button_.level = 60;
    Paint();
    ExpectHalf(628, 195, 0, false);
    ExpectDirty(628, 195, kW, kH);
    button_.level = 140;
    Paint();
    ExpectHalf(628, 195, 1, false);
    button_.mask = mask_.data();
    button_.checked = 1;
    button_.level = 100;
    Paint();
    ExpectHalf(628, 195, 3, true);
}

TEST_F(PaintPictureTest, AnInvisibleControlIsNeitherDrawnNorInvalidated) {
    for (int32_t visible : {0, 2, -1}) {
        button_.visible = visible;
        button_.level = 50;
        Paint();
        ExpectUnchanged();
        ExpectNothingInvalidated();
    }
}

TEST_F(PaintPictureTest, ASliderKnobIsDrawnAndInvalidatedAtItsOffset) {
    button_.type = ControlSliderKnob;
    button_.x = 100;
    button_.y = 200;
    button_.value = 30;
    button_.level = 50;
    Paint();
    ExpectMixed(130, 200, 0, 1, 50, false);
    ExpectDirty(130, 200, kW, kH);

    button_.orientation = 1;
    Paint();
    ExpectMixed(100, 230, 0, 1, 50, false);
    ExpectDirty(100, 230, kW, kH);

    // On an unknown axis it is not drawn; a disabled knob also invalidates its unmoved place.
    button_.orientation = 2;
    Paint();
    ExpectUnchanged();
    ExpectNothingInvalidated();
    button_.flags = FlagDisabled;
    Paint();
    ExpectUnchanged();
    ExpectDirty(100, 200, kW, kH);
    button_.orientation = 0;
    Paint();
    ExpectHalf(130, 200, 0, false);
    ExpectDirty(100, 200, kW, kH);
}

TEST_F(PaintPictureTest, LevelsOutsideTheScaleAreHeldTo0And200) {
    button_.level = -30;
    Paint();
    ExpectMixed(628, 195, 0, 1, 0, false);
    button_.level = 350;
    Paint();
    ExpectMixed(628, 195, 1, 2, 100, false);
}

TEST_F(PaintPictureTest, AMissingPictureDrawsNothingButIsStillInvalidated) {
    button_.imageHover = nullptr;
    button_.level = 50;
    Paint();
    ExpectUnchanged();
    ExpectDirty(628, 195, kW, kH);
}

}  // namespace
