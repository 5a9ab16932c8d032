// The queue's order and what comes out of it: posted, quit, input, paint, timers; merged
// moves, double clicks and mouse activation; the characters of a translated key; the wait for
// a program together with the queue.
#include <vector>

#include "platform/pump.h"
#include "tests/platform/seam/seam_fixture.h"

namespace {

using SeamQueueTest = SeamTest;

TEST_F(SeamQueueTest, PostedThenQuitThenInputThenPaintThenTimer) {
    Open(0, SW_SHOWNORMAL);
    OsSetTimer(window, 7, 20);
    SeamLetTimePass(60);
    OsRedrawWindow(window, nullptr, RDW_INVALIDATE);
    SeamPointerTo(ScreenOf(5, 6));
    OsPostMessage(window, WM_USER, 1, 0);
    OsPostQuitMessage(3);
    OsPostMessage(window, WM_USER, 2, 0);  // posted messages come oldest first
    EXPECT_EQ(Take(6), (std::vector<Taken>{{WM_USER, 1, 0, 0},
                                           {WM_USER, 2, 0, 0},
                                           {WM_QUIT, 3, 0, 0},
                                           {WM_MOUSEMOVE, 0, 5, 6},
                                           {WM_PAINT, 0, 0, 0},
                                           {WM_TIMER, 7, 0, 0}}));
    OsKillTimer(window, 7);
}

TEST_F(SeamQueueTest, TimersDueTogetherComeTheEarliestDueFirst) {
    Open(0, SW_SHOWNORMAL);
    OsSetTimer(window, 1, 60);
    OsSetTimer(window, 2, 30);
    SeamLetTimePass(100);
    EXPECT_EQ(Take(2), (std::vector<Taken>{{WM_TIMER, 2, 0, 0}, {WM_TIMER, 1, 0, 0}}));
    OsKillTimer(window, 1);
    OsKillTimer(window, 2);
}

// TranslateMessage posts the character behind what is already posted, not in front of it.
TEST_F(SeamQueueTest, ATranslatedKeysCharacterFollowsWhatIsAlreadyPosted) {
    Open(0, SW_SHOWNORMAL);
    SeamKey('Q', false);
    std::vector<Taken> taken;
    OsMessage m{};
    LParam keyData = 0;
    while (taken.size() < 4 && OsPeekMessage(&m, nullptr, PM_REMOVE)) {
        if (m.message == WM_KEYDOWN) {
            keyData = m.lParam;
            OsPostMessage(window, WM_USER, 2, 0);
            OsTranslateMessage(&m);
        }
        if (m.message == WM_CHAR) {
            EXPECT_EQ(m.lParam, keyData);
        }
        taken.push_back(Taken{m.message, m.wParam, 0, 0});
    }
    EXPECT_EQ(taken, (std::vector<Taken>{{WM_KEYDOWN, 'Q', 0, 0},
                                         {WM_USER, 2, 0, 0},
                                         {WM_CHAR, 'q', 0, 0},
                                         {WM_KEYUP, 'Q', 0, 0}}));
}

TEST_F(SeamQueueTest, APointerMoveReplacesAMoveThatIsStillTheLastInputQueued) {
    Open(0, SW_SHOWNORMAL);
    for (int32_t x : {7, 17, 27}) SeamPointerTo(ScreenOf(x, 8));
    SeamButton(VK_LBUTTON, true);
    for (int32_t x : {37, 47}) SeamPointerTo(ScreenOf(x, 8));
    EXPECT_EQ(Take(4), (std::vector<Taken>{{WM_MOUSEMOVE, 0, 27, 8},
                                           {WM_LBUTTONDOWN, MK_LBUTTON, 27, 8},
                                           {WM_MOUSEMOVE, MK_LBUTTON, 47, 8}}));
}

TEST_F(SeamQueueTest, AFastSecondPressIsADoubleClickOnlyWhereTheClassAsksForIt) {
    // A virtual clock shows the limit to the millisecond; a real one a wide margin round it.
    const uint32_t soon = SeamVirtualTime() ? 499 : 100;
    const uint32_t late = SeamVirtualTime() ? 500 : 800;
    struct Case {
        uint32_t classStyle;
        uint32_t later;  // milliseconds after the first press
        int32_t right;   // pixels right of the first press
        uint32_t second;
    };
    const Case cases[] = {
        {CS_DBLCLKS, soon, 1, WM_LBUTTONDBLCLK},
        {CS_DBLCLKS, late, 0, WM_LBUTTONDOWN},
        {CS_DBLCLKS, soon, 2, WM_LBUTTONDOWN},
        {0, soon, 0, WM_LBUTTONDOWN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.classStyle << " " << c.later << " " << c.right);
        SeamSetUp();
        Open(c.classStyle, SW_SHOWNORMAL);
        const auto click = [](OsPoint at) {
            SeamPointerTo(at);
            SeamButton(VK_LBUTTON, true);
            SeamButton(VK_LBUTTON, false);
        };
        click(ScreenOf(50, 50));
        Take(3);
        SeamLetTimePass(c.later);
        click(ScreenOf(50 + c.right, 50));
        click(ScreenOf(50 + c.right, 50));  // a third press starts a new click
        std::vector<uint32_t> presses;
        for (const Taken& t : Take(6)) {
            if (t.message != WM_MOUSEMOVE && t.message != WM_LBUTTONUP)
                presses.push_back(t.message);
        }
        const uint32_t third = c.second == WM_LBUTTONDOWN && c.classStyle != 0
                                   ? uint32_t{WM_LBUTTONDBLCLK}
                                   : uint32_t{WM_LBUTTONDOWN};
        EXPECT_EQ(presses, (std::vector<uint32_t>{c.second, third}));
        OsDestroyWindow(window);
        window = nullptr;
    }
}

TEST_F(SeamQueueTest, AClickOnAnInactiveWindowActivatesItBeforeThePressArrives) {
    Open(0, SW_SHOWNOACTIVATE);
    SeamPointerTo(ScreenOf(50, 50));
    SeamButton(VK_LBUTTON, true);
    SeamButton(VK_LBUTTON, false);
    Drain();
    EXPECT_EQ(Logged({WM_MOUSEACTIVATE, WM_ACTIVATE, WM_SETFOCUS, WM_LBUTTONDOWN}),
              (std::vector<std::pair<uint32_t, int32_t>>{
                  {WM_MOUSEACTIVATE, 0}, {WM_ACTIVATE, 0}, {WM_SETFOCUS, 1}, {WM_LBUTTONDOWN, 0}}));
    EXPECT_EQ(OsGetActiveWindow(), window);
}

// A program that has ended is reported even while a message waits too, as the lowest handle
// of a multiple-object wait; a message that comes while it runs ends the wait.
TEST_F(SeamQueueTest, TheWaitReportsAnEndedProgramFirstAndAMessageWhileItRuns) {
    Open(0, SW_SHOWNORMAL);
    ProcessHandle quick = SeamStartProgram(true);
    ASSERT_NE(quick, nullptr);
    SeamLetProgramEnd(quick);
    Drain();  // what the window system had to say meanwhile: only the posted message waits
    OsPostMessage(window, WM_USER, 0, 0);
    EXPECT_EQ(OsWaitForProcessOrMessage(quick), OsProcessWait::Ended);
    EXPECT_TRUE(OsCloseHandle(quick));

    ProcessHandle slow = SeamStartProgram(false);
    ASSERT_NE(slow, nullptr);
    OsPostMessage(window, WM_USER, 0, 0);
    EXPECT_EQ(OsWaitForProcessOrMessage(slow), OsProcessWait::Message);
    OsProcessWait wait = OsProcessWait::Message;
    for (int32_t i = 0; i < 100 && wait == OsProcessWait::Message; ++i) {
        Drain();
        wait = OsWaitForProcessOrMessage(slow);
    }
    EXPECT_EQ(wait, OsProcessWait::Ended);
    EXPECT_TRUE(OsCloseHandle(slow));
}

}  // namespace
