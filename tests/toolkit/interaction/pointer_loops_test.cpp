// The slider knob, scroll thumb, dial, free-motion, drag-source and drag-and-drop loops, driven
// through GetUiEvent by scripted pointer input.
#include <string>

#include "display/display.h"
#include "platform/headless/headless.h"
#include "tests/toolkit/interaction/interaction_fixture.h"
#include "toolkit/track_capture.h"
#include "toolkit/track_pointer.h"

namespace {

// What the callbacks saw.
Control* seenItems = nullptr;
std::vector<std::string> calls;
std::vector<int32_t> seenValues;

void RecordValue() {
    seenValues.push_back(seenItems[0].value);
}
void RecordScroll() {
    seenValues.push_back(seenItems[0].thumbOffset);
    seenValues.push_back(seenItems[0].rangeStart);
}
void RecordDial(Control* /*items*/, int32_t id, int32_t value) {
    calls.push_back("dial " + std::to_string(id) + " " + std::to_string(value) + " cursor " +
                    std::to_string(HeadlessCursorShowCount()));
}
void RecordMotion(Control* /*items*/, int32_t id, int32_t dx, int32_t dy) {
    calls.push_back("motion " + std::to_string(id) + " " + std::to_string(dx) + " " +
                    std::to_string(dy));
}
void RecordPointer(Control* /*items*/, int32_t index, int32_t reason, intptr_t x, intptr_t y,
                   intptr_t cx, intptr_t cy) {
    calls.push_back(std::to_string(index) + " " + std::to_string(reason) + " " + std::to_string(x) +
                    "," + std::to_string(y) + " at " + std::to_string(cx) + "," +
                    std::to_string(cy));
}
void RecordRelease(Control* items, int32_t index, int32_t reason, intptr_t x, intptr_t y,
                   intptr_t cx, intptr_t cy) {
    calls.push_back("release");
    RecordPointer(items, index, reason, x, y, cx, cy);
}
int32_t RecordArea(Control* /*items*/, int32_t index, int32_t reason, int32_t x, int32_t y) {
    calls.push_back("area " + std::to_string(index) + " " + std::to_string(reason) + " " +
                    std::to_string(x) + "," + std::to_string(y));
    return 0;
}

class PointerLoopTest : public InteractionTest {
protected:
    void SetUp() override {
        InteractionTest::SetUp();
        seenItems = controls_.data();
        calls.clear();
        seenValues.clear();
    }
    // A horizontal knob of 20 x 20 at (100, 50) that travels `extent` pixels.
    Control& AddSlider(int32_t value, int32_t extent) {
        Control& c = Add(ControlSliderKnob, 100, 50, 20, 20);
        c.value = value;
        c.extent = extent;
        return c;
    }
    // A dial of ten frames, id 7, at (300, 300) that turns from 0 to `highest`, recording its
    // onChange calls.
    Control& AddDial(int32_t highest, int32_t value) {
        Control& c = Add(ControlDial, 300, 300, 20, 20);
        c.id = 7;
        c.rangeEnd = highest;
        c.value = value;
        c.extent = 10;
        c.onChange.value = RecordDial;
        return c;
    }
    OsPoint Centre() const {
        OsRect r{};
        OsGetWindowInfoRect(mainWindow, &r);
        return OsPoint{r.left + 400, r.top + 300};
    }
    void CursorTo(int32_t screenX, int32_t screenY) { HeadlessPointerMoveTo(screenX, screenY); }
};

TEST_F(PointerLoopTest, ASliderKnobIsAnchoredAtTheFirstMoveAndClampedToItsTravel) {
    Control& knob = AddSlider(0, 50);
    PressAt(105, 55);
    // The first move is the anchor, however far from the press; 80 more pixels pass the end.
    Script({[&] { MoveTo(140, 55); }, [&] { MoveTo(150, 55); }, [&] { MoveTo(220, 55); },
            [&] { LeftUp(); }});
    EXPECT_EQ(Until(EventPress).index, 0);
    EXPECT_EQ(knob.value, 50);
    EXPECT_EQ(pressedIndex, -1);

    knob.value = 20;
    PressAt(125, 55);
    Script({[&] { MoveTo(125, 56); }, [&] { MoveTo(45, 56); }, [&] { LeftUp(); }});
    Until(EventPress);
    EXPECT_EQ(knob.value, 0);
}

TEST_F(PointerLoopTest, ASliderDragShowsOnChangeTheTentativeValueAndKeepsTheStartUntilRelease) {
    Control& knob = AddSlider(10, 50);
    knob.onChange.notify = RecordValue;
    std::vector<int32_t> between;
    PressAt(115, 55);
    Script({[&] { MoveTo(115, 60); }, [&] { between.push_back(knob.value); },
            [&] { MoveTo(130, 60); }, [&] { between.push_back(knob.value); },
            [&] { MoveTo(130, 60); },  // same place: no step
            [&] { MoveTo(122, 10); }, [&] { between.push_back(knob.value); }, [&] { LeftUp(); }});
    Until(EventPress);
    EXPECT_EQ(seenValues, (std::vector<int32_t>{10, 25, 17}));
    EXPECT_EQ(between, (std::vector<int32_t>{10, 10, 10}));
    EXPECT_EQ(knob.value, 17);
}

TEST_F(PointerLoopTest, TheKnobIsDrawnWhereItEndsAndTheBackgroundComesBackWhereItWas) {
    const std::vector<uint8_t> red = SolidPicture(20, 20, 255, 0, 0);
    Control& knob = AddSlider(0, 50);
    knob.imageNormal = knob.imageHover = knob.imagePressed = red.data();
    knob.flags = FlagNoHover;
    const std::vector<uint32_t> before = Frame();
    PressAt(105, 55);
    Script({[&] { MoveTo(105, 55); }, [&] { MoveTo(135, 55); }, [&] { LeftUp(); }});
    Until(EventPress);
    EXPECT_EQ(knob.value, 30);
    for (int32_t x = 95; x < 160; ++x) {
        const bool onKnob = x >= 130 && x < 150;
        EXPECT_EQ(Pixel(x, 60), onKnob ? 0xFF0000u : before[60 * 800 + x]) << "x " << x;
    }
    EXPECT_EQ(ScreenAt(140, 60), 0xFF0000u);  // shown at once
}

TEST_F(PointerLoopTest, ReleaseWithoutMovesAndTheQuitMessageKeepTheStartValues) {
    Control& knob = AddSlider(20, 50);
    Control& bar = Add(ControlScrollBar, 100, 100, 200, 10);
    bar.rangeEnd = 100;
    bar.value = 25;
    bar.extent = 5;
    bar.thumbOffset = 40;
    bar.rangeStart = 20;
    PressAt(125, 55);
    Script({[&] { LeftUp(); }});
    Until(EventPress);
    EXPECT_EQ(knob.value, 20);

    PressAt(125, 55);
    Script({[&] { MoveTo(125, 55); }, [&] { MoveTo(135, 55); }, [&] { OsPostQuitMessage(0); }});
    Until(EventPress);
    EXPECT_EQ(knob.value, 20);
    EXPECT_EQ(pressedIndex, -1);

    PressAt(150, 105);
    Script({[&] { MoveTo(150, 105); }, [&] { MoveTo(190, 105); }, [&] { OsPostQuitMessage(0); }});
    EXPECT_EQ(Until(EventPress).index, 1);
    EXPECT_EQ(bar.thumbOffset, 40);
    EXPECT_EQ(bar.rangeStart, 20);
    EXPECT_EQ(pressedIndex, -1);
}

TEST_F(PointerLoopTest, AScrollThumbMovesTheScrollPositionInProportion) {
    // 200 pixels long, a quarter of the content shown: a 50-pixel thumb with 150 of room.
    Control& bar = Add(ControlScrollBar, 100, 100, 200, 10);
    bar.rangeEnd = 100;
    bar.value = 25;
    bar.extent = 5;
    bar.onChange.notify = RecordScroll;
    std::vector<int32_t> between;
    PressAt(110, 105);
    Script({[&] { MoveTo(110, 105); }, [&] { MoveTo(170, 120); },
            [&] {
                between = {bar.thumbOffset, bar.rangeStart};
            },
            [&] { MoveTo(400, 105); }, [&] { LeftUp(); }});
    Until(EventPress);
    EXPECT_EQ(seenValues, (std::vector<int32_t>{0, 0, 60, 30, 150, 75}));  // the anchor is a step
    EXPECT_EQ(between, (std::vector<int32_t>{0, 0}));
    EXPECT_EQ(bar.thumbOffset, 150);
    EXPECT_EQ(bar.rangeStart, 75);

    // Content that all fits: the thumb fills the bar and cannot move.
    bar.value = 100;
    bar.thumbOffset = 0;
    bar.rangeStart = 0;
    PressAt(150, 105);
    Script({[&] { MoveTo(150, 105); }, [&] { MoveTo(190, 105); }, [&] { LeftUp(); }});
    Until(EventPress);
    EXPECT_EQ(bar.thumbOffset, 0);
    EXPECT_EQ(bar.rangeStart, 0);
}

TEST_F(PointerLoopTest, AScrollBarWithoutContentSizeAndADialWithoutFramesNeitherMoveNorDraw) {
    const std::vector<uint8_t> cap = SolidPicture(5, 10, 0, 255, 0);
    Control& bar = Add(ControlScrollBar, 100, 100, 200, 10);
    bar.value = 25;
    bar.extent = 5;
    bar.imageNormal = bar.imageHover = bar.imagePressed = cap.data();
    Control& dial = Add(ControlDial, 300, 300, 20, 20);
    dial.rangeEnd = 9;
    dial.value = 3;
    dial.imageNormal = cap.data();
    dial.onChange.value = RecordDial;
    const std::vector<uint32_t> before = Frame();
    const OsPoint cursor = ScreenOf(310, 310);

    Script({[&] { MoveTo(110, 105); }, [&] { MoveTo(180, 105); }, [&] { LeftUp(); }});
    TrackScrollThumb(nullptr, controls_.data(), 0);
    Script({[&] { MoveTo(350, 300); }, [&] { LeftUp(); }});
    CursorTo(cursor.x, cursor.y);
    TrackDial(nullptr, controls_.data(), 1);

    EXPECT_TRUE(ScriptDone());
    EXPECT_EQ(bar.thumbOffset, 0);
    EXPECT_EQ(bar.rangeStart, 0);
    EXPECT_EQ(dial.value, 3);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(PixelsChanged(before, Frame()), 0);
    EXPECT_EQ(HeadlessCursorShowCount(), 0);
    EXPECT_EQ(pressedIndex, -1);
}

TEST_F(PointerLoopTest, ADialTurnsWithTheHiddenCursorAndARightPressCancels) {
    Control& dial = AddDial(9, 6);
    const OsPoint c = Centre();
    PressAt(310, 310);
    const OsPoint pressedAt = ScreenOf(310, 310);
    Script({[&] { CursorTo(c.x + 2, c.y + 40); }, [&] { CursorTo(c.x + 5, c.y); },
            [&] { RightDown(); }});
    Until(EventPress);
    // The capture's own centring move, +2, then +5 stopped at the top of the range, each move
    // followed by the one that puts the cursor back; the cancel hands back the press's value.
    EXPECT_EQ(calls, (std::vector<std::string>{"dial 7 6 cursor -1", "dial 7 8 cursor -1",
                                               "dial 7 8 cursor -1", "dial 7 9 cursor -1",
                                               "dial 7 9 cursor -1", "dial 7 6 cursor -1"}));
    EXPECT_EQ(dial.value, 6);
    OsPoint cursor{};
    OsGetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, pressedAt.x);
    EXPECT_EQ(cursor.y, pressedAt.y);
    EXPECT_EQ(HeadlessCursorShowCount(), 0);
    EXPECT_EQ(pressedIndex, -1);

