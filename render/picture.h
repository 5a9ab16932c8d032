// The renderer's picture formats: what every picture, frame piece, cell sheet and mask is.
#pragma once
#include <cstdint>

// 3 bytes a pixel (red, green, blue), rows top to bottom without padding, no header: the size
// comes from the call that draws it.
using RgbPicture = const uint8_t*;
// 1 byte a pixel in the order of its picture: the weight of the picture, 255 = opaque.
using CoverageMask = const uint8_t*;
