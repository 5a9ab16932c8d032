// Update regions and the paint bracket: what is invalid is painted once, later through the
// queue or at once on request, and a blit inside the bracket changes only the invalid part.
#include <vector>

#include "tests/platform/seam/seam_fixture.h"

namespace {

using SeamPaintTest = SeamTest;

// A shown window paints its frame and background once, and its whole client area.
TEST_F(SeamPaintTest, AShownWindowPaintsItsFrameBackgroundAndWholeClientAreaOnce) {
    Open(0, SW_HIDE);
    OsShowWindow(window, SW_SHOWNORMAL);
    Drain();
    size_t frames = 0;
    size_t backgrounds = 0;
    size_t paints = 0;
    for (const Seen& s : seen) {
        frames += s.message == WM_NCPAINT;
        backgrounds += s.message == WM_ERASEBKGND;
        paints += s.message == WM_PAINT;
    }
    EXPECT_EQ(frames, 1u);
    EXPECT_EQ(backgrounds, 1u);
    EXPECT_EQ(paints, 1u);
    for (int32_t at : {0, 99, 199}) {
        EXPECT_EQ(SeamClientPixel(window, at, at), frame[size_t(at) * kClient + size_t(at)]) << at;
    }
}

// The frame and background are painted from BeginPaint, inside the first paint; an invalidated
// area later brings the paint alone.
TEST_F(SeamPaintTest, TheFirstPaintPaintsTheFrameAndBackgroundFromBeginPaint) {
    SEAM_NEEDS("the frame painted from BeginPaint");
    Open(0, SW_HIDE);
    OsShowWindow(window, SW_SHOWNORMAL);
    Drain();
    const std::vector<uint32_t> paints{WM_PAINT, WM_NCPAINT, WM_ERASEBKGND};
    EXPECT_EQ(Logged(paints), (std::vector<std::pair<uint32_t, int32_t>>{
                                  {WM_PAINT, 0}, {WM_NCPAINT, 1}, {WM_ERASEBKGND, 1}}));
    seen.clear();
    OsRedrawWindow(window, nullptr, RDW_INVALIDATE);
    Drain();
    EXPECT_EQ(Logged(paints), (std::vector<std::pair<uint32_t, int32_t>>{{WM_PAINT, 0}}));
}

TEST_F(SeamPaintTest, UpdateNowPaintsAtOnceOnlyWhenSomethingIsInvalid) {
    Open(0, SW_SHOWNORMAL);
    OsRedrawWindow(window, nullptr, RDW_UPDATENOW);
    EXPECT_FALSE(WasSent(WM_PAINT));
    OsRect area{1, 1, 2, 2};
    OsRedrawWindow(window, &area, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(Logged({WM_PAINT}), (std::vector<std::pair<uint32_t, int32_t>>{{WM_PAINT, 0}}));
    EXPECT_TRUE(Take(1).empty());
}

// Three requests make one region; the paint takes it whole, and only its pixels change. Its end
// lifts the clip from the window's own device context: a later blit reaches everywhere.
TEST_F(SeamPaintTest, AreasAskedForGrowOneRegionThatOnePaintShowsAndTakes) {
    Open(CS_OWNDC, SW_SHOWNORMAL);
    const std::vector<uint32_t> before = frame;
    for (uint32_t& pixel : frame) pixel ^= 0x00FFFFFFu;
    const OsRect first{10, 10, 20, 20};
    const OsRect second{50, 60, 70, 80};
    const OsRect third{50, 80, 60, 90};  // under the second, narrower
    for (const OsRect* area : {&first, &second, &third}) {
        OsRedrawWindow(window, area, RDW_INVALIDATE);
    }
    EXPECT_EQ(Take(2), (std::vector<Taken>{{WM_PAINT, 0, 0, 0}}));
    struct Probe {
        int32_t x;
        int32_t y;
        bool changed;
    };
    // Inside each area, beside them, and inside their bounding box between them.
    const Probe probes[] = {{10, 10, true},  {19, 19, true},  {69, 79, true}, {55, 85, true},
                            {20, 20, false}, {40, 40, false}, {9, 15, false}, {65, 85, false}};
    for (const Probe& p : probes) {
        const size_t i = size_t(p.y) * kClient + size_t(p.x);
        EXPECT_EQ(SeamClientPixel(window, p.x, p.y), p.changed ? frame[i] : before[i])
            << p.x << "," << p.y;
    }
    const DeviceContext dc = OsGetDC(window);
    OsBlitPixels(dc, frame.data(), kClient, kClient, OsRect{0, 0, kClient, kClient});
    OsReleaseDC(window, dc);
    for (const Probe& p : probes) {
        EXPECT_EQ(SeamClientPixel(window, p.x, p.y), frame[size_t(p.y) * kClient + size_t(p.x)])
            << "after the paint: " << p.x << "," << p.y;
    }
}

}  // namespace
