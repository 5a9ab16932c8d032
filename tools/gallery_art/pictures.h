// The gallery's pictures, drawn on the artwork generator's canvas: every control face, the
// knob, thumb and dial with their masks, the cell sheets and the frame pieces.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/canvas/glyphs.h"

using Bytes = std::vector<uint8_t>;

// Red, green, blue bytes of the canvas, and a mask of 0 and 255 from its red channel.
Bytes ToRgb(const Canvas& canvas);
Bytes ToMask(const Canvas& canvas);

// A button face of the given state (0 rest, 1 hover, 2 pressed) with its label; `lit` adds a
// green lamp at the left (a checked toggle).
Canvas ButtonFace(const RenderedFont& font, const std::string& label, int32_t state, bool lamp,
                  bool lit);
Canvas ButtonMask();
// A radio button: a round mark, filled when checked, and the label beside it.
Canvas RadioFace(const RenderedFont& font, const std::string& label, int32_t state, bool checked);
Canvas RadioMask();
// A large panel with a label and a sign (0 a hand, 1 crossed arrows).
Canvas PadFace(const RenderedFont& font, const std::string& label, int32_t state, int32_t sign);
Canvas PadMask();
Canvas KnobFace(int32_t state);
Canvas KnobMask();
// Thumb pieces: 0 start cap, 1 middle slice, 2 end cap; picture or mask.
Canvas ThumbPiece(int32_t piece, bool mask);
// Dial frame f of n: the pointer stands at (n - 1 - f) / n of a turn.
Canvas DialFrame(int32_t frame, int32_t frames, bool mask);
// Twelve coloured cells, with a light ring round each when highlighted.
Canvas CellSheet(bool highlighted);
// Frame piece p (0 top-left corner ... 7 left edge) as DrawFrame takes it.
Bytes FramePiece(int32_t piece);
// The backdrop's column of 600 pixels.
Canvas BackdropColumn();
