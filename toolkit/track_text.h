// The text field's modal editing loop. The window argument is always none.
#pragma once
#include <cstdint>

#include "platform/platform.h"
#include "toolkit/control.h"

// Text field: keys and characters edit the text until Enter, Escape, Tab or a mouse button.
void TrackTextField(WindowHandle messageWindow, Control* items, int32_t index);
