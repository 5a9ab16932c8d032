// The message queue, in Win32 order: posted messages, then the quit message, then input, then
// WM_PAINT while an update region exists, then due WM_TIMER, the earliest due first. Hardware
// input follows Windows: a pointer move replaces a move that is still the last input queued, a
// press is taken as a double click where the class asks for them, and a press on an inactive
// window activates it first. TranslateMessage posts a key's characters after what is already
// posted.
#include <algorithm>
#include <cstdlib>

#include "platform/rules/rules.h"

using namespace rules;

namespace {

constexpr uint32_t kDoubleClickTime = 500;  // GetDoubleClickTime's default, milliseconds
constexpr int32_t kDoubleClickSize = 4;     // SM_CXDOUBLECLK and SM_CYDOUBLECLK

bool IsButtonDown(uint32_t message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_NCLBUTTONDOWN;
}

// A second press of the same button on the same window, soon and close enough after the
// first, is a double click where the window's class asks for them (CS_DBLCLKS).
bool CompletesDoubleClick(const QueuedInput& press, const Window& w) {
    const LastClick& last = state.lastClick;
    if ((w.classStyle & CS_DBLCLKS) == 0 || press.message.message == WM_NCLBUTTONDOWN) {
        return false;
    }
    return press.message.message == last.message && &w == last.window &&
           press.time - last.time < kDoubleClickTime &&
           std::abs(press.point.x - last.point.x) < kDoubleClickSize / 2 &&
           std::abs(press.point.y - last.point.y) < kDoubleClickSize / 2;
}

// Taking a press from the queue: it is remembered for the next double click (a completed one
// starts afresh), and an inactive window under no capture is asked whether to activate.
// Returns false when the press is eaten.
bool TakePress(QueuedInput* press) {
    Window* w = Win(press->message.window);
    if (w == nullptr) return true;
    if (CompletesDoubleClick(*press, *w)) {
        press->message.message += WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
        state.lastClick = LastClick{};
    } else {
        state.lastClick = LastClick{press->message.message, w, press->time, press->point};
    }
    if (w == state.active || state.capture != nullptr) return true;
    const LResult answer = Send(w, WM_MOUSEACTIVATE, WParam(press->message.window),
                                LParam(press->message.message) << 16 | 1);
    if (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT || answer == 0) Activate(w);
    return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT;
}

// A key taken from the queue is down or up from now on; a key-down keeps its characters for
// TranslateMessage. Either Shift, Control or Alt is also the key of both.
void TakeKey(const QueuedInput& key) {
    const uint32_t message = key.message.message;
    const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    if (down || message == WM_KEYUP || message == WM_SYSKEYUP) {
        const auto virtualKey = static_cast<uint32_t>(key.message.wParam);
        const uint32_t both = virtualKey >= VK_LSHIFT && virtualKey <= VK_RMENU
                                  ? VK_SHIFT + (virtualKey - VK_LSHIFT) / 2
                                  : virtualKey;
        for (uint32_t k : {virtualKey, both}) {
            if (down) {
                state.keysDown.insert(k);
            } else {
                state.keysDown.erase(k);
            }
        }
    }
    if (!down) return;
    state.lastKey = key.message;
    state.lastKeyText = key.keyText;
    state.lastKeyCharacters = key.text;
}

bool NextInput(OsMessage* out, bool remove) {
    while (!state.input.empty()) {
        QueuedInput next = state.input.front();
        Window* w = Win(next.message.window);
        if (!IsButtonDown(next.message.message) || w == nullptr) {
            *out = next.message;
            if (remove) {
                TakeKey(next);
                state.input.pop_front();
            }
            return true;
        }
        if (!remove) {
            if (CompletesDoubleClick(next, *w)) {
                next.message.message += WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
            }
            *out = next.message;
            return true;
        }
        state.input.pop_front();
        if (TakePress(&next)) {
            *out = next.message;
            return true;
        }
    }
    return false;
}

Window* PaintPending() {
    for (auto& w : state.windows) {
        if (w->destroyed || !Visible(*w) || Minimized(*w)) continue;
        if (!w->update.Empty() || w->framePending) return w.get();
    }
    return nullptr;
}

// The timer due first of those due now; a taken one is due again a period from now.
bool NextTimer(OsMessage* out, bool remove) {
    const uint64_t now = DriverNow();
    Window* best = nullptr;
    Timer* bestTimer = nullptr;
    uintptr_t bestId = 0;
    for (auto& w : state.windows) {
        if (w->destroyed) continue;
        for (auto& [id, timer] : w->timers) {
            if (timer.due <= now && (bestTimer == nullptr || timer.due < bestTimer->due)) {
                best = w.get();
                bestTimer = &timer;
                bestId = id;
            }
        }
    }
    if (best == nullptr) return false;
    *out = OsMessage{Handle(best), WM_TIMER, bestId, 0};
    if (remove) bestTimer->due = now + bestTimer->period;
    return true;
}

// The next message in Win32 order; `remove` takes it (generated messages are re-armed).
bool NextMessage(OsMessage* out, bool remove) {
    DriverTakeInput();
    if (!state.posted.empty()) {
        *out = state.posted.front();
        if (remove) state.posted.pop_front();
        return true;
    }
    if (state.quitPosted) {
        *out = OsMessage{nullptr, WM_QUIT, static_cast<WParam>(state.quitCode), 0};
        if (remove) state.quitPosted = false;
        return true;
    }
    if (NextInput(out, remove)) return true;
    if (Window* w = PaintPending()) {
        *out = OsMessage{Handle(w), WM_PAINT, 0, 0};
        return true;
    }
    return NextTimer(out, remove);
}

// WaitMessage: false when nothing could ever arrive.
bool WaitForMessage() {
    while (QueueEmpty()) {
        if (!DriverWait(NextTimerDue())) return false;
    }
    return true;
}

// The characters a key-down brings without a keyboard layout: letters (lower case), digits,
// the space, the period and the control characters of Backspace, Tab, Enter and Escape.
char32_t CharacterOfKey(uint32_t key) {
    if (key >= 'A' && key <= 'Z') return key - 'A' + 'a';
    if ((key >= '0' && key <= '9') || key == VK_SPACE || key == VK_BACK || key == VK_TAB ||
        key == VK_RETURN || key == VK_ESCAPE) {
        return key;
    }
    if (key == 0xBE) return '.';  // VK_OEM_PERIOD
    return 0;
}

}  // namespace

