// The Win32 queue made from SDL's events: posted messages, then the quit message, then input,
// then WM_PAINT while an update region exists, then due WM_TIMER. Capture, the cursor and its
// show counter.
#include <algorithm>
#include <climits>

#include "platform/sdl/sdl.h"
#include "platform/sdl/sdl_state.h"

using namespace sdl;

namespace {

WParam KeyState() {
    return (backend.leftDown ? MK_LBUTTON : 0u) | (backend.rightDown ? MK_RBUTTON : 0u);
}

void QueueInput(Window* w, uint32_t message, WParam wParam, LParam lParam) {
    if (w != nullptr) backend.input.push_back(OsMessage{Handle(w), message, wParam, lParam});
}

// The pointer's messages go to the capture window if there is one, else to the window SDL
// names; SDL already reports client coordinates (negative outside, while a button is held).
Window* PointerTarget(uint32_t sdlWindowId) {
    return backend.capture != nullptr ? backend.capture : WinOfId(sdlWindowId);
}

// SDL's coordinates are those of the window it names; the message's are the target's client
// coordinates.
OsPoint ClientPoint(Window* w, uint32_t sdlWindowId, int32_t x, int32_t y) {
    Window* named = WinOfId(sdlWindowId);
    if (named != nullptr && named != w) {
        const OsPoint from = ClientOrigin(*named);
        const OsPoint to = ClientOrigin(*w);
        x += from.x - to.x;
        y += from.y - to.y;
    }
    return OsPoint{x, y};
}

void TranslateMotion(const SDL_MouseMotionEvent& e) {
    Window* w = PointerTarget(e.windowID);
    if (w == nullptr) return;
    const OsPoint p = ClientPoint(w, e.windowID, e.x, e.y);
    if (backend.warpEchoExpected) {
        const OsPoint origin = ClientOrigin(*w);
        if (origin.x + p.x == backend.warpTarget.x && origin.y + p.y == backend.warpTarget.y) {
            backend.warpEchoExpected = false;  // SetCursorPos already queued this move
            return;
        }
    }
    QueueInput(w, WM_MOUSEMOVE, KeyState(), PackPoint(p.x, p.y));
}

void TranslateButton(const SDL_MouseButtonEvent& e) {
    const bool down = e.type == SDL_MOUSEBUTTONDOWN;
    uint32_t message = 0;
    if (e.button == SDL_BUTTON_LEFT) {
        backend.leftDown = down;
        message = down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    } else if (e.button == SDL_BUTTON_RIGHT) {
        backend.rightDown = down;
        message = down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    } else {
        return;
    }
    Window* w = PointerTarget(e.windowID);
    if (w == nullptr) return;
    const OsPoint p = ClientPoint(w, e.windowID, e.x, e.y);
    QueueInput(w, message, KeyState(), PackPoint(p.x, p.y));
}

// Key messages carry the repeat count, the scan code and the extended flag in lParam, and the
// previous key state in bit 30. Alt held makes them system keys, as on Windows.
void TranslateKey(const SDL_KeyboardEvent& e) {
    uint32_t virtualKey = 0;
    uint32_t scanCode = 0;
    bool extended = false;
    if (!VirtualKeyOf(e.keysym, &virtualKey, &scanCode, &extended)) return;
    const bool down = e.type == SDL_KEYDOWN;
    const bool alt = (e.keysym.mod & KMOD_ALT) != 0;
    uint32_t message = down ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP);
    uint32_t bits = 1u | scanCode << 16 | (extended ? 1u << 24 : 0u) | (alt ? 1u << 29 : 0u);
    if (!down) bits |= 3u << 30;
    if (down && e.repeat != 0) bits |= 1u << 30;
    QueueInput(WinOfId(e.windowID), message, virtualKey, static_cast<LParam>(bits));
}

