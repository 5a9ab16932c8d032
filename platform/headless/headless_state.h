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
    std::function<void()> idleHook;
    std::vector<LoggedMessage> log;
    std::string programFolder = "C:\\Varorizo\\";
    std::set<std::string> programFiles;
    uint32_t programRunTime = 0;
    std::vector<StartedProcess> processes;
};

extern Simulation sim;

Window* Win(WindowHandle handle);
WindowHandle Handle(Window* window);
OsRect ClientRectOnScreen(const Window& w);
int32_t ClientWidth(const Window& w);
int32_t ClientHeight(const Window& w);
void Validate(Window& w);
LParam PackPoint(int32_t x, int32_t y);
LResult CallProc(Window* w, uint32_t message, WParam wParam, LParam lParam, bool sent);
LResult Send(Window* w, uint32_t message, WParam wParam = 0, LParam lParam = 0);
void QueuePointerMessage(uint32_t message);
bool NextMessage(OsMessage* out, bool remove);
bool QueueEmpty();
uint64_t NextTimerDue();

}  // namespace headless
