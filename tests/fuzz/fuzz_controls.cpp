#include "tests/fuzz/fuzz_controls.h"

#include <algorithm>

#include "platform/pump.h"
#include "tests/fuzz/fuzz_harness.h"
#include "toolkit/control_kinds.h"
#include "toolkit/scroll_thumb.h"
#include "toolkit/toolkit_state.h"

namespace {

ControlList list;
Control slots[kControlListCapacity];

FuzzedDataProvider& Data() {
    return *fuzzData;
}

// The flags a control can have, each set or not by the input.
uint32_t Flags() {
    const uint32_t known[] = {FlagFade,  FlagDisabled, FlagOutline, FlagNoHover, FlagPopup,
                              AlignLeft, AlignCenter,  AlignRight,  FlagDigits,  FlagDecimal};
    const auto bits = Data().ConsumeIntegral<uint16_t>();
    uint32_t flags = 0;
    for (size_t i = 0; i < std::size(known); ++i) {
        if ((bits >> i & 1) != 0) flags |= known[i];
    }
    return flags;
}

// The top of a kind's level scale in steps of 10: the outline ring's 100, the pictures' 200.
int32_t LevelSteps(int32_t type) {
    return KindOf(type).fade == FadeGroup::Outline ? 10 : 20;
}

// Places a width x height rectangle with the given room on each side inside the frame buffer;
// false when it cannot lie there.
bool Place(Control& c, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (left + c.width + right > 800 || top + c.height + bottom > 600) return false;
    c.x = Data().ConsumeIntegralInRange(left, 800 - right - c.width);
    c.y = Data().ConsumeIntegralInRange(top, 600 - bottom - c.height);
    return true;
}

// The six pictures, each of `bytes` bytes or missing, and a mask of `maskBytes` or none.
void Pictures(Control& c, size_t bytes, size_t maskBytes) {
    for (RgbPicture* slot : {&c.imageNormal, &c.imageHover, &c.imagePressed, &c.imageCheckedNormal,
                             &c.imageCheckedHover, &c.imageCheckedPressed}) {
        *slot = Data().ConsumeIntegralInRange(0, 7) == 0 ? nullptr : Picture(bytes);
    }
    c.mask = Data().ConsumeBool() ? Picture(maskBytes) : nullptr;
}

// The eight frame pieces of a `b`-pixel frame: b x b corners, edges of one b-pixel line.
void FramePieces(RgbPicture* art, int32_t b) {
    for (int32_t k = 0; k < 8; ++k) {
        const size_t pixels = k % 2 == 0 ? size_t(b) * size_t(b) : size_t(b);
        art[k] = Data().ConsumeIntegralInRange(0, 7) == 0 ? nullptr : Picture(3 * pixels);
    }
}

// Fewer rows, then fewer columns, until a sheet of these cells holds at most 600,000 pixels:
// enough for grids larger than the frame buffer, small enough to make quickly.
void LimitSheet(int32_t cellWidth, int32_t cellHeight, int32_t* columns, int32_t* rows) {
    const auto pixels = [&] { return int64_t{cellWidth} * cellHeight * *columns * *rows; };
    while (*rows > 1 && pixels() > 600000) --*rows;
    while (*columns > 1 && pixels() > 600000) --*columns;
}

// --- callbacks: each may change controls and pump messages before it answers.

// A change a caller may make: a level on its scale, a check, visibility, a cell of the grid,
// a knob within its travel, any dial value.
void ChangeAControl() {
    FuzzedDataProvider& d = Data();
    Control& c = slots[d.ConsumeIntegralInRange(0, list.count - 1)];
    switch (d.ConsumeIntegralInRange(0, 4)) {
        case 0:
            c.level = 10 * d.ConsumeIntegralInRange(0, LevelSteps(c.type));
            return;
        case 1:
            c.checked = d.ConsumeBool();
            return;
        case 2:
            c.visible = Pick({0, 1, 1, 2});
            return;
        case 3:
            if (c.columns > 0 && c.rows > 0) {
                c.selectedCell = d.ConsumeIntegralInRange(0, c.columns * c.rows - 1);
            }
            return;
        default:
            if (c.type == ControlSliderKnob) c.value = d.ConsumeIntegralInRange(0, c.extent);
            if (c.type == ControlDial) c.value = d.ConsumeIntegral<int32_t>();
            return;
    }
}

void Act() {
    if (fuzzData == nullptr) return;
    switch (Data().ConsumeIntegralInRange(0, 5)) {
        case 0:
            ChangeAControl();
            return;
        case 1:
            for (int32_t n = Data().ConsumeIntegralInRange(1, 3); n > 0; --n) {
                PumpOneMessage();
            }
            return;
        default:
            return;
    }
}

void OnNotify() {
    Act();
}
void OnValue(Control* items, int32_t id, int32_t /*value*/) {
    Act();
    if (Data().ConsumeBool()) return;
    for (int32_t i = 0; i < list.count; ++i) {
        if (items[i].id != id || items[i].type != ControlDial) continue;
        items[i].value = Data().ConsumeIntegral<int32_t>();  // the dial shows what it is left
        return;
    }
}
void OnMotion(Control*, int32_t, int32_t, int32_t) {
    Act();
}
void OnPointer(Control*, int32_t, int32_t, intptr_t, intptr_t, intptr_t, intptr_t) {
    Act();
}
int32_t OnArea(Control*, int32_t, int32_t, int32_t, int32_t) {
    Act();
    return Pick({1, 1, 0, 2, -1});  // click, drag, and answers that are neither
}

int32_t gridEntryCell = 0;  // the cell a pop-up grid was described with

// A drag source's onChange: during a drag, pointer words; for its pop-up (64), the grid, any
// size and anywhere, sometimes without sheets, with sheets and pieces of the sizes described.
void DescribeGrid(Control* items, int32_t index, int32_t reason, intptr_t word1, intptr_t word2,
                  intptr_t word3, intptr_t word4) {
    if (reason != 64) return OnPointer(items, index, reason, word1, word2, word3, word4);
    Act();
    FuzzedDataProvider& d = Data();
    auto* grid = reinterpret_cast<PopupGridDescriptor*>(word1);
    grid->anchorX = d.ConsumeIntegralInRange(-200, 1000);
    grid->anchorY = d.ConsumeIntegralInRange(-200, 800);
    grid->gridCellWidth = d.ConsumeIntegralInRange(-1, 300);
    grid->gridCellHeight = d.ConsumeIntegralInRange(-1, 300);
    grid->columns = d.ConsumeIntegralInRange(-1, 8);
    grid->rows = d.ConsumeIntegralInRange(-1, 6);
    LimitSheet(grid->gridCellWidth, grid->gridCellHeight, &grid->columns, &grid->rows);
    grid->border = d.ConsumeIntegralInRange(-1, 24);
    grid->selectedCell = d.ConsumeIntegralInRange(-2, 50);
    gridEntryCell = grid->selectedCell;
    const bool sized =
        grid->gridCellWidth > 0 && grid->gridCellHeight > 0 && grid->columns > 0 && grid->rows > 0;
    const size_t sheet = sized ? 3 * size_t(grid->gridCellWidth) * size_t(grid->gridCellHeight) *
                                     size_t(grid->columns) * size_t(grid->rows)
                               : 1;
    grid->normalSheet = d.ConsumeIntegralInRange(0, 7) == 0 ? nullptr : Picture(sheet);
    grid->highlightSheet = d.ConsumeIntegralInRange(0, 7) == 0 ? nullptr : Picture(sheet);
    FramePieces(grid->frameArt, std::max(0, grid->border));
}

// A drag source's onRelease: after a drag, pointer words; after its pop-up, the pick.
void GridClosed(Control* items, int32_t index, int32_t reason, intptr_t word1, intptr_t word2,
                intptr_t word3, intptr_t word4) {
    if (reason != 64) return OnPointer(items, index, reason, word1, word2, word3, word4);
    const auto* grid = reinterpret_cast<const PopupGridDescriptor*>(word1);
    Require(grid->selectedCell == gridEntryCell ||
                (grid->selectedCell >= 0 &&
                 int64_t{grid->selectedCell} < int64_t{grid->columns} * grid->rows),
            "a pop-up grid picks one of its cells or nothing");
    Act();
}

// --- the kinds of control

bool BuildSlider(Control& c) {
    c.extent = Data().ConsumeIntegralInRange(0, 300);
    c.value = Data().ConsumeIntegralInRange(0, c.extent);
    const int32_t along = c.extent;
    const bool fits = c.orientation == 0   ? Place(c, 0, 0, along, 0)
                      : c.orientation == 1 ? Place(c, 0, 0, 0, along)
                                           : Place(c, 0, 0, 0, 0);
    Pictures(c, 3 * size_t(c.width) * size_t(c.height), size_t(c.width) * size_t(c.height));
    if (Data().ConsumeBool()) c.onChange.notify = OnNotify;
    return fits;
}

// The thumb stays on its bar: caps short enough for the bar, an offset within the room.
bool BuildScrollBar(Control& c) {
    FuzzedDataProvider& d = Data();
    c.width = std::max(c.width, 1);
    c.height = std::max(c.height, 1);
    const int32_t length = c.orientation == 1 ? c.height : c.width;
    const int32_t across = c.orientation == 1 ? c.width : c.height;
    c.extent = d.ConsumeIntegralInRange(0, (length - 1) / 2);
    c.rangeEnd = d.ConsumeIntegralInRange(1, 500);
    c.value = d.ConsumeIntegralInRange(0, 2 * c.rangeEnd);
    const auto thumb = static_cast<int32_t>(ScrollThumbLength(c));
    c.thumbOffset = d.ConsumeIntegralInRange(0, std::max(0, length - thumb));
    c.rangeStart = d.ConsumeIntegralInRange(0, std::max(0, c.rangeEnd - c.value));
    const size_t cap = size_t(c.extent) * size_t(across);
    c.imageNormal = Picture(3 * cap);
    c.imageHover = Picture(3 * size_t(across));
    c.imagePressed = Picture(3 * cap);
    c.imageCheckedNormal = Picture(cap);
    c.imageCheckedHover = Picture(size_t(across));
    c.imageCheckedPressed = Picture(cap);
    if (d.ConsumeBool()) c.onChange.notify = OnNotify;
    return Place(c, 1, 1, 1, 1);
}

bool BuildDial(Control& c) {
    FuzzedDataProvider& d = Data();
    c.width = std::min(c.width, 48);
    c.height = std::min(c.height, 48);
    c.extent = d.ConsumeIntegralInRange(0, 12);
    c.rangeStart = d.ConsumeIntegralInRange(-60, 60);
    c.rangeEnd = d.ConsumeIntegralInRange(-60, 60);
    c.value = d.ConsumeBool() ? d.ConsumeIntegral<int32_t>() : d.ConsumeIntegralInRange(-60, 60);
    const size_t frame = size_t(c.width) * size_t(c.height);
    // The strip holds extent frames; a disabled dial shows its pictures at half intensity.
    Pictures(c, 3 * frame, frame);
    c.imageNormal = c.extent > 0 ? Picture(3 * frame * size_t(c.extent)) : nullptr;
    c.mask = c.extent > 0 ? Picture(frame * size_t(c.extent)) : nullptr;
    if (d.ConsumeBool()) c.onChange.value = OnValue;
    return Place(c, 0, 0, 0, 0);
}

// Every picture of a picker is a sheet of its cells.
bool BuildPicker(Control& c) {
    FuzzedDataProvider& d = Data();
    c.width = std::max(c.width, 1);
    c.height = std::max(c.height, 1);
    c.columns = d.ConsumeIntegralInRange(0, 8);
    c.rows = d.ConsumeIntegralInRange(0, 6);
    LimitSheet(c.width, c.height, &c.columns, &c.rows);
    c.selectedCell = d.ConsumeIntegralInRange(-2, c.columns * c.rows + 1);
    Pictures(c, 3 * size_t(c.width) * size_t(c.height) * size_t(c.columns) * size_t(c.rows),
             size_t(c.width) * size_t(c.height));
    if (c.type == ControlFramedCellPicker) {
        c.extent = d.ConsumeIntegralInRange(0, 16);
        FramePieces(c.frameArt, c.extent);
    }
    return Place(c, 0, 0, 0, 0);
}

}  // namespace

