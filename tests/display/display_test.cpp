// The main window's size and place, the frame buffer, DirtyRect and what reaches the screen.
#include <cstring>

#include "base/aligned_alloc.h"
#include "tests/support/headless_window.h"

namespace {

constexpr OsRect kEmpty{kDirtyEmptyCorner, kDirtyEmptyCorner, 0, 0};

using DisplayTest = HeadlessWindowTest;

TEST_F(DisplayTest, CreationFillsTheFrameBufferAndAsksForAFullPaint) {
    EXPECT_EQ(std::memcmp(FrameBuffer, TestBackground(), 800 * 600 * 4), 0);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(FrameBuffer) % 32, 0u);
    EXPECT_EQ(backgroundPicture, TestBackground());
    EXPECT_EQ(frameWidth, 800);
    EXPECT_EQ(frameHeight, 600);
    EXPECT_EQ(frameRowPixels, 800);
    EXPECT_EQ(DirtyRect, (OsRect{0, 0, 800, 600}));
    EXPECT_FALSE(HeadlessIsVisible(mainWindow));
}

TEST_F(DisplayTest, ClientAreaIsExactly800By600AndTheWindowIsCentred) {
    OsRect client{};
    ASSERT_TRUE(OsGetClientRect(mainWindow, &client));
    EXPECT_EQ(client, (OsRect{0, 0, 800, 600}));
    OsRect outer{};
    ASSERT_TRUE(OsGetWindowRect(mainWindow, &outer));
    // The simulated frame metrics: 3-pixel border, 19-pixel caption.
    EXPECT_EQ(outer, (OsRect{109, 72, 109 + 806, 72 + 625}));
}

TEST_F(DisplayTest, OnANarrowScreenTheWindowStartsLeftOfIt) {
    StartWindow(800, 600);
    OsRect outer{};
    ASSERT_TRUE(OsGetWindowRect(mainWindow, &outer));
    EXPECT_EQ(outer.left, 400 - 403);
    EXPECT_EQ(outer.top, 300 - 312);
}

TEST_F(DisplayTest, InvalidateAreaTakesTopHeightLeftWidth) {
    EXPECT_TRUE(InvalidateArea(10, 20, 30, 40));
    EXPECT_EQ(DirtyRect, (OsRect{30, 10, 70, 30}));
    // Nothing is clipped or checked.
    InvalidateArea(-5, 0, 900, -3);
    EXPECT_EQ(DirtyRect, (OsRect{900, -5, 897, -5}));
}

TEST_F(DisplayTest, ShowingPaintsTheWholeFrameBufferAndEmptiesDirtyRect) {
    OsShowWindow(mainWindow, SW_SHOWNORMAL);
    PumpPending();
    EXPECT_EQ(DirtyRect, kEmpty);
    for (int32_t y = 0; y < 600; y += 7) {
        for (int32_t x = 0; x < 800; x += 5) {
            ASSERT_EQ(ScreenAt(x, y), FrameBuffer[y * 800 + x]) << x << "," << y;
        }
    }
    EXPECT_EQ(ScreenAt(799, 599), FrameBuffer[599 * 800 + 799]);
}

TEST_F(DisplayTest, AChangedPixelReachesTheScreenOnlyAfterItsAreaIsInvalidatedAndPainted) {
    OsShowWindow(mainWindow, SW_SHOWNORMAL);
    PumpPending();
    const uint32_t before = ScreenAt(100, 50);
    FrameBuffer[50 * 800 + 100] = before ^ 0x00FFFFFFu;
    FrameBuffer[50 * 800 + 300] ^= 0x00FFFFFFu;  // changed, never invalidated
    PumpPending();
    EXPECT_EQ(ScreenAt(100, 50), before);

    InvalidateArea(40, 20, 90, 20);
    EXPECT_EQ(ScreenAt(100, 50), before);  // asked for, not yet painted
    UpdateWindowNow();
    EXPECT_EQ(ScreenAt(100, 50), before ^ 0x00FFFFFFu);
    EXPECT_NE(ScreenAt(300, 50), FrameBuffer[50 * 800 + 300]);
    EXPECT_EQ(DirtyRect, kEmpty);
}

TEST_F(DisplayTest, UpdateWindowNowWithNothingPendingSendsNoPaint) {
    OsShowWindow(mainWindow, SW_SHOWNORMAL);
    PumpPending();
    HeadlessClearMessageLog();
    UpdateWindowNow();
    EXPECT_TRUE(HeadlessMessageLog().empty());
}

TEST_F(DisplayTest, AFailedFrameBufferAllocationDestroysTheWindow) {
    ReleaseFrameBuffer();
    HeadlessReset();
    const int32_t liveBlocks = alignedAllocCount;
    FailAlignedAllocAfter(0);
    EXPECT_EQ(CreateMainWindow("Varorizo", TestBackground()), nullptr);
    FailAlignedAllocAfter(-1);
    EXPECT_FALSE(HeadlessWindowExists(mainWindow));
    EXPECT_EQ(alignedAllocCount, liveBlocks);
    bool destroyed = false;
    for (const LoggedMessage& m : HeadlessMessageLog()) destroyed |= m.message == WM_DESTROY;
    EXPECT_TRUE(destroyed);
}

TEST_F(DisplayTest, ASecondRegistrationOfTheClassFails) {
    EXPECT_EQ(CreateMainWindow("Varorizo", TestBackground()), nullptr);
}

}  // namespace