// Typed text becomes one WM_CHAR per character in the single-byte code page: Latin-1, which
// the Windows code page agrees with from 0xA0 up; anything else arrives as "?", as there.
void TranslateText(const SDL_TextInputEvent& e) {
    Window* w = WinOfId(e.windowID);
    const auto* s = reinterpret_cast<const unsigned char*>(e.text);
    while (*s != 0) {
        uint32_t code = *s;
        int32_t length = code < 0x80    ? 1
                         : code >= 0xF0 ? 4
                         : code >= 0xE0 ? 3
                         : code >= 0xC0 ? 2
                                        : 1;
        if (length == 2 && s[1] != 0) code = (code & 0x1Fu) << 6 | (s[1] & 0x3Fu);
        for (int32_t i = 0; i < length && *s != 0; ++i) ++s;
        const bool single = code < 0x80 || (length == 2 && code >= 0xA0 && code <= 0xFF);
        QueueInput(w, WM_CHAR, single ? code : '?', 1);
    }
}

void TranslateWindowEvent(const SDL_WindowEvent& e) {
    Window* w = WinOfId(e.windowID);
    if (w == nullptr) return;
    switch (e.event) {
        case SDL_WINDOWEVENT_EXPOSED:
            Invalidate(*w, nullptr);
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            Send(w, WM_ACTIVATE, WA_ACTIVE);
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            Send(w, WM_ACTIVATE, WA_INACTIVE);
            break;
        case SDL_WINDOWEVENT_CLOSE:
            QueueInput(w, WM_CLOSE, 0, 0);
            break;
        default:
            break;
    }
}

Window* PaintPending() {
    for (auto& w : backend.windows) {
        if (!w->destroyed && w->visible && !w->update.empty()) return w.get();
    }
    return nullptr;
}

uint64_t NextTimerDue() {
    uint64_t next = UINT64_MAX;
    for (auto& w : backend.windows) {
        if (w->destroyed) continue;
        for (auto& entry : w->timers) next = std::min(next, entry.second.due);
    }
    return next;
}

bool NextMessage(OsMessage* out, bool remove) {
    TranslateSdlEvents();
    if (!backend.posted.empty()) {
        *out = backend.posted.front();
        if (remove) backend.posted.pop_front();
        return true;
    }
    if (backend.quitPosted) {
        *out = OsMessage{nullptr, WM_QUIT, static_cast<WParam>(backend.quitCode), 0};
        if (remove) backend.quitPosted = false;
        return true;
    }
    if (!backend.input.empty()) {
        *out = backend.input.front();
        if (remove) backend.input.pop_front();
        return true;
    }
    if (Window* w = PaintPending()) {
        *out = OsMessage{Handle(w), WM_PAINT, 0, 0};
        return true;
    }
    const uint64_t now = SDL_GetTicks64();
    for (auto& w : backend.windows) {
        if (w->destroyed) continue;
        for (auto& [id, timer] : w->timers) {
            if (timer.due > now) continue;
            *out = OsMessage{Handle(w.get()), WM_TIMER, id, 0};
            if (remove) timer.due = now + timer.period;
            return true;
        }
    }
    return false;
}

}  // namespace

namespace sdl {

void TranslateSdlEvents() {
    if (!backend.videoReady) return;
    SDL_Event e;
    while (SDL_PollEvent(&e) == 1) {
        switch (e.type) {
            case SDL_MOUSEMOTION:
                TranslateMotion(e.motion);
                break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                TranslateButton(e.button);
                break;
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                TranslateKey(e.key);
                break;
            case SDL_TEXTINPUT:
                TranslateText(e.text);
                break;
            case SDL_WINDOWEVENT:
                TranslateWindowEvent(e.window);
                break;
            case SDL_QUIT:  // an interrupt or termination signal: a close request to each window
                for (auto& w : backend.windows) {
                    if (!w->destroyed) QueueInput(w.get(), WM_CLOSE, 0, 0);
                }
                break;
            default:
                break;
        }
    }
}

}  // namespace sdl

bool OsSetTimer(WindowHandle window, uintptr_t id, uint32_t milliseconds) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    w->timers[id] = Timer{milliseconds, SDL_GetTicks64() + milliseconds};
    return true;
}

bool OsKillTimer(WindowHandle window, uintptr_t id) {
    Window* w = Win(window);
    return w != nullptr && w->timers.erase(id) == 1;
}

// SDL itself keeps the pointer's messages coming while a button is held outside the window;
// the capture decides which window they go to.
WindowHandle OsSetCapture(WindowHandle window) {
    Window* previous = backend.capture;
    Window* w = Win(window);
    if (w == nullptr) return Handle(previous);
    if (previous != nullptr && previous != w) {
        Send(previous, WM_CAPTURECHANGED, 0, LParam(window));
    }
    backend.capture = w;
    return Handle(previous);
}

