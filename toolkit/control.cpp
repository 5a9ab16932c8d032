// Creating the control list and appending image buttons.
#include "toolkit/control.h"

#include "base/aligned_alloc.h"
#include "toolkit/toolkit_state.h"

ControlList* CreateControlList() {
    auto* list = static_cast<ControlList*>(AllocAligned(sizeof(ControlList)));
    if (list == nullptr) return nullptr;
    list->capacity = kControlListCapacity;
    list->count = 0;
    list->items = static_cast<Control*>(AllocAligned(sizeof(Control) * kControlListCapacity));
    return list;
}

void AddImageButton(int32_t y, int32_t id, RgbPicture imageNormal, RgbPicture imageHover,
                    RgbPicture imagePressed) {
    AddImageButtonAt(628, y, 156, 93, id, imageNormal, imageHover, imagePressed);
}

void AddImageButtonAt(int32_t x, int32_t y, int32_t width, int32_t height, int32_t id,
                      RgbPicture imageNormal, RgbPicture imageHover, RgbPicture imagePressed) {
    // A list whose slot block was refused has nowhere to put the control.
    if (activeList == nullptr || activeList->items == nullptr) return;
    if (activeList->count >= activeList->capacity) return;
    Control& c = activeList->items[activeList->count];
    ++activeList->count;
    c.visible = 0;
    c.x = x;
    c.y = y;
    c.width = width;
    c.height = height;
    c.type = ControlImageButton;
    c.flags = FlagFade;
    c.id = id;
    c.checked = 0;
    c.level = 0;
    c.hovered = 0;
    c.imageNormal = imageNormal;
    c.imageHover = imageHover;
    c.imagePressed = imagePressed;
    c.imageCheckedNormal = nullptr;
    c.imageCheckedHover = nullptr;
    c.imageCheckedPressed = nullptr;
    c.mask = nullptr;
    c.rangeStart = 0;
    c.rangeEnd = 0;
    c.extent = 0;
    c.value = 0;
    c.thumbOffset = 0;
    c.orientation = 0;
    c.columns = 0;
    c.rows = 0;
    c.selectedCell = 0;
    c.onChange = ControlCallback{};
    c.onPointer = ControlCallback{};
    c.onRelease = ControlCallback{};
    c.dragState = 0;
    c.pressX = 0;
    c.pressY = 0;
    c.reserved = -1;
}
