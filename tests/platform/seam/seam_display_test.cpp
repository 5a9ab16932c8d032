// The main window of display/ on every backend: its size, place and styles, the frame buffer
// on the screen, and the InputState that the backend's own input leaves for each message.
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "base/aligned_alloc.h"
#include "display/display.h"
#include "display/input_state.h"
#include "display/window_proc.h"
#include "platform/pump.h"
#include "tests/platform/seam/seam_fixture.h"

namespace {

// What the window procedure recorded for one message; the position only where it has one.
struct Recorded {
    int32_t code;
    int32_t key;
    int16_t x;
    int16_t y;
    friend bool operator==(const Recorded&, const Recorded&) = default;
};

void PrintTo(const Recorded& r, std::ostream* os) {
    *os << "code " << r.code << " key " << r.key << " at " << r.x << "," << r.y;
}

Recorded Pointer(int32_t code, int16_t x, int16_t y) {
    return Recorded{code, -1, x, y};
}

Recorded Key(int32_t code, int32_t key) {
    return Recorded{code, key, 0, 0};
}

class SeamMainWindowTest : public SeamTest {
protected:
    void SetUp() override {
        SeamTest::SetUp();
        // A class registers once a program on some backends: each test has its own.
        static int32_t serial = 0;
        const std::string name = "SeamMain" + std::to_string(++serial);
        background.resize(size_t{kFrameWidth} * kFrameHeight);
        for (size_t i = 0; i < background.size(); ++i) {
            background[i] = uint32_t(i * 2654435761u) >> 8 & 0xFFFFFFu;
        }
        window = CreateMainWindow(name.c_str(), background.data());
        ASSERT_NE(window, nullptr);
        SeamSetWindow(window);
    }
    void TearDown() override {
        SeamTest::TearDown();
        mainWindow = nullptr;
        FreeAligned(FrameBuffer);
        FrameBuffer = nullptr;
    }
    void Show() {
        OsShowWindow(window, SW_SHOWNORMAL);
        PumpRecorded();
        origin = ClientOrigin();
    }
    // Where the client area lies on the screen: inside the outer rectangle by the frame.
    OsPoint ClientOrigin() const {
        OsRect outer{};
        OsGetWindowRect(window, &outer);
        OsRect insets{0, 0, 0, 0};
        OsAdjustWindowRect(&insets, OsGetWindowLong(window, GWL_STYLE), 0);
        return OsPoint{outer.left - insets.left, outer.top - insets.top};
    }
    // Dispatches what is queued until only timers remain; what the procedure recorded, timer
    // ticks left out. A move to where the pointer already was tells nothing new (Windows makes
    // one when a capture ends) and is left out too.
    static std::vector<Recorded> PumpRecorded() {
        std::vector<Recorded> recorded;
        OsMessage m{};
        while (OsPeekMessage(&m, nullptr, PM_NOREMOVE) && m.message != WM_TIMER) {
            const int16_t x = inputX;
            const int16_t y = inputY;
            if (PumpInputMessage() != PumpResult::Dispatched) break;
            if (inputCode == InputNone || inputCode == InputTimer) continue;
            if (inputCode == InputMove && inputX == x && inputY == y) continue;
            const bool placed = inputCode != InputKey && inputCode != InputChar;
            recorded.push_back(Recorded{inputCode, inputKey, placed ? inputX : int16_t{0},
                                        placed ? inputY : int16_t{0}});
        }
        return recorded;
    }

