// Walks the rows of a PictureBlit and hands each to a row kernel chosen at compile time; shared by
// the scalar and the vector paths so each only writes its row kernel.
#pragma once
#include "render/picture_blit.h"

// Internal linkage: each path's file compiles its own copy for its own instruction set.
namespace {

// Row(dst, from, to, mask, t, width, slack) for every row of the blit. `slack` is how many
// picture bytes past the row's end may be read: 4 where the next row of the same pictures
// follows (it holds at least 4 bytes when the row has 2 pixels), else 0. The vector steps read
// 16 bytes for 12 and use it to cover whole rows.
template <PictureSource kSource, bool kMasked, typename Row>
inline void ForEachRow(const PictureBlit& b, Row row) {
    uint32_t* dst = b.dst;
    const uint8_t* from = b.from;
    // Copy and Half never read `to`; pointing it at `from` keeps its arithmetic defined.
    const uint8_t* to = kSource == PictureSource::Mix ? b.to : b.from;
    const uint8_t* mask = b.mask;
    const int32_t nextRowSlack = b.srcStride >= b.width && b.width >= 2 ? 4 : 0;
    for (int32_t y = 0; y < b.height; ++y) {
        row(dst, from, to, mask, b.t, b.width, y + 1 < b.height ? nextRowSlack : 0);
        dst += b.dstStride;
        from += 3 * b.srcStride;
        to += 3 * b.srcStride;
        if constexpr (kMasked) mask += b.maskStride;
    }
}

// Calls kernel<source, masked>(blit) for the blit's source and whether it has a mask.
template <template <PictureSource, bool> class Kernel>
inline void DispatchBlit(const PictureBlit& b) {
    if (b.width < 1 || b.height < 1) return;
    const bool masked = b.mask != nullptr;
    switch (b.source) {
        case PictureSource::Copy:
            return masked ? Kernel<PictureSource::Copy, true>::Run(b)
                          : Kernel<PictureSource::Copy, false>::Run(b);
        case PictureSource::Mix:
            return masked ? Kernel<PictureSource::Mix, true>::Run(b)
                          : Kernel<PictureSource::Mix, false>::Run(b);
        case PictureSource::Half:
            return masked ? Kernel<PictureSource::Half, true>::Run(b)
                          : Kernel<PictureSource::Half, false>::Run(b);
    }
}

}  // namespace
