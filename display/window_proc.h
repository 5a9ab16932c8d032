// The main window's procedure: records input, runs the animation timer, paints the frame buffer.
#pragma once
#include "platform/accessibility.h"
#include "platform/platform.h"
#include "platform/pump.h"

constexpr uintptr_t kAnimationTimerId = 1;
constexpr uint32_t kAnimationTimerPeriodMs = 25;

LResult MainWindowProc(WindowHandle window, uint32_t message, WParam wParam, LParam lParam);

// What screen readers learn of the window's contents, set by whoever knows them; null: nothing
// beyond the window itself.
extern AccessibleDescriber windowDescriber;

// The pump step of every reader of the InputState. A message that never reaches the window
// procedure (one for COM's window, which carries a screen reader's question) leaves no input,
// rather than the input of the message before it.
PumpResult PumpInputMessage();
