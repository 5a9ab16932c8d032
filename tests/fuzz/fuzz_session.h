// The user's side of a fuzz run through GetUiEvent: whenever the program polls or waits, one
// action from the input (pointer moves inside and outside the window, bursts of them, presses
// and releases of both buttons, keys, characters, time passing, closes and quits); once the
// input is used up, quits and closes until the program has taken them. After every event, and
// whenever the program waits, what must always hold is checked.
#pragma once
#include <cstddef>
#include <cstdint>

// How often each action comes, relative to the others.
struct ActionMix {
    int32_t move;
    int32_t burst;  // several moves at once, which the queue merges
    int32_t left;   // press or release, whichever the button is not
    int32_t right;
    int32_t key;
    int32_t character;
    int32_t tick;
    int32_t close;  // a close request: posted, Alt+F4 or the close box
    int32_t quit;
};

// One fuzz run on `data`: the window, the controls `build` makes from the input, sometimes
// work buffers that cannot be allocated, then GetUiEvent over them until the input is used up
// and a close request has come.
int32_t RunGetUiEventTarget(const uint8_t* data, size_t size, void (*build)(),
                            const ActionMix& mix);
