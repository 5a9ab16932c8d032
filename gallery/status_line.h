// The status line along the bottom edge: the last UiEvent, what the last callback received,
// and the state the last gesture left.
#pragma once
#include <cstdint>

#include "toolkit/dispatcher.h"

constexpr int32_t kStatusTop = 540;    // the strip runs from here to the window's bottom
constexpr int32_t kStatusChars = 112;  // what fits across in the fixed-width status font

// The three lines, as shown; longer ones are cut.
extern char statusEvent[kStatusChars + 1];
extern char statusCallback[kStatusChars + 1];
extern char statusState[kStatusChars + 1];

void SetStatusEvent(const UiEvent& event);
// printf-style; each redraws the strip at once.
void SetStatusCallback(const char* format, ...) __attribute__((format(printf, 1, 2)));
void SetStatusState(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Restores the strip from the page background, draws the three lines and invalidates it.
void DrawStatusLine();
