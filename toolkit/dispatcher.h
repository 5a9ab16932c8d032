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
// Index of the control under (pointerX, pointerY); the last match in list order wins; -1: none.
int32_t HitTestControls(const Control* items);
// Marks `index` (if >= 0) as the one hovered control among the first controlCount.
void SetHoveredControl(int32_t index, Control* items);
// One timer step of the hover fade.
void AnimateControls(Control* items);
// Checks the radio button with `id` and clears the rest of its group.
void SelectRadioButton(ControlList* list, int32_t id);
// Clears the control's dragState; 1 if the pointer is where the InputState last put it, else 0.
int32_t PointerUnmoved(int32_t index, Control* items);
// Hit-tests again at the current pointer position and rewrites the hover words.
void RefreshHover(Control* items);
