// The one picture kernel behind the painter: a rectangle of an RgbPicture (copied, mixed by
// level or halved) written into the frame buffer, opaque or through a CoverageMask.
#pragma once
#include <cstdint>

enum class PictureSource : uint8_t {
    Copy,  // the from picture as it is
    Mix,   // MixByLevel from `from` to `to` by t
    Half,  // the from picture at half intensity
};

struct PictureBlit {
    uint32_t* dst;        // first frame-buffer pixel written
    int32_t dstStride;    // frame-buffer pixels from one row to the next
    const uint8_t* from;  // RgbPicture
    const uint8_t* to;    // RgbPicture, read only by Mix
    int32_t srcStride;    // picture pixels from one row to the next; 0 repeats one row
    const uint8_t* mask;  // CoverageMask; null writes the source opaque
    int32_t maskStride;   // mask bytes from one row to the next
    int32_t width;        // pixels a row; nothing is written when width or height < 1
    int32_t height;
    PictureSource source;
    uint32_t t;  // Mix level, 0..100
};

// The implementations; the fast ones exist only where the compiler targets x86-64. Whoever
// changes blendPath sets it only to a path that BlendPathSupported accepts.
enum BlendPath : int32_t { BlendPathScalar, BlendPathSsse3, BlendPathAvx2 };
extern BlendPath blendPath;  // BlitPicture's path, at first the fastest this processor runs

bool BlendPathSupported(BlendPath path);
// Writes the colour bytes of every pixel of the rectangle; fourth bytes stay. Pixels are computed
// as by the rules of pixel_rules.h, the mask applied by BlendByMask after the source rule.
void BlitPicture(const PictureBlit& blit);
// The same on a chosen path; one the processor lacks falls back to the scalar path.
void BlitPictureWith(BlendPath path, const PictureBlit& blit);
