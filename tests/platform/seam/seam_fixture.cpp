#include "tests/platform/seam/seam_fixture.h"

#include <algorithm>

#include "platform/pump.h"

std::vector<Seen> SeamTest::seen;
std::vector<uint32_t> SeamTest::frame;

namespace {

int32_t depth = 0;

LResult LoggingProc(WindowHandle window, uint32_t message, WParam wParam, LParam lParam) {
    SeamTest::seen.push_back(Seen{message, wParam, lParam, depth});
    ++depth;
    LResult result = 0;
    if (message == WM_PAINT) {
        OsPaint paint{};
        const DeviceContext dc = OsBeginPaint(window, &paint);
        OsBlitPixels(dc, SeamTest::frame.data(), 200, 200, paint.paintArea);
        OsEndPaint(window, &paint);
    } else {
        result = OsDefWindowProc(window, message, wParam, lParam);
    }
    --depth;
    return result;
}

}  // namespace

std::vector<uint32_t> EachClientPixel(WindowHandle window, int32_t width, int32_t height) {
    std::vector<uint32_t> pixels;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) pixels.push_back(SeamClientPixel(window, x, y));
    }
    return pixels;
}

void PrintTo(const Taken& taken, std::ostream* os) {
    *os << std::hex << "0x" << taken.message << std::dec << "(" << taken.wParam << ", " << taken.x
        << ", " << taken.y << ")";
}

void SeamTest::SetUp() {
    SeamSetUp();
    seen.clear();
    frame.assign(size_t{kClient} * kClient, 0);
    for (size_t i = 0; i < frame.size(); ++i) frame[i] = uint32_t(i * 2654435761u) >> 8;
}

void SeamTest::TearDown() {
    if (window != nullptr) OsDestroyWindow(window);
    // Buttons and keys are let go, so that the next test starts with none held.
    SeamButton(VK_LBUTTON, false);
    SeamButton(VK_RBUTTON, false);
    Drain();
}

WindowHandle SeamTest::Open(uint32_t classStyle, int32_t show, uint32_t style) {
    // A class is registered once for the whole program on some backends: each window has its own.
    static int32_t serial = 0;
    const std::string name = "Seam" + std::to_string(++serial);
    EXPECT_TRUE(OsRegisterClass(
        OsWindowClass{classStyle, LoggingProc, OsGetModuleHandle(), 0, name.c_str()}));
    OsRect outer{0, 0, kClient, kClient};
    OsAdjustWindowRect(&outer, style | WS_CAPTION, 0);
    origin = OsPoint{100 - outer.left, 100 - outer.top};
    window =
        OsCreateWindow(0, name.c_str(), name.c_str(), style, 100, 100, outer.right - outer.left,
                       outer.bottom - outer.top, OsGetModuleHandle());
    EXPECT_NE(window, nullptr);
    SeamSetWindow(window);
    OsShowWindow(window, show);
    Drain();
    seen.clear();
    return window;
}

OsPoint SeamTest::ScreenOf(int32_t x, int32_t y) const {
    return OsPoint{origin.x + x, origin.y + y};
}

void SeamTest::Drain() {
    OsMessage m{};
    while (OsPeekMessage(&m, nullptr, PM_NOREMOVE) && m.message != WM_TIMER) {
        if (PumpOneMessage() != PumpResult::Dispatched) return;
    }
}

std::vector<Taken> SeamTest::Take(size_t count) {
    std::vector<Taken> taken;
    OsMessage m{};
    while (taken.size() < count && OsPeekMessage(&m, nullptr, PM_REMOVE)) {
        if (m.message == WM_PAINT) OsDispatchMessage(&m);
        taken.push_back(Taken{m.message, m.wParam, static_cast<int16_t>(m.lParam & 0xFFFF),
                              static_cast<int16_t>((m.lParam >> 16) & 0xFFFF)});
    }
    return taken;
}

std::vector<std::pair<uint32_t, int32_t>> SeamTest::Logged(std::vector<uint32_t> messages) {
    std::vector<std::pair<uint32_t, int32_t>> found;
    for (const Seen& s : seen) {
        if (std::find(messages.begin(), messages.end(), s.message) != messages.end()) {
            found.emplace_back(s.message, s.depth);
        }
    }
    return found;
}

bool SeamTest::WasSent(uint32_t message) {
    return std::any_of(seen.begin(), seen.end(),
                       [message](const Seen& s) { return s.message == message; });
}