namespace rules {

uint32_t CodePageCharacter(char32_t c) {
    return c < 0x80 || (c >= 0xA0 && c <= 0xFF) ? uint32_t(c) : uint32_t{'?'};
}

void Post(WindowHandle window, uint32_t message, WParam wParam, LParam lParam) {
    state.posted.push_back(OsMessage{window, message, wParam, lParam});
}

void QueueInput(const QueuedInput& input) {
    state.input.push_back(input);
}

uint64_t NextTimerDue() {
    uint64_t next = UINT64_MAX;
    for (auto& w : state.windows) {
        if (w->destroyed) continue;
        for (auto& entry : w->timers) next = std::min(next, entry.second.due);
    }
    return next;
}

bool QueueEmpty() {
    OsMessage ignored{};
    return !NextMessage(&ignored, false);
}

}  // namespace rules

bool OsSetTimer(WindowHandle window, uintptr_t id, uint32_t milliseconds) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    w->timers[id] = Timer{milliseconds, DriverNow() + milliseconds};
    return true;
}

bool OsKillTimer(WindowHandle window, uintptr_t id) {
    Window* w = Win(window);
    return w != nullptr && w->timers.erase(id) == 1;
}

WindowHandle OsSetCapture(WindowHandle window) {
    Window* previous = state.capture;
    Window* w = Win(window);
    if (w == nullptr) return Handle(previous);
    if (previous != nullptr && previous != w) Send(previous, WM_CAPTURECHANGED, 0, LParam(window));
    state.capture = w;
    return Handle(previous);
}

bool OsReleaseCapture() {
    Window* previous = state.capture;
    state.capture = nullptr;
    if (previous != nullptr) Send(previous, WM_CAPTURECHANGED);
    return true;
}

bool OsPeekMessage(OsMessage* message, WindowHandle /*filter*/, uint32_t removeFlags) {
    const bool found = NextMessage(message, (removeFlags & PM_REMOVE) != 0);
    DriverLookedAtQueue(found);
    return found;
}

int32_t OsGetMessage(OsMessage* message, WindowHandle /*filter*/) {
    while (!NextMessage(message, true)) {
        if (!WaitForMessage()) return -1;
    }
    DriverLookedAtQueue(true);
    return message->message == WM_QUIT ? 0 : 1;
}

// Key-downs bring their characters, as WM_CHAR or, for system keys, WM_SYSCHAR.
bool OsTranslateMessage(const OsMessage* message) {
    if (message->message != WM_KEYDOWN && message->message != WM_SYSKEYDOWN) return false;
    std::u32string characters;
    const OsMessage& last = state.lastKey;
    if (last.window == message->window && last.message == message->message &&
        last.wParam == message->wParam && last.lParam == message->lParam &&
        state.lastKeyText == KeyText::Attached) {
        characters = state.lastKeyCharacters;
    } else if (const char32_t c = CharacterOfKey(static_cast<uint32_t>(message->wParam))) {
        characters = c;
    }
    const uint32_t kind = message->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
    for (const char32_t c : characters) {
        Post(message->window, kind, CodePageCharacter(c), message->lParam);
    }
    return !characters.empty();
}

LResult OsDispatchMessage(const OsMessage* message) {
    Window* w = Win(message->window);
    if (w == nullptr) return 0;
    return CallProc(w, message->message, message->wParam, message->lParam, false);
}

// The process is looked at before the queue, as the lowest handle of a multiple-object wait:
// a process that has ended is reported even when a message is waiting too.
OsProcessWait OsWaitForProcessOrMessage(ProcessHandle process) {
    for (bool first = true;; first = false) {
        uint64_t lookAgainBy = UINT64_MAX;
        switch (DriverLookAtProcess(process, first, &lookAgainBy)) {
            case ProcessLook::Ended:
                return OsProcessWait::Ended;
            case ProcessLook::Unknown:
                return OsProcessWait::Failed;
            case ProcessLook::Running:
                break;
        }
        if (!QueueEmpty()) return OsProcessWait::Message;
        if (!DriverWait(std::min(NextTimerDue(), lookAgainBy))) return OsProcessWait::Failed;
    }
}

bool OsIsKeyDown(int32_t virtualKey) {
    return state.keysDown.count(static_cast<uint32_t>(virtualKey)) != 0;
}
