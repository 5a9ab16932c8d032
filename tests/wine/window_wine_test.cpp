// The real window under Wine in an X display, where the seam suite cannot look: what the X
// screen shows, the input state that the X server's pointer input produces, and the real timer.
// Its size, place, styles and the rest of its input are checked on every backend by the seam
// suite (tests/platform/seam/seam_display_test.cpp).
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "artwork/artwork.h"
#include "display/display.h"
#include "display/input_state.h"
#include "tests/wine/unix_tools.h"
#include "tests/wine/wine_fixture.h"

namespace {

class RealWindowTest : public WineWindowTest {
protected:
    void SetUp() override {
        ASSERT_NE(CreateMainWindow("Varorizo", artBackground), nullptr)
            << "error " << GetLastError();
        window = reinterpret_cast<HWND>(mainWindow);
    }
    void TearDown() override {
        DestroyWindow(window);
        UnregisterClassA("Varorizo", GetModuleHandleA(nullptr));
    }
    void Show() {
        ShowWindow(window, SW_SHOWNORMAL);
        Settle();
        UseWindow(window);
    }
    // Wine hands painted pixels to the X server a little later: half a second of messages.
    static void Settle() {
        ULONGLONG until = GetTickCount64() + 500;
        PumpUntil([until] { return GetTickCount64() >= until; });
    }
};

TEST_F(RealWindowTest, TheScreenShowsTheFrameBufferPixelForPixel) {
    // Make every pixel distinct from the background, so a paint that went nowhere shows.
    for (int32_t y = 0; y < 600; ++y) {
        for (int32_t x = 0; x < 800; ++x) {
            FrameBuffer[y * 800 + x] = uint32_t(x * 0x51 + y * 0x1301) & 0x00FFFFFFu;
        }
    }
    Show();
    const std::vector<uint32_t> client = ClientShot();
    ASSERT_EQ(client.size(), 800u * 600u) << "no screenshot";
    int32_t mismatches = 0;
    for (int32_t y = 0; y < 600; ++y) {
        for (int32_t x = 0; x < 800; ++x) {
            uint32_t seen = client[size_t(y) * 800 + size_t(x)];
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
    MoveTo(150, 120);
    EXPECT_TRUE(PumpUntil([] { return inputCode == InputMove && inputX == 150 && inputY == 120; }));

    Xdotool("mousedown 1");
    EXPECT_TRUE(PumpUntil([] { return inputCode == InputLeftDown; }));
    EXPECT_EQ(inputX, 150);
    EXPECT_EQ(inputY, 120);
    EXPECT_EQ(GetCapture(), window);

    // Captured: a move left of and above the client area gives negative positions.
    MoveTo(-7, -9);
    EXPECT_TRUE(PumpUntil([] { return inputCode == InputMove && inputX == -7 && inputY == -9; }));

    Xdotool("mouseup 1");
    EXPECT_TRUE(PumpUntil([] { return inputCode == InputLeftUp; }));
    EXPECT_EQ(inputX, -7);
    EXPECT_EQ(inputY, -9);
    EXPECT_EQ(GetCapture(), nullptr);
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
        while (ticks < 12 && PeekMessageW(&message, window, WM_TIMER, WM_TIMER, PM_REMOVE)) {
            EXPECT_EQ(message.wParam, 1u);
            if (++ticks == 1) first = GetTickCount64();
        }
    }
    EXPECT_EQ(ticks, 12);
    EXPECT_GE(GetTickCount64() - first, 10u * 25u);
    EXPECT_TRUE(KillTimer(window, 1));
}

}  // namespace
