// The simulated message queue: posted messages, then the quit message, then input, then
// WM_PAINT while an update region exists, then due WM_TIMER; the virtual clock, capture and
// the cursor.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/headless/headless_state.h"

using namespace headless;

namespace {

constexpr int32_t kPollsBeforeHang = 1'000'000;

WParam KeyState() {
    return (sim.leftDown ? MK_LBUTTON : 0u) | (sim.rightDown ? MK_RBUTTON : 0u);
}

Window* PointerTarget() {
    if (sim.capture != nullptr) return sim.capture;
    for (auto it = sim.windows.rbegin(); it != sim.windows.rend(); ++it) {
        Window& w = **it;
        if (w.destroyed || !w.visible) continue;
        OsRect r = ClientRectOnScreen(w);
        if (sim.cursor.x >= r.left && sim.cursor.x < r.right && sim.cursor.y >= r.top &&
            sim.cursor.y < r.bottom) {
            return &w;
        }
    }
    return nullptr;
}

Window* PaintPending() {
    for (auto& w : sim.windows) {
        if (!w->destroyed && w->visible && w->hasUpdate) return w.get();
    }
    return nullptr;
}

std::pair<Window*, uintptr_t> DueTimer() {
    Window* best = nullptr;
    uintptr_t bestId = 0;
    uint64_t bestDue = UINT64_MAX;
    for (auto& w : sim.windows) {
        if (w->destroyed) continue;
        for (auto& [id, timer] : w->timers) {
            if (timer.due <= sim.clock && timer.due < bestDue) {
                best = w.get();
                bestId = id;
                bestDue = timer.due;
            }
        }
    }
    return {best, bestId};
}

bool NextMessageInOrder(OsMessage* out, bool remove) {
    if (!sim.posted.empty()) {
        *out = sim.posted.front();
        if (remove) sim.posted.pop_front();
        return true;
    }
    if (sim.quitPosted) {
        *out = OsMessage{nullptr, WM_QUIT, static_cast<WParam>(sim.quitCode), 0};
        if (remove) sim.quitPosted = false;
        return true;
    }
    if (!sim.input.empty()) {
        *out = sim.input.front();
        if (remove) sim.input.pop_front();
        return true;
    }
    if (Window* w = PaintPending()) {
        *out = OsMessage{Handle(w), WM_PAINT, 0, 0};
        return true;
    }
    auto [w, id] = DueTimer();
    if (w != nullptr) {
        *out = OsMessage{Handle(w), WM_TIMER, id, 0};
        if (remove) w->timers[id].due = sim.clock + w->timers[id].period;
        return true;
    }
    return false;
}

// A poll of an empty queue gives the idle hook its chance to feed input; time only passes
// when a test advances the clock or the program waits.
void IdlePoll() {
    if (sim.idleHook) sim.idleHook();
    if (!QueueEmpty()) {
        sim.emptyPolls = 0;
        return;
    }
    if (++sim.emptyPolls > kPollsBeforeHang) {
        std::fprintf(stderr, "headless: the program polls an empty queue forever\n");
        std::abort();
    }
}

}  // namespace

namespace headless {

LParam PackPoint(int32_t x, int32_t y) {
    return static_cast<LParam>((static_cast<uint32_t>(y) & 0xFFFFu) << 16 |
                               (static_cast<uint32_t>(x) & 0xFFFFu));
}

void QueuePointerMessage(uint32_t message) {
    Window* target = PointerTarget();
    if (target == nullptr) return;
    OsRect client = ClientRectOnScreen(*target);
    sim.input.push_back(
        OsMessage{Handle(target), message, KeyState(),
                  PackPoint(sim.cursor.x - client.left, sim.cursor.y - client.top)});
}

// The next message in Win32 order; `remove` takes it (generated messages are re-armed).
bool NextMessage(OsMessage* out, bool remove) {
    return NextMessageInOrder(out, remove);
}

// The clock time at which the next timer is due; UINT64_MAX without timers.
uint64_t NextTimerDue() {
    uint64_t next = UINT64_MAX;
    for (auto& w : sim.windows) {
        if (w->destroyed) continue;
        for (auto& entry : w->timers) next = std::min(next, entry.second.due);
    }
    return next;
}

bool QueueEmpty() {
    OsMessage ignored{};
    return !NextMessage(&ignored, false);
}

}  // namespace headless

