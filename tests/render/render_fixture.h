// Test fixture of the renderer: an 800 x 600 frame buffer and background owned by the test, both
// filled with distinct patterns (fourth bytes included), and helpers to check exact pixels, the
// invalidated rectangle and that nothing outside a rectangle changed.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "display/display.h"

// Straightforward truncating formulas the renderer must equal.
inline uint32_t ExpectedMix(uint32_t a, uint32_t c, uint32_t t) {
    return (c * t + a * (100 - t)) / 100;
}
inline uint32_t ExpectedBlend(uint32_t d, uint32_t s, uint32_t m) {
    return (d * (255 - m) + s * m) / 255;
}

// Per-channel rule applied to the colour bytes of two pixels; the fourth byte is `a`'s.
template <typename Rule>
uint32_t PerChannel(uint32_t a, uint32_t b, Rule rule) {
    uint32_t out = a & 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        out |= rule((a >> shift) & 255, (b >> shift) & 255) << shift;
    }
    return out;
}

// A picture's pixel (red, green, blue bytes) as a frame-buffer value with fourth byte 0.
inline uint32_t PictureAt(const uint8_t* picture, size_t pixel) {
    return uint32_t{picture[3 * pixel]} << 16 | uint32_t{picture[3 * pixel + 1]} << 8 |
           picture[3 * pixel + 2];
}
inline uint32_t PictureAt(const std::vector<uint8_t>& picture, size_t pixel) {
    return PictureAt(picture.data(), pixel);
}

// Deterministic bytes for pictures and masks.
std::vector<uint8_t> PatternBytes(size_t count, uint32_t seed);

class RenderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    uint32_t& At(int32_t x, int32_t y) { return frame_[size_t(y) * 800 + size_t(x)]; }
    uint32_t Background(int32_t x, int32_t y) const { return background_[size_t(y) * 800 + x]; }
    // Remembers the frame buffer and empties DirtyRect.
    void Snapshot();
    uint32_t Before(int32_t x, int32_t y) const { return before_[size_t(y) * 800 + size_t(x)]; }
    // Every pixel outside the rectangle still holds its value at the last Snapshot.
    void ExpectUnchangedOutside(int32_t x, int32_t y, int32_t width, int32_t height);
    void ExpectUnchanged() { ExpectUnchangedOutside(0, 0, 0, 0); }
    void ExpectDirty(int32_t x, int32_t y, int32_t width, int32_t height);
    void ExpectNothingInvalidated();
    // Every pixel of the rectangle equals expected(column, row, its value at the Snapshot).
    template <typename Expected>
    void ExpectRect(int32_t x, int32_t y, int32_t width, int32_t height, Expected expected) {
        int32_t wrong = 0;
        for (int32_t r = 0; r < height; ++r) {
            for (int32_t k = 0; k < width; ++k) {
                const uint32_t want = expected(k, r, Before(x + k, y + r));
                if (At(x + k, y + r) != want && ++wrong <= 5) {
                    ADD_FAILURE() << "at (" << x + k << ", " << y + r << ") " << std::hex
                                  << At(x + k, y + r) << " instead of " << want;
                }
            }
        }
        EXPECT_EQ(wrong, 0);
    }

    std::vector<uint32_t> frame_;
    std::vector<uint32_t> background_;
    std::vector<uint32_t> before_;
};
