// The main window's procedure: records input, runs the animation timer, paints the frame buffer.
#pragma once
#include "platform/platform.h"

constexpr uintptr_t kAnimationTimerId = 1;
constexpr uint32_t kAnimationTimerPeriodMs = 25;

LResult MainWindowProc(WindowHandle window, uint32_t message, WParam wParam, LParam lParam);