    // A left release keeps the turned value; a quit keeps the last step's.
    calls.clear();
    PressAt(310, 310);
    Script({[&] { CursorTo(c.x - 4, c.y); }, [&] { LeftUp(); }});
    Until(EventPress);
    EXPECT_EQ(dial.value, 2);
    PressAt(310, 310);
    Script({[&] { CursorTo(c.x - 1, c.y); }, [&] { OsPostQuitMessage(0); }});
    Until(EventPress);
    EXPECT_EQ(dial.value, 1);
    EXPECT_EQ(HeadlessCursorShowCount(), 0);
}

TEST_F(PointerLoopTest, FreeMotionReportsEveryMoveFromTheCentreAndLeavesThePointerWordsAlone) {
    Control& area = Add(ControlFreeMotion, 500, 100, 50, 50);
    area.id = 9;
    area.onChange.motion = RecordMotion;
    const OsPoint c = Centre();
    PressAt(510, 110);
    Until(EventMoveOver);
    Script({[&] { CursorTo(c.x + 3, c.y - 4); },
            [&] {
                calls.push_back("pointer " + std::to_string(pointerX) + "," +
                                std::to_string(pointerY) + " cursor " +
                                std::to_string(HeadlessCursorShowCount()));
            },
            [&] { CursorTo(c.x - 10, c.y); }, [&] { LeftUp(); }});
    Until(EventPress);
    EXPECT_EQ(calls, (std::vector<std::string>{"motion 9 0 0", "motion 9 3 -4", "motion 9 0 0",
                                               "pointer 510,110 cursor -1", "motion 9 -10 0",
                                               "motion 9 0 0"}));
    EXPECT_EQ(HeadlessCursorShowCount(), 0);
    EXPECT_EQ(pressedIndex, -1);
}

