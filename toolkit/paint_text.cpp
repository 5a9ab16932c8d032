// The text field's text step of the painter: the inner fill, the scroll position that keeps the
// caret in view, and the visible characters with the field's alignment.
#include <cstring>

#include "base/aligned_alloc.h"
#include "render/draw.h"
#include "toolkit/paint_text.h"

namespace {

// The number of characters of the text box's visible part from `text` on: the first count whose
// width passes `avail`, or that adds nothing to the width before it (the end of the text).
int32_t FittingCount(const char* text, const Font* font, int32_t avail) {
    if (avail < 0) return 0;
    int32_t width = 0;
    for (int32_t n = 1;; ++n) {
        const char ch = text[n - 1];
        if (ch == '\0') return n;
        const int32_t next = width + CharacterAdvance(ch, font);
        if (next > avail || next == width) return n;
        width = next;
    }
}

// The first `count` characters of `text` (fewer at its terminator) drawn by DrawString through
// a temporary zero-terminated copy sized to them.
void DrawVisiblePart(const Font* font, const char* text, int32_t count, int32_t x, int32_t y) {
    size_t length = 0;
    while (static_cast<int64_t>(length) < count && text[length] != '\0') ++length;
    auto* copy = static_cast<char*>(AllocAligned(length + 1));
    if (copy == nullptr) return;
    std::memcpy(copy, text, length);
    copy[length] = '\0';
    DrawString(font, copy, x, y);
    FreeAligned(copy);
}

}  // namespace

void DrawControlText(int32_t index, Control* items, Font* font) {
    if (index == -1) return;
    Control& c = items[index];
    const int32_t b = c.extent;
    const int32_t avail = c.width - 2 * b;
    FillArea(c.x + b, c.y + b, avail, c.height - 2 * b, static_cast<uint8_t>(c.fillColor >> 16),
             static_cast<uint8_t>(c.fillColor >> 8), static_cast<uint8_t>(c.fillColor));
    if (font == nullptr || c.text == nullptr) return;

    // The scroll position and the caret are kept inside the text, so every read stays in it.
    const auto length = static_cast<int32_t>(std::strlen(c.text));
    const int32_t caret = c.rangeEnd < 0 ? 0 : (c.rangeEnd > length ? length : c.rangeEnd);
    if (c.rangeStart > length || c.rangeStart < 0) c.rangeStart = 0;
    if (c.rangeStart > caret) c.rangeStart = caret;

    // Too wide for the box: move the first visible character on until the caret is at most one
    // past the last visible one. That last one crosses the limit and is drawn whole.
    int32_t visible = length - c.rangeStart;
    if (TextWidth(c.text + c.rangeStart, font) > avail) {
        for (;;) {
            visible = FittingCount(c.text + c.rangeStart, font, avail);
            if (caret <= c.rangeStart + visible) break;
            ++c.rangeStart;
        }
    }

    const uint32_t savedColor = font->color;
    if ((c.flags & FlagDisabled) != 0) font->color = (font->color >> 1) & 0x007F7F7Fu;
    const char* shown = c.text + c.rangeStart;
    const int32_t shownWidth = TextPrefixWidth(visible, shown, font);
    const int32_t ty = c.y + (c.height - font->glyphHeight) / 2;
    if ((c.flags & AlignLeft) != 0) {
        DrawVisiblePart(font, shown, visible, c.x, ty);
    } else if ((c.flags & AlignCenter) != 0) {
        DrawVisiblePart(font, shown, visible, c.x + avail / 2 - shownWidth / 2, ty);
    } else if ((c.flags & AlignRight) != 0) {
        DrawVisiblePart(font, shown, visible, c.x + avail - shownWidth, ty);
    }
    font->color = savedColor;
}
