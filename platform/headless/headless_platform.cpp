// A faithful simulation of the Win32 window manager subset the system relies on: queue order
// (posted, quit, input, then WM_PAINT while an update region exists, then due WM_TIMER),
// update regions, paint clipping, capture, the cursor and a virtual clock.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <memory>
#include <string>

#include "platform/headless/headless.h"

namespace {

// Default metrics of a captioned window: a 3-pixel frame and a 19-pixel caption.
constexpr int32_t kFrame = 3;
constexpr int32_t kCaption = 19;
constexpr int32_t kPollsBeforeHang = 1'000'000;

struct Timer {
    uint32_t period;
    uint64_t due;
};

struct Window {
    WindowProc proc;
    uint32_t style;
    uint32_t exStyle;
    OsRect rect;  // outer rectangle, screen coordinates
    bool visible = false;
    bool destroyed = false;
    std::vector<uint8_t> update;  // one byte per client pixel: 1 = invalid
    bool hasUpdate = false;       // some byte of `update` is 1
    bool painting = false;
    std::vector<uint8_t> paintClip;  // the region being painted between BeginPaint and EndPaint
    std::map<uintptr_t, Timer> timers;
};

struct Simulation {
    int32_t screenWidth = 1024;
    int32_t screenHeight = 768;
    std::vector<uint32_t> screen;
    std::map<std::string, std::pair<uint32_t, WindowProc>> classes;
    std::vector<std::unique_ptr<Window>> windows;
    std::deque<OsMessage> posted;
    std::deque<OsMessage> input;
    bool quitPosted = false;
    int32_t quitCode = 0;
    uint64_t clock = 0;
    Window* capture = nullptr;
    Window* active = nullptr;
    OsPoint cursor{0, 0};
    int32_t cursorShowCount = 0;
    bool leftDown = false;
    bool rightDown = false;
    int32_t depth = 0;
    int32_t emptyPolls = 0;
    bool idleHookRan = false;  // the hook has had its chance since the last message was taken
    std::function<void()> idleHook;
    std::vector<LoggedMessage> log;
    std::string programFolder = "C:\\Varorizo\\";
    std::set<std::string> programFiles;
    std::vector<StartedProcess> processes;
};

Simulation sim;

Window* Win(WindowHandle handle) {
    auto* window = reinterpret_cast<Window*>(handle);
    for (auto& w : sim.windows) {
        if (w.get() == window && !w->destroyed) return window;
    }
    return nullptr;
}

WindowHandle Handle(Window* window) {
    return reinterpret_cast<WindowHandle>(window);
}

bool Captioned(uint32_t style) {
    return (style & WS_CAPTION) != 0;
}

OsRect ClientRectOnScreen(const Window& w) {
    if (!Captioned(w.style)) return w.rect;
    return OsRect{w.rect.left + kFrame, w.rect.top + kFrame + kCaption, w.rect.right - kFrame,
                  w.rect.bottom - kFrame};
}

int32_t ClientWidth(const Window& w) {
    OsRect r = ClientRectOnScreen(w);
    return std::max(0, r.right - r.left);
}

int32_t ClientHeight(const Window& w) {
    OsRect r = ClientRectOnScreen(w);
    return std::max(0, r.bottom - r.top);
}

void ResizeRegions(Window& w) {
    size_t size = static_cast<size_t>(ClientWidth(w)) * static_cast<size_t>(ClientHeight(w));
    w.update.assign(size, 0);
    w.hasUpdate = false;
}

void Validate(Window& w) {
    std::fill(w.update.begin(), w.update.end(), 0);
    w.hasUpdate = false;
}

void Invalidate(Window& w, const OsRect* area) {
    if (!w.visible) return;  // a hidden window collects no update region
    int32_t width = ClientWidth(w);
    int32_t height = ClientHeight(w);
    OsRect r = area != nullptr ? *area : OsRect{0, 0, width, height};
    r.left = std::max(r.left, 0);
    r.top = std::max(r.top, 0);
    r.right = std::min(r.right, width);
    r.bottom = std::min(r.bottom, height);
    for (int32_t y = r.top; y < r.bottom; ++y) {
        for (int32_t x = r.left; x < r.right; ++x)
            w.update[size_t(y) * size_t(width) + size_t(x)] = 1;
    }
    if (r.left < r.right && r.top < r.bottom) w.hasUpdate = true;
}

LParam PackPoint(int32_t x, int32_t y) {
    return static_cast<LParam>((static_cast<uint32_t>(y) & 0xFFFFu) << 16 |
                               (static_cast<uint32_t>(x) & 0xFFFFu));
}

LResult CallProc(Window* w, uint32_t message, WParam wParam, LParam lParam, bool sent) {
    sim.log.push_back(LoggedMessage{message, wParam, lParam, sim.depth, sent});
    ++sim.depth;
    LResult result = w->proc(Handle(w), message, wParam, lParam);
    --sim.depth;
    return result;
}

LResult Send(Window* w, uint32_t message, WParam wParam = 0, LParam lParam = 0) {
    if (w == nullptr || w->destroyed) return 0;
    return CallProc(w, message, wParam, lParam, true);
}

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

void QueuePointerMessage(uint32_t message) {
    Window* target = PointerTarget();
    if (target == nullptr) return;
    OsRect client = ClientRectOnScreen(*target);
    sim.input.push_back(
        OsMessage{Handle(target), message, KeyState(),
                  PackPoint(sim.cursor.x - client.left, sim.cursor.y - client.top)});
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

uint64_t NextTimerDue() {
    uint64_t next = UINT64_MAX;
    for (auto& w : sim.windows) {
        if (w->destroyed) continue;
        for (auto& entry : w->timers) next = std::min(next, entry.second.due);
    }
    return next;
}

bool NextMessageInOrder(OsMessage* out, bool remove);

// The next message in Win32 order; `remove` takes it (generated messages are re-armed).
bool NextMessage(OsMessage* out, bool remove) {
    if (!NextMessageInOrder(out, remove)) return false;
    if (remove) sim.idleHookRan = false;
    return true;
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

bool QueueEmpty() {
    OsMessage ignored{};
    return !NextMessage(&ignored, false);
}

// A poll of an empty queue gives the idle hook its chance to feed input; time only passes
// when a test advances the clock or the program waits.
void IdlePoll() {
    if (sim.idleHook) sim.idleHook();
    sim.idleHookRan = true;
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

void HeadlessReset(int32_t screenWidth, int32_t screenHeight) {
    sim = Simulation{};
    sim.screenWidth = screenWidth;
    sim.screenHeight = screenHeight;
    sim.screen.assign(size_t(screenWidth) * size_t(screenHeight), 0);
}

void HeadlessAdvanceClock(uint32_t milliseconds) {
    sim.clock += milliseconds;
}

uint64_t HeadlessClock() {
    return sim.clock;
}

void HeadlessPointerMoveTo(int32_t screenX, int32_t screenY) {
    sim.cursor = OsPoint{screenX, screenY};
    QueuePointerMessage(WM_MOUSEMOVE);
}

void HeadlessPointerButton(HeadlessButton button, bool down) {
    bool left = button == HeadlessButton::Left;
    (left ? sim.leftDown : sim.rightDown) = down;
    uint32_t message =
        left ? (down ? WM_LBUTTONDOWN : WM_LBUTTONUP) : (down ? WM_RBUTTONDOWN : WM_RBUTTONUP);
    QueuePointerMessage(message);
}

void HeadlessKeyDown(uint32_t virtualKey) {
    if (sim.active == nullptr || sim.active->destroyed) return;
    constexpr uint32_t kScanCode = 0x1C;
    sim.input.push_back(
        OsMessage{Handle(sim.active), WM_KEYDOWN, virtualKey, LParam{1 | (kScanCode << 16)}});
}

void HeadlessSetIdleHook(std::function<void()> hook) {
    sim.idleHook = std::move(hook);
}

uint32_t HeadlessScreenPixel(int32_t x, int32_t y) {
    if (x < 0 || y < 0 || x >= sim.screenWidth || y >= sim.screenHeight) return 0;
    return sim.screen[size_t(y) * size_t(sim.screenWidth) + size_t(x)];
}

OsPoint HeadlessClientOrigin(WindowHandle window) {
    Window* w = Win(window);
    if (w == nullptr) return OsPoint{0, 0};
    OsRect r = ClientRectOnScreen(*w);
    return OsPoint{r.left, r.top};
}

bool HeadlessUpdateRegionContains(WindowHandle window, int32_t x, int32_t y) {
    Window* w = Win(window);
    if (w == nullptr || x < 0 || y < 0 || x >= ClientWidth(*w) || y >= ClientHeight(*w)) {
        return false;
    }
    return w->update[size_t(y) * size_t(ClientWidth(*w)) + size_t(x)] != 0;
}

bool HeadlessIsVisible(WindowHandle window) {
    Window* w = Win(window);
    return w != nullptr && w->visible;
}

bool HeadlessWindowExists(WindowHandle window) {
    return Win(window) != nullptr;
}

int32_t HeadlessCursorShowCount() {
    return sim.cursorShowCount;
}

void HeadlessSetProgramFolder(const std::string& folder) {
    sim.programFolder = folder;
}

void HeadlessAddProgramFile(const std::string& path) {
    sim.programFiles.insert(path);
}

const std::vector<StartedProcess>& HeadlessProcessLog() {
    return sim.processes;
}

const std::vector<LoggedMessage>& HeadlessMessageLog() {
    return sim.log;
}

void HeadlessClearMessageLog() {
    sim.log.clear();
}

// ---- the seam ----

ModuleHandle OsGetModuleHandle() {
    return reinterpret_cast<ModuleHandle>(&sim);
}

bool OsRegisterClass(const OsWindowClass& windowClass) {
    if (windowClass.className == nullptr || windowClass.proc == nullptr) return false;
    return sim.classes
        .emplace(windowClass.className, std::pair{windowClass.style, windowClass.proc})
        .second;
}

WindowHandle OsCreateWindow(uint32_t exStyle, const char* className, const char* /*title*/,
                            uint32_t style, int32_t x, int32_t y, int32_t width, int32_t height,
                            ModuleHandle /*instance*/) {
    auto found = sim.classes.find(className != nullptr ? className : "");
    if (found == sim.classes.end()) return nullptr;
    // A top-level window always has a caption.
    style |= WS_CAPTION;
    auto window = std::make_unique<Window>();
    window->proc = found->second.second;
    window->style = style;
    window->exStyle = exStyle;
    window->rect = OsRect{x, y, x + width, y + height};
    ResizeRegions(*window);
    Window* w = window.get();
    sim.windows.push_back(std::move(window));
    if (Send(w, WM_NCCREATE) == 0) {
        w->destroyed = true;
        return nullptr;
    }
    Send(w, WM_NCCALCSIZE);
    if (Send(w, WM_CREATE) == -1) {
        OsDestroyWindow(Handle(w));
        return nullptr;
    }
    return Handle(w);
}

bool OsDestroyWindow(WindowHandle window) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    if (sim.capture == w) OsReleaseCapture();
    w->visible = false;
    Send(w, WM_DESTROY);
    Send(w, WM_NCDESTROY);
    w->destroyed = true;
    w->timers.clear();
    if (sim.active == w) sim.active = nullptr;
    auto forWindow = [w](const OsMessage& m) { return m.window == Handle(w); };
    std::erase_if(sim.posted, forWindow);
    std::erase_if(sim.input, forWindow);
    return true;
}

bool OsAdjustWindowRect(OsRect* rect, uint32_t style, uint32_t /*exStyle*/) {
    if (!Captioned(style)) return true;
    rect->left -= kFrame;
    rect->right += kFrame;
    rect->top -= kFrame + kCaption;
    rect->bottom += kFrame;
    return true;
}

bool OsShowWindow(WindowHandle window, int32_t showCommand) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    bool wasVisible = w->visible;
    if (showCommand == SW_HIDE) {
        if (wasVisible) Send(w, WM_SHOWWINDOW, 0);
        w->visible = false;
        return wasVisible;
    }
    if (wasVisible) return true;
    Send(w, WM_SHOWWINDOW, 1);
    Send(w, WM_WINDOWPOSCHANGING);
    w->visible = true;
    Invalidate(*w, nullptr);
    Window* previous = sim.active;
    sim.active = w;
    if (previous != nullptr && previous != w) Send(previous, WM_ACTIVATE, WA_INACTIVE);
    Send(w, WM_ACTIVATEAPP, 1);
    Send(w, WM_NCACTIVATE, 1);
    Send(w, WM_ACTIVATE, WA_ACTIVE);
    Send(w, WM_SETFOCUS);
    Send(w, WM_NCPAINT, 1);
    Send(w, WM_WINDOWPOSCHANGED);
    return false;
}

bool OsGetWindowRect(WindowHandle window, OsRect* rect) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    *rect = w->rect;
    return true;
}

bool OsGetClientRect(WindowHandle window, OsRect* rect) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    *rect = OsRect{0, 0, ClientWidth(*w), ClientHeight(*w)};
    return true;
}

