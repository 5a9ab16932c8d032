// GetUiEvent: pumps until a message carries input worth reporting. After every dispatched
// message the pointer position is copied from the InputState and the hover words rewritten.
//
//   input          action                                           reported
//   move           hover area: onPointer; other control: -          EventMove / EventMoveOver
//   left press     pressedIndex = h, then the type's press action   EventPress
//   left release   pressedIndex = -1; on the pressed control:       EventRelease
//                  the type's release action
//   right press    pressedIndex = h; drag source with FlagPopup:    EventRightPress
//                  its pop-up
//   right release  pressedIndex = -1                                EventRightRelease
//   timer          hover fade step                                  EventTick
// A control that keys focused stays lit over what the pointer rests on until the pointer moves
// or presses.
#include "display/input_state.h"
#include "display/window_proc.h"
#include "platform/pump.h"
#include "toolkit/dispatcher.h"
#include "toolkit/fade.h"
#include "toolkit/handoff.h"
#include "toolkit/hit_test.h"
#include "toolkit/toolkit_state.h"

namespace {

// Nothing reported yet about the control at `index`; the position words are left alone.
void Preset(UiEvent* event, int32_t index) {
    event->kind = EventNone;
    event->index = index;
    event->key = -1;
    event->reserved = -1;
    event->detail = 0;
}

// The text field after `from` in list order, wrapping round, whatever its state; -1: none.
int32_t NextTextField(const Control* items, int32_t from) {
    for (int32_t i = from + 1; i < controlCount; ++i) {
        if (items[i].type == ControlTextField) return i;
    }
    for (int32_t i = 0; i < from && i < controlCount; ++i) {
        if (items[i].type == ControlTextField) return i;
    }
    return -1;
}

// Acts on the input of one dispatched message; returns whether it is reported.
bool Act(int32_t h, Control* items, UiEvent* event) {
    switch (inputCode) {
        case InputMove:
            if (h < 0) {
                event->kind = EventMove;
            } else if (items[h].type == ControlHoverArea) {
                CallOnPointer(h, items, 0);
                event->kind = EventMove;
            } else {
                event->kind = EventMoveOver;
            }
            return true;
        case InputLeftDown:
            if (h >= 0) {
                BeginGesture(h);
                LeftPressAction(h, items, event);
            }
            event->kind = EventPress;
            return true;
        case InputLeftUp: {
            const bool click = h >= 0 && pressedIndex == h;
            EndGesture();
            if (click) ReleaseAction(h, items);
            event->kind = EventRelease;
            return true;
        }
        case InputClose:
            event->kind = EventClose;
            return true;
        case InputKey:
        case InputChar:
            event->key = inputKey;
            event->kind = inputCode == InputKey ? EventKey : EventChar;
            return true;
        case InputTimer:
            AnimateControls(items);
            event->kind = EventTick;
            return true;
        case InputRightDown:
            if (h >= 0) {
                BeginGesture(h);
                RightPressAction(h, items);
            }
            event->kind = EventRightPress;
            return true;
        case InputRightUp:
            EndGesture();
            event->kind = EventRightRelease;
            return true;
        default:
            return false;
    }
}

}  // namespace

UiEvent* GetUiEvent(UiEvent* event) {
    Control* items = TakeActiveControls();
    Preset(event, -1);

    if (pendingFocusIndex != -1) {
        const int32_t next = NextTextField(items, pendingFocusIndex);
        if (next >= 0) {
            EditChainedTextField(next, items);
            event->kind = EventRelease;
            event->index = next;
            return event;
        }
        EndFocusChain();
    }

    for (;;) {
        const PumpResult pumped = PumpInputMessage();
        if (pumped == PumpResult::WaitFailed) return event;
        if (pumped == PumpResult::Quit) continue;  // the application learns of a close otherwise
        TakePointerFromInput();
        const int32_t h = HitTestControls(items);
        // The device used last lights a control: a pointer move or press ends a key focus.
        if (inputCode == InputMove || inputCode == InputLeftDown || inputCode == InputRightDown) {
            PointerTakesOver();
        }
        SetHoveredControl(keyFocusIndex >= 0 ? keyFocusIndex : h, items);
        Preset(event, h);
        event->eventX = pointerX;
        event->eventY = pointerY;
        if (Act(h, items, event)) return event;
    }
}
