// The four pages. Every control is set up field by field here, the way an application of the
// toolkit does it: a record of its type, its rectangle, its pictures, its words and callbacks.
#include "gallery/pages.h"

#include <cstring>

#include "gallery/callbacks.h"
#include "gallery/gallery_art.h"
#include "gallery/gallery_fonts.h"
#include "toolkit/accessibility.h"

namespace {

// Labels stand to the right of their controls; panels mark the areas the painter never draws.
constexpr PageLabel kButtonsLabels[] = {
    {24, 44, "Page 1 of 4: buttons. PageUp / PageDown or the buttons at the top right turn pages."},
    {180, 98, "image button (0): click it"},
    {180, 148, "push button (4): click it"},
    {180, 198, "toggle button (2): each click flips it"},
    {180, 262, "radio buttons (5): one of the group"},
    {180, 316, "radio C is disabled"},
    {630, 98, "disabled"},
    {630, 198, "disabled, checked"},
    {24, 380, "The fade: a button lights up over ten 25 ms ticks while the pointer rests on it."},
};
constexpr PageLabel kAreasLabels[] = {
    {24, 44, "Page 2 of 4: areas and drags."},
    {40, 158, "hover area (13)"},
    {240, 158, "disabled hover area"},
    {440, 158, "free-motion area (16)"},
    {40, 248, "hot area (6): click"},
    {240, 248, "press area (8): press"},
    {440, 248, "inert area (9)"},
    {40, 358, "drag source (7): drag; right"},
    {40, 374, "press for its pop-up grid"},
    {240, 358, "drop area (14): left half clicks,"},
    {240, 374, "right half drags and drops"},
};
constexpr PagePanel kAreasPanels[] = {
    {40, 190, 160, 50, 0xB4, 0xC8, 0xE4},  {240, 190, 160, 50, 0xB4, 0xC8, 0xE4},
    {440, 190, 160, 50, 0xC8, 0xC8, 0xC8}, {40, 290, 160, 60, 0xE4, 0xD2, 0xB4},
    {240, 290, 80, 60, 0xB4, 0xE4, 0xC0},  {320, 290, 80, 60, 0xE4, 0xB4, 0xC0},
};
constexpr PageLabel kValuesLabels[] = {
    {24, 44, "Page 3 of 4: values."},
    {40, 148, "slider knob (1) along x"},
    {40, 210, "disabled slider knob"},
    {370, 140, "slider knob (1)"},
    {370, 156, "along y"},
    {40, 272, "scroll bar (10): drag the thumb"},
    {40, 316, "disabled scroll bar"},
    {470, 152, "dial (12): drag along x;"},
    {470, 168, "a right press cancels"},
    {680, 152, "disabled dial"},
    {440, 290, "disabled text field (15)"},
};
constexpr PagePanel kValuesPanels[] = {
    {40, 124, 224, 4, 0x7A, 0x8E, 0xAA},  {40, 186, 224, 4, 0x7A, 0x8E, 0xAA},
    {350, 90, 4, 152, 0x7A, 0x8E, 0xAA},  {40, 250, 300, 18, 0x9C, 0xAC, 0xC4},
    {40, 294, 300, 18, 0x9C, 0xAC, 0xC4},
};
constexpr PageLabel kPickersLabels[] = {
    {24, 44, "Page 4 of 4: cell pickers and text fields."},
    {40, 134, "cell picker (3) and a disabled one"},
    {300, 134, "framed cell picker (11): click, then"},
    {300, 150, "pick; a right click cancels"},
    {300, 226, "plain text; Tab moves on"},
    {300, 286, "digits only"},
    {300, 346, "digits and \".\" only"},
    {560, 306, "disabled free-motion area"},
};

// What a screen reader calls each control, in list order: as its label, or its face, says.
constexpr const char* kControlNames[4][kControlListCapacity] = {
    {"Previous", "Next", "image button", "push button", "toggle button", "Radio A", "Radio B",
     "Radio C", "disabled image button", "disabled toggle button"},
    {"Previous", "Next", "hover area", "disabled hover area", "hot area", "press area",
     "inert area", "drag source", "drop area", "free-motion area"},
    {"Previous", "Next", "slider knob along x", "slider knob along y", "disabled slider knob",
     "scroll bar", "disabled scroll bar", "dial", "disabled dial", "disabled text field"},
    {"Previous", "Next", "cell picker", "disabled cell picker", "framed cell picker",
     "disabled framed cell picker", "plain text", "digits only", "digits and \".\" only",
     "disabled free-motion area"},
};

}  // namespace

