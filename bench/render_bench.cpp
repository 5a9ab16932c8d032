// The painter's hover fade and the mask blend against the straightforward loop, pixman's
// compositor and memcpy of the same bytes. Each kernel runs on every path this processor has.
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <cstring>
#include <vector>

#include "display/display.h"
#include "toolkit/paint_control.h"
#include "render/picture_blit.h"
#include "toolkit/control.h"
#include "toolkit/control.h"

namespace {

constexpr int32_t kButtonWidth = 156;
constexpr int32_t kButtonHeight = 93;
constexpr int32_t kButtonPixels = kButtonWidth * kButtonHeight;
// The large area of the mask blend: the whole frame buffer.
constexpr int32_t kAreaWidth = 800;
constexpr int32_t kAreaHeight = 600;
constexpr int32_t kAreaPixels = kAreaWidth * kAreaHeight;

std::vector<uint8_t> Bytes(size_t count, uint32_t seed) {
    std::vector<uint8_t> bytes(count);
    for (auto& b : bytes) {
        seed = seed * 1664525u + 1013904223u;
        b = static_cast<uint8_t>(seed >> 24);
    }
    return bytes;
}

struct Frame {
    std::vector<uint32_t> pixels = std::vector<uint32_t>(size_t(kAreaPixels), 0x00406080u);
    Frame() {
        FrameBuffer = pixels.data();
        backgroundPicture = pixels.data();
        frameWidth = kAreaWidth;
        frameHeight = kAreaHeight;
        frameRowPixels = kAreaWidth;
    }
};

// Time per pixel, shown in seconds (so "250p" is 0.25 ns).
void CountPixels(benchmark::State& state, int64_t pixels) {
    state.counters["per_pixel"] =
        benchmark::Counter(double(pixels), benchmark::Counter::kIsIterationInvariantRate |
                                               benchmark::Counter::kInvert);
    state.SetBytesProcessed(int64_t(state.iterations()) * pixels * 4);
}

bool UsePath(benchmark::State& state) {
    const auto path = static_cast<BlendPath>(state.range(0));
    if (!BlendPathSupported(path)) {
        state.SkipWithError("path not available on this processor");
        return false;
    }
    blendPath = path;
    return true;
}

void PaintButtonAtLevel50(benchmark::State& state) {
    Frame frame;
    if (!UsePath(state)) return;
    const std::vector<uint8_t> rest = Bytes(kButtonPixels * 3, 1);
    const std::vector<uint8_t> lit = Bytes(kButtonPixels * 3, 2);
    Control button = MakeControl(ControlImageButton, 628, 195, kButtonWidth, kButtonHeight);
    button.flags = FlagFade;
    button.level = 50;
    button.imageNormal = rest.data();
    button.imageHover = lit.data();
    button.imagePressed = lit.data();
    for (auto _ : state) {
        PaintControl(0, &button);
        benchmark::ClobberMemory();
    }
    CountPixels(state, kButtonPixels);
}

// The same mix written the obvious way: per channel, a multiply-add and a division by 100.
void StraightforwardMixAtLevel50(benchmark::State& state) {
    Frame frame;
    const std::vector<uint8_t> rest = Bytes(kButtonPixels * 3, 1);
    const std::vector<uint8_t> lit = Bytes(kButtonPixels * 3, 2);
    int32_t t = 50;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t);
        for (int32_t y = 0; y < kButtonHeight; ++y) {
            uint8_t* d = reinterpret_cast<uint8_t*>(FrameBuffer + (195 + y) * frameRowPixels + 628);
            const uint8_t* a = rest.data() + y * kButtonWidth * 3;
            const uint8_t* c = lit.data() + y * kButtonWidth * 3;
            for (int32_t x = 0; x < kButtonWidth; ++x) {
                d[4 * x + 2] = static_cast<uint8_t>((c[3 * x] * t + a[3 * x] * (100 - t)) / 100);
                d[4 * x + 1] =
                    static_cast<uint8_t>((c[3 * x + 1] * t + a[3 * x + 1] * (100 - t)) / 100);
                d[4 * x] =
                    static_cast<uint8_t>((c[3 * x + 2] * t + a[3 * x + 2] * (100 - t)) / 100);
            }
        }
        benchmark::ClobberMemory();
    }
    CountPixels(state, kButtonPixels);
}

