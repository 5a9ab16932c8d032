// The modal loops of the cell-picker pop-ups: a sheet or grid drawn over the frame buffer, the
// pick, and what lay under it put back. The window argument is always none.
#pragma once
#include <cstdint>

#include "platform/platform.h"
#include "toolkit/control.h"

// Cell picker: its sheet pops up over it; the first left release picks.
void TrackCellPicker(WindowHandle messageWindow, Control* items, int32_t index);
// Framed cell picker: the selected cell pops up over it; the second left release picks, a right
// release cancels.
void TrackFramedCellPicker(WindowHandle messageWindow, Control* items, int32_t index);
// Drag source pop-up: onChange describes the grid, onRelease gets the pick.
void TrackPopupGrid(WindowHandle messageWindow, Control* items, int32_t index);
