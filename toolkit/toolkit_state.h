// The toolkit's shared state words, one meaning each, and the named transitions that the
// dispatcher, the hand-off, the interaction loops and the applications make on them. Every
// write goes through here: whoever ends a gesture calls EndGesture.
#pragma once
#include <cstdint>

#include "toolkit/control.h"

extern ControlList* activeList;    // the list the dispatcher serves; null until the app sets it
extern int32_t controlCount;       // activeList->count as copied by GetUiEvent on every entry
extern int32_t pressedIndex;       // control whose button went down, release not yet seen; -1
extern int32_t pendingFocusIndex;  // text field left with Tab, or -1
extern int32_t pointerX;           // pointer position the toolkit last read from the InputState
extern int32_t pointerY;
extern bool keysMoveFocus;     // the application moves a focus over its buttons with keys
extern int32_t keyFocusIndex;  // control that keys lit and act on, or -1: the pointer lights

// The application hands the dispatcher `list` to serve, with no gesture or Tab chain running.
void ServeList(ControlList* list);
// GetUiEvent begins: the active list's controls, counted into controlCount (none without a
// list or its slot block).
Control* TakeActiveControls();
// A button went down on control `index`: its gesture begins.
void BeginGesture(int32_t index);
// The gesture is over: released, cancelled, or its loop has ended. No control is held.
void EndGesture();
// The message just dispatched left the pointer at (inputX, inputY): the toolkit takes it.
void TakePointerFromInput();
// Whether the pointer is still where the toolkit last took it from the InputState.
bool PointerStillAtInput();
// Tab left the text field `index`: the next GetUiEvent edits the field after it.
void ChainFocusFrom(int32_t index);
// The Tab chain is over.
void EndFocusChain();
// The application lets keys move a focus over its buttons (`on`), or not; no control has it yet.
void UseKeyFocus(bool on);
// Keys moved the focus to control `index`: it lights, as under the pointer, until the pointer is
// used again.
void FocusByKey(int32_t index);
// The pointer was used: it lights what it rests on again, and no control has the key focus.
void PointerTakesOver();
