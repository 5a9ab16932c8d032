// Internal state of the SDL backend, shared by its files: the windows with their update regions
// and timers, the Win32-ordered queue made from SDL's events, the cursor and the capture.
#pragma once
#include <SDL.h>

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace sdl {

struct Timer {
    uint32_t period;
    uint64_t due;  // SDL_GetTicks64 time
};

struct Window {
    SDL_Window* sdl = nullptr;
    WindowProc proc = nullptr;
    int32_t clientWidth = 0;
    int32_t clientHeight = 0;
    bool visible = false;
    bool destroyed = false;
    std::vector<OsRect> update;  // the update region as rectangles, client coordinates
    bool painting = false;
    std::vector<OsRect> paintClip;  // the region being painted between BeginPaint and EndPaint
    std::map<uintptr_t, Timer> timers;
};

struct Backend {
    bool videoReady = false;
    std::map<std::string, WindowProc, std::less<>> classes;
    std::vector<std::unique_ptr<Window>> windows;
    std::deque<OsMessage> posted;
    std::deque<OsMessage> input;
    bool quitPosted = false;
    int32_t quitCode = 0;
    Window* capture = nullptr;
    bool leftDown = false;
    bool rightDown = false;
    int32_t cursorShowCount = 0;
    bool warpEchoExpected = false;  // SetCursorPos queued its own move; the platform's is dropped
    OsPoint warpTarget{};           // screen coordinates of that warp
};

extern Backend backend;

bool EnsureVideo();
Window* Win(WindowHandle handle);
Window* WinOfId(uint32_t sdlWindowId);
WindowHandle Handle(Window* window);
LParam PackPoint(int32_t x, int32_t y);
OsRect OuterRect(const Window& w);  // screen coordinates, the frame the system draws included
OsPoint ClientOrigin(const Window& w);
void Invalidate(Window& w, const OsRect* area);
LResult Send(Window* w, uint32_t message, WParam wParam = 0, LParam lParam = 0);
// Takes every event SDL has into the input queue as Win32 messages.
void TranslateSdlEvents();
// Win32 virtual key, scan code and extended flag of an SDL key; false for keys without one.
bool VirtualKeyOf(const SDL_Keysym& key, uint32_t* virtualKey, uint32_t* scanCode, bool* extended);

}  // namespace sdl
