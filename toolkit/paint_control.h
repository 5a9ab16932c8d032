// The control painter: draws one control as its type, level, checked and disabled state say
// over what the frame buffer holds, and invalidates what it drew.
#pragma once
#include <cstdint>

#include "toolkit/control.h"

void PaintControl(int32_t index, Control* items);
