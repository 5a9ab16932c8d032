// The scalar picture kernel and the choice among the kernels by what the processor runs.
#include "render/picture_blit.h"

#include "render/blit_paths.h"
#include "render/blit_pixel.h"
#include "render/blit_rows.h"

namespace {

template <PictureSource kSource, bool kMasked>
struct ScalarKernel {
    static void Run(const PictureBlit& b) {
        ForEachRow<kSource, kMasked>(
            b, [](uint32_t* dst, const uint8_t* from, const uint8_t* to, const uint8_t* mask,
                  uint32_t t, int32_t width,
                  int32_t) { BlitRowScalar<kSource, kMasked>(dst, from, to, mask, t, 0, width); });
    }
};

void Dispatch(BlendPath path, const PictureBlit& blit) {
    switch (path) {
#if defined(VARORIZO_SSSE3_PATH)
        case BlendPathSsse3:
            return BlitPictureSsse3(blit);
#endif
#if defined(VARORIZO_AVX2_PATH)
        case BlendPathAvx2:
            return BlitPictureAvx2(blit);
#endif
        default:
            return BlitPictureScalar(blit);
    }
}

BlendPath FastestBlendPath() {
    if (BlendPathSupported(BlendPathAvx2)) return BlendPathAvx2;
    if (BlendPathSupported(BlendPathSsse3)) return BlendPathSsse3;
    return BlendPathScalar;
}

}  // namespace

void BlitPictureScalar(const PictureBlit& blit) {
    DispatchBlit<ScalarKernel>(blit);
}

bool BlendPathSupported(BlendPath path) {
#if defined(VARORIZO_SSSE3_PATH) || defined(VARORIZO_AVX2_PATH)
    // Callers include static constructors, which may run before libgcc has read the processor.
    __builtin_cpu_init();
#endif
    switch (path) {
        case BlendPathScalar:
            return true;
#if defined(VARORIZO_SSSE3_PATH)
        case BlendPathSsse3:
            return __builtin_cpu_supports("ssse3");
#endif
#if defined(VARORIZO_AVX2_PATH)
        case BlendPathAvx2:
            return __builtin_cpu_supports("avx2");
#endif
        default:
            return false;
    }
}

BlendPath blendPath = FastestBlendPath();

void BlitPictureWith(BlendPath path, const PictureBlit& blit) {
    Dispatch(BlendPathSupported(path) ? path : BlendPathScalar, blit);
}

void BlitPicture(const PictureBlit& blit) {
    Dispatch(blendPath, blit);
}