bool OsGetWindowInfoRect(WindowHandle window, OsRect* windowRect) {
    return OsGetWindowRect(window, windowRect);
}

bool OsSetWindowPos(WindowHandle window, int32_t x, int32_t y, int32_t width, int32_t height,
                    uint32_t flags) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    Send(w, WM_WINDOWPOSCHANGING);
    int32_t oldWidth = w->rect.right - w->rect.left;
    int32_t oldHeight = w->rect.bottom - w->rect.top;
    if ((flags & SWP_NOMOVE) == 0) w->rect = OsRect{x, y, x + oldWidth, y + oldHeight};
    if ((flags & SWP_NOSIZE) == 0) {
        w->rect.right = w->rect.left + width;
        w->rect.bottom = w->rect.top + height;
        ResizeRegions(*w);
    }
    Send(w, WM_WINDOWPOSCHANGED);
    if ((flags & SWP_NOMOVE) == 0) Send(w, WM_MOVE);
    return true;
}

DeviceContext OsGetDC(WindowHandle window) {
    return Win(window) != nullptr ? reinterpret_cast<DeviceContext>(window) : nullptr;
}

int32_t OsReleaseDC(WindowHandle window, DeviceContext /*dc*/) {
    return Win(window) != nullptr;
}

int32_t OsGetDeviceCaps(DeviceContext /*dc*/, int32_t index) {
    if (index == HORZRES) return sim.screenWidth;
    if (index == VERTRES) return sim.screenHeight;
    return 0;
}

