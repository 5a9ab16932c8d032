// The main window under the real platform's rules: the styles it reports, its first paint
// nested in the frame's, minimised, maximised and inactive starts, a fast second press, and the
// ways to close it.
#include <functional>
#include <vector>

#include "display/input_state.h"
#include "platform/pump.h"
#include "tests/support/headless_window.h"

namespace {

class MainWindowRulesTest : public HeadlessWindowTest {
protected:
    // Dispatches everything queued; the input codes the window procedure recorded.
    static std::vector<int32_t> PumpInputs() {
        std::vector<int32_t> codes;
        OsMessage m{};
        while (OsPeekMessage(&m, nullptr, PM_NOREMOVE)) {
            PumpOneMessage();
            if (inputCode != InputNone) codes.push_back(inputCode);
        }
        return codes;
    }
    bool ScreenShowsFrame() const {
        for (int32_t y = 0; y < 600; y += 7) {
            for (int32_t x = 0; x < 800; x += 7) {
                if (ScreenAt(x, y) != FrameBuffer[y * 800 + x]) return false;
            }
        }
        return true;
    }
    void ClickAt(int32_t x, int32_t y) {
        const OsPoint p = ScreenOf(x, y);
        HeadlessPointerMoveTo(p.x, p.y);
        HeadlessPointerButton(VK_LBUTTON, true);
        HeadlessPointerButton(VK_LBUTTON, false);
    }
};

TEST_F(MainWindowRulesTest, TheWindowReportsItsStylesAndAFastSecondPressIsAPressAgain) {
    EXPECT_EQ(OsGetClassLong(mainWindow, GCL_STYLE), uint32_t{CS_VREDRAW | CS_HREDRAW | CS_OWNDC});
    EXPECT_EQ(OsGetWindowLong(mainWindow, GWL_STYLE),
              uint32_t{WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX | WS_CAPTION});
    EXPECT_EQ(OsGetWindowLong(mainWindow, GWL_EXSTYLE),
              uint32_t{WS_EX_APPWINDOW | WS_EX_WINDOWEDGE | WS_EX_NOPARENTNOTIFY});
    OsShowWindow(mainWindow, SW_SHOWNORMAL);
    PumpInputs();
    // The class has no CS_DBLCLKS: a double click is two presses.
    ClickAt(100, 100);
    HeadlessPointerButton(VK_LBUTTON, true);
    HeadlessPointerButton(VK_LBUTTON, false);
    EXPECT_EQ(PumpInputs(), (std::vector<int32_t>{InputMove, InputLeftDown, InputLeftUp,
                                                  InputLeftDown, InputLeftUp}));
}

TEST_F(MainWindowRulesTest, TheFirstShowPaintsTheFrameAgainFromInsideTheFramesOwnPaint) {
    HeadlessClearMessageLog();
    OsShowWindow(mainWindow, SW_SHOWNORMAL);
    PumpInputs();
    std::vector<std::pair<uint32_t, int32_t>> paints;
    for (const LoggedMessage& m : HeadlessMessageLog()) {
        if (m.message == WM_PAINT || m.message == WM_NCPAINT)
            paints.emplace_back(m.message, m.depth);
    }
    // Activation paints; that paint's BeginPaint paints the frame, whose handler paints again.
    EXPECT_EQ(paints, (std::vector<std::pair<uint32_t, int32_t>>{
                          {WM_PAINT, 1}, {WM_NCPAINT, 2}, {WM_PAINT, 3}}));
    EXPECT_TRUE(ScreenShowsFrame());
    EXPECT_EQ(DirtyRect.left, kDirtyEmptyCorner);
}

TEST_F(MainWindowRulesTest, AMinimisedStartIsNotPaintedAndGetsNoInputUntilRestored) {
    const OsPoint normal = HeadlessClientOrigin(mainWindow);
    OsShowWindow(mainWindow, SW_SHOWMINIMIZED);
    PumpInputs();
    for (int32_t i = 0; i < 600; i += 5)
        EXPECT_EQ(HeadlessScreenPixel(normal.x + i, normal.y + i), 0u);
    HeadlessPointerMoveTo(normal.x + 10, normal.y + 10);
    HeadlessPointerButton(VK_LBUTTON, true);
    HeadlessPointerButton(VK_LBUTTON, false);
    HeadlessKeyDown('A');  // reaches the active minimised window as a system key
    EXPECT_TRUE(PumpInputs().empty());

    OsPostMessage(mainWindow, WM_SYSCOMMAND, SC_RESTORE, 0);
    PumpInputs();
    EXPECT_EQ(HeadlessClientOrigin(mainWindow).x, normal.x);
    EXPECT_TRUE(ScreenShowsFrame());
    HeadlessKeyDown('A');
    ClickAt(10, 10);
    EXPECT_EQ(PumpInputs(),
              (std::vector<int32_t>{InputKey, InputChar, InputMove, InputLeftDown, InputLeftUp}));
}

TEST_F(MainWindowRulesTest, AMaximisedStartShowsTheFrameAtTheTopLeftOfTheScreen) {
    OsShowWindow(mainWindow, SW_SHOWMAXIMIZED);
    PumpInputs();
    EXPECT_EQ(HeadlessClientOrigin(mainWindow).x, 0);
    EXPECT_EQ(HeadlessClientOrigin(mainWindow).y, 19);
    EXPECT_TRUE(ScreenShowsFrame());
    HeadlessPointerMoveTo(900, 700);  // beyond the frame buffer, inside the client area
    EXPECT_EQ(PumpInputs(), (std::vector<int32_t>{InputMove}));
    EXPECT_EQ(inputX, 900);
    EXPECT_EQ(inputY, 681);
}

TEST_F(MainWindowRulesTest, AnInactiveStartIsPaintedAndTakesKeysOnceAClickActivatesIt) {
    OsShowWindow(mainWindow, SW_SHOWNOACTIVATE);
    PumpInputs();
    EXPECT_TRUE(ScreenShowsFrame());
    HeadlessKeyDown('A');  // no window has the focus: the key goes nowhere
    EXPECT_TRUE(PumpInputs().empty());
    ClickAt(10, 10);
    EXPECT_EQ(PumpInputs(), (std::vector<int32_t>{InputMove, InputLeftDown, InputLeftUp}));
    HeadlessKeyDown('A');
    EXPECT_EQ(PumpInputs(), (std::vector<int32_t>{InputKey, InputChar}));
}

TEST_F(MainWindowRulesTest, EveryWayToCloseIsACloseRequestAndOnlyTheMinimiseBoxIsThere) {
    struct Case {
        const char* what;
        std::function<void()> act;
        bool closeRequest;
        uint32_t state;  // WS_MINIMIZE when minimised
    };
    const Case cases[] = {
        {"Alt+F4", [] { HeadlessKeyDown(VK_F4, true); }, true, 0},
        {"system menu", [] { OsPostMessage(mainWindow, WM_SYSCOMMAND, SC_CLOSE, 0); }, true, 0},
        {"close box", [] { HeadlessClickCaptionButton(mainWindow, HTCLOSE); }, true, 0},
        {"maximise box", [] { HeadlessClickCaptionButton(mainWindow, HTMAXBUTTON); }, false, 0},
        {"minimise box", [] { HeadlessClickCaptionButton(mainWindow, HTMINBUTTON); }, false,
         WS_MINIMIZE},
    };
    OsShowWindow(mainWindow, SW_SHOWNORMAL);
    PumpInputs();
    for (const Case& c : cases) {
        c.act();
        const std::vector<int32_t> codes = PumpInputs();
        EXPECT_EQ(codes, c.closeRequest ? std::vector<int32_t>{InputClose} : std::vector<int32_t>{})
            << c.what;
        EXPECT_TRUE(HeadlessIsVisible(mainWindow)) << c.what;
        EXPECT_EQ(OsGetWindowLong(mainWindow, GWL_STYLE) & (WS_MINIMIZE | WS_MAXIMIZE), c.state)
            << c.what;
    }
}

}  // namespace
