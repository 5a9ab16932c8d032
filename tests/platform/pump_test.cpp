// The shared pump step on the headless driver: the quit message, and a wait that lets virtual
// time pass, feeds on the idle hook first, and fails when nothing could ever arrive.
#include <gtest/gtest.h>

#include <vector>

#include "platform/headless/headless.h"
#include "platform/pump.h"

namespace {

std::vector<uint32_t> seen;

LResult RecordingProc(WindowHandle window, uint32_t message, WParam wParam, LParam lParam) {
    seen.push_back(message);
    if (message == WM_PAINT) {
        OsPaint paint{};
        OsBeginPaint(window, &paint);
        OsEndPaint(window, &paint);
        return 0;
    }
    return OsDefWindowProc(window, message, wParam, lParam);
}

class PumpTest : public ::testing::Test {
protected:
    void SetUp() override {
        HeadlessReset();
        ASSERT_TRUE(OsRegisterClass(OsWindowClass{0, RecordingProc, OsGetModuleHandle(), 0, "T"}));
        window = OsCreateWindow(0, "T", "T", 0, 100, 100, 200, 200, OsGetModuleHandle());
        ASSERT_NE(window, nullptr);
        OsShowWindow(window, SW_SHOWNORMAL);
        OsMessage pending{};
        while (OsPeekMessage(&pending, nullptr, PM_NOREMOVE)) PumpOneMessage();
        seen.clear();
    }
    WindowHandle window = nullptr;
};

TEST_F(PumpTest, TheQuitMessageIsReportedAndNotDispatched) {
    OsPostQuitMessage(3);
    EXPECT_EQ(PumpOneMessage(), PumpResult::Quit);
    EXPECT_TRUE(seen.empty());
}

TEST_F(PumpTest, AWaitWithNothingThatCouldArriveFails) {
    EXPECT_EQ(PumpOneMessage(), PumpResult::WaitFailed);
}

TEST_F(PumpTest, AWaitLetsTimePassUntilTheNextTimer) {
    OsSetTimer(window, 1, 25);
    EXPECT_EQ(PumpOneMessage(), PumpResult::Dispatched);
    EXPECT_EQ(seen, (std::vector<uint32_t>{WM_TIMER}));
    EXPECT_EQ(HeadlessClock(), 25u);
}

TEST_F(PumpTest, AWaitFeedsOnTheIdleHookBeforeTimePasses) {
    OsSetTimer(window, 1, 25);
    int32_t calls = 0;
    HeadlessSetIdleHook([&] {
        if (++calls == 1) OsPostMessage(window, WM_USER, 0, 0);
    });
    EXPECT_EQ(PumpOneMessage(), PumpResult::Dispatched);
    HeadlessSetIdleHook(nullptr);
    EXPECT_EQ(seen, (std::vector<uint32_t>{WM_USER}));
    EXPECT_EQ(HeadlessClock(), 0u);
}

}  // namespace
