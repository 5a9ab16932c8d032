// Hardware input as the window system hands it to the rules, queued like the real thing: the
// pointer's messages to the capture window, else to the window whose client area holds the
// cursor, else nowhere; keys to the focus window. The cursor: its position, a warp, which
// queues a move as SetCursorPos does even to where the cursor already is, and the show count.
#include <algorithm>

#include "platform/rules/rules.h"

using namespace rules;

namespace {

WParam KeyState() {
    return (state.leftDown ? MK_LBUTTON : 0u) | (state.rightDown ? MK_RBUTTON : 0u);
}

Window* PointerTarget() {
    if (state.capture != nullptr) return state.capture;
    for (auto it = state.windows.rbegin(); it != state.windows.rend(); ++it) {
        Window& w = **it;
        if (w.destroyed || !Visible(w)) continue;
        const OsRect r = ClientRectOnScreen(w);
        if (state.cursor.x >= r.left && state.cursor.x < r.right && state.cursor.y >= r.top &&
            state.cursor.y < r.bottom) {
            return &w;
        }
    }
    return nullptr;
}

// The code points of UTF-8 text; a broken sequence counts as one unknown character.
std::u32string CodePoints(const char* utf8) {
    std::u32string points;
    const auto* s = reinterpret_cast<const unsigned char*>(utf8);
    while (*s != 0) {
        const int32_t length = *s < 0x80 ? 1 : *s >= 0xF0 ? 4 : *s >= 0xE0 ? 3 : *s >= 0xC0 ? 2 : 1;
        char32_t code = length == 1 ? *s : *s & (0x7Fu >> length);
        int32_t i = 1;
        for (; i < length && (s[i] & 0xC0) == 0x80; ++i) code = code << 6 | (s[i] & 0x3Fu);
        points.push_back(i == length ? code : U'\uFFFD');
        s += i;
    }
    return points;
}

// A message queued now, at the screen point `point`.
QueuedInput Queued(const OsMessage& message, OsPoint point) {
    QueuedInput queued;
    queued.message = message;
    queued.time = DriverNow();
    queued.point = point;
    return queued;
}

}  // namespace

namespace rules {

void QueuePointerMessage(uint32_t message) {
    Window* target = PointerTarget();
    if (target == nullptr) return;
    const OsRect client = ClientRectOnScreen(*target);
    const QueuedInput queued =
        Queued(OsMessage{Handle(target), message, KeyState(),
                         PackPoint(state.cursor.x - client.left, state.cursor.y - client.top)},
               state.cursor);
    // The queue holds at most the latest of a run of moves, as Windows merges them.
    if (message == WM_MOUSEMOVE && !state.input.empty() &&
        state.input.back().message.message == WM_MOUSEMOVE &&
        state.input.back().message.window == queued.message.window) {
        state.input.back() = queued;
        return;
    }
    QueueInput(queued);
}

}  // namespace rules

void InputPointerMove(OsPoint screen) {
    state.cursor = screen;
    QueuePointerMessage(WM_MOUSEMOVE);
}

void InputPointerButton(uint32_t button, bool down, OsPoint screen) {
    const bool right = button == VK_RBUTTON;
    state.cursor = screen;
    (right ? state.rightDown : state.leftDown) = down;
    const uint32_t message =
        right ? (down ? WM_RBUTTONDOWN : WM_RBUTTONUP) : (down ? WM_LBUTTONDOWN : WM_LBUTTONUP);
    QueuePointerMessage(message);
}

void InputKeyboardKey(uint32_t virtualKey, uint32_t bits, bool down, bool altHeld, KeyText text) {
    Window* target = state.focus != nullptr ? state.focus : state.active;
    if (target == nullptr || target->destroyed) return;
    const bool system = altHeld || state.focus == nullptr;
    const uint32_t message =
        down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    // The repeat count is 1; a key pressed again before its release repeats, and says it was
    // down already; a release also tells that the key was down and is going up.
    const bool repeat = down && !state.keysHeld.insert(virtualKey).second;
    if (!down) state.keysHeld.erase(virtualKey);
    const uint32_t data = 1u | bits | (altHeld ? uint32_t{KF_ALTDOWN} << 16 : 0u) |
                          (repeat ? 1u << 30 : 0u) | (down ? 0u : 3u << 30);
    QueuedInput queued = Queued(
        OsMessage{Handle(target), message, virtualKey, static_cast<LParam>(data)}, state.cursor);
    queued.keyText = text;
    QueueInput(queued);
}

