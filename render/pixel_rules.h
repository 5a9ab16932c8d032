// The integer blend rules of the renderer, per colour channel, in exact multiply-shift form:
// every result equals the truncating division of the written formula for all inputs 0..255.
#pragma once
#include <cstdint>

// Pixels in the frame buffer are 0xXXRRGGBB (bytes blue, green, red, fourth byte).
constexpr uint32_t kColourBytes = 0x00FFFFFFu;
constexpr uint32_t kFourthByte = 0xFF000000u;

// x / 100 for 0 <= x <= 43698.
constexpr uint32_t DivideBy100(uint32_t x) {
    return (x * 5243u) >> 19;
}
// x / 255 for 0 <= x <= 66298.
constexpr uint32_t DivideBy255(uint32_t x) {
    return (x * 0x8081u) >> 23;
}

// (c * t + a * (100 - t)) / 100: from a to c by level t in 0..100.
constexpr uint32_t MixByLevel(uint32_t a, uint32_t c, uint32_t t) {
    return DivideBy100(c * t + a * (100 - t));
}
// (d * (255 - m) + s * m) / 255: source s over d by coverage m.
constexpr uint32_t BlendByMask(uint32_t d, uint32_t s, uint32_t m) {
    return DivideBy255(d * (255 - m) + s * m);
}
constexpr uint32_t HalfIntensity(uint32_t s) {
    return s >> 1;
}
// (g * (100 - t) + 255 * t) / 100: background g lightened towards white by level t in 0..100.
constexpr uint32_t OutlineLighten(uint32_t g, uint32_t t) {
    return MixByLevel(g, 255, t);
}

// An RgbPicture pixel (red, green, blue bytes) as a frame-buffer value with fourth byte 0.
inline uint32_t RgbToPixel(const uint8_t* rgb) {
    return uint32_t{rgb[0]} << 16 | uint32_t{rgb[1]} << 8 | rgb[2];
}
// The colour bytes of `colour` with the fourth byte of `old`.
constexpr uint32_t KeepFourthByte(uint32_t old, uint32_t colour) {
    return (old & kFourthByte) | (colour & kColourBytes);
}
