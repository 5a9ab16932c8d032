// The modal loops that follow the pointer while its button is held: slider knob, scroll thumb,
// drag source and drag-and-drop area. Each pumps every message of the thread itself (one
// blocking get a message) until its gesture is over; the window argument is always none.
#pragma once
#include <cstdint>

#include "platform/platform.h"
#include "toolkit/control.h"

// Slider knob: the knob follows the pointer along its axis within 0 .. extent.
void TrackSliderKnob(WindowHandle messageWindow, Control* items, int32_t index);
// Scroll bar: the thumb follows the pointer; the scroll position follows the thumb.
void TrackScrollThumb(WindowHandle messageWindow, Control* items, int32_t index);
// Drag source: onChange on every new position, onRelease at the release.
void TrackDragSource(WindowHandle messageWindow, Control* items, int32_t index);
// Drag-and-drop area: onPointer with reason 16 on every new position, 32 at the drop.
void TrackDragDrop(WindowHandle messageWindow, Control* items, int32_t index);
