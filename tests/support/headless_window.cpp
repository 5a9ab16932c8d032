#include "tests/support/headless_window.h"

#include <vector>

#include "base/aligned_alloc.h"
#include "platform/pump.h"

const uint32_t* TestBackground() {
    static const std::vector<uint32_t> background = [] {
        std::vector<uint32_t> pixels(800 * 600);
        for (uint32_t i = 0; i < pixels.size(); ++i) pixels[i] = (i * 2654435761u) >> 8;
        return pixels;
    }();
    return background.data();
}

void PrintTo(const OsRect& rect, std::ostream* os) {
    *os << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

void HeadlessWindowTest::ReleaseFrameBuffer() {
    FreeAligned(FrameBuffer);
    FrameBuffer = nullptr;
}

void HeadlessWindowTest::StartWindow(int32_t screenWidth, int32_t screenHeight) {
    ReleaseFrameBuffer();
    HeadlessReset(screenWidth, screenHeight);
    FailAlignedAllocAfter(-1);
    ASSERT_NE(CreateMainWindow("Varorizo", TestBackground()), nullptr);
}

void HeadlessWindowTest::PumpPending() {
    OsMessage message{};
    while (OsPeekMessage(&message, nullptr, PM_NOREMOVE)) {
        if (message.message == WM_TIMER) break;
        ASSERT_EQ(PumpOneMessage(), PumpResult::Dispatched);
    }
}