bool OsRedrawWindow(WindowHandle window, const OsRect* area, uint32_t flags) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    if ((flags & RDW_INVALIDATE) != 0) Invalidate(*w, area);
    if ((flags & RDW_VALIDATE) != 0) Validate(*w);
    if ((flags & RDW_UPDATENOW) != 0 && w->visible && w->hasUpdate) {
        Send(w, WM_PAINT);
    }
    return true;
}

DeviceContext OsBeginPaint(WindowHandle window, OsPaint* paint) {
    Window* w = Win(window);
    if (w == nullptr) return nullptr;
    w->paintClip = w->update;
    Validate(*w);
    w->painting = true;
    OsRect bounds{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    int32_t width = ClientWidth(*w);
    for (size_t i = 0; i < w->paintClip.size(); ++i) {
        if (w->paintClip[i] == 0) continue;
        int32_t x = static_cast<int32_t>(i % size_t(width));
        int32_t y = static_cast<int32_t>(i / size_t(width));
        bounds = OsRect{std::min(bounds.left, x), std::min(bounds.top, y),
                        std::max(bounds.right, x + 1), std::max(bounds.bottom, y + 1)};
    }
    if (bounds.right < bounds.left) bounds = OsRect{0, 0, 0, 0};
    paint->dc = OsGetDC(window);
    paint->paintArea = bounds;
    return paint->dc;
}

bool OsEndPaint(WindowHandle window, OsPaint* /*paint*/) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    w->painting = false;
    w->paintClip.clear();
    return true;
}

