// The status line along the bottom edge: the last UiEvent, what the last callback received,
// and the state the last gesture left.
#pragma once
#include <cstdint>

#include "toolkit/dispatcher.h"

constexpr int32_t kStatusTop = 540;  // the strip runs from here to the window's bottom

// The three lines, as shown.
extern char statusEvent[128];
extern char statusCallback[128];
extern char statusState[128];

void SetStatusEvent(const UiEvent& event);
// printf-style; each redraws the strip at once.
void SetStatusCallback(const char* format, ...) __attribute__((format(printf, 1, 2)));
void SetStatusState(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Restores the strip from the page background, draws the three lines and invalidates it.
void DrawStatusLine();
