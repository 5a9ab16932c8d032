// The timed hover fade: a control's level follows its hover and pressed state, one step a tick.
#pragma once
#include "toolkit/control.h"

// One timer step of the hover fade.
void AnimateControls(Control* items);