TEST_F(PointerLoopTest, ADragSourceReportsNewPositionsAndItsReleaseAndStaysPressed) {
    Control& source = Add(ControlDragSource, 200, 200, 40, 40);
    source.onPointer.pointer = RecordPointer;
    source.onChange.pointer = RecordPointer;
    source.onRelease.pointer = RecordRelease;
    PressAt(210, 210);
    Until(EventMoveOver);
    Script({[&] { MoveTo(220, 215); }, [&] { MoveTo(220, 215); }, [&] { MoveTo(300, 5); },
            [&] { LeftUp(); }});
    EXPECT_EQ(Until(EventPress).index, 0);
    EXPECT_EQ(calls, (std::vector<std::string>{"0 0 210,210 at 200,200", "0 0 220,215 at 200,200",
                                               "0 0 300,5 at 200,200", "release",
                                               "0 0 300,5 at 200,200"}));
    EXPECT_EQ(pressedIndex, 0);  // the next release clears it
}

TEST_F(PointerLoopTest, ADragAndDropAreaNotTakenAsAClickIsDraggedAndDropped) {
    Control& area = Add(ControlDragDropArea, 200, 200, 40, 40);
    area.onPointer.area = RecordArea;
    area.selectedCell = 4;
    PressAt(210, 210);
    Until(EventMoveOver);
    Script({[&] { MoveTo(230, 230); }, [&] { MoveTo(230, 230); }, [&] { LeftUp(); }});
    const UiEvent press = Until(EventPress);
    EXPECT_EQ(press.detail, 0);
    EXPECT_EQ(area.selectedCell, -1);
    EXPECT_EQ(calls, (std::vector<std::string>{"area 0 64 210,210", "area 0 8 210,210",
                                               "area 0 16 230,230", "area 0 32 230,230"}));
    EXPECT_EQ(pressedIndex, 0);
}