void CopyButtonBytes(benchmark::State& state) {
    Frame frame;
    std::vector<uint32_t> source(size_t(kButtonPixels), 0x00123456u);
    for (auto _ : state) {
        for (int32_t y = 0; y < kButtonHeight; ++y) {
            std::memcpy(FrameBuffer + (195 + y) * frameRowPixels + 628,
                        source.data() + y * kButtonWidth, kButtonWidth * 4);
        }
        benchmark::ClobberMemory();
    }
    CountPixels(state, kButtonPixels);
}

// BlendByMask of an 800 x 600 picture through its mask onto the frame buffer.
void BlendByMaskLargeArea(benchmark::State& state) {
    Frame frame;
    if (!UsePath(state)) return;
    const std::vector<uint8_t> picture = Bytes(size_t(kAreaPixels) * 3, 3);
    const std::vector<uint8_t> mask = Bytes(size_t(kAreaPixels), 4);
    const PictureBlit blit{
        FrameBuffer, kAreaWidth, picture.data(), picture.data(),      kAreaWidth, mask.data(),
        kAreaWidth,  kAreaWidth, kAreaHeight,    PictureSource::Copy, 0};
    for (auto _ : state) {
        BlitPicture(blit);
        benchmark::ClobberMemory();
    }
    CountPixels(state, kAreaPixels);
}

// pixman: a solid colour through an 8-bit mask onto 32-bit pixels of the same size.
void PixmanSolidThroughMask(benchmark::State& state) {
    std::vector<uint32_t> dst(size_t(kAreaPixels), 0x00406080u);
    std::vector<uint8_t> mask = Bytes(size_t(kAreaPixels), 4);
    pixman_image_t* target = pixman_image_create_bits(PIXMAN_x8r8g8b8, kAreaWidth, kAreaHeight,
                                                      dst.data(), kAreaWidth * 4);
    pixman_image_t* coverage = pixman_image_create_bits(
        PIXMAN_a8, kAreaWidth, kAreaHeight, reinterpret_cast<uint32_t*>(mask.data()), kAreaWidth);
    const pixman_color_t colour{0x8000, 0x4000, 0xC000, 0xFFFF};
    pixman_image_t* solid = pixman_image_create_solid_fill(&colour);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_OVER, solid, coverage, target, 0, 0, 0, 0, 0, 0,
                                 kAreaWidth, kAreaHeight);
        benchmark::ClobberMemory();
    }
    pixman_image_unref(solid);
    pixman_image_unref(coverage);
    pixman_image_unref(target);
    CountPixels(state, kAreaPixels);
}

void CopyLargeAreaBytes(benchmark::State& state) {
    std::vector<uint32_t> source(size_t(kAreaPixels), 0x00123456u);
    std::vector<uint32_t> dst(source.size());
    for (auto _ : state) {
        std::memcpy(dst.data(), source.data(), source.size() * 4);
        benchmark::ClobberMemory();
    }
    CountPixels(state, kAreaPixels);
}

void Paths(benchmark::internal::Benchmark* b) {
    b->ArgName("path");  // 0 scalar, 1 SSSE3, 2 AVX2
    for (int64_t path : {BlendPathScalar, BlendPathSsse3, BlendPathAvx2}) b->Arg(path);
}

}  // namespace

BENCHMARK(PaintButtonAtLevel50)->Apply(Paths);
BENCHMARK(StraightforwardMixAtLevel50);
BENCHMARK(CopyButtonBytes);
BENCHMARK(BlendByMaskLargeArea)->Apply(Paths);
BENCHMARK(PixmanSolidThroughMask);
BENCHMARK(CopyLargeAreaBytes);

BENCHMARK_MAIN();
