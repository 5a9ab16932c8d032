// Four pixels of the picture kernel with SSSE3: the SSSE3 path's step and the AVX2 path's
// step for what is left of a row after its eight-pixel steps. Mixing uses pmaddubsw on
// (from, to) byte pairs weighted (100 - t, t); both divisions are exact multiply-shifts.
#pragma once
#include <immintrin.h>

#include <cstring>

#include "render/picture_blit.h"
#include "render/pixel_rules.h"

// Internal linkage: each vector path's file compiles its own copy for its own instruction set.
namespace {

// Four RgbPicture pixels (12 of the 16 bytes loaded) to blue, green, red, 0 bytes.
inline __m128i LoadRgb4(const uint8_t* rgb) {
    const __m128i order =
        _mm_setr_epi8(2, 1, 0, -128, 5, 4, 3, -128, 8, 7, 6, -128, 11, 10, 9, -128);
    return _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(rgb)), order);
}

// x / 100 for x <= 43698 and x / 255 for every 16-bit x: (x * 5243) >> 19, (x * 0x8081) >> 23.
inline __m128i DivideBy100(__m128i x) {
    return _mm_srli_epi16(_mm_mulhi_epu16(x, _mm_set1_epi16(5243)), 3);
}
inline __m128i DivideBy255(__m128i x) {
    return _mm_srli_epi16(_mm_mulhi_epu16(x, _mm_set1_epi16(static_cast<short>(0x8081))), 7);
}

// (d * (255 - m) + s * m) / 255 on 16-bit lanes; the sum never exceeds 255 * 255.
inline __m128i BlendByMask(__m128i d, __m128i s, __m128i m) {
    const __m128i keep = _mm_sub_epi16(_mm_set1_epi16(255), m);
    return DivideBy255(_mm_add_epi16(_mm_mullo_epi16(d, keep), _mm_mullo_epi16(s, m)));
}

// Copy and Half as bytes: blue, green, red, 0 a pixel.
template <PictureSource kSource>
inline __m128i SourceBytes(__m128i f) {
    if constexpr (kSource == PictureSource::Half) {
        return _mm_and_si128(_mm_srli_epi16(f, 1), _mm_set1_epi8(0x7F));
    } else {
        return f;
    }
}

// The level weights (100 - t, t) in every byte pair.
inline __m128i MixWeights(uint32_t t) {
    return _mm_set1_epi16(static_cast<short>(t << 8 | (100 - t)));
}

// Pixels i..i + 3 of a row from the same pixels of its pictures (16 bytes read from each) and,
// when masked, its mask.
template <PictureSource kSource, bool kMasked>
inline void Step4(uint32_t* dst, const uint8_t* from, const uint8_t* to, const uint8_t* mask,
                  int32_t i, __m128i weights) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i f = LoadRgb4(from + 3 * i);
    auto* out = reinterpret_cast<__m128i*>(dst + i);
    const __m128i d = _mm_loadu_si128(out);
    const __m128i fourth = _mm_and_si128(d, _mm_set1_epi32(static_cast<int>(kFourthByte)));
    if constexpr (kSource != PictureSource::Mix && !kMasked) {
        _mm_storeu_si128(out, _mm_or_si128(SourceBytes<kSource>(f), fourth));
        return;
    }
    __m128i sLow;  // 16-bit channels of pixels 0, 1 and of pixels 2, 3
    __m128i sHigh;
    if constexpr (kSource == PictureSource::Mix) {
        const __m128i c = LoadRgb4(to + 3 * i);
        sLow = DivideBy100(_mm_maddubs_epi16(_mm_unpacklo_epi8(f, c), weights));
        sHigh = DivideBy100(_mm_maddubs_epi16(_mm_unpackhi_epi8(f, c), weights));
    } else {
        sLow = _mm_unpacklo_epi8(SourceBytes<kSource>(f), zero);
        sHigh = _mm_unpackhi_epi8(SourceBytes<kSource>(f), zero);
    }
    if constexpr (kMasked) {
        uint32_t m4;
        std::memcpy(&m4, mask + i, 4);
        const __m128i m = _mm_cvtsi32_si128(static_cast<int>(m4));
        // Each mask byte on the three colour lanes of its pixel and 0 on the fourth, so the
        // blend leaves the fourth byte as it was.
        const __m128i mLow =
            _mm_shuffle_epi8(m, _mm_setr_epi8(0, -128, 0, -128, 0, -128, -128, -128, 1, -128, 1,
                                              -128, 1, -128, -128, -128));
        const __m128i mHigh =
            _mm_shuffle_epi8(m, _mm_setr_epi8(2, -128, 2, -128, 2, -128, -128, -128, 3, -128, 3,
                                              -128, 3, -128, -128, -128));
        const __m128i low = BlendByMask(_mm_unpacklo_epi8(d, zero), sLow, mLow);
        const __m128i high = BlendByMask(_mm_unpackhi_epi8(d, zero), sHigh, mHigh);
        _mm_storeu_si128(out, _mm_packus_epi16(low, high));
    } else {
        _mm_storeu_si128(out, _mm_or_si128(_mm_packus_epi16(sLow, sHigh), fourth));
    }
}

}  // namespace