// The panel (grown by the border left and up, two pixels down), the text with its glyphs
// that may pass the box by one character, and the caret all lie inside the frame buffer.
bool BuildTextField(Control& c, OsRect* reach) {
    FuzzedDataProvider& d = Data();
    const FuzzFont f = MakeFont();
    c.type = ControlTextField;
    c.font = f.font;
    c.textCapacity = d.ConsumeBool() ? Pick({0, 1, 2, 3}) : d.ConsumeIntegralInRange(0, 64);
    c.text = TextBuffer(c.textCapacity);
    c.rangeStart = d.ConsumeIntegralInRange(-2, c.textCapacity + 2);
    c.rangeEnd = d.ConsumeIntegralInRange(-2, c.textCapacity + 2);
    c.extent = d.ConsumeIntegralInRange(0, 8);
    c.fillColor = d.ConsumeIntegral<uint32_t>() & 0xFFFFFFu;
    FramePieces(c.frameArt, c.extent);
    const int32_t b = c.extent;
    const int32_t side = f.furthest + f.widest + 2;
    const int32_t glyphs = f.font->glyphHeight;
    const int32_t textTop = (c.height - glyphs) / 2;  // the text's row from the field's top
    const int32_t above = std::max({b - 2, -textTop, 0});
    const int32_t below = std::max({2, textTop + glyphs - c.height, 0});
    if (!Place(c, std::max(b, side), above, side, below)) return false;
    if (reach != nullptr) {
        *reach = OsRect{c.x - std::max(b, side), c.y - above, c.x + c.width + side,
                        c.y + c.height + below};
    }
    return true;
}

