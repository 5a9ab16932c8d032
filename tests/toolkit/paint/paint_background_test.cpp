// Restoring the background under a control and the outline ring around it: exact pixels, exact
// invalidated rectangles, nothing written outside them.
#include "tests/render/render_fixture.h"
#include "toolkit/control.h"
#include "toolkit/paint_background.h"
#include "toolkit/paint_control.h"

namespace {

using DrawTest = RenderTest;

uint32_t Lighten(uint32_t g, uint32_t t) {
    return PerChannel(g, 0, [t](uint32_t v, uint32_t) { return (v * (100 - t) + 255 * t) / 100; });
}

TEST_F(DrawTest, RestoreBackgroundCopiesWholePixelsUnderTheControl) {
    Control c = MakeControl(ControlImageButton, 628, 83, 156, 93);
    RestoreBackground(0, &c);
    ExpectRect(628, 83, 156, 93, [&](int32_t k, int32_t r, uint32_t) {
        return Background(628 + k, 83 + r);  // all four bytes
    });
    ExpectUnchangedOutside(628, 83, 156, 93);
    ExpectDirty(628, 83, 156, 93);

    Snapshot();
    c.visible = 0;
    RestoreBackground(0, &c);
    ExpectUnchanged();
    ExpectNothingInvalidated();
}

TEST_F(DrawTest, RestoreBackgroundFollowsASliderKnobAlongItsAxis) {
    Control knob = MakeControl(ControlSliderKnob, 100, 200, 20, 10);
    knob.value = 30;
    RestoreBackground(0, &knob);
    ExpectRect(130, 200, 20, 10,
               [&](int32_t k, int32_t r, uint32_t) { return Background(130 + k, 200 + r); });
    ExpectUnchangedOutside(130, 200, 20, 10);
    ExpectDirty(130, 200, 20, 10);

    Snapshot();
    knob.orientation = 1;
    RestoreBackground(0, &knob);
    ExpectUnchangedOutside(100, 230, 20, 10);
    EXPECT_EQ(At(119, 239), Background(119, 239));
    ExpectDirty(100, 230, 20, 10);

    // Orientation 2 copies nothing but invalidates the unmoved rectangle; others do neither.
    Snapshot();
    knob.orientation = 2;
    RestoreBackground(0, &knob);
    ExpectUnchanged();
    ExpectDirty(100, 200, 20, 10);
    Snapshot();
    knob.orientation = -1;
    RestoreBackground(0, &knob);
    ExpectUnchanged();
    ExpectNothingInvalidated();
}

TEST_F(DrawTest, BackgroundRowsStepByFrameWidthAndFrameRowsByFrameRowPixels) {
    frameWidth = 640;  // the background is read as 640-pixel rows, the frame buffer as 800
    Control c = MakeControl(ControlImageButton, 10, 20, 5, 3);
    RestoreBackground(0, &c);
    for (int32_t r = 0; r < 3; ++r) {
        for (int32_t k = 0; k < 5; ++k) {
            EXPECT_EQ(At(10 + k, 20 + r), background_[size_t(20 + r) * 640 + size_t(10 + k)]);
        }
    }
    ExpectUnchangedOutside(10, 20, 5, 3);
}

TEST_F(DrawTest, TheOutlineRingLightensTheBackgroundByTheLevel) {
    Control area = MakeControl(ControlHotArea, 300, 200, 40, 20);
    area.visible = 0;  // not looked at
    for (int32_t level : {0, 30, 100}) {
        SCOPED_TRACE(level);
        Snapshot();
        area.level = level;
        DrawOutlineHighlight(0, &area);
        ExpectRect(299, 199, 42, 22, [&](int32_t k, int32_t r, uint32_t old) {
            const bool ring = k == 0 || k == 41 || r == 0 || r == 21;
            if (!ring) return old;
            const uint32_t lit = Lighten(Background(299 + k, 199 + r), uint32_t(level));
            return (old & 0xFF000000u) | (lit & 0xFFFFFFu);
        });
        ExpectUnchangedOutside(299, 199, 42, 22);
        ExpectDirty(299, 199, 42, 22);
    }
    // Level 100 is white whatever lay there; level 0 brings back the background's colours.
    EXPECT_EQ(At(299, 199) & 0xFFFFFFu, 0xFFFFFFu);
    area.level = 0;
    DrawOutlineHighlight(0, &area);
    EXPECT_EQ(At(340, 220) & 0xFFFFFFu, Background(340, 220) & 0xFFFFFFu);
}

#ifndef NDEBUG
// Debug and sanitizer builds stop a control that would be drawn outside the frame buffer.
TEST_F(DrawTest, AControlOutsideTheFrameBufferIsCaughtInDebugBuilds) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Control button = MakeControl(ControlImageButton, 700, 500, 156, 93);
    std::vector<uint8_t> picture(156 * 93 * 3);
    button.imageNormal = picture.data();
    EXPECT_DEATH(PaintControl(0, &button), "InsideFrame");
    Control area = MakeControl(ControlHotArea, 0, 10, 5, 5);  // its ring starts at x = -1
    EXPECT_DEATH(DrawOutlineHighlight(0, &area), "InsideFrame");
}
#endif

}  // namespace
