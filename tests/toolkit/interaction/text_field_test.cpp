// Editing a text field: the key table, the digit filters, Escape's backup, the caret's blink,
// the Tab chain, and a buffer that is never written past whatever its capacity.
#include <cstring>
#include <string>

#include "base/aligned_alloc.h"
#include "display/display.h"
#include "render/font.h"
#include "tests/toolkit/interaction/interaction_fixture.h"
#include "toolkit/track_text.h"

namespace {

constexpr uint8_t kSentinel = 0x5A;
constexpr uint32_t kPeriodKey = 0xBE;
constexpr uint32_t kLook = 0;  // no key

class TextFieldTest : public InteractionTest {
protected:
    void SetUp() override {
        InteractionTest::SetUp();
        // Every glyph a white 6 x 8 block: fixed width, easy to measure.
        sheet_.assign(size_t{256} * 6 * 8 * 3, 255);
        font_ = Font{sheet_.data(), 6, 8, 256 * 6, 0, 0, 0, {}};
    }
    // A field of 100 x 16 at (200, 300) with a border of 2 over `capacity` bytes starting with
    // `text`; the bytes after it hold 'z' up to the last, which holds '#'. The buffer sits
    // between sentinel bytes.
    Control& AddField(const char* text, int32_t capacity, int32_t x = 200) {
        auto& buffer = buffers_[static_cast<size_t>(list_.count)];
        buffer.assign(static_cast<size_t>(capacity) + 16, kSentinel);
        char* start = buffer.data() + 8;
        for (int32_t i = 0; i < capacity; ++i) start[i] = 'z';
        if (capacity > 0) start[capacity - 1] = '#';
        std::memcpy(start, text, std::min<size_t>(std::strlen(text) + 1, size_t(capacity)));
        Control& c = Add(ControlTextField, x, 300, 100, 16);
        c.flags = AlignLeft | FlagNoHover;
        c.extent = 2;
        c.font = &font_;
        c.text = start;
        c.textCapacity = capacity;
        c.fillColor = 0x203040;
        return c;
    }
    bool SentinelsIntact(int32_t field) const {
        const auto& buffer = buffers_[static_cast<size_t>(field)];
        for (size_t i = 0; i < 8; ++i) {
            if (buffer[i] != static_cast<char>(kSentinel) ||
                buffer[buffer.size() - 1 - i] != static_cast<char>(kSentinel)) {
                return false;
            }
        }
        return true;
    }
    // Edits the field with these keys (a character key also types its character), then Enter;
    // a kLook in place of a key is a step that runs `look` (and lets the timer tick).
    void Edit(std::vector<uint32_t> keys, int32_t field = 0, std::function<void()> look = {}) {
        InputScript& script = Script();
        for (uint32_t key : keys) key == kLook ? script.Then(look) : script.Key(key);
        script.Key(VK_RETURN);
        TrackTextField(nullptr, controls_.data(), field);
        EXPECT_TRUE(ScriptDone());
        PumpPending();  // Enter's character belongs to whoever pumps next
    }
    std::vector<uint8_t> sheet_;
    Font font_{};
    std::array<std::vector<char>, 10> buffers_;
};

TEST_F(TextFieldTest, EditingStartsWithTheCaretAfterTheTextAndKeysMoveItWithinTheText) {
    Control& field = AddField("sixteen letters!", 20);  // exactly the 96 pixels of room
    std::vector<int32_t> carets;
    Edit({kLook, VK_RIGHT, kLook, VK_LEFT, kLook, VK_HOME, kLook, VK_LEFT, kLook, VK_END, kLook}, 0,
         [&] { carets.push_back(field.rangeEnd); });
    EXPECT_EQ(carets, (std::vector<int32_t>{16, 16, 15, 0, 0, 16}));
    EXPECT_EQ(std::string(field.text), "sixteen letters!");
    EXPECT_EQ(pressedIndex, -1);
    EXPECT_EQ(pendingFocusIndex, -1);
}

TEST_F(TextFieldTest, HomeAndEndGoFirstToTheShownPartThenToTheWholeText) {
    // 36 pixels of room show six characters and part of a seventh.
    Control& field = AddField("abcdefghijkl", 20);
    field.width = 40;
    std::vector<int32_t> seen;
    const auto note = [&] { seen.insert(seen.end(), {field.rangeStart, field.rangeEnd}); };
    Edit({kLook, VK_LEFT, VK_LEFT, VK_LEFT, kLook, VK_HOME, kLook, VK_HOME, kLook, VK_END, kLook,
          VK_END, kLook},
         0, note);
    EXPECT_EQ(seen, (std::vector<int32_t>{5, 12, 5, 9, 5, 5, 0, 0, 0, 7, 5, 12}));
}

TEST_F(TextFieldTest, DeleteBackspaceAndTypingFollowTheKeyTable) {
    Control& field = AddField("abcd", 8);  // bytes: a b c d 0 z z 0
    Edit({VK_LEFT, VK_LEFT, VK_DELETE, VK_BACK, 'X', VK_HOME, VK_BACK});
    EXPECT_EQ(std::string(field.text, 8), std::string("axd\0zz\0\0", 8));
    EXPECT_EQ(field.rangeEnd, 0);

    // Backspace after the last character moves the terminating zero down with it; Delete at
    // the end of a text followed by zeros changes nothing.
    Edit({VK_BACK, VK_BACK});
    EXPECT_EQ(std::string(field.text, 8), std::string("a\0zz\0\0\0\0", 8));
    std::memset(field.text + 1, 0, 7);
    Edit({VK_DELETE, VK_DELETE});
    EXPECT_EQ(std::string(field.text, 8), std::string("a\0\0\0\0\0\0\0", 8));
    EXPECT_EQ(field.rangeEnd, 1);
    EXPECT_TRUE(SentinelsIntact(0));
}

TEST_F(TextFieldTest, TheDigitFlagsFilterTypedCharacters) {
    Control& digits = AddField("1", 8);
    digits.flags |= FlagDigits | FlagDecimal;  // digits rule
    Edit({'A', kPeriodKey, '7'});
    EXPECT_EQ(std::string(digits.text), "17");

    Control& decimal = AddField("1", 8, 400);
    decimal.flags |= FlagDecimal;
    Edit({'A', kPeriodKey, '5', VK_SPACE}, 1);
    EXPECT_EQ(std::string(decimal.text), "1.5");
}

TEST_F(TextFieldTest, EscapeRestoresTheWholeBufferAndEveryOtherWayOutKeepsTheEdits) {
    Control& field = AddField("abc", 6);
    Script().Key(VK_BACK).Key(VK_HOME).Key(VK_DELETE).Key('Q').Key(VK_ESCAPE);
    TrackTextField(nullptr, controls_.data(), 0);
    PumpPending();
    // The last byte was made the terminating zero when editing began.
    EXPECT_EQ(std::string(field.text, 6), std::string("abc\0z\0", 6));

    const int32_t blocks = alignedAllocCount;
    Script().Key('Q').MoveTo(10, 10).Down();
    TrackTextField(nullptr, controls_.data(), 0);
    EXPECT_EQ(std::string(field.text), "abcq");
    Script().Key('R').Then([] { OsPostQuitMessage(0); });
    TrackTextField(nullptr, controls_.data(), 0);
    EXPECT_EQ(std::string(field.text), "abcqr");
    EXPECT_EQ(alignedAllocCount, blocks);
    EXPECT_EQ(pressedIndex, -1);
}

// A full text takes no more characters wherever the caret is, and no capacity lets a write
// pass the buffer or lose its terminating zero.
TEST_F(TextFieldTest, AFullTextRefusesCharactersAndNoCapacityIsWrittenPast) {
    Control& full = AddField("abcde", 6);
    Edit({VK_HOME, VK_RIGHT, 'X', VK_END, 'Y', VK_DELETE});
    EXPECT_EQ(std::string(full.text, 6), std::string("abcde\0", 6));

    // Without room for the terminating zero there is nothing to edit.
    list_.count = 0;
    AddField("", 0);
    Script().Key('A');
    TrackTextField(nullptr, controls_.data(), 0);
    EXPECT_FALSE(ScriptDone());
    EXPECT_TRUE(SentinelsIntact(0));

    for (int32_t capacity : {1, 2}) {
        list_.count = 0;
        Control& tiny = AddField("", capacity);
        Edit({'A', 'B', VK_LEFT, 'C', VK_BACK, VK_DELETE, VK_END, VK_HOME, 'D'});
        EXPECT_TRUE(SentinelsIntact(0)) << "capacity " << capacity;
        EXPECT_EQ(tiny.text[capacity - 1], '\0') << "capacity " << capacity;
    }
    EXPECT_EQ(std::string(controls_[0].text), "d");
}

TEST_F(TextFieldTest, TheCaretFirstShowsOnTheEleventhTickAndGoesOnTheNext) {
    AddField("ab", 8);
    // Caret after two 6-pixel characters, vertically centred: columns 212 and 213 from row 304.
    std::vector<uint32_t> pixels;
    const auto look = [&] {
        pixels.push_back(Pixel(212, 304));
        pixels.push_back(Pixel(213, 311));
    };
    // A step that brings no input lets the waiting loop's clock run on to the next tick, so each
    // look is a tick too: the looks come before the first, after the tenth, eleventh and 22nd.
    Script().Then(look).Ticks(9).Then(look).Then(look).Ticks(10).Then(look).Key(VK_RETURN);
    TrackTextField(nullptr, controls_.data(), 0);
    const uint32_t fill = 0x203040;
    const uint32_t caret = fill ^ 0xFFFFFFu;
    EXPECT_EQ(pixels, (std::vector<uint32_t>{fill, fill, fill, fill, caret, caret, fill, fill}));
    EXPECT_EQ(Pixel(212, 304), fill);  // the last repaint leaves no caret
}

TEST_F(TextFieldTest, TabMovesEditingToTheNextFieldWhereItsTabCharacterIsIgnored) {
    Control& first = AddField("one", 8);
    Control& second = AddField("two", 8, 400);
    Script().MoveTo(220, 305).Down().Up().Key('A').Key(VK_TAB);
    Until(EventPress);
    const UiEvent released = Until(EventRelease);
    EXPECT_EQ(released.index, 0);
    EXPECT_EQ(pendingFocusIndex, 0);

    Script().Key('B').Key(VK_TAB);
    UiEvent chained{};
    GetUiEvent(&chained);
    EXPECT_EQ(chained.kind, EventRelease);
    EXPECT_EQ(chained.index, 1);
    EXPECT_EQ(std::string(first.text), "onea");
    EXPECT_EQ(std::string(second.text), "twob");

    // From the last field the chain wraps round to the first.
    Script().Key(VK_RETURN);
    GetUiEvent(&chained);
    EXPECT_EQ(chained.index, 0);
    EXPECT_EQ(pendingFocusIndex, -1);
    EXPECT_EQ(std::string(first.text), "onea");
}

TEST_F(TextFieldTest, WithoutABackupTheFieldIsNotEdited) {
    Control& field = AddField("abc", 8);
    pressedIndex = 0;
    pendingFocusIndex = 3;
    FailAlignedAllocAfter(0);
    TrackTextField(nullptr, controls_.data(), 0);
    FailAlignedAllocAfter(-1);
    EXPECT_EQ(std::string(field.text, 8), std::string("abc\0zzz#", 8));
    EXPECT_EQ(pressedIndex, -1);
    EXPECT_EQ(pendingFocusIndex, -1);
}

}  // namespace
