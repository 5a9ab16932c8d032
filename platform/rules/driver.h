// The driver interface: what a backend built on the shared window-manager rules supplies
// (the clock, waiting, input, where presented pixels go, the screen and the cursor), and what
// it calls to hand the rules its input. Plain free functions; one driver is linked in.
#pragma once
#include <cstdint>
#include <string>

#include "platform/platform.h"
#include "platform/rules/rules.h"

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

// Each window's own part: made when the rules create the window (false when it cannot be),
// told whenever the window is shown, hidden, moved, sized, minimised or maximised (its record
// holds the new state), and ended when the window is destroyed.
bool DriverCreateWindow(rules::Window& w, const char* title);
void DriverPlaceWindow(rules::Window& w);
void DriverDestroyWindow(rules::Window& w);
// Shows the rectangles `rects` (client coordinates, inside the client area) of `pixels`, rows
// of `stride` pixels, in the window's client area.
void DriverPresent(rules::Window& w, const uint32_t* pixels, int32_t stride, const OsRect* rects,
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

// ---- What a driver calls ----

// The pointer is at `screen` now: a move for the capture window or the window under it.
void InputPointerMove(OsPoint screen);
void InputPointerButton(bool right, bool down, OsPoint screen);
// A key of the keyboard: to the focus window, or as a system key to the active window while
// none has the focus; with Alt held it is a system key. `bits` are the scan code, the extended
// flag and the repeat, as they stand in the message's lParam (bits 16 to 24 and 30).
void InputKey(uint32_t virtualKey, uint32_t bits, bool down, bool altHeld,
              rules::KeyText text = rules::KeyText::FromKey);
// Characters that the window system typed (UTF-8): those of the last key pressed when it is
// still queued, else characters of their own for the focus window.
void InputText(const char* utf8);
// A press on a caption button of the window; a button its styles do not give it counts as
// the caption.
enum class CaptionButton { Minimize, Maximize, Close };
void InputCaptionButton(rules::Window& w, CaptionButton button);
// The window system activated one of the windows, or a window that is not ours (null).
void InputActivated(rules::Window* w);
// Part of the window was uncovered, or its contents lost: it is to be painted again.
void InputExposed(rules::Window& w, const OsRect* area);
// The window system put the window's client area at `clientOrigin` (screen coordinates).
void InputMovedBySystem(rules::Window& w, OsPoint clientOrigin);
