// The picture kernel eight pixels at a time with AVX2 (compiled with -mavx2, run only where the
// processor has it): the SSSE3 steps on two 128-bit lanes of four pixels each.
#include "render/blit_paths.h"
#include "render/blit_pixel.h"
#include "render/blit_rows.h"
#include "render/blit_sse_step.h"

namespace {

// Eight RgbPicture pixels to blue, green, red, 0 bytes: pixels 0-3 from 16 bytes at rgb in the
// low lane, pixels 4-7 from 16 bytes at rgb + 12 in the high lane (28 bytes read for 24).
inline __m256i LoadRgb8(const uint8_t* rgb) {
    const __m256i order =
        _mm256_setr_epi8(2, 1, 0, -128, 5, 4, 3, -128, 8, 7, 6, -128, 11, 10, 9, -128, 2, 1, 0,
                         -128, 5, 4, 3, -128, 8, 7, 6, -128, 11, 10, 9, -128);
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rgb));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rgb + 12));
    return _mm256_shuffle_epi8(_mm256_inserti128_si256(_mm256_castsi128_si256(low), high, 1),
                               order);
}

inline __m256i DivideBy100(__m256i x) {
    return _mm256_srli_epi16(_mm256_mulhi_epu16(x, _mm256_set1_epi16(5243)), 3);
}
inline __m256i DivideBy255(__m256i x) {
    return _mm256_srli_epi16(_mm256_mulhi_epu16(x, _mm256_set1_epi16(static_cast<short>(0x8081))),
                             7);
}
inline __m256i BlendByMask(__m256i d, __m256i s, __m256i m) {
    const __m256i keep = _mm256_sub_epi16(_mm256_set1_epi16(255), m);
    return DivideBy255(_mm256_add_epi16(_mm256_mullo_epi16(d, keep), _mm256_mullo_epi16(s, m)));
}

template <PictureSource kSource>
inline __m256i SourceBytes(__m256i f) {
    if constexpr (kSource == PictureSource::Half) {
        return _mm256_and_si256(_mm256_srli_epi16(f, 1), _mm256_set1_epi8(0x7F));
    } else {
        return f;
    }
}

template <PictureSource kSource, bool kMasked>
inline void Step8(uint32_t* dst, const uint8_t* from, const uint8_t* to, const uint8_t* mask,
                  int32_t i, __m256i weights) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i f = LoadRgb8(from + 3 * i);
    auto* out = reinterpret_cast<__m256i*>(dst + i);
    const __m256i d = _mm256_loadu_si256(out);
    const __m256i fourth = _mm256_and_si256(d, _mm256_set1_epi32(static_cast<int>(kFourthByte)));
    if constexpr (kSource != PictureSource::Mix && !kMasked) {
        _mm256_storeu_si256(out, _mm256_or_si256(SourceBytes<kSource>(f), fourth));
        return;
    }
    // Per lane: 16-bit channels of its pixels 0, 1 (low) and 2, 3 (high).
    __m256i sLow;
    __m256i sHigh;
    if constexpr (kSource == PictureSource::Mix) {
        const __m256i c = LoadRgb8(to + 3 * i);
        sLow = DivideBy100(_mm256_maddubs_epi16(_mm256_unpacklo_epi8(f, c), weights));
        sHigh = DivideBy100(_mm256_maddubs_epi16(_mm256_unpackhi_epi8(f, c), weights));
    } else {
        sLow = _mm256_unpacklo_epi8(SourceBytes<kSource>(f), zero);
        sHigh = _mm256_unpackhi_epi8(SourceBytes<kSource>(f), zero);
    }
    if constexpr (kMasked) {
        int64_t m8;
        std::memcpy(&m8, mask + i, 8);
        const __m256i m = _mm256_set1_epi64x(m8);
        // Mask bytes on the colour lanes of their pixels, 0 on the fourth byte.
        const __m256i mLow = _mm256_shuffle_epi8(
            m, _mm256_setr_epi8(0, -128, 0, -128, 0, -128, -128, -128, 1, -128, 1, -128, 1, -128,
                                -128, -128, 4, -128, 4, -128, 4, -128, -128, -128, 5, -128, 5, -128,
                                5, -128, -128, -128));
        const __m256i mHigh = _mm256_shuffle_epi8(
            m, _mm256_setr_epi8(2, -128, 2, -128, 2, -128, -128, -128, 3, -128, 3, -128, 3, -128,
                                -128, -128, 6, -128, 6, -128, 6, -128, -128, -128, 7, -128, 7, -128,
                                7, -128, -128, -128));
        const __m256i low = BlendByMask(_mm256_unpacklo_epi8(d, zero), sLow, mLow);
        const __m256i high = BlendByMask(_mm256_unpackhi_epi8(d, zero), sHigh, mHigh);
        _mm256_storeu_si256(out, _mm256_packus_epi16(low, high));
    } else {
        _mm256_storeu_si256(out, _mm256_or_si256(_mm256_packus_epi16(sLow, sHigh), fourth));
    }
}

template <PictureSource kSource, bool kMasked>
struct Avx2Kernel {
    static void Run(const PictureBlit& b) {
        const __m256i weights = _mm256_set1_epi16(static_cast<short>(b.t << 8 | (100 - b.t)));
        const __m128i weights4 = MixWeights(b.t);
        ForEachRow<kSource, kMasked>(
            b, [&](uint32_t* dst, const uint8_t* from, const uint8_t* to, const uint8_t* mask,
                   uint32_t t, int32_t width, int32_t slack) {
                // Every load must end inside the row or its slack.
                int32_t i = 0;
                for (; 3 * i + 28 <= 3 * width + slack; i += 8) {
                    Step8<kSource, kMasked>(dst, from, to, mask, i, weights);
                }
                for (; 3 * i + 16 <= 3 * width + slack; i += 4) {
                    Step4<kSource, kMasked>(dst, from, to, mask, i, weights4);
                }
                BlitRowScalar<kSource, kMasked>(dst, from, to, mask, t, i, width);
            });
    }
};

}  // namespace

void BlitPictureAvx2(const PictureBlit& blit) {
    DispatchBlit<Avx2Kernel>(blit);
}
