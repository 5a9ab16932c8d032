// The dispatcher's rules: hover after every message, press and release pairs, the fade, the
// outline group, radio groups, the hit test, and what each input reports.
#include <cstring>
#include <vector>

#include "base/aligned_alloc.h"
#include "display/input_state.h"
#include "tests/support/headless_window.h"
#include "tests/support/input_script.h"
#include "toolkit/control.h"
#include "toolkit/dispatcher.h"
#include "toolkit/fade.h"
#include "toolkit/hit_test.h"
#include "toolkit/radio.h"
#include "toolkit/toolkit_state.h"

namespace {

constexpr int32_t kSide = 20;

class DispatcherTest : public HeadlessWindowTest {
protected:
    void SetUp() override {
        HeadlessWindowTest::SetUp();
        ServeList(CreateControlList());
        ASSERT_NE(activeList, nullptr);
        std::memset(activeList->items, 0, sizeof(Control) * kControlListCapacity);
        OsShowWindow(mainWindow, SW_SHOWNORMAL);
        PumpPending();
    }
    void TearDown() override {
        ReleaseList();
        HeadlessWindowTest::TearDown();
    }
    static void ReleaseList() {
        if (activeList == nullptr) return;
        FreeAligned(activeList->items);
        FreeAligned(activeList);
        ServeList(nullptr);
    }
    // A visible 20 x 20 control of `type` at (x, y), with plain 20 x 20 pictures.
    int32_t Add(int32_t type, int32_t x, int32_t y, uint32_t flags = FlagFade) {
        int32_t i = activeList->count++;
        Control& c = activeList->items[i];
        c = MakeControl(type, x, y, kSide, kSide);
        c.flags = flags;
        c.id = 500 + i;
        c.imageNormal = rest.data();
        c.imageHover = lit.data();
        c.imagePressed = held.data();
        c.imageCheckedNormal = rest.data();
        c.imageCheckedHover = lit.data();
        c.imageCheckedPressed = held.data();
        return i;
    }
    Control& At(int32_t i) { return activeList->items[i]; }
    // The `count`th event from now. GetUiEvent waits for each event, so each script step brings
    // one; a wait with no step left lets the timer tick.
    UiEvent Next(int32_t count = 1) {
        UiEvent event{};
        for (int32_t i = 0; i < count; ++i) GetUiEvent(&event);
        return event;
    }
    // Moves the pointer to each point in turn, each move reporting the control expected there.
    struct Hit {
        int32_t x, y, index;
    };
    void ExpectHits(const std::vector<Hit>& hits) {
        InputScript& script = Script();
        for (const Hit& h : hits) script.MoveTo(h.x, h.y);
        for (const Hit& h : hits) EXPECT_EQ(Next().index, h.index) << "at " << h.x << "," << h.y;
    }
    std::vector<uint8_t> rest = std::vector<uint8_t>(kSide * kSide * 3, 10);
    std::vector<uint8_t> lit = std::vector<uint8_t>(kSide * kSide * 3, 210);
    std::vector<uint8_t> held = std::vector<uint8_t>(kSide * kSide * 3, 250);
};

TEST_F(DispatcherTest, MovesReportTheControlUnderThePointerAndKeepHoverCurrent) {
    int32_t button = Add(ControlImageButton, 100, 100);
    int32_t hover = Add(ControlHoverArea, 200, 100);
    Script().MoveTo(105, 106).MoveTo(205, 105).MoveTo(10, 10);
    UiEvent e = Next();
    EXPECT_EQ(e.kind, EventMoveOver);
    EXPECT_EQ(e.index, button);
    EXPECT_EQ(e.eventX, 105);
    EXPECT_EQ(e.eventY, 106);
    EXPECT_EQ(e.key, -1);
    EXPECT_EQ(e.reserved, -1);
    EXPECT_EQ(At(button).hovered, 1);
    e = Next();
    EXPECT_EQ(e.kind, EventMove);  // a hover area reports a plain move
    EXPECT_EQ(e.index, hover);
    EXPECT_EQ(At(button).hovered, 0);
    EXPECT_EQ(At(hover).hovered, 1);
    e = Next();
    EXPECT_EQ(e.kind, EventMove);
    EXPECT_EQ(e.index, -1);
    EXPECT_EQ(At(hover).hovered, 0);
    SetHoveredControl(2, activeList->items);  // past the last control: none is hovered
    EXPECT_EQ(At(2).hovered, 0);
}

TEST_F(DispatcherTest, HoverIsRewrittenAfterMessagesThatAreNotReported) {
    int32_t button = Add(ControlImageButton, 100, 100);
    Script().MoveTo(105, 105);
    Next();
    // A paint carries no input, but the hover words follow the recorded position.
    At(button).x = 300;
    InvalidateArea(0, 5, 0, 5);
    UiEvent e = Next();
    EXPECT_EQ(e.kind, EventTick);
    EXPECT_EQ(At(button).hovered, 0);
}

TEST_F(DispatcherTest, AReleaseReportsTheControlUnderThePointerWhereverThePressBegan) {
    int32_t button = Add(ControlPushButton, 100, 100);
    Script().Click(105, 105).MoveTo(10, 10).Down().MoveTo(110, 110).Up();
    UiEvent e = Next(2);
    EXPECT_EQ(e.kind, EventPress);
    EXPECT_EQ(e.index, button);
    EXPECT_EQ(pressedIndex, button);
    e = Next();
    EXPECT_EQ(e.kind, EventRelease);
    EXPECT_EQ(e.index, button);
    EXPECT_EQ(pressedIndex, -1);

    e = Next(2);
    EXPECT_EQ(e.index, -1);
    EXPECT_EQ(pressedIndex, -1);
    e = Next(2);
    EXPECT_EQ(e.kind, EventRelease);
    EXPECT_EQ(e.index, button);

    // A release over nothing reports -1 and still clears the press.
    Script().MoveTo(105, 105).Down().MoveTo(400, 400).Up();
    e = Next(4);
    EXPECT_EQ(e.kind, EventRelease);
    EXPECT_EQ(e.index, -1);
    EXPECT_EQ(pressedIndex, -1);
}

TEST_F(DispatcherTest, AFadingButtonRisesOverTenTicksHoldsAt200AndFallsBack) {
    int32_t button = Add(ControlImageButton, 100, 100);
    Script().MoveTo(105, 105).Ticks(11).Down().Ticks(2).Up().Ticks(10).MoveTo(10, 10);
    Next();
    for (int32_t step = 1; step <= 10; ++step) {
        ASSERT_EQ(Next().kind, EventTick);
        ASSERT_EQ(At(button).level, step * 10);
    }
    Next();
    EXPECT_EQ(At(button).level, 100);
    EXPECT_EQ(ScreenAt(100, 100) & 0xFF, 210u);  // the lit picture, painted
    Next(2);                                     // the press and a tick
    EXPECT_EQ(At(button).level, 200);
    Next();
    EXPECT_EQ(At(button).level, 200);
    Next();  // the release
    for (int32_t step = 1; step <= 10; ++step) {
        Next();
        ASSERT_EQ(At(button).level, 200 - step * 10);
    }
    Next(2);  // the move away and a tick
    EXPECT_EQ(At(button).level, 90);
}

TEST_F(DispatcherTest, WithoutFadeAButtonLightsAtOnceButStillFadesOutInSteps) {
    int32_t button = Add(ControlImageButton, 100, 100, 0);
    Script().MoveTo(105, 105).Ticks(1).MoveTo(10, 10);
    Next(2);  // the move and a tick
    EXPECT_EQ(At(button).level, 100);
    Next(2);
    EXPECT_EQ(At(button).level, 90);
}

TEST_F(DispatcherTest, NoHoverControlsAndInvisibleOrDisabledOnesStayDark) {
    int32_t quiet = Add(ControlImageButton, 100, 100, FlagFade | FlagNoHover);
    Script().MoveTo(105, 105);
    Next(2);  // the move and a tick
    EXPECT_EQ(At(quiet).hovered, 1);
    EXPECT_EQ(At(quiet).level, 0);
    At(quiet).visible = 2;  // only exactly 1 counts as visible
    ExpectHits({{106, 106, -1}});
    At(quiet).visible = 1;
    At(quiet).flags |= FlagDisabled;
    ExpectHits({{107, 107, -1}});
}

TEST_F(DispatcherTest, TheOutlineGroupLightsOnlyWithFlagOutlineAndFallsAtOnceWithoutFade) {
    int32_t area = Add(ControlHotArea, 100, 100, FlagFade | FlagOutline);
    int32_t plain = Add(ControlPressArea, 300, 100, FlagFade);
    Script().MoveTo(105, 105).Ticks(13).MoveTo(305, 105);
    Next(2);  // the move and a tick
    EXPECT_EQ(At(area).level, 10);
    Next(12);
    EXPECT_EQ(At(area).level, 100);
    // The ring just outside the control is white at full strength.
    EXPECT_EQ(FrameBuffer[99 * 800 + 99] & 0x00FFFFFFu, 0x00FFFFFFu);
    EXPECT_EQ(ScreenAt(120, 120) & 0x00FFFFFFu, 0x00FFFFFFu);
    Next(2);
    EXPECT_EQ(At(plain).level, 0);
    EXPECT_EQ(At(area).level, 90);
    At(area).flags = FlagOutline;
    Next();
    EXPECT_EQ(At(area).level, 0);
    EXPECT_EQ(FrameBuffer[99 * 800 + 99], backgroundPicture[99 * 800 + 99]);
}

TEST_F(DispatcherTest, ToggleAndRadioButtonsActOnTheirRelease) {
    int32_t toggle = Add(ControlToggleButton, 20, 20);
    for (int32_t i = 1; i < 4; ++i) Add(ControlImageButton, 500, 20 * i);
    // A group of three radio buttons at indices 4 to 6.
    for (int32_t p = 0; p < 3; ++p) {
        int32_t r = Add(ControlRadioButton, 100 + 40 * p, 300);
        At(r).columns = p;
        At(r).rows = 3;
        At(r).checked = 1;
    }
    Script().MoveTo(25, 25).Down().Ticks(1).Up().Click(185, 305);
    Next(4);  // the move, the press, a tick and the release
    EXPECT_EQ(At(toggle).checked, 1);
    EXPECT_EQ(At(toggle).level, 0);

    Next(3);
    EXPECT_EQ(At(4).checked, 0);
    EXPECT_EQ(At(5).checked, 0);
    EXPECT_EQ(At(6).checked, 1);

    // Pressed on the toggle and released on the first radio button, neither acts.
    Script().MoveTo(25, 25).Down().MoveTo(105, 305).Up();
    Next(4);
    EXPECT_EQ(At(toggle).checked, 1);
    EXPECT_EQ(At(4).checked, 0);
}

TEST_F(DispatcherTest, ARadioGroupReachingOutsideTheListTouchesOnlyTheList) {
    int32_t r = Add(ControlRadioButton, 100, 100);
    At(r).columns = 3;  // claims to be fourth of a group of 1000
    At(r).rows = 1000;
    Add(ControlRadioButton, 200, 100);
    At(1).checked = 1;
    SelectRadioButton(activeList, At(r).id);
    EXPECT_EQ(At(r).checked, 1);
    EXPECT_EQ(At(1).checked, 0);
    At(1).checked = 1;
    SelectRadioButton(activeList, 999);  // no such id: nothing changes
    EXPECT_EQ(At(r).checked, 1);
    EXPECT_EQ(At(1).checked, 1);
}

TEST_F(DispatcherTest, TheLastAddedOfOverlappingControlsIsHit) {
    Add(ControlImageButton, 100, 100);
    int32_t top = Add(ControlImageButton, 110, 110);
    // The right and bottom edges are outside.
    ExpectHits({{115, 115, top}, {105, 105, 0}, {129, 129, top}, {130, 130, -1}});
}

TEST_F(DispatcherTest, OnlyTheScrollThumbAndTheSliderKnobAreHit) {
    int32_t bar = Add(ControlScrollBar, 100, 200);
    At(bar).width = 200;
    At(bar).rangeEnd = 1000;
    At(bar).value = 1;  // 200 x 1 / 1000 = 0 pixels: the shortest thumb, 2 x 5 + 1
    At(bar).extent = 5;
    At(bar).thumbOffset = 50;
    ExpectHits({{149, 205, -1}, {150, 205, bar}, {160, 205, bar}, {161, 205, -1}});
    At(bar).rangeEnd = 0;  // no content size: no thumb
    ExpectHits({{150, 205, -1}});
    At(bar).rangeEnd = 1000;
    At(bar).orientation = 2;  // neither axis: no thumb either
    ExpectHits({{150, 205, -1}, {105, 255, -1}});

    int32_t knob = Add(ControlSliderKnob, 400, 200);
    At(knob).orientation = 1;
    At(knob).value = 30;
    ExpectHits({{405, 205, -1}, {405, 235, knob}});
    At(knob).orientation = 2;
    ExpectHits({{405, 235, -1}});
}

TEST_F(DispatcherTest, KeysCharactersCloseAndTheRightButtonAreReported) {
    int32_t button = Add(ControlImageButton, 100, 100);
    Script().MoveTo(105, 105).Key('A').Down(VK_RBUTTON).Up(VK_RBUTTON);
    UiEvent e = Next(2);
    EXPECT_EQ(e.kind, EventKey);
    EXPECT_EQ(e.key, 'A');
    e = Next();
    EXPECT_EQ(e.kind, EventChar);
    EXPECT_EQ(e.key, 'a');
    e = Next();
    EXPECT_EQ(e.kind, EventRightPress);
    EXPECT_EQ(pressedIndex, button);
    e = Next();
    EXPECT_EQ(e.kind, EventRightRelease);
    EXPECT_EQ(pressedIndex, -1);
    OsPostMessage(mainWindow, WM_CLOSE, 0, 0);
    e = Next();
    EXPECT_EQ(e.kind, EventClose);
    EXPECT_EQ(e.eventX, 0);  // a close request carries no position
}

TEST_F(DispatcherTest, TheQuitMessageIsDroppedAndAFailedWaitEndsTheCall) {
    OsPostQuitMessage(0);
    OsPostMessage(mainWindow, WM_CLOSE, 0, 0);
    EXPECT_EQ(Next().kind, EventClose);
    OsKillTimer(mainWindow, 1);  // nothing can arrive any more
    UiEvent e{};
    e.eventX = 77;
    GetUiEvent(&e);
    EXPECT_EQ(e.kind, EventNone);
    EXPECT_EQ(e.index, -1);
    EXPECT_EQ(e.eventX, 77);
}

TEST_F(DispatcherTest, APressAreaRecordsWhereItWasPressed) {
    int32_t area = Add(ControlPressArea, 100, 100);
    At(area).dragState = 5;
    Script().MoveTo(104, 103).Down();
    UiEvent e = Next(2);
    EXPECT_EQ(e.detail, 1);
    EXPECT_EQ(At(area).pressX, 104);
    EXPECT_EQ(At(area).pressY, 103);
    EXPECT_EQ(At(area).dragState, 0);

    // A drag-and-drop area taken as a click by its callback, which may pump: when the pointer
    // moved meanwhile, 2 and the new place.
    int32_t drop = Add(ControlDragDropArea, 200, 100);
    At(drop).onPointer.area = [](Control*, int32_t, int32_t, int32_t, int32_t) {
        pointerX += 3;
        return 1;
    };
    Script().Up().MoveTo(204, 103).Down();
    e = Next(3);
    EXPECT_EQ(e.detail, 2);
    EXPECT_EQ(At(drop).pressX, 207);
}

TEST_F(DispatcherTest, AListWithoutItsSlotsServesNoControls) {
    ReleaseList();
    FailAlignedAllocAfter(1);
    ControlList* list = CreateControlList();
    FailAlignedAllocAfter(-1);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->items, nullptr);
    activeList = list;
    AddImageButton(83, 100, rest.data(), lit.data(), lit.data());
    EXPECT_EQ(list->count, 0);
    Script().MoveTo(630, 90);
    UiEvent e = Next();
    EXPECT_EQ(e.kind, EventMove);
    EXPECT_EQ(e.index, -1);
}

}  // namespace
