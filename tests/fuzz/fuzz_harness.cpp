#include "tests/fuzz/fuzz_harness.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "base/aligned_alloc.h"
#include "display/display.h"
#include "display/input_state.h"
#include "display/window_proc.h"
#include "toolkit/toolkit_state.h"
#include "platform/headless/headless.h"
#include "platform/pump.h"
#include "render/picture_blit.h"
#include "toolkit/control.h"

FuzzedDataProvider* fuzzData = nullptr;

namespace {

constexpr size_t kFramePixels = 800 * 600;
constexpr size_t kGuardPixels = 1024;  // on each side of the frame buffer
constexpr uint32_t kGuardPixel = 0xA5C3E1F7;
constexpr size_t kTextGuard = 16;
constexpr char kTextSentinel = 0x5A;

struct Run {
    std::vector<std::unique_ptr<uint8_t[]>> pictures;
    std::vector<std::vector<char>> texts;
    std::vector<std::unique_ptr<Font>> fonts;
};
Run run;

// The guarded frame block, made once: 32-byte aligned like the frame buffer it stands for.
uint32_t* GuardedFrame() {
    static uint32_t* block = static_cast<uint32_t*>(
        std::aligned_alloc(32, sizeof(uint32_t) * (kFramePixels + 2 * kGuardPixels)));
    return block;
}

const uint32_t* Background() {
    static const std::vector<uint32_t> pixels = [] {
        std::vector<uint32_t> p(kFramePixels);
        for (uint32_t i = 0; i < p.size(); ++i) p[i] = (i * 2654435761u) | 0x01000000u;
        return p;
    }();
    return pixels.data();
}

// A drawing path this processor runs, so that every kernel meets the input.
void ChooseBlendPath() {
    const auto path =
        static_cast<BlendPath>(Pick({BlendPathScalar, BlendPathSsse3, BlendPathAvx2}));
    blendPath = BlendPathSupported(path) ? path : BlendPathScalar;
}

}  // namespace

void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "fuzz: invariant broken: %s\n", what);
    std::abort();
}

int32_t Pick(std::initializer_list<int32_t> values) {
    const size_t at = fuzzData->ConsumeIntegralInRange<size_t>(0, values.size() - 1);
    return *(values.begin() + at);
}

namespace {

// The window is made once; each later run finds it as the first did: nothing queued, no
// capture, the cursor shown at (0, 0), the timer just started, the paint done.
void OpenOrRewindWindow() {
    static uint32_t* windowFrame = nullptr;  // the window's own frame buffer, kept for good
    if (windowFrame == nullptr) {
        HeadlessReset();
        Require(CreateMainWindow("Varorizo", Background()) != nullptr, "the window opens");
        windowFrame = FrameBuffer;
        OsShowWindow(mainWindow, SW_SHOWNORMAL);
    }
    HeadlessSetIdleHook(nullptr);
    OsRedrawWindow(mainWindow, nullptr, RDW_VALIDATE);
    OsMessage left{};
    int32_t taken = 0;
    while (OsPeekMessage(&left, nullptr, PM_REMOVE)) {
        Require(++taken < 100000, "the queue a run left empties");
    }
    OsReleaseCapture();
    while (HeadlessCursorShowCount() < 0) OsShowCursor(true);
    while (HeadlessCursorShowCount() > 0) OsShowCursor(false);
    OsSetCursorPos(0, 0);
    OsKillTimer(mainWindow, kAnimationTimerId);
    OsSetTimer(mainWindow, kAnimationTimerId, kAnimationTimerPeriodMs);
    HeadlessClearMessageLog();
    inputCode = InputNone;
    inputX = 0;
    inputY = 0;
    inputKey = -1;
    SetDirtyRectEmpty();
}

}  // namespace

void BeginFuzzRun(FuzzedDataProvider* data, bool window) {
    fuzzData = data;
    FailAlignedAllocAfter(-1);
    uint32_t* block = GuardedFrame();
    std::fill_n(block, kGuardPixels, kGuardPixel);
    std::fill_n(block + kGuardPixels + kFramePixels, kGuardPixels, kGuardPixel);
    if (window) {
        OpenOrRewindWindow();
    } else {
        mainWindow = nullptr;
        frameWidth = 800;
        frameHeight = 600;
        frameRowPixels = 800;
        backgroundPicture = Background();
    }
    FrameBuffer = block + kGuardPixels;
    std::memcpy(FrameBuffer, Background(), sizeof(uint32_t) * kFramePixels);
    ChooseBlendPath();
}