// Moves that pile up while a loop is busy reach it merged: one step, to the latest position.
TEST_F(PointerLoopTest, MovesThatPileUpReachTheKnobThumbAndDialAsOneStep) {
    Control& knob = AddSlider(0, 50);
    knob.onChange.notify = RecordValue;
    PressAt(105, 55);
    Script({[&] { MoveTo(105, 55); },
            [&] {
                for (int32_t x : {110, 120, 130}) MoveTo(x, 55);
            },
            [&] { LeftUp(); }});
    Until(EventPress);
    EXPECT_EQ(seenValues, (std::vector<int32_t>{0, 25}));
    EXPECT_EQ(knob.value, 25);

    Control& bar = Add(ControlScrollBar, 100, 100, 200, 10);
    bar.rangeEnd = 100;
    bar.value = 25;
    bar.extent = 5;
    bar.onChange.notify = RecordScroll;
    seenItems = &bar;
    seenValues.clear();
    PressAt(110, 105);
    Script({[&] { MoveTo(110, 105); },
            [&] {
                for (int32_t x : {120, 140, 160}) MoveTo(x, 105);
            },
            [&] { LeftUp(); }});
    Until(EventPress);
    EXPECT_EQ(seenValues, (std::vector<int32_t>{0, 0, 50, 25}));

    // The dial reads the cursor itself: merged moves save it the steps that would find the
    // cursor back at the centre.
    Control& dial = AddDial(100, 10);
    const OsPoint c = Centre();
    PressAt(310, 310);
    Script({[&] {
                for (int32_t dx : {3, 6, 9}) CursorTo(c.x + dx, c.y);
            },
            [&] { LeftUp(); }});
    Until(EventPress);
    EXPECT_EQ(calls, (std::vector<std::string>{"dial 7 10 cursor -1", "dial 7 19 cursor -1",
                                               "dial 7 19 cursor -1"}));
    EXPECT_EQ(dial.value, 19);
}

// Every loop ends on the quit message and its caller goes on.
TEST_F(PointerLoopTest, EveryPointerLoopEndsOnTheQuitMessage) {
    using Loop = void (*)(WindowHandle, Control*, int32_t);
    const Loop loops[] = {TrackSliderKnob, TrackScrollThumb, TrackDial,
                          TrackFreeMove,   TrackDragSource,  TrackDragDrop};
    const int32_t types[] = {ControlSliderKnob, ControlScrollBar,  ControlDial,
                             ControlFreeMotion, ControlDragSource, ControlDragDropArea};
    for (size_t i = 0; i < 6; ++i) {
        Control& c = Add(types[i], 100 + 60 * static_cast<int32_t>(i), 400, 40, 20);
        c.extent = 10;
        c.rangeEnd = 100;
        c.value = 50;
        Script({[&] { MoveTo(30, 30); }, [&] { MoveTo(60, 50); }, [&] { OsPostQuitMessage(0); }});
        pressedIndex = static_cast<int32_t>(i);
        loops[i](nullptr, controls_.data(), static_cast<int32_t>(i));
        EXPECT_TRUE(ScriptDone()) << "loop " << i;
        EXPECT_EQ(HeadlessCursorShowCount(), 0) << "loop " << i;
        const bool leavesPressed = types[i] == ControlDragSource || types[i] == ControlDragDropArea;
        EXPECT_EQ(pressedIndex, leavesPressed ? static_cast<int32_t>(i) : -1) << "loop " << i;
    }
}

}  // namespace
