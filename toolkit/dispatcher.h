// The toolkit's entry for an application's main loop: window messages become UiEvents, the
// hover state follows the pointer, and the timer drives the hover fade.
#pragma once
#include <cstdint>

#include "toolkit/control.h"

enum UiEventKind : int32_t {
    EventNone = -1,
    EventMove = 1,
    EventPress = 2,
    EventRelease = 3,
    EventClose = 4,
    EventKey = 5,
    EventTick = 6,
    EventRightPress = 7,
    EventRightRelease = 8,
    EventChar = 10,
    EventMoveOver = 11,
};

// Seven words, in this order.
struct UiEvent {
    int32_t kind;      // a UiEventKind, or -1 when nothing was reported
    int32_t index;     // control under the pointer (-1: none); Tab chain: the edited field
    int32_t key;       // key code (EventKey) or character (EventChar), else -1
    int32_t reserved;  // always -1
    int32_t detail;    // press areas: 1 = the pointer had not moved when settled, 2 = it had
    int32_t eventX;    // pointer position of the handled message
    int32_t eventY;
};

// Pumps messages until one is worth reporting, and fills `event` with it.
UiEvent* GetUiEvent(UiEvent* event);
