// The gallery: every control kind of the toolkit on four pages of one control list each, with a
// status line that tells what the last event and the last callback brought.
#pragma once
#include <cstdint>

#include "toolkit/control.h"

constexpr int32_t kGalleryPageCount = 4;

extern ControlList* galleryPages[kGalleryPageCount];  // one list a page, made once
extern int32_t galleryPage;                           // the page shown, 0 .. 3
extern uint32_t* galleryBackground;  // the shown page's background: backdrop and decorations

// Opens the window on page `firstPage` (0 .. 3) and runs until the window is closed; returns
// the exit code, 0.
int32_t GalleryMain(int32_t showCommand, int32_t firstPage);
// The page a command-line argument names, "1" to "4" (page 0 to 3); -1 for anything else.
int32_t PageOfArgument(const char* argument);
