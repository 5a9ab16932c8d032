// The main window and the one 800 x 600 frame buffer that every drawing routine writes into;
// repaint requests by rectangle and the paint that copies the frame buffer to the window.
#pragma once
#include <cstdint>

#include "platform/platform.h"

constexpr int32_t kDirtyEmptyCorner =
    0x4000;  // empty DirtyRect: left = top = this, right = bottom = 0
constexpr int32_t kFrameWidth = 800;
constexpr int32_t kFrameHeight = 600;

extern WindowHandle mainWindow;            // the application's window, null until created
extern DeviceContext mainWindowDC;         // its own device context, kept for its life
extern uint32_t* FrameBuffer;              // 600 rows of 800 pixels (blue, green, red, unused)
extern int32_t frameWidth;                 // 800
extern int32_t frameHeight;                // 600
extern int32_t frameRowPixels;             // pixels from one frame-buffer row to the next: 800
extern const uint32_t* backgroundPicture;  // the full-window background, frame-buffer format
extern OsRect DirtyRect;                   // the latest repaint request, or empty

// Registers the class, creates the window with an 800 x 600 client area, centres it, allocates
// the frame buffer and fills it with `background` (800 x 600 pixels in the frame buffer's own
// format, owned by the application and kept as backgroundPicture). Returns the window or null.
WindowHandle CreateMainWindow(const char* className, const uint32_t* background);
// Moves the main window to the middle of the screen, keeping its size and stacking order.
void CenterWindow();
// Asks for the rectangle (left, top) .. (left + width, top + height) to be repainted later.
bool InvalidateArea(int32_t top, int32_t height, int32_t left, int32_t width);
// The same for the rectangle at (x, y) of width x height, in the order the drawing code has it.
inline bool InvalidateRectangle(int32_t x, int32_t y, int32_t width, int32_t height) {
    return InvalidateArea(y, height, x, width);
}
// Delivers any pending repaint of the main window before returning.
void UpdateWindowNow();
// The paint handler: copies the frame buffer's pixels of the area being painted to the window;
// only the invalid area changes on screen.
void PresentFrame();
void SetDirtyRectEmpty();
