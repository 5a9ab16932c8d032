// The blend rules and every path of the picture kernel against the truncating formulas, for
// every input: 256 x 256 x 101 for the level mix, 256 x 256 x 256 for the mask blend. Sanitizer
// builds sweep every EXHAUSTIVE_STRIDE-th level or mask value to stay quick.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "render/picture_blit.h"
#include "render/pixel_rules.h"
#include "tests/render/render_fixture.h"

#ifndef EXHAUSTIVE_STRIDE
#define EXHAUSTIVE_STRIDE 1
#endif

namespace {

constexpr uint32_t kStride = EXHAUSTIVE_STRIDE;

TEST(BlendRuleTest, TheMultiplyShiftFormsEqualTheTruncatingDivisions) {
    for (uint32_t x = 0; x <= 43698; ++x) ASSERT_EQ(DivideBy100(x), x / 100) << x;
    for (uint32_t x = 0; x <= 66298; ++x) ASSERT_EQ(DivideBy255(x), x / 255) << x;
    for (uint32_t t = 0; t <= 100; ++t) {
        for (uint32_t a = 0; a < 256; ++a) {
            ASSERT_EQ(OutlineLighten(a, t), (a * (100 - t) + 255 * t) / 100);
            for (uint32_t c = 0; c < 256; ++c) ASSERT_EQ(MixByLevel(a, c, t), ExpectedMix(a, c, t));
        }
    }
    for (uint32_t m = 0; m < 256; ++m) {
        for (uint32_t d = 0; d < 256; ++d) {
            for (uint32_t s = 0; s < 256; ++s)
                ASSERT_EQ(BlendByMask(d, s, m), ExpectedBlend(d, s, m));
        }
    }
    // The ends are exact: level 100 and mask 255 give the source, 0 the old value.
    EXPECT_EQ(MixByLevel(255, 0, 50), 127u);
    EXPECT_EQ(BlendByMask(0, 255, 128), 128u);
    EXPECT_EQ(OutlineLighten(17, 100), 255u);
    EXPECT_EQ(HalfIntensity(255), 127u);
}

// A 256 x 256 grid of channel pairs: pixel k of row r pairs the values r and k in red, k and r in
// green and 255 - r and k in blue, so every lane meets every pair. Each row has kPad spare
// pixels so that every pair also passes through the vector loops, not only their row tails.
constexpr int32_t kPad = 16;
constexpr int32_t kRow = 256 + kPad;

struct Grid {
    std::vector<uint8_t> first = std::vector<uint8_t>(size_t(kRow) * 256 * 3);
    std::vector<uint8_t> second = std::vector<uint8_t>(size_t(kRow) * 256 * 3);
    Grid() {
        for (int32_t r = 0; r < 256; ++r) {
            for (int32_t k = 0; k < kRow; ++k) {
                const size_t i = (size_t(r) * kRow + size_t(k)) * 3;
                const auto a = uint8_t(r);
                const auto c = uint8_t(k);
                first[i] = a;
                second[i] = c;
                first[i + 1] = c;
                second[i + 1] = a;
                first[i + 2] = uint8_t(255 - a);
                second[i + 2] = c;
            }
        }
    }
};

const Grid& TheGrid() {
    static const Grid grid;
    return grid;
}

class KernelPathTest : public ::testing::TestWithParam<BlendPath> {
protected:
    void SetUp() override { dst_.resize(size_t(kRow) * 256); }

    // Fills the destination with values whose fourth bytes must survive.
    void FillDestination(uint32_t seed) {
        const std::vector<uint8_t> bytes = PatternBytes(dst_.size() * 4, seed);
        std::memcpy(dst_.data(), bytes.data(), bytes.size());
    }

    void Blit(PictureSource source, const uint8_t* from, const uint8_t* to, uint32_t t,
              const uint8_t* mask) {
        BlitPictureWith(GetParam(), PictureBlit{dst_.data(), kRow, from, to, kRow, mask, kRow, kRow,
                                                256, source, t});
    }

