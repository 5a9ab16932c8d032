// The gallery's fonts: writable copies of the artwork's, since a text field's painter lends
// its font a half colour while it draws a disabled field.
#pragma once
#include "render/font.h"

extern Font statusFont;  // status line: fixed width, white coverage
extern Font labelFont;   // labels and one text field: proportional coverage
extern Font titleFont;   // page titles: 32-bit alpha
extern Font greyFont;    // a text field: grey sheet
extern Font colourFont;  // a text field: 24-bit colour sheet
