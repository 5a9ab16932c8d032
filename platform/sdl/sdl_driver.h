// The SDL driver's own parts, shared by its files: each window's SDL window, the video
// subsystem, and SDL's keys as Windows virtual keys.
#pragma once
#include <SDL.h>

#include <cstdint>

#include "platform/rules/driver.h"

struct DriverWindow {
    SDL_Window* sdl = nullptr;
    bool shown = false;
    bool minimized = false;
    OsRect client{0, 0, 0, 0};  // where the SDL window's client area was put last
};

namespace sdl {

// Starts the video subsystem with the first call; false, with the reason on the error output,
// when no window can be opened.
bool EnsureVideo();
bool VideoReady();
// The rules' window of an SDL window, null for none of ours.
WindowHandle WindowOfId(uint32_t sdlWindowId);
// Win32 virtual key, scan code and extended flag of an SDL key; false for keys without one.
bool VirtualKeyOf(const SDL_Keysym& key, uint32_t* virtualKey, uint32_t* scanCode, bool* extended);
// Set when a warp of the cursor is expected to come back as a move of its own, at `to`.
void ExpectWarpEcho(OsPoint to);

}  // namespace sdl
