// The toolkit's control record, the fixed list that holds them and the callback forms. The
// state words shared by the dispatcher, the interaction loops and the painter are in
// toolkit_state.h.
#pragma once
#include <cstddef>
#include <cstdint>

#include "render/picture.h"

struct Font;
struct Control;
struct PopupGridDescriptor;

enum ControlType : int32_t {
    ControlImageButton = 0,
    ControlSliderKnob = 1,
    ControlToggleButton = 2,
    ControlCellPicker = 3,
    ControlPushButton = 4,
    ControlRadioButton = 5,
    ControlHotArea = 6,
    ControlDragSource = 7,
    ControlPressArea = 8,
    ControlInertArea = 9,
    ControlScrollBar = 10,
    ControlFramedCellPicker = 11,
    ControlDial = 12,
    ControlHoverArea = 13,
    ControlDragDropArea = 14,
    ControlTextField = 15,
    ControlFreeMotion = 16,
    ControlTypeCount,  // one past the last kind: a new kind goes before it
};

enum ControlFlags : uint32_t {
    FlagFade = 0x01,      // the hover level moves in steps of 10 per tick
    FlagDisabled = 0x04,  // never hit; painted at half brightness
    FlagOutline = 0x10,   // the outline group lights up on hover only with this bit
    FlagNoHover = 0x20,   // no hover animation outside the outline group
    FlagPopup = 0x40,     // drag source: a right press opens its pop-up grid
    AlignLeft = 0x400,    // text field alignment; with none of the three no text is drawn
    AlignCenter = 0x800,
    AlignRight = 0x1000,
    FlagDigits = 0x10000,   // text field accepts "0" to "9" only
    FlagDecimal = 0x20000,  // text field accepts digits and "." only
};

// Callback forms. No context pointer: the first argument is the list's control array itself.
using NotifyCallback = void (*)();
using ValueCallback = void (*)(Control* items, int32_t id, int32_t value);
using MotionCallback = void (*)(Control* items, int32_t id, int32_t dx, int32_t dy);
// The toolkit's seven-argument form: items, index, reason and four words. For pointer events the
// words are pointer x, pointer y, control x, control y; for the pop-up grid (reason 64) the first
// word is the address of the PopupGridDescriptor and the rest are 0. A drag source's onChange
// serves both, so both share this one type.
using PointerCallback = void (*)(Control* items, int32_t index, int32_t reason, intptr_t word1,
                                 intptr_t word2, intptr_t word3, intptr_t word4);
using PopupCallback = PointerCallback;
using AreaCallback = int32_t (*)(Control* items, int32_t index, int32_t reason, int32_t pointerX,
                                 int32_t pointerY);

// One callback slot; the control's type says which form it holds.
union ControlCallback {
    NotifyCallback notify;
    ValueCallback value;
    MotionCallback motion;
    PointerCallback pointer;
    AreaCallback area;
};

// Every field is one 32-bit word on the 32-bit build (pointers included), in this order.
struct Control {
    int32_t visible;  // only a control whose word is exactly 1 is hit-tested and painted
    int32_t x;
    int32_t y;
    int32_t width;   // cell pickers: also the width of one cell
    int32_t height;  // cell pickers: also the height of one cell
    int32_t type;    // a ControlType
    uint32_t flags;  // ControlFlags
    int32_t id;      // the application's identifier
    int32_t checked;
    int32_t level;  // 0 rest, 100 hovered, 200 pressed; outline group: outline strength 0..100
    int32_t hovered;
    // Scroll bar: start cap, middle slice, end cap, then their three masks in the checked slots.
    // Cell pickers: imageHover the highlighted sheet, imagePressed the ordinary sheet.
    RgbPicture imageNormal;
    RgbPicture imageHover;
    RgbPicture imagePressed;
    RgbPicture imageCheckedNormal;
    RgbPicture imageCheckedHover;
    RgbPicture imageCheckedPressed;
    CoverageMask mask;  // null: the picture is opaque
    int32_t rangeStart;
    int32_t rangeEnd;
    int32_t extent;
    int32_t value;
    int32_t thumbOffset;
    int32_t orientation;  // 0 along x, 1 along y; other values make the types reading it inert
    int32_t columns;
    int32_t rows;
    int32_t selectedCell;
    ControlCallback onChange;
    ControlCallback onPointer;
    ControlCallback onRelease;
    int32_t dragState;
    int32_t pressX;
    int32_t pressY;
    char* text;            // text field: single-byte characters, zero-terminated
    int32_t textCapacity;  // bytes of `text`, terminator included
    Font* font;
    uint32_t fillColor;      // text field background in pixel byte order: blue, green, red
    RgbPicture frameArt[8];  // clockwise from the top-left corner, as DrawFrame takes them
    int32_t reserved;
};

