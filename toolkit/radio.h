// Radio groups: runs of consecutive radio buttons.
#pragma once
#include <cstdint>

#include "toolkit/control.h"

// Checks the radio button with `id` and clears the rest of its group.
void SelectRadioButton(ControlList* list, int32_t id);
