// The gallery's pictures, masks and fonts as raw data, generated at build time by
// tools/gallery_art (fonts rendered from DejaVu with FreeType) and compiled in.
#pragma once
#include <cstdint>

#include "render/font.h"
#include "render/picture.h"

// The backdrop: one column of 600 pixels (red, green, blue), repeated across the window.
extern const uint8_t artBackdropColumn[600 * 3];

// Buttons, 120 x 32 (rest, hover, pressed). The two page buttons, the image button and the
// push button carry their labels; the toggle has an unchecked and a checked set.
constexpr int32_t kArtButtonW = 120;
constexpr int32_t kArtButtonH = 32;
enum ArtButton { ArtPrev, ArtNext, ArtImage, ArtPush, ArtToggleOff, ArtToggleOn, ArtButtonCount };
extern const uint8_t* const artButtons[ArtButtonCount][3];

// Radio buttons, 120 x 24: three labels, each unchecked then checked, rest, hover, pressed.
constexpr int32_t kArtRadioW = 120;
constexpr int32_t kArtRadioH = 24;
extern const uint8_t* const artRadios[3][2][3];

// Hover area and free-motion area faces, 160 x 64 (rest, hover, pressed).
constexpr int32_t kArtPadW = 160;
constexpr int32_t kArtPadH = 64;
extern const uint8_t* const artHoverPad[3];
extern const uint8_t* const artMotionPad[3];

// Slider knob, 24 x 32, with one mask for all three pictures.
constexpr int32_t kArtKnobW = 24;
constexpr int32_t kArtKnobH = 32;
extern const uint8_t* const artKnob[3];
extern const uint8_t artKnobMask[kArtKnobW * kArtKnobH];

// Horizontal scroll-bar thumb, 18 pixels high: caps of 6 columns, a one-column middle slice,
// each with its mask.
constexpr int32_t kArtThumbH = 18;
constexpr int32_t kArtThumbCap = 6;
extern const uint8_t artThumbStart[kArtThumbCap * kArtThumbH * 3];
extern const uint8_t artThumbMiddle[kArtThumbH * 3];
extern const uint8_t artThumbEnd[kArtThumbCap * kArtThumbH * 3];
extern const uint8_t artThumbStartMask[kArtThumbCap * kArtThumbH];
extern const uint8_t artThumbMiddleMask[kArtThumbH];
extern const uint8_t artThumbEndMask[kArtThumbCap * kArtThumbH];

// Dial: a strip of 16 frames of 56 x 56 and their masks, frame after frame.
constexpr int32_t kArtDialSize = 56;
constexpr int32_t kArtDialFrames = 16;
extern const uint8_t artDialStrip[kArtDialFrames * kArtDialSize * kArtDialSize * 3];
extern const uint8_t artDialMask[kArtDialFrames * kArtDialSize * kArtDialSize];

// Cell sheets: 4 columns by 3 rows of 36 x 36 cells, ordinary and highlighted.
constexpr int32_t kArtCell = 36;
constexpr int32_t kArtCellColumns = 4;
constexpr int32_t kArtCellRows = 3;
extern const uint8_t artCellSheet[kArtCellColumns * kArtCellRows * kArtCell * kArtCell * 3];
extern const uint8_t artCellSheetLit[kArtCellColumns * kArtCellRows * kArtCell * kArtCell * 3];

// Frame pieces of thickness 4, clockwise from the top-left corner, as DrawFrame takes them.
constexpr int32_t kArtFrame = 4;
extern const uint8_t* const artFramePieces[8];

// Bitmap fonts, one in each glyph-sheet format: the status line (coverage, fixed width), labels
// (coverage, proportional), titles (32-bit alpha, proportional), text fields (grey and 24-bit
// colour, proportional). Glyph c is character c + 32; the colour of coverage fonts is set by
// whoever uses them.
extern const Font artFontStatus;
extern const Font artFontLabel;
extern const Font artFontTitle;
extern const Font artFontGrey;
extern const Font artFontColour;

// Masks shared by every picture of a size: buttons, radio buttons and pads.
extern const uint8_t artButtonMask[kArtButtonW * kArtButtonH];
extern const uint8_t artRadioMask[kArtRadioW * kArtRadioH];
extern const uint8_t artPadMask[kArtPadW * kArtPadH];