bool OsSetTimer(WindowHandle window, uintptr_t id, uint32_t milliseconds) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    w->timers[id] = Timer{milliseconds, sim.clock + milliseconds};
    return true;
}

bool OsKillTimer(WindowHandle window, uintptr_t id) {
    Window* w = Win(window);
    return w != nullptr && w->timers.erase(id) == 1;
}

WindowHandle OsSetCapture(WindowHandle window) {
    Window* previous = sim.capture;
    Window* w = Win(window);
    if (w == nullptr) return Handle(previous);
    if (previous != nullptr && previous != w) Send(previous, WM_CAPTURECHANGED, 0, LParam(window));
    sim.capture = w;
    return Handle(previous);
}

bool OsReleaseCapture() {
    Window* previous = sim.capture;
    sim.capture = nullptr;
    if (previous != nullptr) Send(previous, WM_CAPTURECHANGED);
    return true;
}

WindowHandle OsGetCapture() {
    return Handle(sim.capture);
}

bool OsPeekMessage(OsMessage* message, WindowHandle /*filter*/, uint32_t removeFlags) {
    if (NextMessage(message, (removeFlags & PM_REMOVE) != 0)) {
        sim.emptyPolls = 0;
        return true;
    }
    IdlePoll();
    return false;
}

int32_t OsGetMessage(OsMessage* message, WindowHandle filter) {
    while (!NextMessage(message, true)) {
        if (!OsWaitMessage()) return -1;
    }
    (void)filter;
    return message->message == WM_QUIT ? 0 : 1;
}

bool OsTranslateMessage(const OsMessage* message) {
    if (message->message != WM_KEYDOWN) return false;
    auto key = static_cast<uint32_t>(message->wParam);
    uint32_t character = 0;
    if (key >= 'A' && key <= 'Z') character = key - 'A' + 'a';
    if ((key >= '0' && key <= '9') || key == VK_SPACE || key == VK_BACK || key == VK_TAB ||
        key == VK_RETURN || key == VK_ESCAPE) {
        character = key;
    }
    if (key == 0xBE) character = '.';  // VK_OEM_PERIOD
    if (character == 0) return false;
    sim.posted.push_front(OsMessage{message->window, WM_CHAR, character, message->lParam});
    return true;
}

LResult OsDispatchMessage(const OsMessage* message) {
    Window* w = Win(message->window);
    if (w == nullptr) return 0;
    return CallProc(w, message->message, message->wParam, message->lParam, false);
}

// The idle hook gets one chance per wait; when it brings nothing, time passes until the next
// timer is due.
bool OsWaitMessage() {
    if (!QueueEmpty()) return true;
    if (sim.idleHook) sim.idleHook();
    if (!QueueEmpty()) return true;
    uint64_t next = NextTimerDue();
    if (next == UINT64_MAX) return false;  // nothing could ever arrive
    sim.clock = std::max(sim.clock, next);
    return true;
}

bool OsPostMessage(WindowHandle window, uint32_t message, WParam wParam, LParam lParam) {
    if (window != nullptr && Win(window) == nullptr) return false;
    sim.posted.push_back(OsMessage{window, message, wParam, lParam});
    return true;
}

LResult OsSendMessage(WindowHandle window, uint32_t message, WParam wParam, LParam lParam) {
    return Send(Win(window), message, wParam, lParam);
}

void OsPostQuitMessage(int32_t exitCode) {
    sim.quitPosted = true;
    sim.quitCode = exitCode;
}

bool OsGetCursorPos(OsPoint* point) {
    *point = sim.cursor;
    return true;
}

bool OsSetCursorPos(int32_t x, int32_t y) {
    // Like the real one, moving the cursor produces a pointer-move message.
    HeadlessPointerMoveTo(std::clamp(x, 0, sim.screenWidth - 1),
                          std::clamp(y, 0, sim.screenHeight - 1));
    return true;
}

int32_t OsShowCursor(bool show) {
    sim.cursorShowCount += show ? 1 : -1;
    return sim.cursorShowCount;
}
