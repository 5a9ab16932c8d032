// Editing a text field in place: keys and typed characters change the application's buffer, a
// caret blinks, and Escape puts back the buffer as it was when editing began.
//
//   input                      effect                                            ends
//   left press or release      -                                                 yes
//   Tab                        pendingFocusIndex = this field (the next one is   yes
//                              edited by the next GetUiEvent)
//   Enter                      -                                                 yes
//   Escape                     the whole buffer back from the backup             yes
//   End / Home                 end of the shown part, then of the text /         no
//                              first shown character, then 0
//   Left / Right               caret one back / on, within the text              no
//   Delete                     the bytes after the caret move down               no
//   Backspace (character 8)    the bytes from the caret move down, caret back    no
//   other character            inserted at the caret if the flags let it and     no
//                              the text is not full; Tab's character is ignored
//   timer                      every eleventh tick toggles the caret             no
//
// Every change repaints the field, which leaves it without a caret. The buffer's last byte is
// kept zero throughout, so the text always ends inside the buffer.
#include "toolkit/track_text.h"

#include <cstring>

#include "base/aligned_alloc.h"
#include "display/display.h"
#include "render/draw.h"
#include "render/font.h"
#include "display/frame_bounds.h"
#include "toolkit/paint_control.h"
#include "toolkit/track_pump.h"

namespace {

constexpr int32_t kBlinkTicks = 10;  // ticks counted before the one that toggles the caret
constexpr int32_t kBackspace = 8;    // characters, as the key translation delivers them
constexpr int32_t kTabCharacter = 9;

struct Editing {
    Control* items;
    int32_t index;
    char* text;
    int32_t capacity;
};

int32_t TextLength(const Editing& e) {
    const void* end = std::memchr(e.text, 0, static_cast<size_t>(e.capacity));
    return end != nullptr ? static_cast<int32_t>(static_cast<const char*>(end) - e.text)
                          : e.capacity;
}

// The first shown character as the painter left it, kept within the text and before the caret,
// so that measuring from it never reads past the text.
int32_t FirstShown(const Editing& e, int32_t caret) {
    const int32_t start = e.items[e.index].rangeStart;
    if (start < 0 || start > caret) return 0;
    return start;
}

void Repaint(const Editing& e) {
    PaintControl(e.index, e.items);
    UpdateWindowNow();
}

// Inverts the two-pixel caret column at the caret. A field that is not shown gets no caret,
// and none is drawn where it would leave the frame buffer.
void ToggleCaret(const Editing& e) {
    const Control& c = e.items[e.index];
    if (c.visible != 1 || c.font == nullptr) return;
    const int32_t caret = c.rangeEnd;
    const int32_t shown = FirstShown(e, caret);
    const int32_t w = TextPrefixWidth(caret - shown, e.text + shown, c.font);
    const int64_t cx = int64_t{c.x} + w;
    const int32_t cy = c.y + (c.height - c.font->glyphHeight) / 2;
    const int32_t tall = c.font->glyphHeight;
    if (cx < 0 || cx + 2 > frameWidth || !InsideFrame(0, cy, 1, tall)) return;
    InvertColumn(static_cast<int32_t>(cx), cy, tall);
    InvertColumn(static_cast<int32_t>(cx) + 1, cy, tall);
    UpdateWindowNow();
}

// First End: the end of what the field shows; a second one: the end of the text.
int32_t EndOfShown(const Editing& e, int32_t caret) {
    const Control& c = e.items[e.index];
    const int32_t length = TextLength(e);
    if (c.font == nullptr) return length;
    const int32_t shown = FirstShown(e, caret);
    const char* from = e.text + shown;
    const int64_t avail = int64_t{c.width} - 2 * int64_t{c.extent};
    if (TextWidth(from, c.font) <= avail) return length;
    int32_t n = 0;
    for (int32_t before = 0;; ++n) {
        const int32_t width = TextPrefixWidth(n, from, c.font);
        if (width > avail || (n > 0 && width == before)) break;
        before = width;
    }
    return shown + n == caret ? length : shown + n;
}

bool Accepts(uint32_t flags, int32_t character) {
    const bool digit = character >= '0' && character <= '9';
    if ((flags & FlagDigits) != 0) return digit;
    if ((flags & FlagDecimal) != 0) return digit || character == '.';
    return true;
}

// Applies a key; true when it ends the editing.
bool OnKey(const Editing& e, const char* backup, int32_t key) {
    Control& c = e.items[e.index];
    const int32_t caret = c.rangeEnd;
    switch (key) {
        case VK_TAB:
            ChainFocusFrom(e.index);
            Repaint(e);
            return true;
        case VK_RETURN:
            Repaint(e);
            return true;
        case VK_ESCAPE:
            std::memcpy(e.text, backup, static_cast<size_t>(e.capacity));
            Repaint(e);
            return true;
        case VK_END:
            c.rangeEnd = EndOfShown(e, caret);
            Repaint(e);
            return false;
        case VK_HOME: {
            const int32_t shown = FirstShown(e, caret);
            c.rangeEnd = caret != shown ? shown : 0;
            Repaint(e);
            return false;
        }
        case VK_LEFT:
            if (caret <= 0) return false;
            c.rangeEnd = caret - 1;
            Repaint(e);
            return false;
        case VK_RIGHT:
            if (caret >= TextLength(e)) return false;
            c.rangeEnd = caret + 1;
            Repaint(e);
            return false;
        case VK_DELETE:
            if (caret < 0 || caret >= e.capacity) return false;
            // The last byte keeps its value: the zero that ends the buffer.
            std::memmove(e.text + caret, e.text + caret + 1,
                         static_cast<size_t>(e.capacity - caret - 1));
            Repaint(e);
            return false;
        default:
            return false;
    }
}

void OnCharacter(const Editing& e, int32_t character) {
    Control& c = e.items[e.index];
    const int32_t caret = c.rangeEnd;
    if (character == kBackspace) {
        if (caret <= 0 || caret >= e.capacity) return;
        std::memmove(e.text + caret - 1, e.text + caret, static_cast<size_t>(e.capacity - caret));
        c.rangeEnd = caret - 1;
        Repaint(e);
        return;
    }
    if (character == kTabCharacter || character < 0) return;
    // A full text takes nothing more, wherever the caret stands. The bytes up to the
    // second-last one move up; the last one stays the terminating zero.
    if (caret < 0 || caret >= e.capacity - 1 || TextLength(e) >= e.capacity - 1) return;
    if (!Accepts(c.flags, character)) return;
    std::memmove(e.text + caret + 1, e.text + caret, static_cast<size_t>(e.capacity - caret - 2));
    e.text[caret] = static_cast<char>(character & 0xFF);
    c.rangeEnd = caret + 1;
    Repaint(e);
}

}  // namespace