    std::vector<uint32_t> background;
};

TEST_F(SeamMainWindowTest, TheWindowIsCentredWithAn800By600ClientAreaThatShowsTheFrameBuffer) {
    EXPECT_EQ(OsGetClassLong(window, GCL_STYLE), uint32_t{CS_VREDRAW | CS_HREDRAW | CS_OWNDC});
    EXPECT_EQ(OsGetWindowLong(window, GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0u);
    OsRect client{};
    ASSERT_TRUE(OsGetClientRect(window, &client));
    EXPECT_EQ(client, (OsRect{0, 0, 800, 600}));
    OsRect outer{};
    ASSERT_TRUE(OsGetWindowRect(window, &outer));
    const DeviceContext dc = OsGetDC(window);
    const OsPoint screen{OsGetDeviceCaps(dc, HORZRES), OsGetDeviceCaps(dc, VERTRES)};
    OsReleaseDC(window, dc);
    EXPECT_EQ(outer.left, screen.x / 2 - (outer.right - outer.left) / 2);
    EXPECT_EQ(outer.top, screen.y / 2 - (outer.bottom - outer.top) / 2);

    // Every pixel unlike the background, so that a paint that went nowhere shows.
    for (int32_t y = 0; y < 600; ++y) {
        for (int32_t x = 0; x < 800; ++x) {
            FrameBuffer[y * 800 + x] = uint32_t(x * 0x51 + y * 0x1301) & 0x00FFFFFFu;
        }
    }
    Show();
    const std::vector<uint32_t> shown = SeamClientPixels(window, 800, 600);
    ASSERT_EQ(shown.size(), size_t{800} * 600);
    int32_t mismatches = 0;
    for (size_t i = 0; i < shown.size(); ++i) {
        if (shown[i] != FrameBuffer[i] && ++mismatches <= 5) {
            ADD_FAILURE() << "pixel " << i % 800 << "," << i / 800 << ": " << std::hex << shown[i]
                          << " instead of " << FrameBuffer[i];
        }
    }
    EXPECT_EQ(mismatches, 0);
}

// One window through a row of inputs: a press captures the pointer, so moves outside arrive
// with negative positions until the release; a right release survives the context-menu request
// sent inside it; without double clicks in the class a quick second click is a press again;
// keys bring their characters; a close request is recorded and leaves the window.
TEST_F(SeamMainWindowTest, TheBackendsInputLeavesTheInputStateOfEachMessage) {
    Show();
    const auto to = [this](int32_t x, int32_t y) {
        return [this, x, y] { SeamPointerTo(OsPoint{origin.x + x, origin.y + y}); };
    };
    const auto button = [](uint32_t which, bool down) {
        return [which, down] { SeamButton(which, down); };
    };
    const auto key = [](uint32_t virtualKey) {
        return [virtualKey] { SeamKey(virtualKey, false); };
    };
    struct Step {
        const char* what;
        std::function<void()> act;
        std::vector<Recorded> recorded;
        bool captured;
    };
    const Step steps[] = {
        {"move", to(150, 120), {Pointer(InputMove, 150, 120)}, false},
        {"left press", button(VK_LBUTTON, true), {Pointer(InputLeftDown, 150, 120)}, true},
        {"captured move outside", to(-7, -9), {Pointer(InputMove, -7, -9)}, true},
        {"left release outside", button(VK_LBUTTON, false), {Pointer(InputLeftUp, -7, -9)}, false},
        {"move back", to(30, 40), {Pointer(InputMove, 30, 40)}, false},
        {"right press", button(VK_RBUTTON, true), {Pointer(InputRightDown, 30, 40)}, true},
        {"right release", button(VK_RBUTTON, false), {Pointer(InputRightUp, 30, 40)}, false},
        {"quick second click",
         [] {
             for (int32_t i = 0; i < 2; ++i) {
                 SeamButton(VK_LBUTTON, true);
                 SeamButton(VK_LBUTTON, false);
             }
         },
         {Pointer(InputLeftDown, 30, 40), Pointer(InputLeftUp, 30, 40),
          Pointer(InputLeftDown, 30, 40), Pointer(InputLeftUp, 30, 40)},
         false},
        {"letter", key('A'), {Key(InputKey, 'A'), Key(InputChar, 'a')}, false},
        {"Tab", key(VK_TAB), {Key(InputKey, VK_TAB), Key(InputChar, 9)}, false},
        {"Backspace", key(VK_BACK), {Key(InputKey, VK_BACK), Key(InputChar, 8)}, false},
        {"Enter", key(VK_RETURN), {Key(InputKey, VK_RETURN), Key(InputChar, 13)}, false},
        {"Escape", key(VK_ESCAPE), {Key(InputKey, VK_ESCAPE), Key(InputChar, 27)}, false},
        {"arrow", key(VK_LEFT), {Key(InputKey, VK_LEFT)}, false},
        {"close request",
         [this] { OsPostMessage(window, WM_CLOSE, 0, 0); },
         {Recorded{InputClose, -1, 0, 0}},
         false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(PumpRecorded(), step.recorded);
        EXPECT_EQ(OsGetCapture(), step.captured ? window : nullptr);
    }
    EXPECT_EQ(OsGetWindowLong(window, GWL_STYLE) & WS_VISIBLE, uint32_t{WS_VISIBLE});
}

// The period is exact on a virtual clock; a real one shows only the timer and its id.
TEST_F(SeamMainWindowTest, TheAnimationTimerHasId1AndTicksEvery25Milliseconds) {
    Show();
    OsMessage m{};
    if (SeamVirtualTime()) {
        SeamLetTimePass(kAnimationTimerPeriodMs - 1);
        EXPECT_FALSE(OsPeekMessage(&m, nullptr, PM_NOREMOVE));
        SeamLetTimePass(1);
    }
    // What else the window system has to say meanwhile is dispatched on the way.
    while (!OsPeekMessage(&m, nullptr, PM_REMOVE) || m.message != WM_TIMER) {
        if (m.message != 0) {
            OsDispatchMessage(&m);
        } else {
            SeamLetTimePass(5);
        }
        m = OsMessage{};
    }
    EXPECT_EQ(m.wParam, WParam{1});
    OsDispatchMessage(&m);
    EXPECT_EQ(inputCode, InputTimer);
}

}  // namespace
