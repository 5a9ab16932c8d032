// Fuzz target: bitmap fonts of every sheet format measured with TextWidth and TextPrefixWidth,
// drawn with DrawString, and text fields painted. Drawing changes nothing outside its reach and
// no fourth byte.
#include <cstring>
#include <string>
#include <vector>

#include "base/aligned_alloc.h"
#include "display/display.h"
#include "tests/fuzz/fuzz_controls.h"
#include "tests/fuzz/fuzz_harness.h"
#include "toolkit/paint_control.h"

namespace {

std::string Text() {
    return fuzzData->ConsumeBytesAsString(fuzzData->ConsumeIntegralInRange(0, 48)).c_str();
}

void CheckWidths(const std::string& text, const Font* font) {
    const auto length = static_cast<int32_t>(text.size());
    int32_t before = 0;
    for (int32_t n = 0; n <= length; ++n) {
        const int32_t width = TextPrefixWidth(n, text.c_str(), font);
        Require(n == 0 ? width == 0 : width >= before, "a longer prefix is never narrower");
        before = width;
    }
    const int32_t past = fuzzData->ConsumeIntegralInRange(1, 1000);
    Require(TextWidth(text.c_str(), font) == before, "the whole prefix is the text's width");
    Require(TextPrefixWidth(length + past, text.c_str(), font) == before &&
                TextPrefixWidth(-past, text.c_str(), font) == before,
            "a count past the end or below zero measures the whole text");
}

// The pixels of the one-pixel ring around `box` that lie in the frame buffer.
std::vector<uint32_t> Ring(const OsRect& box) {
    std::vector<uint32_t> seen;
    for (int32_t y = std::max(box.top - 1, 0); y < std::min(box.bottom + 1, 600); ++y) {
        for (int32_t x = std::max(box.left - 1, 0); x < std::min(box.right + 1, 800); ++x) {
            const bool inside = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
            if (!inside) seen.push_back(FrameBuffer[y * 800 + x]);
        }
    }
    return seen;
}

std::vector<uint8_t> FourthBytes(const OsRect& box) {
    std::vector<uint8_t> seen;
    for (int32_t y = box.top; y < box.bottom; ++y) {
        for (int32_t x = box.left; x < box.right; ++x)
            seen.push_back(FrameBuffer[y * 800 + x] >> 24);
    }
    return seen;
}

// Where it fits, the text is drawn; every glyph lies within its width plus the widest glyph.
void CheckDrawString(const std::string& text, const FuzzFont& f) {
    const int32_t reach = TextWidth(text.c_str(), f.font) + f.widest;
    const int32_t rows = f.font->glyphHeight;
    if (reach > 800 || rows > 600) return;
    const int32_t x = fuzzData->ConsumeIntegralInRange(0, 800 - reach);
    const int32_t y = fuzzData->ConsumeIntegralInRange(0, 600 - rows);
    const OsRect box{x, y, x + reach, y + rows};
    const std::vector<uint32_t> ring = Ring(box);
    const std::vector<uint8_t> fourth = FourthBytes(box);
    DrawString(f.font, text.c_str(), x, y);
    Require(Ring(box) == ring, "a string changes nothing outside its box");
    Require(FourthBytes(box) == fourth, "a string keeps every fourth byte");
}

void CheckTextField() {
    Control field = MakeControl(ControlTextField, 0, 0, 0, 0);
    field.flags = fuzzData->ConsumeIntegral<uint32_t>();
    field.width = fuzzData->ConsumeIntegralInRange(0, 400);
    field.height = fuzzData->ConsumeIntegralInRange(0, 80);
    OsRect reach{};
    if (!BuildTextField(field, &reach)) return;
    const uint32_t color = field.font->color;
    const int32_t blocks = alignedAllocCount;
    const std::vector<uint32_t> ring = Ring(reach);
    PaintControl(0, &field);
    Require(Ring(reach) == ring, "a text field changes nothing outside its reach");
    Require(field.font->color == color, "the font's colour is back after a disabled field");
    Require(alignedAllocCount == blocks, "the text copy is freed");
    const auto length = field.text != nullptr ? static_cast<int32_t>(std::strlen(field.text)) : 0;
    Require(field.text == nullptr || (field.rangeStart >= 0 && field.rangeStart <= length),
            "the first shown character lies in the text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    BeginFuzzRun(&input, false);
    if (input.ConsumeIntegralInRange(0, 15) == 0) FailAlignedAllocAfter(0);
    for (int32_t steps = 0; input.remaining_bytes() > 0 && steps < 64; ++steps) {
        const FuzzFont f = MakeFont();
        const std::string text = Text();
        CheckWidths(text, f.font);
        CheckDrawString(text, f);
        CheckTextField();
    }
    EndFuzzRun();
    return 0;
}
