// The Win32 window manager that the code above the seam relies on, written once for every
// backend that is not Windows itself: windows and classes, the queue and its order, capture,
// timers, update regions and the paint bracket, the default procedure. Internal to platform/:
// the rules' own files include it; a driver sees only driver.h.
#pragma once
#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/rules/driver.h"

namespace rules {

// A set of client pixels and the box that bounds them, so that clearing and walking it costs
// only its box.
struct Region {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixels;  // one byte a client pixel: 1 = inside
    OsRect bounds{0, 0, 0, 0};    // empty when no pixel is inside

    void Reset(int32_t newWidth, int32_t newHeight);
    void Add(OsRect area);  // clipped to the client area
    void Clear();
    bool Empty() const { return bounds.left >= bounds.right; }
    bool Contains(int32_t x, int32_t y) const {
        return pixels[size_t(y) * size_t(width) + size_t(x)] != 0;
    }
};

struct Timer {
    uint32_t period;
    uint64_t due;
};

// What the last SetWindowPos changed, for the default handling of WM_WINDOWPOSCHANGED.
struct PositionChange {
    bool moved = false;
    bool sized = false;  // also a change between minimised, maximised and normal
};

struct Window {
    WindowProc proc = nullptr;
    uint32_t classStyle = 0;
    uint32_t style = 0;  // as the window reports it: WS_VISIBLE, WS_MINIMIZE, WS_MAXIMIZE follow it
    uint32_t exStyle = 0;
    OsRect rect{};                  // outer rectangle, screen coordinates
    OsRect normalRect{};            // where a minimised or maximised window is restored to
    bool restoreMaximized = false;  // minimised from maximised: restoring maximises again
    bool destroyed = false;
    Region update;              // the update region
    bool framePending = false;  // the frame needs painting: the next BeginPaint sends WM_NCPAINT
    bool erasePending = false;  // the background needs erasing: BeginPaint sends WM_ERASEBKGND
    // The window's one device context (CS_OWNDC): BeginPaint clips it to the region it took,
    // EndPaint lifts the clip again, also when an outer paint is still running.
    Region dcClip;
    bool clipped = false;
    PositionChange lastChange;
    std::map<uintptr_t, Timer> timers;
    DriverWindow* driver = nullptr;
};

// A hardware message in the input queue, with the time and screen point it was made at.
struct QueuedInput {
    OsMessage message{};
    uint64_t time = 0;
    OsPoint point{};
    KeyText keyText = KeyText::FromKey;
    std::u32string text;  // the characters typed with a key-down, when Attached
};

// The last button press taken from the queue, which a second one may complete to a double click.
struct LastClick {
    uint32_t message = 0;
    Window* window = nullptr;
    uint64_t time = 0;
    OsPoint point{0, 0};
};

struct State {
    std::map<std::string, std::pair<uint32_t, WindowProc>, std::less<>> classes;
    std::vector<std::unique_ptr<Window>> windows;
    std::deque<OsMessage> posted;
    std::deque<QueuedInput> input;
    bool quitPosted = false;
    int32_t quitCode = 0;
    Window* capture = nullptr;
    Window* active = nullptr;
    Window* focus = nullptr;
    LastClick lastClick;
    OsPoint cursor{0, 0};
    int32_t cursorShowCount = 0;
    bool leftDown = false;
    bool rightDown = false;
    std::set<uint32_t> keysDown;  // as the key messages taken from the queue left them
    std::set<uint32_t> keysHeld;  // as the keyboard holds them, before their messages are taken
    int32_t depth = 0;            // procedures running now, one inside the other
    // The characters of the last key-down taken from the queue, for TranslateMessage.
    OsMessage lastKey{};
    KeyText lastKeyText = KeyText::FromKey;
    std::u32string lastKeyCharacters;
};

extern State state;

// Windows and their geometry (windows.cpp)
Window* Win(WindowHandle handle);
// The record of a window also while it is being destroyed, for its driver part.
Window* Record(WindowHandle handle);
WindowHandle Handle(Window* window);
bool Visible(const Window& w);
bool Minimized(const Window& w);
OsRect ClientRectOnScreen(const Window& w);
int32_t ClientWidth(const Window& w);
int32_t ClientHeight(const Window& w);
LParam PackPoint(int32_t x, int32_t y);
// Calls the window's procedure, as a sent message or one dispatched from the queue.
LResult CallProc(Window* w, uint32_t message, WParam wParam, LParam lParam, bool sent);
LResult Send(Window* w, uint32_t message, WParam wParam = 0, LParam lParam = 0);

// Painting (paint.cpp)
// Marks the whole client area, frame and background for repainting (a visible window only).
void InvalidateWhole(Window& w);

// Showing and activation (show.cpp)
// Moves the window, sending what SetWindowPos sends; `stateChanged` counts a change between
// minimised, maximised and normal as a change of size.
void MoveWindow(Window& w, OsRect to, bool stateChanged);
// Makes `w` (or none) the active window, with the messages both windows get.
void Activate(Window* w);
void SetFocus(Window* w);
bool ShowWindow(Window& w, int32_t showCommand);

// The queue (queue.cpp)
// Every posted message goes through here, so that all of them are taken oldest first.
void Post(WindowHandle window, uint32_t message, WParam wParam, LParam lParam);
void QueueInput(const QueuedInput& input);
void QueuePointerMessage(uint32_t message);
bool QueueEmpty();
uint64_t NextTimerDue();  // UINT64_MAX without timers
// A character in the single-byte code page of the messages: Latin-1, which the Windows code
// page agrees with below 0x80 and from 0xA0 up; anything else becomes "?", as there.
uint32_t CodePageCharacter(char32_t c);

// Forgets every window, class, message, timer and capture; the cursor goes to (0, 0), visible.
void Reset();

}  // namespace rules
