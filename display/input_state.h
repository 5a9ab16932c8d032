// What the window procedure learnt from the message it handled last. Readers take it right
// after each DispatchMessage and before the next one.
#pragma once
#include <cstdint>

enum InputCode : int32_t {
    InputNone = -1,
    InputMove = 1,
    InputLeftDown = 2,
    InputLeftUp = 3,
    InputClose = 4,
    InputKey = 5,
    InputTimer = 6,
    InputRightDown = 7,
    InputRightUp = 8,
    InputChar = 10,
};

extern int32_t inputCode;  // InputCode of the message handled last, or InputNone
extern int16_t inputX;     // pointer x in client coordinates (low half of the message's lParam)
extern int16_t inputY;     // pointer y (high half); negative left of or above the client area
extern int32_t inputKey;   // virtual key of a key-down or character of WM_CHAR, else -1