bool OsReleaseCapture() {
    Window* previous = backend.capture;
    backend.capture = nullptr;
    if (previous != nullptr) Send(previous, WM_CAPTURECHANGED);
    return true;
}

bool OsPeekMessage(OsMessage* message, WindowHandle /*filter*/, uint32_t removeFlags) {
    return NextMessage(message, (removeFlags & PM_REMOVE) != 0);
}

int32_t OsGetMessage(OsMessage* message, WindowHandle /*filter*/) {
    while (!NextMessage(message, true)) {
        if (!OsWaitMessage()) return -1;
    }
    return message->message == WM_QUIT ? 0 : 1;
}

// Backspace, Tab, Enter and Escape give their character codes; SDL's text input gives the rest.
bool OsTranslateMessage(const OsMessage* message) {
    if (message->message != WM_KEYDOWN) return false;
    const auto key = static_cast<uint32_t>(message->wParam);
    if (key != VK_BACK && key != VK_TAB && key != VK_RETURN && key != VK_ESCAPE) return false;
    backend.posted.push_front(OsMessage{message->window, WM_CHAR, key, message->lParam});
    return true;
}

LResult OsDispatchMessage(const OsMessage* message) {
    Window* w = Win(message->window);
    if (w == nullptr) return 0;
    return w->proc(message->window, message->message, message->wParam, message->lParam);
}

// Sleeps in SDL until an event arrives or the next timer is due.
bool OsWaitMessage() {
    OsMessage ignored{};
    while (!NextMessage(&ignored, false)) {
        if (!backend.videoReady) return false;
        const uint64_t due = NextTimerDue();
        if (due == UINT64_MAX) {
            if (SDL_WaitEvent(nullptr) != 1) return false;
            continue;
        }
        const uint64_t now = SDL_GetTicks64();
        if (due > now)
            SDL_WaitEventTimeout(nullptr, static_cast<int>(std::min<uint64_t>(due - now, INT_MAX)));
    }
    return true;
}

bool OsGetCursorPos(OsPoint* point) {
    if (!EnsureVideo()) return false;
    int x = 0;
    int y = 0;
    SDL_GetGlobalMouseState(&x, &y);
    *point = OsPoint{x, y};
    return true;
}

// Like the real one, moving the cursor makes a pointer-move message, queued here at once; the
// one the window system may send for the warp is dropped.
bool OsSetCursorPos(int32_t x, int32_t y) {
    if (!EnsureVideo()) return false;
    OsPoint now{};
    OsGetCursorPos(&now);
    if (now.x == x && now.y == y) return true;
    SDL_WarpMouseGlobal(x, y);
    backend.warpEchoExpected = true;
    backend.warpTarget = OsPoint{x, y};
    Window* w = backend.capture;
    for (auto it = backend.windows.rbegin(); w == nullptr && it != backend.windows.rend(); ++it) {
        const Window& candidate = **it;
        if (candidate.destroyed || !candidate.visible) continue;
        const OsPoint origin = ClientOrigin(candidate);
        if (x >= origin.x && y >= origin.y && x < origin.x + candidate.clientWidth &&
            y < origin.y + candidate.clientHeight) {
            w = it->get();
        }
    }
    if (w != nullptr) {
        const OsPoint origin = ClientOrigin(*w);
        QueueInput(w, WM_MOUSEMOVE, KeyState(), PackPoint(x - origin.x, y - origin.y));
    }
    return true;
}

int32_t OsShowCursor(bool show) {
    backend.cursorShowCount += show ? 1 : -1;
    if (EnsureVideo()) SDL_ShowCursor(backend.cursorShowCount >= 0 ? SDL_ENABLE : SDL_DISABLE);
    return backend.cursorShowCount;
}

bool OsPostMessage(WindowHandle window, uint32_t message, WParam wParam, LParam lParam) {
    if (window != nullptr && Win(window) == nullptr) return false;
    backend.posted.push_back(OsMessage{window, message, wParam, lParam});
    return true;
}

WindowHandle OsGetCapture() {
    return Handle(backend.capture);
}