const PageDecoration kPageDecorations[4] = {
    {"Buttons", kButtonsLabels, 9, nullptr, 0},
    {"Areas and drags", kAreasLabels, 11, kAreasPanels, 6},
    {"Values", kValuesLabels, 11, kValuesPanels, 5},
    {"Cell pickers and text", kPickersLabels, 8, nullptr, 0},
};
const PagePanel kStatusStrip{0, 540, 800, 60, 0x22, 0x30, 0x44};

namespace {

int32_t buildingPage = 0;  // ids are 100 times the page's number plus the index

// The text fields' buffers; every build starts them with these texts.
char plainText[32];
char digitText[12];
char decimalText[12];
char lockedText[24];

// The toolkit's record of that type and rectangle with the page's id and no cell picked.
// A page holds at most its list's ten slots; one control more lands in a spare record that is
// never shown, and the pages are not built.
Control spareControl;
bool pageOverflowed = false;

Control& AddControl(ControlList* list, int32_t type, int32_t x, int32_t y, int32_t width,
                    int32_t height, uint32_t flags) {
    if (list->count >= list->capacity) pageOverflowed = true;
    Control& c = pageOverflowed ? spareControl : list->items[list->count];
    c = MakeControl(type, x, y, width, height);
    c.flags = flags;
    c.id = 100 * (buildingPage + 1) + list->count;
    c.selectedCell = -1;
    if (!pageOverflowed) ++list->count;
    return c;
}

void SetPictures(Control& c, const uint8_t* const pictures[3], const uint8_t* mask) {
    c.imageNormal = pictures[0];
    c.imageHover = pictures[1];
    c.imagePressed = pictures[2];
    c.mask = mask;
}

void SetCheckedPictures(Control& c, const uint8_t* const pictures[3]) {
    c.imageCheckedNormal = pictures[0];
    c.imageCheckedHover = pictures[1];
    c.imageCheckedPressed = pictures[2];
}

// The page buttons along the top edge: the first page has no previous one, the last no next.
void AddPageButtons(ControlList* list, int32_t page) {
    Control& previous = AddControl(list, ControlPushButton, 536, 12, kArtButtonW, kArtButtonH,
                                   FlagFade | (page == 0 ? uint32_t{FlagDisabled} : 0u));
    SetPictures(previous, artButtons[ArtPrev], artButtonMask);
    Control& next = AddControl(list, ControlPushButton, 664, 12, kArtButtonW, kArtButtonH,
                               FlagFade | (page == 3 ? uint32_t{FlagDisabled} : 0u));
    SetPictures(next, artButtons[ArtNext], artButtonMask);
}

void AddToggle(ControlList* list, int32_t x, int32_t y, uint32_t flags, int32_t checked) {
    Control& c = AddControl(list, ControlToggleButton, x, y, kArtButtonW, kArtButtonH, flags);
    SetPictures(c, artButtons[ArtToggleOff], artButtonMask);
    SetCheckedPictures(c, artButtons[ArtToggleOn]);
    c.checked = checked;
}

void BuildButtons(ControlList* list) {
    Control& image =
        AddControl(list, ControlImageButton, 40, 90, kArtButtonW, kArtButtonH, FlagFade);
    SetPictures(image, artButtons[ArtImage], artButtonMask);
    Control& push =
        AddControl(list, ControlPushButton, 40, 140, kArtButtonW, kArtButtonH, FlagFade);
    SetPictures(push, artButtons[ArtPush], artButtonMask);
    AddToggle(list, 40, 190, FlagFade, 0);
    // A radio group is a run of list entries: `columns` is the place in it, `rows` its size.
    for (int32_t k = 0; k < 3; ++k) {
        Control& radio = AddControl(list, ControlRadioButton, 40, 250 + 30 * k, kArtRadioW,
                                    kArtRadioH, FlagFade | (k == 2 ? uint32_t{FlagDisabled} : 0u));
        SetPictures(radio, artRadios[k][0], artRadioMask);
        SetCheckedPictures(radio, artRadios[k][1]);
        radio.columns = k;
        radio.rows = 3;
        radio.checked = k == 0 ? 1 : 0;
    }
    Control& locked = AddControl(list, ControlImageButton, 500, 90, kArtButtonW, kArtButtonH,
                                 FlagFade | FlagDisabled);
    SetPictures(locked, artButtons[ArtImage], artButtonMask);
    AddToggle(list, 500, 190, FlagFade | FlagDisabled, 1);
}

void AddPad(ControlList* list, int32_t type, int32_t x, int32_t y, uint32_t flags,
            const uint8_t* const pictures[3]) {
    Control& c = AddControl(list, type, x, y, kArtPadW, kArtPadH, FlagFade | flags);
    SetPictures(c, pictures, artPadMask);
}

void BuildAreas(ControlList* list) {
    AddPad(list, ControlHoverArea, 40, 90, 0, artHoverPad);
    list->items[kHoverArea].onPointer.pointer = OnHoverPointer;
    AddPad(list, ControlHoverArea, 240, 90, FlagDisabled, artHoverPad);
    AddControl(list, ControlHotArea, 40, 190, 160, 50, FlagOutline | FlagFade);
    AddControl(list, ControlPressArea, 240, 190, 160, 50, FlagOutline | FlagFade);
    AddControl(list, ControlInertArea, 440, 190, 160, 50, 0);
    Control& source = AddControl(list, ControlDragSource, 40, 290, 160, 60, FlagPopup);
    source.onPointer.pointer = OnDragSourcePointer;
    source.onChange.pointer = OnDragSourceChange;
    source.onRelease.pointer = OnDragSourceRelease;
    Control& drop =
        AddControl(list, ControlDragDropArea, 240, 290, 160, 60, FlagOutline | FlagFade);
    drop.onPointer.area = OnDropArea;
    AddPad(list, ControlFreeMotion, 440, 90, 0, artMotionPad);
    list->items[kMotionArea].onChange.motion = OnFreeMotion;
}

void AddSlider(ControlList* list, int32_t x, int32_t y, int32_t orientation, int32_t travel,
               int32_t value, uint32_t flags, NotifyCallback onChange) {
    Control& c = AddControl(list, ControlSliderKnob, x, y, kArtKnobW, kArtKnobH, FlagFade | flags);
    SetPictures(c, artKnob, artKnobMask);
    c.orientation = orientation;
    c.extent = travel;
    c.value = value;
    c.onChange.notify = onChange;
}

// The bar's picture words hold the thumb's start cap, middle slice and end cap, then their
// masks in the checked slots.
void AddScrollBar(ControlList* list, int32_t y, int32_t thumbOffset, uint32_t flags) {
    Control& c = AddControl(list, ControlScrollBar, 40, y, 300, kArtThumbH, flags);
    c.imageNormal = artThumbStart;
    c.imageHover = artThumbMiddle;
    c.imagePressed = artThumbEnd;
    c.imageCheckedNormal = artThumbStartMask;
    c.imageCheckedHover = artThumbMiddleMask;
    c.imageCheckedPressed = artThumbEndMask;
    c.extent = kArtThumbCap;
    c.rangeEnd = 100;  // the content, in units
    c.value = 25;      // the page: a quarter of it shows
    c.thumbOffset = thumbOffset;
    c.rangeStart = thumbOffset * 75 / 225;
    c.onChange.notify = flags == 0 ? OnScrollBar : nullptr;
}

void AddDial(ControlList* list, int32_t x, int32_t value, uint32_t flags) {
    Control& c = AddControl(list, ControlDial, x, 90, kArtDialSize, kArtDialSize, flags);
    c.imageNormal = artDialStrip;
    c.mask = artDialMask;
    c.extent = kArtDialFrames;
    c.rangeStart = 0;
    c.rangeEnd = 47;
    c.value = value;
    c.onChange.value = flags == 0 ? OnDial : nullptr;
}

void AddTextField(ControlList* list, int32_t x, int32_t y, uint32_t flags, char* text,
                  int32_t capacity, Font* font) {
    Control& c = AddControl(list, ControlTextField, x, y, 240, 26, flags);
    c.text = text;
    c.textCapacity = capacity;
    c.font = font;
    c.extent = kArtFrame;
    c.fillColor = 0xFFFFFF;
    for (int32_t k = 0; k < 8; ++k) c.frameArt[k] = artFramePieces[k];
}

void BuildValues(ControlList* list) {
    AddSlider(list, 40, 110, 0, 200, 50, 0, OnSliderAcross);
    AddSlider(list, 340, 90, 1, 120, 0, 0, OnSliderDown);
    AddSlider(list, 40, 172, 0, 200, 120, FlagDisabled, nullptr);
    AddScrollBar(list, 250, 0, 0);
    AddScrollBar(list, 294, 90, FlagDisabled);
    AddDial(list, 470, 0, 0);
    AddDial(list, 680, 5, FlagDisabled);
    AddTextField(list, 440, 250, AlignLeft | FlagDisabled, lockedText, sizeof lockedText,
                 &labelFont);
}

void AddPicker(ControlList* list, int32_t type, int32_t x, int32_t cell, uint32_t flags) {
    Control& c = AddControl(list, type, x, 90, kArtCell, kArtCell, FlagFade | flags);
    // The face shows the chosen cell of the ordinary sheet at rest and of the highlighted one
    // when hovered; the pop-up takes the highlighted sheet and then the ordinary one.
    c.imageNormal = artCellSheet;
    c.imageHover = artCellSheetLit;
    c.imagePressed = artCellSheet;
    c.columns = kArtCellColumns;
    c.rows = kArtCellRows;
    c.selectedCell = cell;
    if (type == ControlFramedCellPicker) {
        c.extent = kArtFrame;
        for (int32_t k = 0; k < 8; ++k) c.frameArt[k] = artFramePieces[k];
    }
}

void BuildPickers(ControlList* list) {
    AddPicker(list, ControlCellPicker, 40, 0, 0);
    AddPicker(list, ControlCellPicker, 100, 5, FlagDisabled);
    AddPicker(list, ControlFramedCellPicker, 300, 6, 0);
    AddPicker(list, ControlFramedCellPicker, 360, 7, FlagDisabled);
    AddTextField(list, 40, 220, AlignLeft, plainText, sizeof plainText, &greyFont);
    AddTextField(list, 40, 280, AlignRight | FlagDigits, digitText, sizeof digitText, &colourFont);
    AddTextField(list, 40, 340, AlignCenter | FlagDecimal, decimalText, sizeof decimalText,
                 &labelFont);
    AddPad(list, ControlFreeMotion, 560, 220, FlagDisabled, artMotionPad);
}

}  // namespace

bool BuildGalleryPages(ControlList* pages[4]) {
    std::strcpy(plainText, "Hello, gallery");
    std::strcpy(digitText, "2026");
    std::strcpy(decimalText, "3.14");
    std::strcpy(lockedText, "read only");
    dragSourceCell = 0;
    motionX = 0;
    motionY = 0;
    pageOverflowed = false;
    void (*const build[4])(ControlList*) = {BuildButtons, BuildAreas, BuildValues, BuildPickers};
    for (int32_t p = 0; p < 4; ++p) {
        buildingPage = p;
        pages[p] = CreateControlList();
        if (pages[p] == nullptr || pages[p]->items == nullptr) return false;
        AddPageButtons(pages[p], p);
        build[p](pages[p]);
        for (int32_t i = 0; i < kControlListCapacity; ++i) {
            NameControl(pages[p], i, kControlNames[p][i]);
        }
    }
    return !pageOverflowed;
}