void TrackTextField(WindowHandle /*messageWindow*/, Control* items, int32_t index) {
    EndFocusChain();
    Control& c = items[index];
    // A buffer without room for its terminating zero cannot be edited.
    if (c.text == nullptr || c.textCapacity < 1) {
        EndGesture();
        return;
    }
    const Editing e{items, index, c.text, c.textCapacity};
    auto* backup = static_cast<char*>(AllocAligned(static_cast<size_t>(e.capacity)));
    if (backup == nullptr) {
        EndGesture();
        return;
    }
    e.text[e.capacity - 1] = '\0';
    std::memcpy(backup, e.text, static_cast<size_t>(e.capacity));
    c.rangeEnd = TextLength(e);
    Repaint(e);

    int32_t blink = 0;
    for (bool done = false; !done && TrackNextMessage();) {
        switch (inputCode) {
            case InputLeftDown:
            case InputLeftUp:
                Repaint(e);
                done = true;
                break;
            case InputKey:
                done = OnKey(e, backup, inputKey);
                break;
            case InputChar:
                OnCharacter(e, inputKey);
                break;
            case InputTimer:
                if (blink == kBlinkTicks) {
                    ToggleCaret(e);
                    blink = 0;
                } else {
                    ++blink;
                }
                break;
            default:
                break;
        }
    }
    FreeAligned(backup);
    EndGesture();
}
