// The modal loops that hide the cursor and hold it at the window's centre, turning its motion
// into values: the dial and the free-motion area. The window argument is always none.
#pragma once
#include <cstdint>

#include "platform/platform.h"
#include "toolkit/control.h"

// Dial: the hidden cursor's motion turns the value; a right press cancels.
void TrackDial(WindowHandle messageWindow, Control* items, int32_t index);
// Free-motion area: the hidden cursor's motion goes to onChange as dx, dy.
void TrackFreeMove(WindowHandle messageWindow, Control* items, int32_t index);
