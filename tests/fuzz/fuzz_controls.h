// Control lists made from the input, of every kind, with field values inside what callers must
// respect: rectangles (a knob at any offset, a thumb, an outline ring, a text field's panel and
// text) inside the frame buffer, and pictures, sheets, strips, masks and frame pieces of exactly
// the sizes the painter reads. Their callbacks act: they change controls, answer whether a
// press is a click, describe pop-up grids and pump messages themselves.
#pragma once
#include <cstdint>

#include "platform/platform.h"
#include "toolkit/control.h"

// A list of up to ten controls of any kind, made activeList.
void BuildAnyControls();
// A list of one to three text fields, sometimes with a push button, made activeList.
void BuildTextFields();
// A text field of c's width and height with a font, text and frame from the input, placed so
// that everything its painting and caret touch lies inside the frame buffer, within `reach`
// when given. False when no such place exists.
bool BuildTextField(Control& c, OsRect* reach);
