// The real window under Wine in an X display: its size and place, what the screen shows, and
// the input state that real pointer input produces.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "artwork/artwork.h"
#include "display/display.h"
#include "display/input_state.h"
#include "tests/wine/unix_tools.h"

namespace {

class RealWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(CreateMainWindow("Varorizo", artBackground), nullptr)
            << "error " << GetLastError();
        hwnd = reinterpret_cast<HWND>(mainWindow);
    }
    void TearDown() override {
        DestroyWindow(hwnd);
        UnregisterClassA("Varorizo", GetModuleHandleA(nullptr));
    }
    void Show() {
        ShowWindow(hwnd, SW_SHOWNORMAL);
        Settle();
    }
    // Wine hands painted pixels to the X server a little later: half a second of messages.
    static void Settle() {
        ULONGLONG until = GetTickCount64() + 500;
        PumpUntil([until] { return GetTickCount64() >= until; });
    }
    POINT ClientOrigin() const {
        POINT p{0, 0};
        ClientToScreen(hwnd, &p);
        return p;
    }
    static void Xdotool(const std::string& arguments) {
        ASSERT_TRUE(RunUnixCommand("xdotool " + arguments)) << arguments;
    }
    HWND hwnd = nullptr;
};

TEST_F(RealWindowTest, ClientAreaIsExactly800By600AndTheWindowIsCentred) {
    RECT client{};
    ASSERT_TRUE(GetClientRect(hwnd, &client));
    EXPECT_EQ(client.right - client.left, 800);
    EXPECT_EQ(client.bottom - client.top, 600);
    RECT outer{};
    ASSERT_TRUE(GetWindowRect(hwnd, &outer));
    HDC dc = GetDC(hwnd);
    int screenWidth = GetDeviceCaps(dc, HORZRES);
    int screenHeight = GetDeviceCaps(dc, VERTRES);
    ReleaseDC(hwnd, dc);
    EXPECT_EQ(outer.left, screenWidth / 2 - (outer.right - outer.left) / 2);
    EXPECT_EQ(outer.top, screenHeight / 2 - (outer.bottom - outer.top) / 2);
    EXPECT_EQ(GetWindowLongA(hwnd, GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
}

TEST_F(RealWindowTest, TheScreenShowsTheFrameBufferPixelForPixel) {
    // Make every pixel distinct from the background, so a paint that went nowhere shows.
    for (int32_t y = 0; y < 600; ++y) {
        for (int32_t x = 0; x < 800; ++x) {
            FrameBuffer[y * 800 + x] = uint32_t(x * 0x51 + y * 0x1301) & 0x00FFFFFFu;
        }
    }
    Show();
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> screen = ScreenShot(&width, &height);
    ASSERT_FALSE(screen.empty()) << "no screenshot";
    POINT origin = ClientOrigin();
    int32_t mismatches = 0;
    for (int32_t y = 0; y < 600; ++y) {
        for (int32_t x = 0; x < 800; ++x) {
            uint32_t seen = screen[size_t(origin.y + y) * size_t(width) + size_t(origin.x + x)];
            if (seen != FrameBuffer[y * 800 + x] && ++mismatches <= 5) {
                ADD_FAILURE() << "pixel " << x << "," << y << ": screen " << std::hex << seen
                              << " frame buffer " << FrameBuffer[y * 800 + x];
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST_F(RealWindowTest, RealPointerInputGivesTheRecordedInputState) {
    Show();
    POINT o = ClientOrigin();
    Xdotool("mousemove " + std::to_string(o.x + 150) + " " + std::to_string(o.y + 120));
    EXPECT_TRUE(PumpUntil([] { return inputCode == InputMove && inputX == 150 && inputY == 120; }));

    Xdotool("mousedown 1");
    EXPECT_TRUE(PumpUntil([] { return inputCode == InputLeftDown; }));
    EXPECT_EQ(inputX, 150);
    EXPECT_EQ(inputY, 120);
    EXPECT_EQ(GetCapture(), hwnd);

    // Captured: a move left of and above the client area gives negative positions.
    Xdotool("mousemove " + std::to_string(o.x - 7) + " " + std::to_string(o.y - 9));
    EXPECT_TRUE(PumpUntil([] { return inputCode == InputMove && inputX == -7 && inputY == -9; }));

    Xdotool("mouseup 1");
    EXPECT_TRUE(PumpUntil([] { return inputCode == InputLeftUp; }));
    EXPECT_EQ(inputX, -7);
    EXPECT_EQ(inputY, -9);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(RealWindowTest, ARightClickEndsAsARightReleaseDespiteTheContextMenuRequest) {
    Show();
    POINT o = ClientOrigin();
    Xdotool("mousemove " + std::to_string(o.x + 30) + " " + std::to_string(o.y + 40));
    ASSERT_TRUE(PumpUntil([] { return inputCode == InputMove; }));
    Xdotool("mousedown 3");
    EXPECT_TRUE(PumpUntil([] { return inputCode == InputRightDown; }));
    Xdotool("mouseup 3");
    EXPECT_TRUE(PumpUntil([] { return inputCode == InputRightUp; }));
    EXPECT_EQ(inputX, 30);
    EXPECT_EQ(inputY, 40);
}

// Without double-click messages in the class, a quick second click is a second press: a double
// click would reach the toolkit as no input at all.
TEST_F(RealWindowTest, TheClassStylesMakeAQuickSecondClickASecondPress) {
    EXPECT_EQ(GetClassLongW(hwnd, GCL_STYLE), ULONG_PTR{CS_VREDRAW | CS_HREDRAW | CS_OWNDC});
    Show();
    POINT o = ClientOrigin();
    Xdotool("mousemove " + std::to_string(o.x + 100) + " " + std::to_string(o.y + 100));
    ASSERT_TRUE(PumpUntil([] { return inputCode == InputMove; }));
    Xdotool("click --repeat 2 --delay 40 1");
    int32_t presses = 0;
    PumpUntil([&presses] {
        presses += inputCode == InputLeftDown;
        return presses == 2;
    });
    EXPECT_EQ(presses, 2);
}

// The exact period is checked on the headless clock; here eleven intervals between real ticks
// take at least ten periods (one for the clock's rounding), and no more than three seconds.
TEST_F(RealWindowTest, TheAnimationTimerHasId1AndTicksNoFasterThanEvery25Milliseconds) {
    const ULONGLONG start = GetTickCount64();
    ULONGLONG first = 0;
    int32_t ticks = 0;
    MSG message{};
    while (ticks < 12 && GetTickCount64() - start < 3000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_TIMER);
        while (ticks < 12 && PeekMessageW(&message, hwnd, WM_TIMER, WM_TIMER, PM_REMOVE)) {
            EXPECT_EQ(message.wParam, 1u);
            if (++ticks == 1) first = GetTickCount64();
        }
    }
    EXPECT_EQ(ticks, 12);
    EXPECT_GE(GetTickCount64() - first, 10u * 25u);
    EXPECT_TRUE(KillTimer(hwnd, 1));
}

TEST_F(RealWindowTest, ACloseRequestLeavesTheWindowAndIsRecorded) {
    Show();
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(PumpUntil([] { return inputCode == InputClose; }));
    EXPECT_EQ(inputX, 0);
    EXPECT_EQ(inputY, 0);
    EXPECT_TRUE(IsWindow(hwnd));
}

}  // namespace