namespace {

bool BuildControl(Control& c) {
    FuzzedDataProvider& d = Data();
    // One past the last kind is a type the toolkit does not know.
    c = MakeControl(d.ConsumeIntegralInRange(0, int32_t{ControlTypeCount}), 0, 0, 0, 0);
    c.visible = Pick({1, 1, 1, 1, 0, 2});
    c.flags = Flags();
    c.id = d.ConsumeIntegralInRange(-1, 12);
    c.checked = d.ConsumeBool();
    c.level = 10 * d.ConsumeIntegralInRange(0, LevelSteps(c.type));
    c.orientation = Pick({0, 0, 1, 1, 2, -1});
    c.width = d.ConsumeIntegralInRange(0, 200);
    c.height = d.ConsumeIntegralInRange(0, 150);
    c.columns = d.ConsumeIntegralInRange(0, 3);  // a radio button's place in its group
    c.rows = d.ConsumeIntegralInRange(0, 4);     // and its group's size
    const size_t face = 3 * size_t(c.width) * size_t(c.height);
    const size_t mask = size_t(c.width) * size_t(c.height);
    switch (c.type) {
        case ControlSliderKnob:
            return BuildSlider(c);
        case ControlScrollBar:
            return BuildScrollBar(c);
        case ControlDial:
            return BuildDial(c);
        case ControlCellPicker:
        case ControlFramedCellPicker:
            return BuildPicker(c);
        case ControlTextField:
            return BuildTextField(c, nullptr);
        case ControlDragSource:
            c.onPointer.pointer = d.ConsumeBool() ? OnPointer : nullptr;
            c.onChange.pointer = d.ConsumeBool() ? DescribeGrid : nullptr;
            c.onRelease.pointer = d.ConsumeBool() ? GridClosed : nullptr;
            return Place(c, 0, 0, 0, 0);
        case ControlDragDropArea:
            c.onPointer.area = d.ConsumeBool() ? OnArea : nullptr;
            return Place(c, 1, 1, 1, 1);
        case ControlHotArea:
        case ControlPressArea:
            return Place(c, 1, 1, 1, 1);
        case ControlHoverArea:
            c.onPointer.pointer = d.ConsumeBool() ? OnPointer : nullptr;
            Pictures(c, face, mask);
            return Place(c, 0, 0, 0, 0);
        case ControlFreeMotion:
            c.onChange.motion = d.ConsumeBool() ? OnMotion : nullptr;
            Pictures(c, face, mask);
            return Place(c, 0, 0, 0, 0);
        default:
            Pictures(c, face, mask);
            return Place(c, 0, 0, 0, 0);
    }
}

void MakeActive() {
    list = ControlList{kControlListCapacity, 0, slots};
    ServeList(&list);
    pointerX = 0;
    pointerY = 0;
}

}  // namespace

void BuildAnyControls() {
    MakeActive();
    for (int32_t n = Data().ConsumeIntegralInRange(1, kControlListCapacity); n > 0; --n) {
        Control& c = slots[list.count];
        // One that cannot lie inside the frame buffer is left out, as a caller must.
        if (BuildControl(c)) ++list.count;
    }
}

void BuildTextFields() {
    MakeActive();
    for (int32_t n = Data().ConsumeIntegralInRange(1, 3); n > 0; --n) {
        Control& c = slots[list.count];
        c = MakeControl(ControlTextField, 0, 0, 0, 0);
        c.visible = Pick({1, 1, 1, 0});
        c.flags = Flags();
        c.width = Data().ConsumeIntegralInRange(0, 300);
        c.height = Data().ConsumeIntegralInRange(0, 60);
        if (BuildTextField(c, nullptr)) ++list.count;
    }
    if (Data().ConsumeBool()) {
        Control& button = slots[list.count];
        button = MakeControl(ControlPushButton, 0, 0, 40, 20);
        if (Place(button, 0, 0, 0, 0)) ++list.count;
    }
}
