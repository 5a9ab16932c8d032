// The picture kernel four pixels at a time with SSSE3 (compiled with -mssse3, run only where the
// processor has it).
#include "render/blit_paths.h"
#include "render/blit_pixel.h"
#include "render/blit_rows.h"
#include "render/blit_sse_step.h"

namespace {

template <PictureSource kSource, bool kMasked>
struct Ssse3Kernel {
    static void Run(const PictureBlit& b) {
        const __m128i weights = MixWeights(b.t);
        ForEachRow<kSource, kMasked>(
            b, [&](uint32_t* dst, const uint8_t* from, const uint8_t* to, const uint8_t* mask,
                   uint32_t t, int32_t width, int32_t slack) {
                // A step reads 16 picture bytes for 12: it must end inside the row or its slack.
                int32_t i = 0;
                for (; 3 * i + 16 <= 3 * width + slack; i += 4) {
                    Step4<kSource, kMasked>(dst, from, to, mask, i, weights);
                }
                BlitRowScalar<kSource, kMasked>(dst, from, to, mask, t, i, width);
            });
    }
};

}  // namespace

void BlitPictureSsse3(const PictureBlit& blit) {
    DispatchBlit<Ssse3Kernel>(blit);
}