void InputText(const char* utf8) {
    std::u32string points = CodePoints(utf8);
    for (auto it = state.input.rbegin(); it != state.input.rend(); ++it) {
        const uint32_t message = it->message.message;
        if (message == WM_KEYUP || message == WM_SYSKEYUP) continue;
        if ((message == WM_KEYDOWN || message == WM_SYSKEYDOWN) &&
            it->keyText == KeyText::Attached) {
            it->text += points;
            return;
        }
        break;
    }
    // Typed without a key of its own (an input method's result): characters of their own.
    Window* target = state.focus;
    if (target == nullptr) return;
    for (const char32_t c : points) {
        QueueInput(
            Queued(OsMessage{Handle(target), WM_CHAR, CodePageCharacter(c), 1}, state.cursor));
    }
}

void InputCaptionButton(WindowHandle window, int32_t hit) {
    Window* found = Win(window);
    if (found == nullptr) return;
    Window& w = *found;
    if (!Visible(w) || (w.style & WS_CAPTION) != WS_CAPTION) return;
    const bool given = (hit == HTMINBUTTON && (w.style & WS_MINIMIZEBOX) != 0) ||
                       (hit == HTMAXBUTTON && (w.style & WS_MAXIMIZEBOX) != 0) ||
                       (hit == HTCLOSE && (w.style & WS_SYSMENU) != 0);
    // The buttons stand 20 pixels apart at the caption's right end: minimise, maximise, close.
    const OsRect in = DriverFrameInsets(w.style);
    const int32_t fromRight = hit == HTCLOSE ? 12 : hit == HTMAXBUTTON ? 32 : 52;
    const OsPoint point{w.rect.right - fromRight, w.rect.top + (in.top + in.left) / 2};
    QueueInput(Queued(OsMessage{window, WM_NCLBUTTONDOWN, WParam(given ? hit : HTCAPTION),
                                PackPoint(point.x, point.y)},
                      point));
}

void InputActivated(WindowHandle window) {
    Window* w = Win(window);
    if (w != nullptr || window == nullptr) Activate(w);
}

void InputDeactivated(WindowHandle window) {
    if (window != nullptr && state.active == Win(window)) Activate(nullptr);
}

void InputExposed(WindowHandle window, const OsRect* area) {
    OsRedrawWindow(window, area, RDW_INVALIDATE);
}

void InputMovedBySystem(WindowHandle window, OsPoint clientOrigin) {
    Window* found = Win(window);
    if (found == nullptr) return;
    Window& w = *found;
    const OsRect client = ClientRectOnScreen(w);
    const int32_t dx = clientOrigin.x - client.left;
    const int32_t dy = clientOrigin.y - client.top;
    if ((dx == 0 && dy == 0) || Minimized(w)) return;
    w.rect = OsRect{w.rect.left + dx, w.rect.top + dy, w.rect.right + dx, w.rect.bottom + dy};
    if ((w.style & WS_MAXIMIZE) == 0) w.normalRect = w.rect;
    w.lastChange = PositionChange{true, false};
    Send(&w, WM_WINDOWPOSCHANGED);
}

// Where the window system last reported the pointer, or where it was warped to.
bool OsGetCursorPos(OsPoint* point) {
    DriverTakeInput();
    *point = state.cursor;
    return true;
}

bool OsSetCursorPos(int32_t x, int32_t y) {
    const OsPoint screen = DriverScreenSize();
    const OsPoint to{std::clamp(x, 0, screen.x - 1), std::clamp(y, 0, screen.y - 1)};
    DriverWarpCursor(to);
    InputPointerMove(to);
    return true;
}

int32_t OsShowCursor(bool show) {
    state.cursorShowCount += show ? 1 : -1;
    DriverShowCursor(state.cursorShowCount >= 0);
    return state.cursorShowCount;
}
