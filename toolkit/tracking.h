// The modal interaction loops that the dispatcher hands a gesture to. Each one pumps every
// message of the thread itself (polling, never waiting) until its gesture is over.
#pragma once
#include <cstdint>

#include "platform/platform.h"
#include "toolkit/control.h"

// Every loop takes the window whose messages it pumps (always none: all of the thread's), the
// control array and the control's index, and returns when the gesture has ended.

// Slider knob: the knob follows the pointer along its axis within 0 .. extent.
void TrackSliderKnob(WindowHandle messageWindow, Control* items, int32_t index);
// Scroll bar: the thumb follows the pointer; the scroll position follows the thumb.
void TrackScrollThumb(WindowHandle messageWindow, Control* items, int32_t index);
// Dial: the hidden cursor's motion turns the value; a right press cancels.
void TrackDial(WindowHandle messageWindow, Control* items, int32_t index);
// Free-motion area: the hidden cursor's motion goes to onChange as dx, dy.
void TrackFreeMove(WindowHandle messageWindow, Control* items, int32_t index);
// Drag source: onChange on every new position, onRelease at the release.
void TrackDragSource(WindowHandle messageWindow, Control* items, int32_t index);
// Drag-and-drop area: onPointer with reason 16 on every new position, 32 at the drop.
void TrackDragDrop(WindowHandle messageWindow, Control* items, int32_t index);

// Cell picker: its sheet pops up over it; the first left release picks.
void TrackCellPicker(WindowHandle messageWindow, Control* items, int32_t index);
// Framed cell picker: the selected cell pops up over it; the second left release picks, a right
// release cancels.
void TrackFramedCellPicker(WindowHandle messageWindow, Control* items, int32_t index);
// Drag source pop-up: onChange describes the grid, onRelease gets the pick.
void TrackPopupGrid(WindowHandle messageWindow, Control* items, int32_t index);

// Text field: keys and characters edit the text until Enter, Escape, Tab or a mouse button.
void TrackTextField(WindowHandle messageWindow, Control* items, int32_t index);
