// The headless driver: a virtual clock that moves only when a test advances it or the program
// waits, input from test calls, a simulated screen that presented pixels land on, and a log of
// every message a window procedure saw, sent or dispatched, nested or not.
#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include "platform/headless/headless.h"
#include "platform/headless/headless_programs.h"
#include "platform/rules/driver.h"

namespace {

// Default metrics of a captioned window: a 3-pixel frame and a 19-pixel caption.
constexpr int32_t kFrame = 3;
constexpr int32_t kCaption = 19;
constexpr int32_t kScanCode = 0x1C;  // one scan code serves every simulated key
constexpr int32_t kPollsBeforeHang = 1'000'000;
constexpr int32_t kWaitsBeforeHang = 10'000;

struct Screen {
    int32_t width = 1024;
    int32_t height = 768;
    std::vector<uint32_t> pixels = std::vector<uint32_t>(1024 * 768);
};

Screen screen;
uint64_t virtualClock = 0;
std::function<void()> idleHook;
int32_t emptyPolls = 0;
int32_t waitsWithoutTaking = 0;  // process waits since a message was last found in the queue
int32_t waitsWithoutInput = 0;   // waits in a row that the idle hook left empty
std::vector<LoggedMessage> messageLog;

}  // namespace

// A wait for a program that a waiting message ends, again and again, while the program never
// takes that message, would go on for ever: it is stopped.
void CountProcessWait() {
    if (++waitsWithoutTaking > kPollsBeforeHang) {
        std::fprintf(stderr,
                     "headless: the program waits for a process and never takes its messages\n");
        std::abort();
    }
}

uint64_t DriverNow() {
    return virtualClock;
}

void DriverTakeInput() {}

// A poll of an empty queue gives the idle hook its chance to feed input; time only passes
// when a test advances the virtualClock or the program waits.
void DriverLookedAtQueue(bool found) {
    if (found) {
        emptyPolls = 0;
        waitsWithoutTaking = 0;
        return;
    }
    if (idleHook) idleHook();
    if (MessageWaiting()) {
        emptyPolls = 0;
        return;
    }
    if (++emptyPolls > kPollsBeforeHang) {
        std::fprintf(stderr, "headless: the program polls an empty queue forever\n");
        std::abort();
    }
}

// The idle hook gets one chance per wait; when it brings nothing, time passes to `until`. A
// program that waits like that 10,000 times in a row (250 s of the 25 ms timer) waits for input
// that no test will give: it is stopped, rather than ticking on until the test's time limit.
bool DriverWait(uint64_t until) {
    emptyPolls = 0;
    if (idleHook) idleHook();
    if (MessageWaiting()) {
        waitsWithoutInput = 0;
        return true;
    }
    if (++waitsWithoutInput > kWaitsBeforeHang) {
        std::fprintf(stderr, "headless: the program waits for input that never comes\n");
        std::abort();
    }
    if (until == UINT64_MAX) return false;  // nothing could ever arrive
    virtualClock = std::max(virtualClock, until);
    return true;
}

OsPoint DriverScreenSize() {
    return OsPoint{screen.width, screen.height};
}

OsRect DriverFrameInsets(uint32_t /*style*/) {
    return OsRect{kFrame, kFrame + kCaption, kFrame, kFrame};
}

bool DriverCreateWindow(WindowHandle /*window*/, const char* /*title*/) {
    return true;
}

void DriverPlaceWindow(WindowHandle /*window*/) {}

void DriverDestroyWindow(WindowHandle /*window*/) {}

void DriverPresent(WindowHandle window, const uint32_t* pixels, int32_t stride, const OsRect* rects,
                   size_t count) {
    const OsRect client = WindowClientOnScreen(window);
    for (size_t i = 0; i < count; ++i) {
        const OsRect& r = rects[i];
        const int32_t x0 = std::max(r.left, -client.left);
        const int32_t x1 = std::min(r.right, screen.width - client.left);
        if (x0 >= x1) continue;
        for (int32_t y = r.top; y < r.bottom; ++y) {
            const int32_t sy = client.top + y;
            if (sy < 0 || sy >= screen.height) continue;
            const uint32_t* row = pixels + ptrdiff_t{y} * stride;
            std::copy(row + x0, row + x1,
                      screen.pixels.begin() + ptrdiff_t{sy} * screen.width + client.left + x0);
        }
    }
}

void DriverWarpCursor(OsPoint /*to*/) {}

void DriverShowCursor(bool /*visible*/) {}

void DriverSawMessage(uint32_t message, WParam wParam, LParam lParam, int32_t depth, bool sent) {
    messageLog.push_back(LoggedMessage{message, wParam, lParam, depth, sent});
}

// The screen's storage is kept, so that resetting often costs no fresh pages.
void HeadlessReset(int32_t screenWidth, int32_t screenHeight) {
    ResetRules();
    screen.width = screenWidth;
    screen.height = screenHeight;
    screen.pixels.assign(size_t(screenWidth) * size_t(screenHeight), 0);
    virtualClock = 0;
    idleHook = nullptr;
    emptyPolls = 0;
    waitsWithoutTaking = 0;
    waitsWithoutInput = 0;
    messageLog.clear();
    ResetPrograms();
}

void HeadlessAdvanceClock(uint32_t milliseconds) {
    virtualClock += milliseconds;
}

uint64_t HeadlessClock() {
    return virtualClock;
}

void HeadlessPointerMoveTo(int32_t screenX, int32_t screenY) {
    InputPointerMove(OsPoint{screenX, screenY});
}

void HeadlessPointerButton(uint32_t button, bool down) {
    OsPoint cursor{};
    OsGetCursorPos(&cursor);
    InputPointerButton(button, down, cursor);
}

void HeadlessKeyDown(uint32_t virtualKey, bool altHeld) {
    InputKeyboardKey(virtualKey, uint32_t{kScanCode} << 16, true, altHeld);
}

void HeadlessKeyUp(uint32_t virtualKey, bool altHeld) {
    InputKeyboardKey(virtualKey, uint32_t{kScanCode} << 16, false, altHeld);
}

void HeadlessClickCaptionButton(WindowHandle window, int32_t hit) {
    InputCaptionButton(window, hit);
}

void HeadlessSetIdleHook(std::function<void()> hook) {
    idleHook = std::move(hook);
}

uint32_t HeadlessScreenPixel(int32_t x, int32_t y) {
    if (x < 0 || y < 0 || x >= screen.width || y >= screen.height) return 0;
    return screen.pixels[size_t(y) * size_t(screen.width) + size_t(x)];
}

OsPoint HeadlessClientOrigin(WindowHandle window) {
    const OsRect r = WindowClientOnScreen(window);
    return OsPoint{r.left, r.top};
}

bool HeadlessIsVisible(WindowHandle window) {
    return WindowShown(window);
}

bool HeadlessWindowExists(WindowHandle window) {
    return WindowExists(window);
}

int32_t HeadlessCursorShowCount() {
    return CursorShowCount();
}

const std::vector<LoggedMessage>& HeadlessMessageLog() {
    return messageLog;
}

void HeadlessClearMessageLog() {
    messageLog.clear();
}
