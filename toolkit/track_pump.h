// What the interaction loops share: their one pump step and the pointer anchor of the knob and
// thumb drags.
#pragma once
#include <cstdint>

#include "display/input_state.h"
#include "display/window_proc.h"
#include "platform/pump.h"
#include "toolkit/toolkit_state.h"

// One message for a modal loop, waiting while the queue is empty, so that a still pointer costs
// nothing. False when the quit message was taken, which ends every loop at once, and when the
// platform cannot deliver messages any more.
inline bool TrackNextMessage() {
    return PumpInputMessage() == PumpResult::Dispatched;
}

// The knob and thumb drags measure from the first move after the press, not from the press.
struct PointerAnchor {
    int32_t x = 0;
    int32_t y = 0;
    int32_t lastX = -1;  // position of the last handled step; -1 until the anchor is taken
    int32_t lastY = -1;
};

// Takes the move message's position into pointerX, pointerY; the first one becomes the anchor.
// True when the position differs from the last one seen, so that the move is a step.
inline bool AnchoredStep(PointerAnchor* anchor) {
    TakePointerFromInput();
    if (anchor->lastX == -1) {
        anchor->x = pointerX;
        anchor->y = pointerY;
    }
    return pointerX != anchor->lastX || pointerY != anchor->lastY;
}

inline void EndStep(PointerAnchor* anchor) {
    anchor->lastX = pointerX;
    anchor->lastY = pointerY;
}
