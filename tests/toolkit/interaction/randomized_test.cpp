// Random input through GetUiEvent over controls of every kind, with fixed seeds and a fixed
// number of inputs. After every event: nothing written outside the frame buffer or a text
// buffer, every level within 0..200, at most one control hovered, no aligned block left over,
// every text still terminated inside its buffer.
#include <cstring>
#include <iostream>
#include <map>
#include <random>
#include <string>

#include "base/aligned_alloc.h"
#include "display/display.h"
#include "render/font.h"
#include "tests/toolkit/interaction/interaction_fixture.h"

namespace {

constexpr int32_t kSequences = 32;
constexpr int32_t kInputsPerSequence = 600;
constexpr size_t kGuard = 4096;  // sentinel pixels before and after the frame buffer
constexpr uint32_t kGuardPixel = 0xA5C3E1F7;
constexpr size_t kTextGuard = 16;
constexpr char kTextSentinel = 0x5A;

std::mt19937* rng = nullptr;
std::map<std::string, int32_t> reached;  // what the callbacks saw, over the whole run

int32_t Random(int32_t below) {
    return static_cast<int32_t>((*rng)() % uint32_t(below));
}

void Notify() {
    ++reached["slider or scroll onChange"];
}
void Turned(Control*, int32_t, int32_t) {
    ++reached["dial onChange"];
}
void Moved(Control*, int32_t, int32_t, int32_t) {
    ++reached["free motion onChange"];
}
void Pointer(Control*, int32_t index, int32_t reason, intptr_t, intptr_t, intptr_t, intptr_t) {
    ++reached["pointer " + std::to_string(index) + " " + std::to_string(reason)];
}
int32_t Area(Control*, int32_t, int32_t reason, int32_t, int32_t) {
    ++reached["area " + std::to_string(reason)];
    return Random(2);  // click or drag
}

std::vector<uint8_t> sheetNormal;
std::vector<uint8_t> sheetHighlight;

// The grid described at random: sometimes too big, misplaced, empty or without a sheet.
// A drag source's onChange also follows its drags: only reason 64 carries a descriptor.
void DescribeGrid(Control* items, int32_t index, int32_t reason, intptr_t descriptor, intptr_t x,
                  intptr_t y, intptr_t z) {
    if (reason != 64) return Pointer(items, index, reason, descriptor, x, y, z);
    ++reached["grid described"];
    auto* grid = reinterpret_cast<PopupGridDescriptor*>(descriptor);
    grid->normalSheet = sheetNormal.data();
    grid->highlightSheet = Random(10) == 0 ? nullptr : sheetHighlight.data();
    grid->anchorX = Random(1000) - 100;
    grid->anchorY = Random(800) - 100;
    grid->gridCellWidth = 24 - Random(2) * Random(30);
    grid->gridCellHeight = 24;
    grid->columns = 1 + Random(4) - Random(2);
    grid->rows = 1 + Random(3);
    grid->border = Random(6) == 0 ? 300 : Random(8);
    grid->selectedCell = Random(14) - 1;
}
// And its onRelease ends both its drags (reason 0) and its pop-ups (reason 64).
void GridClosed(Control*, int32_t, int32_t reason, intptr_t, intptr_t, intptr_t, intptr_t) {
    ++reached[reason == 64 ? "grid closed" : "drag released"];
}

class RandomizedTest : public InteractionTest {
protected:
    void SetUp() override {
        InteractionTest::SetUp();
        // The frame buffer moves into a block with guard pixels on both sides.
        guarded_.assign(800 * 600 + 2 * kGuard, kGuardPixel);
        original_ = FrameBuffer;
        std::memcpy(guarded_.data() + kGuard, original_, 800 * 600 * 4);
        FrameBuffer = guarded_.data() + kGuard;
        pictures_.resize(size_t{1} << 22);
        for (size_t i = 0; i < pictures_.size(); ++i) pictures_[i] = uint8_t(i * 7 + i / 4093);
        sheetNormal.assign(size_t{96} * 72 * 3 * 2, 60);
        sheetHighlight.assign(size_t{96} * 72 * 3 * 2, 220);
        glyphs_.assign(size_t{256} * 6 * 8 * 3, 200);
        font_ = Font{glyphs_.data(), 6, 8, 256 * 6, 0, 0, 1, {}};
    }
    void TearDown() override {
        FrameBuffer = original_;
        InteractionTest::TearDown();
    }