    // Checks every pixel against expected(pixel index, old value).
    template <typename Expected>
    void Check(const std::vector<uint32_t>& old, Expected expected) {
        for (size_t i = 0; i < dst_.size(); ++i) {
            const uint32_t want = expected(i, old[i]);
            if (dst_[i] != want) {
                FAIL() << "pixel " << i % kRow << " of row " << i / kRow << ": " << std::hex
                       << dst_[i] << " instead of " << want;
            }
        }
    }

    std::vector<uint32_t> dst_;
};

uint32_t GridPixel(const std::vector<uint8_t>& picture, size_t i) {
    return PictureAt(picture, i);
}

uint32_t Mixed(size_t i, uint32_t t) {
    return PerChannel(GridPixel(TheGrid().first, i), GridPixel(TheGrid().second, i),
                      [t](uint32_t a, uint32_t c) { return ExpectedMix(a, c, t); });
}

uint32_t Masked(uint32_t old, uint32_t source, uint32_t m) {
    return PerChannel(old, source, [m](uint32_t d, uint32_t s) { return ExpectedBlend(d, s, m); });
}

TEST_P(KernelPathTest, MixByLevelEqualsItsFormulaForEveryPairAndLevel) {
    FillDestination(1);
    const Grid& g = TheGrid();
    for (uint32_t t = 0; t <= 100; t += (t == 0 || t >= 99) ? 1 : kStride) {
        const std::vector<uint32_t> old = dst_;
        Blit(PictureSource::Mix, g.first.data(), g.second.data(), t, nullptr);
        Check(old, [t](size_t i, uint32_t d) { return (d & 0xFF000000u) | Mixed(i, t); });
        if (HasFatalFailure()) return;
    }
}

TEST_P(KernelPathTest, BlendByMaskEqualsItsFormulaForEveryOldValueSourceAndMask) {
    // Row r holds old value r in every channel, pixel k source k; the mask of pixel k in pass p
    // is p + k, so over the passes every triple meets.
    const Grid& g = TheGrid();
    std::vector<uint8_t> mask(size_t(kRow) * 256);
    for (uint32_t pass = 0; pass < 256; pass += kStride) {
        for (size_t i = 0; i < dst_.size(); ++i) {
            const auto r = uint32_t(i / kRow);
            dst_[i] = (uint32_t(i) * 2654435761u & 0xFF000000u) | r << 16 | r << 8 | r;
            mask[i] = uint8_t(pass + i % kRow);
        }
        const std::vector<uint32_t> old = dst_;
        Blit(PictureSource::Copy, g.second.data(), nullptr, 0, mask.data());
        Check(old,
              [&](size_t i, uint32_t d) { return Masked(d, GridPixel(g.second, i), mask[i]); });
        if (HasFatalFailure()) return;
    }
}

TEST_P(KernelPathTest, HalfIntensityAndItsMaskedFormEqualTheirFormulas) {
    const Grid& g = TheGrid();
    FillDestination(2);
    std::vector<uint32_t> old = dst_;
    Blit(PictureSource::Half, g.first.data(), nullptr, 0, nullptr);
    Check(old, [&](size_t i, uint32_t d) {
        return (d & 0xFF000000u) | ((GridPixel(g.first, i) >> 1) & 0x7F7F7Fu);
    });
    std::vector<uint8_t> mask(size_t(kRow) * 256);
    for (uint32_t pass = 0; pass < 256; pass += kStride * 5) {
        for (size_t i = 0; i < mask.size(); ++i) mask[i] = uint8_t(pass + i * 7);
        FillDestination(pass);
        old = dst_;
        Blit(PictureSource::Half, g.first.data(), nullptr, 0, mask.data());
        Check(old, [&](size_t i, uint32_t d) {
            return Masked(d, (GridPixel(g.first, i) >> 1) & 0x7F7F7Fu, mask[i]);
        });
        if (HasFatalFailure()) return;
    }
}

TEST_P(KernelPathTest, AMaskedMixEqualsTheMaskBlendOfTheMixForEveryPairAndLevel) {
    const Grid& g = TheGrid();
    std::vector<uint8_t> mask = PatternBytes(size_t(kRow) * 256, 5);
    for (uint32_t t = 0; t <= 100; t += kStride) {
        FillDestination(t);
        mask[t] = 0;
        mask[t + 1] = 255;
        const std::vector<uint32_t> old = dst_;
        Blit(PictureSource::Mix, g.first.data(), g.second.data(), t, mask.data());
        Check(old, [&](size_t i, uint32_t d) { return Masked(d, Mixed(i, t), mask[i]); });
        if (HasFatalFailure()) return;
    }
}

// Rows of every width up to 40, from pictures exactly as large as the rectangle (the sanitizer
// build catches any read past them): each path writes exactly its rectangle.
TEST_P(KernelPathTest, EveryRowWidthWritesExactlyItsRectangle) {
    constexpr int32_t kRows = 6;
    for (int32_t width = 0; width <= 40; ++width) {
        const size_t area = size_t(width) * kRows;
        const std::vector<uint8_t> from = PatternBytes(area * 3, 3);
        const std::vector<uint8_t> to = PatternBytes(area * 3, 4);
        const std::vector<uint8_t> mask = PatternBytes(area, 6);
        for (const uint8_t* m : {static_cast<const uint8_t*>(nullptr), mask.data()}) {
            std::vector<uint32_t> dst(48 * 8, 0x11223344u);
            BlitPictureWith(GetParam(),
                            PictureBlit{dst.data() + 49, 48, from.data(), to.data(), width, m,
                                        width, width, kRows, PictureSource::Mix, 37});
            for (int32_t r = 0; r < 8; ++r) {
                for (int32_t k = 0; k < 48; ++k) {
                    const uint32_t got = dst[size_t(r) * 48 + size_t(k)];
                    const bool inside = r >= 1 && r <= kRows && k >= 1 && k <= width;
                    uint32_t want = 0x11223344u;
                    if (inside) {
                        const size_t i = size_t(r - 1) * size_t(width) + size_t(k - 1);
                        want = PerChannel(
                            PictureAt(from, i), PictureAt(to, i),
                            [](uint32_t a, uint32_t c) { return ExpectedMix(a, c, 37); });
                        want = m ? Masked(0x11223344u, want, m[i]) : (0x11000000u | want);
                    }
                    ASSERT_EQ(got, want) << "width " << width << " at " << k << "," << r;
                }
            }
        }
    }
}

std::string PathName(const testing::TestParamInfo<BlendPath>& info) {
    switch (info.param) {
        case BlendPathSsse3:
            return "Ssse3";
        case BlendPathAvx2:
            return "Avx2";
        default:
            return "Scalar";
    }
}

// Every x86 build carries the vector kernels and draws with the fastest one the processor runs.
TEST(BlendPathTest, AnX86BuildRunsTheFastestVectorKernelItsProcessorHas) {
#if defined(__i386__) || defined(__x86_64__)
    __builtin_cpu_init();
    const bool ssse3 = __builtin_cpu_supports("ssse3");
    const bool avx2 = __builtin_cpu_supports("avx2");
    EXPECT_EQ(BlendPathSupported(BlendPathSsse3), ssse3);
    EXPECT_EQ(BlendPathSupported(BlendPathAvx2), avx2);
    EXPECT_EQ(blendPath, avx2 ? BlendPathAvx2 : ssse3 ? BlendPathSsse3 : BlendPathScalar);
#else
    GTEST_SKIP() << "not an x86 build";
#endif
}

// Only the paths this build has and this processor runs.
std::vector<BlendPath> SupportedPaths() {
    std::vector<BlendPath> paths;
    for (BlendPath path : {BlendPathScalar, BlendPathSsse3, BlendPathAvx2}) {
        if (BlendPathSupported(path)) paths.push_back(path);
    }
    return paths;
}

INSTANTIATE_TEST_SUITE_P(Paths, KernelPathTest, testing::ValuesIn(SupportedPaths()), PathName);

}  // namespace
