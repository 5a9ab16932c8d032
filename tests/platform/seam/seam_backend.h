// What the seam suite needs of each backend beyond the seam itself: input made the backend's
// own way (test calls, SDL events, real input through SendInput), time passing, programs to
// start, and what the window shows. One file a backend: seam_headless, seam_sdl, seam_win32.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/platform.h"

// The backend's name, for failure messages.
const char* SeamBackendName();
// Why this backend cannot show the named rule (the test is skipped there), or null.
const char* SeamCannotShow(const char* rule);
// Whether the clock is virtual: time passes exactly as asked, so boundaries can be tested.
bool SeamVirtualTime();

// Before each test: a fresh platform as far as the backend allows. After it, the window the
// test made is destroyed by the test itself.
void SeamSetUp();
// The window that input made through the calls below is meant for, with its class name.
void SeamSetWindow(WindowHandle window);

void SeamPointerTo(OsPoint screen);
void SeamButton(uint32_t button, bool down);  // VK_LBUTTON or VK_RBUTTON
// A press and release of the key, with Alt held around them when asked.
void SeamKey(uint32_t virtualKey, bool altHeld);
// A click on the window's minimise (HTMINBUTTON), maximise or close (HTCLOSE) box.
void SeamClickCaption(WindowHandle window, int32_t hit);
void SeamLetTimePass(uint32_t milliseconds);

// Starts a program that ends at once (quick) or runs for about two seconds; and waits until a
// quick one has surely ended.
ProcessHandle SeamStartProgram(bool quick);
void SeamLetProgramEnd(ProcessHandle process);

// The pixel that the window shows at client position (x, y), as 0x00RRGGBB.
uint32_t SeamClientPixel(WindowHandle window, int32_t x, int32_t y);
// All the pixels of the client area's top-left `width` x `height`, rows top to bottom.
std::vector<uint32_t> SeamClientPixels(WindowHandle window, int32_t width, int32_t height);
// The same read pixel by pixel, for the backends where a pixel costs little to read.
std::vector<uint32_t> EachClientPixel(WindowHandle window, int32_t width, int32_t height);
