// The simulated message queue: posted messages, then the quit message, then input, then
// WM_PAINT while an update region exists, then due WM_TIMER; the virtual clock, capture and
// the cursor. Hardware input follows Windows: a pointer move replaces a move that is still the
// last input queued, a press is taken as a double click where the class asks for them, and a
// press on an inactive window activates it first.
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
        if (w.destroyed || !Visible(w)) continue;
        const OsRect r = ClientRectOnScreen(w);
        if (sim.cursor.x >= r.left && sim.cursor.x < r.right && sim.cursor.y >= r.top &&
            sim.cursor.y < r.bottom) {
            return &w;
        }
    }
    return nullptr;
}

Window* PaintPending() {
    for (auto& w : sim.windows) {
        if (w->destroyed || !Visible(*w) || Minimized(*w)) continue;
        if (!w->update.Empty() || w->framePending) return w.get();
    }
    return nullptr;
}

bool IsButtonDown(uint32_t message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_NCLBUTTONDOWN;
}

// A second press of the same button on the same window, soon and close enough after the
// first, is a double click where the window's class asks for them (CS_DBLCLKS).
bool CompletesDoubleClick(const QueuedInput& press, const Window& w) {
    const LastClick& last = sim.lastClick;
    if ((w.classStyle & CS_DBLCLKS) == 0 || press.message.message == WM_NCLBUTTONDOWN) {
        return false;
    }
    return press.message.message == last.message && &w == last.window &&
           press.time - last.time < DOUBLE_CLICK_TIME &&
           std::abs(press.point.x - last.point.x) < DOUBLE_CLICK_SIZE / 2 &&
           std::abs(press.point.y - last.point.y) < DOUBLE_CLICK_SIZE / 2;
}

// Taking a press from the queue: it is remembered for the next double click (a completed one
// starts afresh), and an inactive window under no capture is asked whether to activate.
// Returns false when the press is eaten.
bool TakePress(QueuedInput* press) {
    Window* w = Win(press->message.window);
    if (w == nullptr) return true;
    if (CompletesDoubleClick(*press, *w)) {
        press->message.message += WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
        sim.lastClick = LastClick{};
    } else {
        sim.lastClick = LastClick{press->message.message, w, press->time, press->point};
    }
    if (w == sim.active || sim.capture != nullptr) return true;
    const LResult answer = Send(w, WM_MOUSEACTIVATE, WParam(press->message.window),
                                LParam(press->message.message) << 16 | 1);
    if (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT || answer == 0) Activate(w);
    return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT;
}

bool NextInput(OsMessage* out, bool remove) {
    while (!sim.input.empty()) {
        QueuedInput next = sim.input.front();
        Window* w = Win(next.message.window);
        if (!IsButtonDown(next.message.message) || w == nullptr) {
            *out = next.message;
            if (remove) sim.input.pop_front();
            return true;
        }
        if (!remove) {
            if (CompletesDoubleClick(next, *w)) {
                next.message.message += WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
            }
            *out = next.message;
            return true;
        }
        sim.input.pop_front();
        if (TakePress(&next)) {
            *out = next.message;
            return true;
        }
    }
    return false;
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
    if (NextInput(out, remove)) return true;
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
    const OsRect client = ClientRectOnScreen(*target);
    const QueuedInput queued{
        OsMessage{Handle(target), message, KeyState(),
                  PackPoint(sim.cursor.x - client.left, sim.cursor.y - client.top)},
        sim.clock, sim.cursor};
    // The queue holds at most the latest of a run of moves, as Windows merges them.
    if (message == WM_MOUSEMOVE && !sim.input.empty() &&
        sim.input.back().message.message == WM_MOUSEMOVE &&
        sim.input.back().message.window == queued.message.window) {
        sim.input.back() = queued;
        return;
    }
    sim.input.push_back(queued);
}

void Post(Window* w, uint32_t message, WParam wParam, LParam lParam) {
    sim.posted.push_back(OsMessage{Handle(w), message, wParam, lParam});
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

// Key-downs bring their character, as WM_CHAR or, for system keys, WM_SYSCHAR.
bool OsTranslateMessage(const OsMessage* message) {
    if (message->message != WM_KEYDOWN && message->message != WM_SYSKEYDOWN) return false;
    auto key = static_cast<uint32_t>(message->wParam);
    uint32_t character = 0;
    if (key >= 'A' && key <= 'Z') character = key - 'A' + 'a';
    if ((key >= '0' && key <= '9') || key == VK_SPACE || key == VK_BACK || key == VK_TAB ||
        key == VK_RETURN || key == VK_ESCAPE) {
        character = key;
    }
    if (key == 0xBE) character = '.';  // VK_OEM_PERIOD
    if (character == 0) return false;
    const uint32_t kind = message->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
    sim.posted.push_back(OsMessage{message->window, kind, character, message->lParam});
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
