// The gallery's callbacks, one per callback form: each writes what it received into the status
// line, where it shows at once.
#pragma once
#include <cstdint>

#include "toolkit/control.h"

void OnSliderAcross();
void OnSliderDown();
void OnScrollBar();
void OnDial(Control* items, int32_t id, int32_t value);
void OnFreeMotion(Control* items, int32_t id, int32_t dx, int32_t dy);
void OnHoverPointer(Control* items, int32_t index, int32_t reason, intptr_t x, intptr_t y,
                    intptr_t controlX, intptr_t controlY);
void OnDragSourcePointer(Control* items, int32_t index, int32_t reason, intptr_t x, intptr_t y,
                         intptr_t controlX, intptr_t controlY);
// Drag motion (reason 0) or, before the pop-up grid, its description (reason 64).
void OnDragSourceChange(Control* items, int32_t index, int32_t reason, intptr_t word1,
                        intptr_t word2, intptr_t word3, intptr_t word4);
// The drag's release (reason 0) or the pop-up grid's pick (reason 64).
void OnDragSourceRelease(Control* items, int32_t index, int32_t reason, intptr_t word1,
                         intptr_t word2, intptr_t word3, intptr_t word4);
// A press in the left half is a click; in the right half it starts a drag.
int32_t OnDropArea(Control* items, int32_t index, int32_t reason, int32_t x, int32_t y);

// The cell last picked from the drag source's pop-up grid.
extern int32_t dragSourceCell;
// Where the free-motion area's motion has taken its point so far.
extern int32_t motionX;
extern int32_t motionY;
