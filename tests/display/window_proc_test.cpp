// What the window procedure records for each message, the timer, capture and close handling.
#include "display/input_state.h"
#include "display/window_proc.h"
#include "platform/pump.h"
#include "tests/support/headless_window.h"
#include "tests/support/input_script.h"

namespace {

class WindowProcTest : public HeadlessWindowTest {
protected:
    void SetUp() override {
        HeadlessWindowTest::SetUp();
        OsShowWindow(mainWindow, SW_SHOWNORMAL);
        PumpPending();
        HeadlessClearMessageLog();
    }
    void Post(uint32_t message, WParam wParam, LParam lParam) {
        OsPostMessage(mainWindow, message, wParam, lParam);
        Dispatch();
    }
    // After input: the `count` messages it queued are dispatched.
    static void Dispatch(int32_t count = 1) {
        for (int32_t i = 0; i < count; ++i) ASSERT_EQ(PumpOneMessage(), PumpResult::Dispatched);
    }
};

TEST_F(WindowProcTest, AKeyPressRecordsTheKeyAndTheHalvesOfItsParameter) {
    HeadlessKeyDown(VK_LEFT);
    Dispatch();
    EXPECT_EQ(inputCode, InputKey);
    EXPECT_EQ(inputKey, VK_LEFT);
    EXPECT_EQ(inputX, 1);     // repeat count
    EXPECT_EQ(inputY, 0x1C);  // scan code and flags
}

TEST_F(WindowProcTest, ACharacterFollowsItsKeyThroughTranslation) {
    HeadlessKeyDown('7');
    Dispatch(2);
    EXPECT_EQ(inputCode, InputChar);
    EXPECT_EQ(inputKey, '7');
}

TEST_F(WindowProcTest, PointerMessagesRecordTheirCodeAndSignedPosition) {
    MovePointerTo(12, 34);
    Dispatch();
    EXPECT_EQ(inputCode, InputMove);
    EXPECT_EQ(inputX, 12);
    EXPECT_EQ(inputY, 34);
    EXPECT_EQ(inputKey, -1);
    HeadlessPointerButton(VK_LBUTTON, true);
    Dispatch();
    EXPECT_EQ(inputCode, InputLeftDown);
    MovePointerTo(-5, 700);  // outside the client area, reaches the window through the capture
    Dispatch();
    EXPECT_EQ(inputCode, InputMove);
    EXPECT_EQ(inputX, -5);
    EXPECT_EQ(inputY, 700);
    HeadlessPointerButton(VK_LBUTTON, false);
    Dispatch();
    EXPECT_EQ(inputCode, InputLeftUp);
    EXPECT_EQ(OsGetCapture(), nullptr);
}

TEST_F(WindowProcTest, ATimerTickLeavesThePositionAlone) {
    MovePointerTo(40, 41);
    HeadlessAdvanceClock(kAnimationTimerPeriodMs);
    Dispatch(2);  // the move, then the tick
    EXPECT_EQ(inputCode, InputTimer);
    EXPECT_EQ(inputKey, -1);
    EXPECT_EQ(inputX, 40);
    EXPECT_EQ(inputY, 41);
}

TEST_F(WindowProcTest, TheAnimationTimerHasId1AndTicksEvery25Milliseconds) {
    OsMessage message{};
    HeadlessAdvanceClock(24);
    EXPECT_FALSE(OsPeekMessage(&message, nullptr, PM_NOREMOVE));
    HeadlessAdvanceClock(1);
    ASSERT_TRUE(OsPeekMessage(&message, nullptr, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<uint32_t>(WM_TIMER));
    EXPECT_EQ(message.wParam, 1u);
    HeadlessAdvanceClock(24);
    EXPECT_FALSE(OsPeekMessage(&message, nullptr, PM_NOREMOVE));
    HeadlessAdvanceClock(1);
    EXPECT_TRUE(OsPeekMessage(&message, nullptr, PM_NOREMOVE));
}

TEST_F(WindowProcTest, ARightReleaseSurvivesTheContextMenuRequestSentInside) {
    MovePointerTo(200, 100);
    HeadlessPointerButton(VK_RBUTTON, true);
    Dispatch(2);
    EXPECT_EQ(inputCode, InputRightDown);
    EXPECT_EQ(OsGetCapture(), mainWindow);
    HeadlessClearMessageLog();
    HeadlessPointerButton(VK_RBUTTON, false);
    Dispatch();
    EXPECT_EQ(inputCode, InputRightUp);
    EXPECT_EQ(inputX, 200);
    EXPECT_EQ(inputY, 100);
    EXPECT_EQ(OsGetCapture(), nullptr);
    bool nestedMenu = false;
    for (const LoggedMessage& m : HeadlessMessageLog()) {
        nestedMenu |= m.message == WM_CONTEXTMENU && m.depth == 1;
    }
    EXPECT_TRUE(nestedMenu);
}

TEST_F(WindowProcTest, AReleaseKeepsTheCaptureOnlyWhileItsOwnButtonIsReportedDown) {
    MovePointerTo(10, 10);
    HeadlessPointerButton(VK_LBUTTON, true);
    Dispatch(2);
    Post(WM_LBUTTONUP, MK_LBUTTON, 0);
    EXPECT_EQ(OsGetCapture(), mainWindow);
    Post(WM_LBUTTONUP, MK_RBUTTON, 0);  // the right button still down does not keep it
    EXPECT_EQ(OsGetCapture(), nullptr);
    HeadlessPointerButton(VK_RBUTTON, true);
    Dispatch();
    Post(WM_RBUTTONUP, MK_RBUTTON, 0);
    EXPECT_EQ(OsGetCapture(), mainWindow);
}

TEST_F(WindowProcTest, ACloseRequestIsRecordedAndTheWindowStays) {
    MovePointerTo(5, 6);
    Dispatch();
    Post(WM_CLOSE, 0, 0);
    EXPECT_EQ(inputCode, InputClose);
    EXPECT_EQ(inputX, 0);
    EXPECT_EQ(inputY, 0);
    EXPECT_TRUE(HeadlessWindowExists(mainWindow));
    EXPECT_TRUE(HeadlessIsVisible(mainWindow));
}

TEST_F(WindowProcTest, OtherMessagesResetTheCodeAndKeyButNotThePosition) {
    MovePointerTo(9, 8);
    Dispatch();
    Post(WM_LBUTTONDBLCLK, 0, 0x00050005);
    EXPECT_EQ(inputCode, InputNone);
    EXPECT_EQ(inputKey, -1);
    EXPECT_EQ(inputX, 9);
    Post(WM_USER + 7, 0, 0);
    EXPECT_EQ(inputCode, InputNone);
    InvalidateArea(0, 10, 0, 10);
    Dispatch();  // the paint
    EXPECT_EQ(inputCode, InputNone);
    EXPECT_EQ(DirtyRect.left, kDirtyEmptyCorner);
    EXPECT_EQ(DirtyRect.right, 0);
}

// A screen reader's question is sent at any time, and COM then answers it through a window of
// its own that the pumps dispatch to: neither may leave the input before it to be read again.
LResult OtherWindowProc(WindowHandle window, uint32_t message, WParam wParam, LParam lParam) {
    return OsDefWindowProc(window, message, wParam, lParam);
}

TEST_F(WindowProcTest, AReadersQuestionAndAMessageForAnotherWindowLeaveNoInputToReadAgain) {
    MovePointerTo(9, 8);
    Dispatch();
    EXPECT_EQ(OsSendMessage(mainWindow, WM_GETOBJECT, 0, -4), 0);  // the default answer
    EXPECT_EQ(inputCode, InputMove);
    ASSERT_TRUE(OsRegisterClass(OsWindowClass{0, OtherWindowProc, nullptr, 0, "COM's"}));
    WindowHandle other = OsCreateWindow(0, "COM's", "", 0, 0, 0, 1, 1, nullptr);
    OsPostMessage(other, WM_USER, 0, 0);
    ASSERT_EQ(PumpInputMessage(), PumpResult::Dispatched);
    EXPECT_EQ(inputCode, InputNone);
    EXPECT_EQ(inputX, 9);
}

TEST_F(WindowProcTest, ActivationRepaintsTheWholeWindowBeforeItsDefaultHandling) {
    FrameBuffer[599 * 800 + 799] ^= 0x00FFFFFFu;
    OsSendMessage(mainWindow, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(ScreenAt(799, 599), FrameBuffer[599 * 800 + 799]);
    const auto& log = HeadlessMessageLog();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1].message, static_cast<uint32_t>(WM_PAINT));
    EXPECT_EQ(log[1].depth, 1);
    EXPECT_EQ(DirtyRect.left, kDirtyEmptyCorner);
}

TEST_F(WindowProcTest, DestroyingTheWindowStopsTheTimer) {
    OsDestroyWindow(mainWindow);
    HeadlessAdvanceClock(100);
    OsMessage message{};
    EXPECT_FALSE(OsPeekMessage(&message, nullptr, PM_NOREMOVE));
}

}  // namespace
