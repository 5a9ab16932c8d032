// Rules of the real platform that the headless backend keeps, on a bare window: show commands,
// the default close paths and caption buttons, double clicks, merged pointer moves, mouse
// activation and the frame and background messages of the first paint.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/pump.h"

namespace {

LResult PaintingProc(WindowHandle window, uint32_t message, WParam wParam, LParam lParam) {
    if (message != WM_PAINT) return OsDefWindowProc(window, message, wParam, lParam);
    OsPaint paint{};
    OsBeginPaint(window, &paint);
    OsEndPaint(window, &paint);
    return 0;
}

class WindowRulesTest : public ::testing::Test {
protected:
    void SetUp() override { HeadlessReset(); }
    // A 200 x 200 client area at (103, 122) on the screen, of a class with `classStyle`.
    WindowHandle Open(uint32_t classStyle, int32_t show,
                      uint32_t style = WS_SYSMENU | WS_MINIMIZEBOX) {
        const std::string name = "C" + std::to_string(classStyle);
        OsRegisterClass(
            OsWindowClass{classStyle, PaintingProc, OsGetModuleHandle(), 0, name.c_str()});
        WindowHandle w =
            OsCreateWindow(0, name.c_str(), "", style, 100, 100, 206, 225, OsGetModuleHandle());
        OsShowWindow(w, show);
        Drain();
        return w;
    }
    static void Drain() {
        OsMessage m{};
        while (OsPeekMessage(&m, nullptr, PM_NOREMOVE)) PumpOneMessage();
    }
    // The queued messages, taken without dispatching, as (message, x of lParam).
    static std::vector<std::pair<uint32_t, int32_t>> TakeAll() {
        std::vector<std::pair<uint32_t, int32_t>> taken;
        for (OsMessage m{}; OsPeekMessage(&m, nullptr, PM_REMOVE);) {
            taken.emplace_back(m.message, static_cast<int16_t>(m.lParam & 0xFFFF));
        }
        return taken;
    }
    static bool Logged(uint32_t message) {
        for (const LoggedMessage& m : HeadlessMessageLog()) {
            if (m.message == message) return true;
        }
        return false;
    }
    static void Click(int32_t x, int32_t y) {
        HeadlessPointerMoveTo(x, y);
        HeadlessPointerButton(HeadlessButton::Left, true);
        HeadlessPointerButton(HeadlessButton::Left, false);
    }
};

TEST_F(WindowRulesTest, ShowCommandsSetTheStateActivationFocusAndWhatReachesTheWindow) {
    struct Case {
        int32_t command;
        uint32_t state;       // WS_MINIMIZE or WS_MAXIMIZE, or 0
        bool active;          // the window is the active one
        uint32_t keyMessage;  // what a key press brings it, 0 for nothing
        int32_t clientWidth;
        int32_t clientHeight;
    };
    const Case cases[] = {
        {SW_SHOWNORMAL, 0, true, WM_KEYDOWN, 200, 200},
        {SW_SHOWNOACTIVATE, 0, false, 0, 200, 200},
        {SW_SHOWNA, 0, false, 0, 200, 200},
        {SW_SHOWMINIMIZED, WS_MINIMIZE, true, WM_SYSKEYDOWN, 0, 0},
        {SW_SHOWMINNOACTIVE, WS_MINIMIZE, false, 0, 0, 0},
        {SW_MINIMIZE, WS_MINIMIZE, false, 0, 0, 0},
        {SW_SHOWMAXIMIZED, WS_MAXIMIZE, true, WM_KEYDOWN, 1024, 768 - 19},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        HeadlessReset();
        HeadlessClearMessageLog();
        WindowHandle w = Open(0, c.command);
        EXPECT_EQ(OsGetWindowLong(w, GWL_STYLE) & (WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE),
                  WS_VISIBLE | c.state);
        EXPECT_EQ(OsGetActiveWindow() == w, c.active);
        OsRect client{};
        OsGetClientRect(w, &client);
        EXPECT_EQ(client, (OsRect{0, 0, c.clientWidth, c.clientHeight}));
        EXPECT_EQ(Logged(WM_PAINT), c.clientWidth > 0);  // a minimised window is not painted
        HeadlessKeyDown('A');
        Click(150, 150);  // where the normal window lies
        const auto taken = TakeAll();
        const uint32_t key = taken.empty() || taken[0].first == WM_MOUSEMOVE ? 0 : taken[0].first;
        EXPECT_EQ(key, c.keyMessage);
        EXPECT_EQ(taken.size(), (c.keyMessage != 0 ? 1u : 0u) + (c.state == WS_MINIMIZE ? 0u : 3u));

        // Restored through the system command, each is a normal, active window again.
        HeadlessClearMessageLog();
        OsPostMessage(w, WM_SYSCOMMAND, SC_RESTORE, 0);
        Drain();
        EXPECT_EQ(OsGetWindowLong(w, GWL_STYLE) & (WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE),
                  WS_VISIBLE);
        EXPECT_EQ(OsGetFocus(), w);  // the click activated the inactive ones
        EXPECT_EQ(Logged(WM_PAINT), c.state != 0);
        OsRect outer{};
        OsGetWindowRect(w, &outer);
        EXPECT_EQ(outer, (OsRect{100, 100, 306, 325}));
    }
}

TEST_F(WindowRulesTest, AWindowCreatedVisibleIsShownActiveOnceCreated) {
    WindowHandle w = Open(0, SW_SHOWNA, WS_SYSMENU | WS_VISIBLE);
    EXPECT_EQ(OsGetWindowLong(w, GWL_STYLE),
              uint32_t{WS_SYSMENU | WS_VISIBLE | WS_CAPTION | WS_CLIPSIBLINGS});
    EXPECT_EQ(OsGetActiveWindow(), w);
}

TEST_F(WindowRulesTest, AClickOnAnInactiveWindowActivatesItBeforeThePressArrives) {
    WindowHandle w = Open(0, SW_SHOWNOACTIVATE);
    HeadlessClearMessageLog();
    Click(150, 150);
    Drain();
    std::vector<uint32_t> order;
    for (const LoggedMessage& m : HeadlessMessageLog()) {
        if (m.message == WM_MOUSEACTIVATE || m.message == WM_ACTIVATE || m.message == WM_SETFOCUS ||
            m.message == WM_LBUTTONDOWN) {
            order.push_back(m.message);
        }
    }
    EXPECT_EQ(order,
              (std::vector<uint32_t>{WM_MOUSEACTIVATE, WM_ACTIVATE, WM_SETFOCUS, WM_LBUTTONDOWN}));
    EXPECT_EQ(OsGetActiveWindow(), w);
}

TEST_F(WindowRulesTest, TheDefaultProcedureClosesOnlyByTheWaysTheStylesOffer) {
    enum Result { Closed, Minimized, Maximized, Unchanged };
    struct Case {
        const char* what;
        uint32_t classStyle;
        uint32_t style;
        std::function<void(WindowHandle)> act;
        Result result;
    };
    const uint32_t plain = WS_SYSMENU | WS_MINIMIZEBOX;
    const auto command = [](WParam c) {
        return [c](WindowHandle w) { OsPostMessage(w, WM_SYSCOMMAND, c, 0); };
    };
    const auto box = [](HeadlessCaptionButton b) {
        return [b](WindowHandle w) { HeadlessClickCaptionButton(w, b); };
    };
    const Case cases[] = {
        {"SC_CLOSE", 0, plain, command(SC_CLOSE), Closed},
        {"Alt+F4", 0, plain, [](WindowHandle) { HeadlessKeyDown(VK_F4, true); }, Closed},
        {"F4", 0, plain, [](WindowHandle) { HeadlessKeyDown(VK_F4); }, Unchanged},
        {"Alt+F4, CS_NOCLOSE", CS_NOCLOSE, plain,
         [](WindowHandle) { HeadlessKeyDown(VK_F4, true); }, Unchanged},
        {"close box", 0, plain, box(HeadlessCaptionButton::Close), Closed},
        {"minimise box", 0, plain, box(HeadlessCaptionButton::Minimize), Minimized},
        {"no minimise box", 0, WS_SYSMENU, box(HeadlessCaptionButton::Minimize), Unchanged},
        {"no maximise box", 0, plain, box(HeadlessCaptionButton::Maximize), Unchanged},
        {"maximise box", 0, plain | WS_MAXIMIZEBOX, box(HeadlessCaptionButton::Maximize),
         Maximized},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HeadlessReset();
        WindowHandle w = Open(c.classStyle, SW_SHOWNORMAL, c.style);
        c.act(w);
        Drain();
        const uint32_t state = OsGetWindowLong(w, GWL_STYLE) & (WS_MINIMIZE | WS_MAXIMIZE);
        const Result result = !HeadlessWindowExists(w) ? Closed
                              : state == WS_MINIMIZE   ? Minimized
                              : state == WS_MAXIMIZE   ? Maximized
                                                       : Unchanged;
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(Logged(WM_CLOSE), c.result == Closed);
    }
}

TEST_F(WindowRulesTest, AFastSecondPressIsADoubleClickOnlyWhereTheClassAsksForIt) {
    struct Case {
        uint32_t classStyle;
        uint32_t later;  // milliseconds after the first press
        int32_t right;   // pixels right of the first press
        uint32_t second;
    };
    const Case cases[] = {
        {CS_DBLCLKS, 499, 1, WM_LBUTTONDBLCLK},
        {CS_DBLCLKS, 500, 0, WM_LBUTTONDOWN},
        {CS_DBLCLKS, 100, 2, WM_LBUTTONDOWN},
        {0, 100, 0, WM_LBUTTONDOWN},
    };
    for (const Case& c : cases) {
        HeadlessReset();
        Open(c.classStyle, SW_SHOWNORMAL);
        Click(150, 150);
        HeadlessAdvanceClock(c.later);
        Click(150 + c.right, 150);
        Click(150 + c.right, 150);  // a third press starts a new click
        std::vector<uint32_t> presses;
        for (const auto& [message, x] : TakeAll()) {
            if (message != WM_MOUSEMOVE && message != WM_LBUTTONUP) presses.push_back(message);
        }
        const uint32_t third = c.second == WM_LBUTTONDOWN && c.classStyle != 0
                                   ? uint32_t{WM_LBUTTONDBLCLK}
                                   : uint32_t{WM_LBUTTONDOWN};
        EXPECT_EQ(presses, (std::vector<uint32_t>{WM_LBUTTONDOWN, c.second, third}))
            << c.classStyle << " " << c.later << " " << c.right;
    }
}

TEST_F(WindowRulesTest, APointerMoveReplacesAMoveThatIsStillTheLastInputQueued) {
    Open(0, SW_SHOWNORMAL);
    for (int32_t x : {110, 120, 130}) HeadlessPointerMoveTo(x, 130);
    HeadlessPointerButton(HeadlessButton::Left, true);
    for (int32_t x : {140, 150}) HeadlessPointerMoveTo(x, 130);
    EXPECT_EQ(TakeAll(), (std::vector<std::pair<uint32_t, int32_t>>{
                             {WM_MOUSEMOVE, 27}, {WM_LBUTTONDOWN, 27}, {WM_MOUSEMOVE, 47}}));
}

TEST_F(WindowRulesTest, TheFirstPaintOfAShownWindowPaintsItsFrameAndBackgroundFromBeginPaint) {
    WindowHandle w = Open(0, SW_HIDE);
    const auto paints = [] {
        std::vector<std::pair<uint32_t, int32_t>> seen;
        for (const LoggedMessage& m : HeadlessMessageLog()) {
            if (m.message == WM_PAINT || m.message == WM_NCPAINT || m.message == WM_ERASEBKGND) {
                seen.emplace_back(m.message, m.depth);
            }
        }
        HeadlessClearMessageLog();
        return seen;
    };
    HeadlessClearMessageLog();
    OsShowWindow(w, SW_SHOWNORMAL);
    Drain();
    EXPECT_EQ(paints(), (std::vector<std::pair<uint32_t, int32_t>>{
                            {WM_PAINT, 0}, {WM_NCPAINT, 1}, {WM_ERASEBKGND, 1}}));
    OsRedrawWindow(w, nullptr, RDW_INVALIDATE);
    Drain();
    EXPECT_EQ(paints(), (std::vector<std::pair<uint32_t, int32_t>>{{WM_PAINT, 0}}));
}

}  // namespace
