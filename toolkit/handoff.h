// What a press or release does to the control it lands on: the one place where the dispatcher
// hands a gesture to a control's own interaction loop.
#pragma once
#include "toolkit/dispatcher.h"

// Calls control h's onPointer, if set, in the pointer form with the pointer and its position.
void CallOnPointer(int32_t h, Control* items, int32_t reason);
// Left press on control h (pressedIndex already h); may set the event's detail.
void LeftPressAction(int32_t h, Control* items, UiEvent* event);
// Right press on control h (pressedIndex already h).
void RightPressAction(int32_t h, Control* items);
// Left release over control h, where the press began on h too.
void ReleaseAction(int32_t h, Control* items);
// The text field k, reached through the Tab chain, is edited.
void EditChainedTextField(int32_t k, Control* items);
