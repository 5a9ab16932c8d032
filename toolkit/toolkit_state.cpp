#include "toolkit/toolkit_state.h"

#include "display/input_state.h"

ControlList* activeList = nullptr;
int32_t controlCount = 0;
int32_t pressedIndex = -1;
int32_t pendingFocusIndex = -1;
int32_t pointerX = 0;
int32_t pointerY = 0;
bool keysMoveFocus = false;
int32_t keyFocusIndex = -1;

void ServeList(ControlList* list) {
    activeList = list;
    EndGesture();
    EndFocusChain();
}

Control* TakeActiveControls() {
    // A missing list, or one without its slot block, has no controls to serve.
    Control* items = activeList != nullptr ? activeList->items : nullptr;
    controlCount = items != nullptr ? activeList->count : 0;
    return items;
}

void BeginGesture(int32_t index) {
    pressedIndex = index;
}

void EndGesture() {
    pressedIndex = -1;
}

void TakePointerFromInput() {
    pointerX = inputX;
    pointerY = inputY;
}

bool PointerStillAtInput() {
    return pointerX == inputX && pointerY == inputY;
}

void ChainFocusFrom(int32_t index) {
    pendingFocusIndex = index;
}

void EndFocusChain() {
    pendingFocusIndex = -1;
}

void UseKeyFocus(bool on) {
    keysMoveFocus = on;
    keyFocusIndex = -1;
}

void FocusByKey(int32_t index) {
    keyFocusIndex = index;
}

void PointerTakesOver() {
    keyFocusIndex = -1;
}
