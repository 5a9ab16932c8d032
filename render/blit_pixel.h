// One pixel of the picture kernel in plain integer arithmetic: the scalar path, and the tail of
// each row on the vector paths.
#pragma once
#include "render/picture_blit.h"
#include "render/pixel_rules.h"

// Internal linkage: each path's file compiles its own copy for its own instruction set.
namespace {

template <PictureSource kSource>
inline uint32_t SourcePixel(const uint8_t* from, const uint8_t* to, uint32_t t) {
    if constexpr (kSource == PictureSource::Copy) {
        return RgbToPixel(from);
    } else if constexpr (kSource == PictureSource::Half) {
        return (RgbToPixel(from) >> 1) & 0x007F7F7Fu;
    } else {
        return MixByLevel(from[0], to[0], t) << 16 | MixByLevel(from[1], to[1], t) << 8 |
               MixByLevel(from[2], to[2], t);
    }
}

inline uint32_t MaskPixel(uint32_t d, uint32_t s, uint32_t m) {
    return (d & kFourthByte) | BlendByMask((d >> 16) & 255, (s >> 16) & 255, m) << 16 |
           BlendByMask((d >> 8) & 255, (s >> 8) & 255, m) << 8 | BlendByMask(d & 255, s & 255, m);
}

// `count` pixels of one row, starting at pixel `first` of dst, picture and mask rows.
template <PictureSource kSource, bool kMasked>
inline void BlitRowScalar(uint32_t* dst, const uint8_t* from, const uint8_t* to,
                          const uint8_t* mask, uint32_t t, int32_t first, int32_t count) {
    for (int32_t i = first; i < count; ++i) {
        const uint32_t s = SourcePixel<kSource>(from + 3 * i, to + 3 * i, t);
        if constexpr (kMasked) {
            dst[i] = MaskPixel(dst[i], s, mask[i]);
        } else {
            dst[i] = KeepFourthByte(dst[i], s);
        }
    }
}

}  // namespace
