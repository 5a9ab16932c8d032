// The driver interface: what a backend built on the shared window-manager rules supplies
// (the clock, waiting, input, where presented pixels go, the screen and the cursor), what it
// reads of the rules, and what it calls to hand them its input. All a driver includes of the
// rules; plain free functions, one driver linked in. Windows are named by their handles.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/platform.h"

struct DriverWindow;  // what a driver keeps for one window (the SDL driver: its SDL window)

// ---- What a driver supplies ----

// The clock, in milliseconds.
uint64_t DriverNow();
// Takes what the window system has to say (input, exposures, close requests) into the rules,
// through the calls below. Called before every look at the queue.
void DriverTakeInput();
// After each peek at the queue and each get: whether a message was found.
void DriverLookedAtQueue(bool found);
// The thread has nothing to do: waits until input may have arrived or the clock reaches
// `until` (UINT64_MAX: no limit). False when nothing could ever arrive.
bool DriverWait(uint64_t until);

// The screen's size in pixels, and the frame and caption that the window system draws round
// the client area of a window with `style`, as insets of the outer rectangle.
OsPoint DriverScreenSize();
OsRect DriverFrameInsets(uint32_t style);

// Each window's own part: made when the rules create the window (false when it cannot be; the
// window is already known, so WindowClientOnScreen answers), told whenever the window is shown,
// hidden, moved, sized, minimised or maximised, and ended when the window is destroyed (also
// when the rules are reset).
bool DriverCreateWindow(WindowHandle window, const char* title);
void DriverPlaceWindow(WindowHandle window);
void DriverDestroyWindow(WindowHandle window);
// Shows the rectangles `rects` (client coordinates, inside the client area) of `pixels`, rows
// of `stride` pixels, in the window's client area.
void DriverPresent(WindowHandle window, const uint32_t* pixels, int32_t stride, const OsRect* rects,
                   size_t count);

// The cursor: a warp, and whether it is shown. Where it is, the rules know from the input.
void DriverWarpCursor(OsPoint to);
void DriverShowCursor(bool visible);

// Every message a window procedure is given, for the drivers that keep a log of them.
void DriverSawMessage(uint32_t message, WParam wParam, LParam lParam, int32_t depth, bool sent);

// Programs started through the seam: whether one has ended. `waitBegins` is set on the first
// look of each wait for it; while it runs, `lookAgainBy` is the clock time by which to look
// again (UINT64_MAX when nothing but the wait's own wake-ups tells).
enum class ProcessLook { Running, Ended, Unknown };
ProcessLook DriverLookAtProcess(ProcessHandle process, bool waitBegins, uint64_t* lookAgainBy);

// ---- What a driver reads of the rules ----

// Forgets every window (each driver part ended), class, message, timer and capture; the
// cursor goes to (0, 0), visible.
void ResetRules();
// Whether the queue would give a message now.
bool MessageWaiting();
// The windows not destroyed, oldest first.
std::vector<WindowHandle> LiveWindows();
bool WindowExists(WindowHandle window);
bool WindowShown(WindowHandle window);  // also while minimised
bool WindowMinimized(WindowHandle window);
// The client area in screen coordinates; a minimised window has none.
OsRect WindowClientOnScreen(WindowHandle window);
// The driver's part of the window, also of one being destroyed; null until set.
DriverWindow* WindowDriverPart(WindowHandle window);
void SetWindowDriverPart(WindowHandle window, DriverWindow* part);
int32_t CursorShowCount();

// ---- What a driver calls ----

// Where a key's characters come from when TranslateMessage asks.
enum class KeyText : uint8_t {
    FromKey,   // made from the virtual key, as a US keyboard gives them
    Attached,  // what the window system typed for it (InputText), possibly nothing
};

// The pointer is at `screen` now: a move for the capture window or the window under it.
void InputPointerMove(OsPoint screen);
// `button` is VK_LBUTTON or VK_RBUTTON.
void InputPointerButton(uint32_t button, bool down, OsPoint screen);
// A key of the keyboard: to the focus window, or as a system key to the active window while
// none has the focus; with Alt held it is a system key. `bits` are the scan code, the extended
// flag and the repeat, as they stand in the message's lParam (bits 16 to 24 and 30).
void InputKeyboardKey(uint32_t virtualKey, uint32_t bits, bool down, bool altHeld,
                      KeyText text = KeyText::FromKey);
// Characters that the window system typed (UTF-8): those of the last key pressed when it is
// still queued, else characters of their own for the focus window.
void InputText(const char* utf8);
// A press on the caption button `hit` (HTMINBUTTON, HTMAXBUTTON or HTCLOSE) of the window; a
// button its styles do not give it counts as the caption.
void InputCaptionButton(WindowHandle window, int32_t hit);
// The window system activated one of the windows, or a window that is not ours (null).
void InputActivated(WindowHandle window);
// The window system took the activation from the window: none of ours is active if it was.
void InputDeactivated(WindowHandle window);
// Part of the window was uncovered, or its contents lost: it is to be painted again.
void InputExposed(WindowHandle window, const OsRect* area);
// The window system put the window's client area at `clientOrigin` (screen coordinates).
void InputMovedBySystem(WindowHandle window, OsPoint clientOrigin);
