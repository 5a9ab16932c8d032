// Making control records, creating the control list and appending image buttons.
#include "toolkit/control.h"

#include "base/aligned_alloc.h"
#include "toolkit/toolkit_state.h"

Control MakeControl(int32_t type, int32_t x, int32_t y, int32_t width, int32_t height) {
    Control c{};
    c.visible = 1;
    c.x = x;
    c.y = y;
    c.width = width;
    c.height = height;
    c.type = type;
    c.reserved = -1;
    return c;
}

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
    c = MakeControl(ControlImageButton, x, y, width, height);
    c.visible = 0;
    c.flags = FlagFade;
    c.id = id;
    c.imageNormal = imageNormal;
    c.imageHover = imageHover;
    c.imagePressed = imagePressed;
}