void OsBlitPixels(DeviceContext dc, const uint32_t* pixels, int32_t width, int32_t height) {
    Window* w = Win(reinterpret_cast<WindowHandle>(dc));
    if (w == nullptr || !w->visible || pixels == nullptr) return;
    OsRect client = ClientRectOnScreen(*w);
    int32_t clientWidth = ClientWidth(*w);
    for (int32_t y = 0; y < std::min(height, ClientHeight(*w)); ++y) {
        for (int32_t x = 0; x < std::min(width, clientWidth); ++x) {
            if (w->painting && w->paintClip[size_t(y) * size_t(clientWidth) + size_t(x)] == 0) {
                continue;
            }
            int32_t sx = client.left + x;
            int32_t sy = client.top + y;
            if (sx < 0 || sy < 0 || sx >= sim.screenWidth || sy >= sim.screenHeight) continue;
            sim.screen[size_t(sy) * size_t(sim.screenWidth) + size_t(sx)] =
                pixels[size_t(y) * size_t(width) + size_t(x)];
        }
    }
}

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

LResult OsDefWindowProc(WindowHandle window, uint32_t message, WParam /*wParam*/, LParam lParam) {
    Window* w = Win(window);
    if (w == nullptr) return 0;
    switch (message) {
        case WM_NCCREATE:
            return 1;
        case WM_CLOSE:
            OsDestroyWindow(window);
            return 0;
        case WM_RBUTTONUP: {
            // The context menu request follows the release, in screen coordinates.
            OsRect client = ClientRectOnScreen(*w);
            auto x = static_cast<int16_t>(lParam & 0xFFFF);
            auto y = static_cast<int16_t>((lParam >> 16) & 0xFFFF);
            Send(w, WM_CONTEXTMENU, WParam(window), PackPoint(client.left + x, client.top + y));
            return 0;
        }
        case WM_PAINT: {
            OsPaint paint{};
            OsBeginPaint(window, &paint);
            OsEndPaint(window, &paint);
            return 0;
        }
        default:
            return 0;
    }
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

// The idle hook gets one chance per wait (the peek before the wait may have given it already);
// when it brings nothing, time passes until the next timer is due.
bool OsWaitMessage() {
    if (!QueueEmpty()) return true;
    if (!sim.idleHookRan && sim.idleHook) sim.idleHook();
    sim.idleHookRan = true;
    if (!QueueEmpty()) return true;
    uint64_t next = NextTimerDue();
    if (next == UINT64_MAX) return false;  // nothing could ever arrive
    sim.clock = std::max(sim.clock, next);
    sim.idleHookRan = false;
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

// A process handle is its position in the log, plus one.
ProcessHandle OsCreateProcess(const OsProcessStart& start) {
    StartedProcess record{start.applicationName != nullptr ? start.applicationName : "",
                          start.commandLine != nullptr ? start.commandLine : "",
                          start.inheritHandles,
                          start.creationFlags,
                          start.startupFlags,
                          start.showWindow,
                          false,
                          0,
                          false};
    // Without an application name the program is searched for in the program's folder.
    std::string file = start.applicationName != nullptr ? record.applicationName
                                                        : sim.programFolder + record.commandLine;
    record.started = sim.programFiles.count(file) == 1;
    sim.processes.push_back(record);
    if (!record.started) return nullptr;
    return reinterpret_cast<ProcessHandle>(sim.processes.size());
}

uint32_t OsWaitForProcess(ProcessHandle process, uint32_t /*milliseconds*/) {
    auto slot = reinterpret_cast<uintptr_t>(process);
    if (slot == 0 || slot > sim.processes.size()) return 0xFFFFFFFFu;
    ++sim.processes[slot - 1].waits;
    return 0;
}

bool OsCloseHandle(ProcessHandle process) {
    auto slot = reinterpret_cast<uintptr_t>(process);
    if (slot == 0 || slot > sim.processes.size()) return false;
    sim.processes[slot - 1].closed = true;
    return true;
}

bool OsGetProgramFolder(char* folder, uint32_t size) {
    if (sim.programFolder.size() + 1 > size) return false;
    std::copy(sim.programFolder.begin(), sim.programFolder.end(), folder);
    folder[sim.programFolder.size()] = '\0';
    return true;
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