    Control& Place(int32_t type, int32_t x, int32_t y, int32_t width, int32_t height) {
        Control& c = Add(type, x, y, width, height);
        c.flags = FlagFade | FlagOutline;
        c.imageNormal = c.imageHover = c.imagePressed = pictures_.data();
        c.imageCheckedNormal = c.imageCheckedHover = c.imageCheckedPressed = pictures_.data();
        c.onChange.pointer = Pointer;
        c.onPointer.pointer = Pointer;
        c.onRelease.pointer = Pointer;
        return c;
    }
    void AddTextField(int32_t x, int32_t y) {
        const auto slot = static_cast<size_t>(list_.count);
        Control& c = Place(ControlTextField, x, y, 120, 16);
        const int32_t capacities[] = {0, 1, 2, 5, 12, 40};
        c.textCapacity = capacities[Random(6)];
        auto& buffer = texts_[slot];
        buffer.assign(static_cast<size_t>(c.textCapacity) + 2 * kTextGuard, kTextSentinel);
        c.text = buffer.data() + kTextGuard;
        for (int32_t i = 0; i < c.textCapacity; ++i) c.text[i] = char('a' + Random(26));
        if (c.textCapacity > 0) c.text[Random(c.textCapacity)] = '\0';
        // The painter reads a text up to its zero: a buffer with no room for one has no text.
        if (c.textCapacity == 0) c.text = nullptr;
        c.flags = AlignLeft | (Random(3) == 0 ? uint32_t{FlagDigits} : 0u);
        c.extent = 2;
        c.font = &font_;
        c.rangeStart = Random(3);
    }
    // Every kind of control: list 0 and list 1 together hold all seventeen.
    void Build(int32_t which) {
        list_.count = 0;
        texts_ = {};
        if (which == 0) {
            Place(ControlImageButton, 628, 10, 156, 93);
            Control& slider = Place(ControlSliderKnob, 40, 40, 20, 20);
            slider.extent = 80;
            slider.orientation = Random(3);
            slider.onChange.notify = Notify;
            Place(ControlToggleButton, 40, 100, 40, 30);
            Control& picker =
                Place(ControlCellPicker, 620 + Random(160), 400 + Random(180), 24, 24);
            picker.columns = 4;
            picker.rows = 3;
            picker.selectedCell = Random(12);
            picker.imageHover = sheetHighlight.data();
            picker.imagePressed = sheetNormal.data();
            Place(ControlPushButton, 100, 100, 40, 30);
            for (int32_t k = 0; k < 2; ++k) {
                Control& radio = Place(ControlRadioButton, 160 + 50 * k, 100, 40, 30);
                radio.id = 50 + k;
                radio.columns = k;
                radio.rows = 2;
            }
            Place(ControlHotArea, 300, 100, 40, 30);
            Control& source = Place(ControlDragSource, 360, 100, 40, 30);
            source.flags |= FlagPopup;
            source.onChange.pointer = Random(2) == 0 ? DescribeGrid : Pointer;
            source.onRelease.pointer = GridClosed;
            AddTextField(200, 300);
        } else {
            Place(ControlPressArea, 40, 40, 40, 30);
            Place(ControlInertArea, 100, 40, 40, 30);
            Control& bar = Place(ControlScrollBar, 40, 200, 200, 12);
            bar.extent = 5;
            bar.rangeEnd = Random(4) == 0 ? 0 : Random(300);
            bar.value = Random(120);
            bar.orientation = Random(3) == 0 ? 1 : 0;
            bar.height = bar.orientation == 1 ? 200 : 12;
            bar.width = bar.orientation == 1 ? 12 : 200;
            bar.onChange.notify = Notify;
            Control& framed = Place(ControlFramedCellPicker, Random(780), Random(580), 24, 24);
            framed.columns = 4;
            framed.rows = 3;
            framed.extent = Random(6);
            framed.selectedCell = Random(14) - 1;
            framed.imageHover = sheetHighlight.data();
            framed.imagePressed = sheetNormal.data();
            Control& dial = Place(ControlDial, 300, 40, 24, 24);
            dial.extent = Random(5) == 0 ? 0 : 8;
            dial.rangeStart = -5;
            dial.rangeEnd = 20;
            dial.orientation = Random(3);
            dial.onChange.value = Turned;
            Place(ControlHoverArea, 360, 40, 40, 30);
            Control& area = Place(ControlDragDropArea, 420, 40, 40, 30);
            area.onPointer.area = Area;
            Control& motion = Place(ControlFreeMotion, 480, 40, 40, 30);
            motion.onChange.motion = Moved;
            AddTextField(200, 300);
            AddTextField(200, 360);
        }
    }

