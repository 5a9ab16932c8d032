// Internal state of the headless backend, shared by its files: the simulated windows, queue,
// clock, cursor and processes, and the helpers more than one file needs.
#pragma once
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/headless/headless.h"

namespace headless {

struct Timer {
    uint32_t period;
    uint64_t due;
};

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

// What the last SetWindowPos changed, for the default handling of WM_WINDOWPOSCHANGED.
struct PositionChange {
    bool moved = false;
    bool sized = false;  // also a change between minimised, maximised and normal
};

struct Window {
    WindowProc proc;
    uint32_t classStyle;
    uint32_t style;  // as the window reports it: WS_VISIBLE, WS_MINIMIZE, WS_MAXIMIZE follow it
    uint32_t exStyle;
    OsRect rect;                    // outer rectangle, screen coordinates
    OsRect normalRect;              // where a minimised or maximised window is restored to
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
};

// A hardware message in the input queue, with the time and screen point it was made at.
struct QueuedInput {
    OsMessage message;
    uint64_t time;
    OsPoint point;
};

// The last button press taken from the queue, which a second one may complete to a double click.
struct LastClick {
    uint32_t message = 0;
    Window* window = nullptr;
    uint64_t time = 0;
    OsPoint point{0, 0};
};

struct Simulation {
    int32_t screenWidth = 1024;
    int32_t screenHeight = 768;
    std::vector<uint32_t> screen;
    std::map<std::string, std::pair<uint32_t, WindowProc>> classes;
    std::vector<std::unique_ptr<Window>> windows;
    std::deque<OsMessage> posted;
    std::deque<QueuedInput> input;
    bool quitPosted = false;
    int32_t quitCode = 0;
    uint64_t clock = 0;
    Window* capture = nullptr;
    Window* active = nullptr;
    Window* focus = nullptr;
    LastClick lastClick;
    OsPoint cursor{0, 0};
    int32_t cursorShowCount = 0;
    bool leftDown = false;
    bool rightDown = false;
    int32_t depth = 0;
    int32_t emptyPolls = 0;
    std::function<void()> idleHook;
    std::vector<LoggedMessage> log;
    std::string programFolder = "C:\\Varorizo\\";
    std::string currentDirectory = "C:\\Varorizo\\";
    std::vector<std::string> searchPath;
    std::set<std::string> programFiles;  // in lower case: file names do not tell case apart
    uint32_t programRunTime = 0;
    std::vector<StartedProcess> processes;
};

extern Simulation sim;

Window* Win(WindowHandle handle);
WindowHandle Handle(Window* window);
bool Visible(const Window& w);
bool Minimized(const Window& w);
OsRect ClientRectOnScreen(const Window& w);
int32_t ClientWidth(const Window& w);
int32_t ClientHeight(const Window& w);
// Marks the whole client area, frame and background for repainting (a visible window only).
void InvalidateWhole(Window& w);
LParam PackPoint(int32_t x, int32_t y);
LResult CallProc(Window* w, uint32_t message, WParam wParam, LParam lParam, bool sent);
LResult Send(Window* w, uint32_t message, WParam wParam = 0, LParam lParam = 0);
void Post(Window* w, uint32_t message, WParam wParam, LParam lParam);
void QueuePointerMessage(uint32_t message);
bool NextMessage(OsMessage* out, bool remove);
bool QueueEmpty();
uint64_t NextTimerDue();
// Moves the window, sending what SetWindowPos sends; `stateChanged` counts a change between
// minimised, maximised and normal as a change of size.
void MoveWindow(Window& w, OsRect to, bool stateChanged);
// Makes `w` (or none) the active window, with the messages both windows get.
void Activate(Window* w);
void SetFocus(Window* w);
bool ShowWindow(Window& w, int32_t showCommand);
// The program file a start runs, or "" when none is found.
std::string FindProgram(const OsProcessStart& start);

}  // namespace headless