struct ControlList {
    int32_t capacity;  // always 10
    int32_t count;     // slots in use: indices 0 .. count - 1, in the order added
    Control* items;    // null when its block could not be obtained
};

// Eighteen words through which a drag source's application describes its pop-up grid.
struct PopupGridDescriptor {
    RgbPicture normalSheet;     // null: no pop-up
    RgbPicture highlightSheet;  // null: no pop-up
    int32_t anchorX;            // where the selected cell's left edge appears
    int32_t anchorY;
    int32_t gridCellWidth;
    int32_t gridCellHeight;
    int32_t columns;
    int32_t rows;
    int32_t border;        // frame thickness
    int32_t selectedCell;  // in: the cell placed at the anchor; out: the picked cell
    RgbPicture frameArt[8];
};

constexpr int32_t kControlListCapacity = 10;

#if UINTPTR_MAX == 0xFFFFFFFF
static_assert(sizeof(Control) == 46 * 4, "Control is 46 words on the 32-bit build");
static_assert(offsetof(Control, hovered) == 10 * 4);
static_assert(offsetof(Control, imageNormal) == 11 * 4);
static_assert(offsetof(Control, mask) == 17 * 4);
static_assert(offsetof(Control, rangeStart) == 18 * 4);
static_assert(offsetof(Control, selectedCell) == 26 * 4);
static_assert(offsetof(Control, onChange) == 27 * 4);
static_assert(offsetof(Control, dragState) == 30 * 4);
static_assert(offsetof(Control, text) == 33 * 4);
static_assert(offsetof(Control, fillColor) == 36 * 4);
static_assert(offsetof(Control, frameArt) == 37 * 4);
static_assert(offsetof(Control, reserved) == 45 * 4);
static_assert(sizeof(ControlList) == 3 * 4);
static_assert(sizeof(PopupGridDescriptor) == 18 * 4);
static_assert(offsetof(PopupGridDescriptor, selectedCell) == 9 * 4);
#endif

// A visible record of `type` at (x, y), `width` x `height`: no flags, id 0, unchecked and at
// rest, every picture, word, callback and text cleared, `reserved` -1. What else a kind reads
// (docs/controls.md) the caller sets on top.
Control MakeControl(int32_t type, int32_t x, int32_t y, int32_t width, int32_t height);

// A new empty list of ten uncleared slots, or null. When only the slot block cannot be
// obtained the list is still returned, with `items` null.
ControlList* CreateControlList();
// Appends a 156 x 93 image button at x 628 to activeList, invisible until the application sets
// `visible`. A full list, or one without its slot block, is left unchanged.
void AddImageButton(int32_t y, int32_t id, RgbPicture imageNormal, RgbPicture imageHover,
                    RgbPicture imagePressed);
// The same at any place inside the frame, for pictures of `width` x `height` pixels.
void AddImageButtonAt(int32_t x, int32_t y, int32_t width, int32_t height, int32_t id,
                      RgbPicture imageNormal, RgbPicture imageHover, RgbPicture imagePressed);