    // One random input, as a user could give it.
    void RandomInput() {
        ++inputs_;
        const int32_t what = Random(100);
        if (what < 40) {
            // Mostly onto or just beside a control (a knob at its offset), else anywhere, off
            // the window included.
            const Control& c = controls_[static_cast<size_t>(Random(list_.count))];
            const int32_t along = c.type == ControlSliderKnob ? c.value : 0;
            if (Random(4) != 0) {
                MoveTo(c.x + along + Random(c.width + 8) - 4, c.y + Random(c.height + 8) - 4);
            } else {
                MoveTo(Random(900) - 50, Random(700) - 50);
            }
        } else if (what < 52) {
            HeadlessPointerButton(VK_LBUTTON, Random(2) == 0);
        } else if (what < 58) {
            HeadlessPointerButton(VK_RBUTTON, Random(2) == 0);
        } else if (what < 80) {
            const uint32_t keys[] = {VK_TAB,  VK_RETURN, VK_ESCAPE, VK_END,  VK_HOME,
                                     VK_LEFT, VK_RIGHT,  VK_DELETE, VK_BACK, 'A',
                                     '7',     0xBE,      VK_SPACE,  VK_UP};
            Key(keys[Random(14)]);
        } else if (what < 97) {
            Tick();
        } else if (what < 99) {
            OsPostQuitMessage(0);
        } else {
            OsPostMessage(mainWindow, WM_CLOSE, 0, 0);
        }
    }

    void CheckInvariants(int32_t sequence, int32_t event) {
        const std::string where =
            "sequence " + std::to_string(sequence) + " event " + std::to_string(event);
        for (size_t i = 0; i < kGuard; ++i) {
            ASSERT_EQ(guarded_[i], kGuardPixel) << where;
            ASSERT_EQ(guarded_[guarded_.size() - 1 - i], kGuardPixel) << where;
        }
        int32_t hovered = 0;
        for (int32_t i = 0; i < list_.count; ++i) {
            const Control& c = controls_[static_cast<size_t>(i)];
            ASSERT_GE(c.level, 0) << where << " control " << i;
            ASSERT_LE(c.level, 200) << where << " control " << i;
            hovered += c.hovered;
            if (c.type != ControlTextField) continue;
            const auto& buffer = texts_[static_cast<size_t>(i)];
            for (size_t k = 0; k < kTextGuard; ++k) {
                ASSERT_EQ(buffer[k], kTextSentinel) << where << " control " << i;
                ASSERT_EQ(buffer[buffer.size() - 1 - k], kTextSentinel) << where;
            }
            if (c.textCapacity > 0) {
                ASSERT_NE(std::memchr(c.text, 0, size_t(c.textCapacity)), nullptr) << where;
            }
        }
        ASSERT_LE(hovered, 1) << where;
        ASSERT_EQ(alignedAllocCount, blocksAtStart_) << where;
    }

    std::vector<uint32_t> guarded_;
    uint32_t* original_ = nullptr;
    std::vector<uint8_t> pictures_;
    std::vector<uint8_t> glyphs_;
    Font font_{};
    std::array<std::vector<char>, 10> texts_;
    int32_t inputs_ = 0;
    int32_t blocksAtStart_ = 0;
};

TEST_F(RandomizedTest, RandomInputKeepsEveryControlAndBufferSound) {
    int32_t events = 0;
    reached.clear();
    for (int32_t sequence = 0; sequence < kSequences; ++sequence) {
        std::mt19937 generator(0x5EED0000u + static_cast<uint32_t>(sequence));
        rng = &generator;
        Build(sequence % 2);
        pressedIndex = -1;
        pendingFocusIndex = -1;
        blocksAtStart_ = alignedAllocCount;
        const int32_t budget = inputs_ + kInputsPerSequence;
        // While input remains, every empty queue gets the next one; after that only quit
        // messages and timer ticks, which end any loop and every wait.
        HeadlessSetIdleHook([&] {
            // A pop-up's save block or a text field's backup: a loop holds one while it runs.
            if (alignedAllocCount == blocksAtStart_ + 1) ++reached["input while a block is held"];
            if (inputs_ < budget) {
                RandomInput();
            } else {
                OsPostQuitMessage(0);
                Tick();
            }
        });
        for (int32_t event = 0; inputs_ < budget; ++event, ++events) {
            UiEvent e{};
            GetUiEvent(&e);
            CheckInvariants(sequence, event);
            if (HasFatalFailure()) return;
        }
    }
    HeadlessSetIdleHook(nullptr);
    std::cout << "randomized run: " << kSequences << " sequences, " << inputs_ << " inputs, "
              << events << " events\n";
    for (const auto& [name, count] : reached) std::cout << "  " << name << ": " << count << "\n";
    // Every loop was reached at least once.
    for (const char* name :
         {"slider or scroll onChange", "dial onChange", "free motion onChange", "pointer 8 0",
          "area 16", "area 32", "grid described", "grid closed"}) {
        EXPECT_GT(reached[name], 0) << name;
    }
}

}  // namespace
