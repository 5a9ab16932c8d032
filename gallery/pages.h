// What each page holds: its controls (one list a page, made once) and the decorations drawn
// into its background, as data.
#pragma once
#include <cstdint>

#include "toolkit/control.h"

// Indices shared by every page: the two page buttons come first in each list.
constexpr int32_t kPreviousButton = 0;
constexpr int32_t kNextButton = 1;

// Indices of the controls that callbacks and the state line look up.
enum ValuesPage : int32_t { kSliderAcross = 2, kSliderDown = 3, kScrollBar = 5, kDial = 7 };
enum AreasPage : int32_t { kHoverArea = 2, kDragSource = 7, kDropArea = 8, kMotionArea = 9 };

struct PageLabel {
    int32_t x;
    int32_t y;
    const char* text;
};

// A flat rectangle of the background: panels under the areas that are not drawn, tracks.
struct PagePanel {
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

struct PageDecoration {
    const char* title;
    const PageLabel* labels;
    int32_t labelCount;
    const PagePanel* panels;
    int32_t panelCount;
};

extern const PageDecoration kPageDecorations[4];
extern const PagePanel kStatusStrip;

// Makes the four lists; false when one could not be allocated.
bool BuildGalleryPages(ControlList* pages[4]);
