// The slider knob, scroll thumb, dial, free-motion, drag-source and drag-and-drop loops, driven
// through GetUiEvent by scripted pointer input.
#include <string>

#include "display/display.h"
#include "platform/headless/headless.h"
#include "tests/toolkit/interaction/interaction_fixture.h"
#include "toolkit/track_capture.h"
#include "toolkit/track_pointer.h"

namespace {

// What the callbacks saw, in order, as one line each.
std::vector<std::string> calls;
const Control* watched = nullptr;  // the control whose words RecordValue and RecordScroll read

std::string Text(int32_t a, int32_t b) {
    return std::to_string(a) + "," + std::to_string(b);
}
void RecordValue() {
    calls.push_back("value " + std::to_string(watched->value));
}
void RecordScroll() {
    calls.push_back("thumb and position " + Text(watched->thumbOffset, watched->rangeStart));
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
    calls.push_back(std::to_string(index) + " " + std::to_string(reason) + " " +
                    Text(int32_t(x), int32_t(y)) + " at " + Text(int32_t(cx), int32_t(cy)));
}
void RecordRelease(Control* items, int32_t index, int32_t reason, intptr_t x, intptr_t y,
                   intptr_t cx, intptr_t cy) {
    calls.push_back("release");
    RecordPointer(items, index, reason, x, y, cx, cy);
}
int32_t RecordArea(Control* /*items*/, int32_t index, int32_t reason, int32_t x, int32_t y) {
    calls.push_back("area " + std::to_string(index) + " " + std::to_string(reason) + " " +
                    Text(x, y));
    return 0;
}

class PointerLoopTest : public InteractionTest {
protected:
    void SetUp() override {
        InteractionTest::SetUp();
        calls.clear();
        watched = nullptr;
    }
    // A horizontal knob of 20 x 20 at (100, 50) that travels `extent` pixels.
    Control& AddSlider(int32_t value, int32_t extent) {
        Control& c = Add(ControlSliderKnob, 100, 50, 20, 20);
        c.value = value;
        c.extent = extent;
        return c;
    }
    // A horizontal bar of 200 x 10 at (100, 100) with a quarter of its content shown: a 50-pixel
    // thumb with 150 pixels of room, reporting its steps.
    Control& AddScrollBar() {
        Control& c = Add(ControlScrollBar, 100, 100, 200, 10);
        c.rangeEnd = 100;
        c.value = 25;
        c.extent = 5;
        c.onChange.notify = RecordScroll;
        watched = &c;
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
    // Where the captured loops put the cursor back: the middle of the window's outer rectangle,
    // in client coordinates.
    OsPoint Centre() const {
        OsRect r{};
        OsGetWindowInfoRect(mainWindow, &r);
        const OsPoint origin = ScreenOf(0, 0);
        return OsPoint{r.left + 400 - origin.x, r.top + 300 - origin.y};
    }
};

// A drag of a knob or thumb: pressed, then moved step by step (the points of one step pile up
// before the loop looks, and reach it as one move), then released. After each step the test
// logs the control's committed word ("word ..."), which keeps its start until the release.
struct Drag {
    const char* what;
    ControlType type;  // a slider of 50 pixels' travel, or the scroll bar of AddScrollBar
    int32_t start;     // its value: the slider's place, or how much of the bar's content shows
    bool reports;      // whether its onChange logs
    OsPoint press;
    std::vector<std::vector<OsPoint>> steps;
    std::vector<std::string> calls;
    std::string end;  // the committed word after the release
};

// clang-format off
const Drag kDrags[] = {
    {"the first move anchors, however far; the travel clamps", ControlSliderKnob, 0, false,
     {105, 55}, {{{140, 55}}, {{150, 55}}, {{220, 55}}}, {"word 0", "word 0", "word 0"}, "word 50"},
    {"and clamps at its start", ControlSliderKnob, 20, false,
     {125, 55}, {{{125, 56}}, {{45, 56}}}, {"word 20", "word 20"}, "word 0"},
    {"onChange sees the tentative value; the same place is no step", ControlSliderKnob, 10, true,
     {115, 55}, {{{115, 60}}, {{130, 60}}, {{130, 60}}, {{122, 10}}},
     {"value 10", "word 10", "value 25", "word 10", "word 10", "value 17", "word 10"}, "word 17"},
    {"piled-up moves are one step", ControlSliderKnob, 0, true,
     {105, 55}, {{{105, 55}}, {{110, 55}, {120, 55}, {130, 55}}},
     {"value 0", "word 0", "value 25", "word 0"}, "word 25"},
    {"the thumb moves the position in proportion; the anchor is a step", ControlScrollBar, 25, true,
     {110, 105}, {{{110, 105}}, {{170, 120}}, {{400, 105}}},
     {"thumb and position 0,0", "word 0,0", "thumb and position 60,30", "word 0,0",
      "thumb and position 150,75", "word 0,0"}, "word 150,75"},
    {"content that all fits: the thumb fills the bar and cannot move", ControlScrollBar, 100, false,
     {150, 105}, {{{150, 105}}, {{190, 105}}}, {"word 0,0", "word 0,0"}, "word 0,0"},
    {"piled-up moves are one step of the thumb", ControlScrollBar, 25, true,
     {110, 105}, {{{110, 105}}, {{120, 105}, {140, 105}, {160, 105}}},
     {"thumb and position 0,0", "word 0,0", "thumb and position 50,25", "word 0,0"}, "word 50,25"},
};
// clang-format on

TEST_F(PointerLoopTest, AKnobOrThumbFollowsTheDragFromItsFirstMoveAndCommitsOnRelease) {
    for (const Drag& drag : kDrags) {
        SCOPED_TRACE(drag.what);
        TearDown();
        SetUp();
        const bool slider = drag.type == ControlSliderKnob;
        Control& c = slider ? AddSlider(drag.start, 50) : AddScrollBar();
        c.value = drag.start;
        c.onChange.notify = drag.reports ? (slider ? RecordValue : RecordScroll) : nullptr;
        watched = &c;
        const auto word = [&c, slider] {
            calls.push_back("word " +
                            (slider ? std::to_string(c.value) : Text(c.thumbOffset, c.rangeStart)));
        };
        InputScript& script = Script().MoveTo(drag.press.x, drag.press.y).Down();
        for (const std::vector<OsPoint>& points : drag.steps) {
            script.Then([points] {
                for (const OsPoint& p : points) MovePointerTo(p.x, p.y);
            });
            script.Then(word);
        }
        script.Up();
        EXPECT_EQ(Until(EventPress).index, 0);
        EXPECT_EQ(calls, drag.calls);
        calls.clear();
        word();
        EXPECT_EQ(calls, std::vector<std::string>{drag.end});
        EXPECT_EQ(pressedIndex, -1);
    }
}

TEST_F(PointerLoopTest, TheKnobIsDrawnWhereItEndsAndTheBackgroundComesBackWhereItWas) {
    const std::vector<uint8_t> red = SolidPicture(20, 20, 255, 0, 0);
    Control& knob = AddSlider(0, 50);
    knob.imageNormal = knob.imageHover = knob.imagePressed = red.data();
    knob.flags = FlagNoHover;
    const std::vector<uint32_t> before = Frame();
    Script().MoveTo(105, 55).Down().MoveTo(105, 55).MoveTo(135, 55).Up();
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
    Control& bar = AddScrollBar();
    bar.thumbOffset = 40;
    bar.rangeStart = 20;
    Script().Click(125, 55);
    Until(EventPress);
    EXPECT_EQ(knob.value, 20);

    const auto quit = [] { OsPostQuitMessage(0); };
    Script().MoveTo(125, 55).Down().MoveTo(125, 55).MoveTo(135, 55).Then(quit);
    Until(EventPress);
    EXPECT_EQ(knob.value, 20);
    EXPECT_EQ(pressedIndex, -1);

    Script().MoveTo(150, 105).Down().MoveTo(150, 105).MoveTo(190, 105).Then(quit);
    EXPECT_EQ(Until(EventPress).index, 1);
    EXPECT_EQ(bar.thumbOffset, 40);
    EXPECT_EQ(bar.rangeStart, 20);
    EXPECT_EQ(pressedIndex, -1);
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

    Script().MoveTo(110, 105).MoveTo(180, 105).Up();
    TrackScrollThumb(nullptr, controls_.data(), 0);
    Script().MoveTo(350, 300).Up();
    MovePointerTo(310, 310);
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
    const OsPoint pressedAt = ScreenOf(310, 310);
    Script()
        .MoveTo(310, 310)
        .Down()
        .MoveTo(c.x + 2, c.y + 40)
        .MoveTo(c.x + 5, c.y)
        .Down(VK_RBUTTON);
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
    Script().MoveTo(310, 310).Down().MoveTo(c.x - 4, c.y).Up();
    Until(EventPress);
    EXPECT_EQ(dial.value, 2);
    Script().MoveTo(310, 310).Down().MoveTo(c.x - 1, c.y).Then([] { OsPostQuitMessage(0); });
    Until(EventPress);
    EXPECT_EQ(dial.value, 1);
    EXPECT_EQ(HeadlessCursorShowCount(), 0);
}

TEST_F(PointerLoopTest, FreeMotionReportsEveryMoveFromTheCentreAndLeavesThePointerWordsAlone) {
    Control& area = Add(ControlFreeMotion, 500, 100, 50, 50);
    area.id = 9;
    area.onChange.motion = RecordMotion;
    const OsPoint c = Centre();
    OsShowCursor(true);  // shown twice over: the capture still hides it
    Script()
        .MoveTo(510, 110)
        .Down()
        .MoveTo(c.x + 3, c.y - 4)
        .Then([&] {
            calls.push_back("pointer " + Text(pointerX, pointerY) + " cursor " +
                            std::to_string(HeadlessCursorShowCount()));
        })
        .MoveTo(c.x - 10, c.y)
        .Up();
    Until(EventMoveOver);
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
    Script().MoveTo(210, 210).Down().MoveTo(220, 215).MoveTo(220, 215).MoveTo(300, 5).Up();
    Until(EventMoveOver);
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
    Script().MoveTo(210, 210).Down().MoveTo(230, 230).MoveTo(230, 230).Up();
    Until(EventMoveOver);
    const UiEvent press = Until(EventPress);
    EXPECT_EQ(press.detail, 0);
    EXPECT_EQ(area.selectedCell, -1);
    EXPECT_EQ(calls, (std::vector<std::string>{"area 0 64 210,210", "area 0 8 210,210",
                                               "area 0 16 230,230", "area 0 32 230,230"}));
    EXPECT_EQ(pressedIndex, 0);
}

// Moves that pile up while a loop is busy reach it merged: the dial reads the cursor itself, so
// they save it the steps that would find the cursor back at the centre.
TEST_F(PointerLoopTest, MovesThatPileUpReachTheDialAsOneStep) {
    Control& dial = AddDial(100, 10);
    const OsPoint c = Centre();
    Script()
        .MoveTo(310, 310)
        .Down()
        .Then([c] {
            for (int32_t dx : {3, 6, 9}) MovePointerTo(c.x + dx, c.y);
        })
        .Up();
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
        Script().MoveTo(30, 30).MoveTo(60, 50).Then([] { OsPostQuitMessage(0); });
        pressedIndex = static_cast<int32_t>(i);
        loops[i](nullptr, controls_.data(), static_cast<int32_t>(i));
        EXPECT_TRUE(ScriptDone()) << "loop " << i;
        EXPECT_EQ(HeadlessCursorShowCount(), 0) << "loop " << i;
        const bool leavesPressed = types[i] == ControlDragSource || types[i] == ControlDragDropArea;
        EXPECT_EQ(pressedIndex, leavesPressed ? static_cast<int32_t>(i) : -1) << "loop " << i;
    }
}

}  // namespace
