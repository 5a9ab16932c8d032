// Windows under the rules the code above relies on: show commands with activation, focus and
// what reaches the window; every way to close; capture; the context-menu request inside a
// right release; the cursor.
#include <algorithm>
#include <functional>
#include <vector>

#include "tests/platform/seam/seam_fixture.h"

namespace {

using SeamWindowTest = SeamTest;

uint32_t State(WindowHandle w) {
    return OsGetWindowLong(w, GWL_STYLE) & (WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
}

TEST_F(SeamWindowTest, ShowCommandsSetTheStateActivationAndWhatReachesTheWindow) {
    const DeviceContext dc = OsGetDC(nullptr);
    const OsPoint screen{OsGetDeviceCaps(dc, HORZRES), OsGetDeviceCaps(dc, VERTRES)};
    OsReleaseDC(nullptr, dc);
    OsRect insets{0, 0, 0, 0};
    OsAdjustWindowRect(&insets, kStyle | WS_CAPTION, 0);
    struct Case {
        int32_t command;
        uint32_t state;       // WS_MINIMIZE or WS_MAXIMIZE, or 0
        bool active;          // the window is the active one
        uint32_t keyMessage;  // what a key press brings it, 0 for nothing
        int32_t clientWidth;
        int32_t clientHeight;
    };
    // A maximised window's border lies off the screen, its caption on it.
    const Case cases[] = {
        {SW_SHOWNORMAL, 0, true, WM_KEYDOWN, kClient, kClient},
        {SW_SHOWNOACTIVATE, 0, false, 0, kClient, kClient},
        {SW_SHOWNA, 0, false, 0, kClient, kClient},
        {SW_SHOWMINIMIZED, WS_MINIMIZE, true, WM_SYSKEYDOWN, 0, 0},
        {SW_SHOWMINNOACTIVE, WS_MINIMIZE, false, 0, 0, 0},
        {SW_MINIMIZE, WS_MINIMIZE, false, 0, 0, 0},
        {SW_SHOWMAXIMIZED, WS_MAXIMIZE, true, WM_KEYDOWN, screen.x,
         screen.y + insets.top - insets.left},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        if (c.state == WS_MAXIMIZE && SeamCannotShow("a maximised window")) continue;
        SeamSetUp();
        SeamPointerTo(OsPoint{1, 1});  // away from the window, so that moving to it is a move
        Open(0, SW_HIDE);
        OsShowWindow(window, c.command);
        Drain();
        EXPECT_EQ(WasSent(WM_PAINT), c.clientWidth > 0);  // a minimised window is not painted
        EXPECT_EQ(State(window), WS_VISIBLE | c.state);
        EXPECT_EQ(OsGetActiveWindow() == window, c.active);
        OsRect client{};
        OsGetClientRect(window, &client);
        EXPECT_EQ(client.right, c.clientWidth);
        EXPECT_EQ(client.bottom, c.clientHeight);
        SeamKey('A', false);
        SeamPointerTo(ScreenOf(50, 50));  // where the normal window lies
        SeamButton(VK_LBUTTON, true);
        SeamButton(VK_LBUTTON, false);
        std::vector<uint32_t> keys;
        std::vector<uint32_t> pointer;
        for (const Taken& t : Take(8)) {
            const bool isKey = t.message >= WM_KEYDOWN && t.message <= WM_SYSKEYUP;
            if (isKey && (t.message == WM_KEYDOWN || t.message == WM_SYSKEYDOWN))
                keys.push_back(t.message);
            if (t.message >= WM_MOUSEMOVE && t.message <= WM_RBUTTONDBLCLK)
                pointer.push_back(t.message);
        }
        if (c.state != WS_MINIMIZE || !SeamCannotShow("the keys of a minimised window")) {
            EXPECT_EQ(keys, c.keyMessage != 0 ? std::vector<uint32_t>{c.keyMessage}
                                              : std::vector<uint32_t>{});
        }
        EXPECT_EQ(pointer.size(), c.state == WS_MINIMIZE ? 0u : 3u);

        // Restored through the system command, each is a normal window in its old place again,
        // with the focus (the click activated the inactive ones), painted if it was not shown
        // as it is.
        seen.clear();
        OsPostMessage(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        Drain();
        EXPECT_EQ(State(window), uint32_t{WS_VISIBLE});
        EXPECT_EQ(OsGetFocus(), window);
        EXPECT_EQ(WasSent(WM_PAINT), c.state != 0);
        OsRect outer{};
        OsGetWindowRect(window, &outer);
        EXPECT_EQ(outer, (OsRect{100, 100, 100 + kClient + insets.right - insets.left,
                                 100 + kClient + insets.bottom - insets.top}));
        OsDestroyWindow(window);
        window = nullptr;
    }
}

TEST_F(SeamWindowTest, AWindowCreatedVisibleIsShownActiveOnceCreated) {
    Open(0, SW_SHOWNA, WS_SYSMENU | WS_VISIBLE);
    EXPECT_EQ(OsGetWindowLong(window, GWL_STYLE),
              uint32_t{WS_SYSMENU | WS_VISIBLE | WS_CAPTION | WS_CLIPSIBLINGS});
    EXPECT_EQ(OsGetActiveWindow(), window);
}

// A close asked for through the queue (the system menu's command, Alt+F4) arrives on its own,
// a close box's inside the press that asked for it; both go through SC_CLOSE to WM_CLOSE.
TEST_F(SeamWindowTest, TheDefaultProcedureClosesOnlyByTheWaysTheStylesOffer) {
    enum Result { Closed, Minimized, Maximized, Unchanged };
    struct Case {
        const char* what;
        uint32_t classStyle;
        uint32_t style;
        std::function<void(WindowHandle)> act;
        Result result;
        std::vector<const char*> rules;  // what a backend must show for the case
        int32_t closeDepth = -1;  // how deeply SC_CLOSE arrives, -1 for never; WM_CLOSE inside
    };
    const uint32_t plain = WS_SYSMENU | WS_MINIMIZEBOX;
    const auto command = [](WParam c) {
        return [c](WindowHandle w) { OsPostMessage(w, WM_SYSCOMMAND, c, 0); };
    };
    const auto box = [](int32_t hit) {
        return [hit](WindowHandle w) { SeamClickCaption(w, hit); };
    };
    const auto altF4 = [](WindowHandle) { SeamKey(VK_F4, true); };
    const Case cases[] = {
        {"SC_CLOSE", 0, plain, command(SC_CLOSE), Closed, {}, 0},
        {"Alt+F4", 0, plain, altF4, Closed, {}, 0},
        {"F4", 0, plain, [](WindowHandle) { SeamKey(VK_F4, false); }, Unchanged, {}},
        {"Alt+F4, CS_NOCLOSE", CS_NOCLOSE, plain, altF4, Unchanged, {}},
        {"close box", 0, plain, box(HTCLOSE), Closed, {}, 1},
        {"minimise box", 0, plain, box(HTMINBUTTON), Minimized, {"the minimise box"}},
        {"no minimise box", 0, WS_SYSMENU, box(HTMINBUTTON), Unchanged, {"the minimise box"}},
        {"no maximise box", 0, plain, box(HTMAXBUTTON), Unchanged, {"the maximise box"}},
        {"maximise box",
         0,
         plain | WS_MAXIMIZEBOX,
         box(HTMAXBUTTON),
         Maximized,
         {"the maximise box", "a maximised window"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (std::any_of(c.rules.begin(), c.rules.end(), SeamCannotShow)) continue;
        SeamSetUp();
        Open(c.classStyle, SW_SHOWNORMAL, c.style);
        c.act(window);
        Drain();
        OsRect outer{};
        const bool exists = OsGetWindowRect(window, &outer);
        const uint32_t state = exists ? State(window) & (WS_MINIMIZE | WS_MAXIMIZE) : 0;
        const Result result = !exists                ? Closed
                              : state == WS_MINIMIZE ? Minimized
                              : state == WS_MAXIMIZE ? Maximized
                                                     : Unchanged;
        EXPECT_EQ(result, c.result);
        using Path = std::vector<std::pair<uint32_t, int32_t>>;
        Path closing;
        for (const Seen& s : seen) {
            const bool scClose = s.message == WM_SYSCOMMAND && (s.wParam & 0xFFF0) == SC_CLOSE;
            if (scClose || s.message == WM_CLOSE) closing.emplace_back(s.message, s.depth);
        }
        const Path expected =
            c.closeDepth < 0 ? Path{}
                             : Path{{WM_SYSCOMMAND, c.closeDepth}, {WM_CLOSE, c.closeDepth + 1}};
        EXPECT_EQ(closing, expected);
        if (exists) OsDestroyWindow(window);
        window = nullptr;
    }
}

TEST_F(SeamWindowTest, ACapturedPointerReportsMovesOutsideWithNegativePositions) {
    Open(0, SW_SHOWNORMAL);
    SeamPointerTo(ScreenOf(5, 6));
    SeamButton(VK_LBUTTON, true);
    EXPECT_EQ(Take(2),
              (std::vector<Taken>{{WM_MOUSEMOVE, 0, 5, 6}, {WM_LBUTTONDOWN, MK_LBUTTON, 5, 6}}));
    OsSetCapture(window);
    EXPECT_EQ(OsGetCapture(), window);
    SeamPointerTo(ScreenOf(-7, -9));
    SeamButton(VK_LBUTTON, false);
    EXPECT_EQ(Take(2),
              (std::vector<Taken>{{WM_MOUSEMOVE, MK_LBUTTON, -7, -9}, {WM_LBUTTONUP, 0, -7, -9}}));
    OsReleaseCapture();
    EXPECT_EQ(OsGetCapture(), nullptr);
    EXPECT_TRUE(WasSent(WM_CAPTURECHANGED));
}

TEST_F(SeamWindowTest, ARightReleaseSendsTheContextMenuRequestInsideItsDefaultHandling) {
    Open(0, SW_SHOWNORMAL);
    SeamPointerTo(ScreenOf(8, 9));
    SeamButton(VK_RBUTTON, true);
    SeamButton(VK_RBUTTON, false);
    Drain();
    EXPECT_EQ(Logged({WM_RBUTTONDOWN, WM_RBUTTONUP, WM_CONTEXTMENU}),
              (std::vector<std::pair<uint32_t, int32_t>>{
                  {WM_RBUTTONDOWN, 0}, {WM_RBUTTONUP, 0}, {WM_CONTEXTMENU, 1}}));
    for (const Seen& s : seen) {
        if (s.message != WM_CONTEXTMENU) continue;
        EXPECT_EQ(s.wParam, reinterpret_cast<WParam>(window));
        const OsPoint at = ScreenOf(8, 9);
        EXPECT_EQ(s.lParam, LParam{at.y << 16 | at.x});
    }
}

// Moving the cursor queues a move, even to where it already is; hiding it counts down.
TEST_F(SeamWindowTest, TheCursorMovesWithAMoveMessageAndItsShowCountCounts) {
    Open(0, SW_SHOWNORMAL);
    for (int32_t i = 0; i < 2; ++i) {
        const OsPoint at = ScreenOf(30, 40);
        ASSERT_TRUE(OsSetCursorPos(at.x, at.y));
        OsPoint now{};
        OsGetCursorPos(&now);
        EXPECT_EQ(now.x, at.x);
        EXPECT_EQ(now.y, at.y);
        EXPECT_EQ(Take(2), (std::vector<Taken>{{WM_MOUSEMOVE, 0, 30, 40}})) << i;
    }
    EXPECT_EQ(OsShowCursor(false), -1);
    EXPECT_EQ(OsShowCursor(false), -2);
    EXPECT_EQ(OsShowCursor(true), -1);
    EXPECT_EQ(OsShowCursor(true), 0);
}

}  // namespace