void EndFuzzRun() {
    CheckFrameGuards();
    CheckTextGuards();
    HeadlessSetIdleHook(nullptr);
    ServeList(nullptr);
    FailAlignedAllocAfter(-1);
    FrameBuffer = nullptr;
    run = Run{};
    fuzzData = nullptr;
}

void CheckFrameGuards() {
    const uint32_t* block = GuardedFrame();
    for (size_t i = 0; i < kGuardPixels; ++i) {
        Require(block[i] == kGuardPixel, "nothing is written before the frame buffer");
        Require(block[kGuardPixels + kFramePixels + i] == kGuardPixel,
                "nothing is written after the frame buffer");
    }
}

const uint8_t* Picture(size_t bytes) {
    if (bytes == 0) return nullptr;
    std::unique_ptr<uint8_t[]> block(new uint8_t[bytes]);
    std::memset(block.get(), fuzzData->ConsumeIntegral<uint8_t>(), bytes);
    run.pictures.push_back(std::move(block));
    return run.pictures.back().get();
}

char* TextBuffer(int32_t capacity) {
    if (capacity <= 0) return nullptr;
    std::vector<char>& buffer =
        run.texts.emplace_back(size_t(capacity) + 2 * kTextGuard, kTextSentinel);
    char* text = buffer.data() + kTextGuard;
    std::string bytes = fuzzData->ConsumeBytesAsString(size_t(capacity) - 1);
    if (fuzzData->ConsumeBool()) std::replace(bytes.begin(), bytes.end(), '\0', 'x');  // no room
    std::memcpy(text, bytes.c_str(), bytes.size() + 1);
    return text;
}

void CheckTextGuards() {
    for (const std::vector<char>& buffer : run.texts) {
        for (size_t k = 0; k < kTextGuard; ++k) {
            Require(buffer[k] == kTextSentinel, "nothing is written before a text buffer");
            Require(buffer[buffer.size() - 1 - k] == kTextSentinel,
                    "nothing is written after a text buffer");
        }
    }
}

bool TerminatedInside(const char* text, int32_t capacity) {
    return text == nullptr || std::memchr(text, 0, size_t(capacity)) != nullptr;
}

FuzzFont MakeFont() {
    FuzzedDataProvider& d = *fuzzData;
    auto font = std::make_unique<Font>();
    // Any mix of the flags: the first format flag set wins.
    font->fontFlags = d.ConsumeIntegral<uint8_t>() &
                      uint32_t{FontProportional | FontGrey | FontCoverage | FontAlpha32};
    font->cellWidth = d.ConsumeIntegralInRange(0, 24);
    font->glyphHeight = d.ConsumeIntegralInRange(0, 24);
    font->color = d.ConsumeIntegral<uint32_t>();
    // Proportional widths from the input, the rest repeating the last; they may pass the cell.
    const std::vector<uint8_t> widths = d.ConsumeBytes<uint8_t>(d.ConsumeIntegralInRange(0, 256));
    int32_t narrowest = INT32_MAX;
    int32_t widest = 0;
    int32_t columns = 0;  // sheet columns that the glyphs cover
    for (int32_t c = 0; c < 256; ++c) {
        const uint8_t w =
            widths.empty()
                ? uint8_t{8}
                : static_cast<uint8_t>(widths[std::min<size_t>(c, widths.size() - 1)] % 40);
        font->glyphWidths[c] = w;
        const int32_t width = (font->fontFlags & FontProportional) != 0 ? w : font->cellWidth;
        narrowest = std::min(narrowest, width);
        widest = std::max(widest, width);
        columns = std::max(columns, c * font->cellWidth + width);
    }
    font->spacing = d.ConsumeIntegralInRange(-narrowest, 6);
    font->sheetStride = columns + d.ConsumeIntegralInRange(0, 8);
    const uint32_t flags = font->fontFlags;
    const size_t bytesPerPixel = (flags & (FontGrey | FontCoverage)) != 0 ? 1
                                 : (flags & FontAlpha32) != 0             ? 4
                                                                          : 3;
    const size_t pixels =
        font->glyphHeight > 0
            ? size_t(font->sheetStride) * size_t(font->glyphHeight - 1) + size_t(columns)
            : 0;
    font->glyphs = Picture(bytesPerPixel * pixels);
    run.fonts.push_back(std::move(font));
    return FuzzFont{run.fonts.back().get(), widest, widest + run.fonts.back()->spacing};
}
