// The toolkit's description for screen readers, read from the records as the hit test and the
// painter read them: the knob at its offset, the scroll bar's thumb where it stands.
#include "toolkit/accessibility.h"

#include <algorithm>
#include <cstring>

#include "display/display.h"
#include "toolkit/control_kinds.h"
#include "toolkit/hit_test.h"
#include "toolkit/toolkit_state.h"

namespace {

struct NamedList {
    const ControlList* list;  // null: a free entry
    const char* names[kControlListCapacity];
};
NamedList namedLists[kNamedListCapacity] = {};

NamedList* EntryOf(const ControlList* list) {
    for (NamedList& entry : namedLists) {
        if (entry.list == list) return &entry;
    }
    return nullptr;
}

int32_t Clamped(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

// Where the control is seen and hit. A control with no part to hit (a scroll bar with no thumb
// to show, for one) is its whole rectangle.
OsRect WhereItIs(const Control& c) {
    HitBox b{};
    if (!FindHitBox(c, &b)) b = HitBox{c.x, c.y, c.width, c.height};
    return OsRect{Clamped(b.left), Clamped(b.top), Clamped(b.left + b.width),
                  Clamped(b.top + b.height)};
}

void SetNumber(int32_t number, AccessibleItem* item) {
    item->valueKind = AccessibleValue::Number;
    item->number = number;
}

// The text up to its terminator, and never past its buffer when the terminator is missing.
void SetText(const Control& c, AccessibleItem* item) {
    if (c.text == nullptr || c.textCapacity <= 0) return;
    const void* end = std::memchr(c.text, '\0', static_cast<size_t>(c.textCapacity));
    item->valueKind = AccessibleValue::Text;
    item->text = c.text;
    item->textLength = end != nullptr ? static_cast<int32_t>(static_cast<const char*>(end) - c.text)
                                      : c.textCapacity;
}

// The kind's word, as a number or text; a checked state is told among the states.
void SetValue(const Control& c, AccessibleItem* item) {
    switch (KindOf(c.type).word) {
        case KindWord::Value:
            return SetNumber(c.value, item);
        case KindWord::RangeStart:
            return SetNumber(c.rangeStart, item);  // the position; its `value` word is the page
        case KindWord::SelectedCell:
            return SetNumber(c.selectedCell, item);
        case KindWord::Text:
            return SetText(c, item);
        case KindWord::None:
        case KindWord::Checked:
            return;
    }
}

void Describe(const ControlList* list, int32_t i, AccessibleItem* item) {
    const Control& c = list->items[i];
    *item = AccessibleItem{};
    item->role = KindOf(c.type).role;
    if ((c.flags & FlagDisabled) != 0) item->states |= AccessibleUnavailable;
    if (c.checked != 0) item->states |= AccessibleChecked;
    if (i == pressedIndex) item->states |= AccessiblePressed;
    if (c.hovered == 1) item->states |= AccessibleHot;
    if (keysMoveFocus) item->states |= AccessibleFocusable;
    if (i == keyFocusIndex) item->states |= AccessibleFocused;
    item->rect = WhereItIs(c);
    item->name = ControlName(list, i);
    SetValue(c, item);
}

}  // namespace

bool NameControl(const ControlList* list, int32_t index, const char* name) {
    if (list == nullptr || index < 0 || index >= kControlListCapacity) return false;
    NamedList* entry = EntryOf(list);
    if (entry == nullptr && name == nullptr) return true;  // it has no name to take away
    if (entry == nullptr) entry = EntryOf(nullptr);
    if (entry == nullptr) return false;
    entry->list = list;
    entry->names[index] = name;
    // A list with no name left gives its entry back.
    if (std::all_of(entry->names, entry->names + kControlListCapacity,
                    [](const char* n) { return n == nullptr; })) {
        entry->list = nullptr;
    }
    return true;
}

const char* ControlName(const ControlList* list, int32_t index) {
    const NamedList* entry = list != nullptr ? EntryOf(list) : nullptr;
    if (entry == nullptr || index < 0 || index >= kControlListCapacity) return nullptr;
    return entry->names[index];
}

int32_t DescribeActiveList(int32_t index, AccessibleItem* item) {
    const ControlList* list = activeList;
    if (list == nullptr || list->items == nullptr) return 0;
    const int32_t slots = std::min(list->count, list->capacity);
    int32_t children = 0;
    for (int32_t i = 0; i < slots; ++i) {
        if (list->items[i].visible != 1) continue;
        if (children == index) Describe(list, i, item);
        ++children;
    }
    return children;
}

void NotifyReaders(int32_t index, AccessibleEvent event) {
    const ControlList* list = activeList;
    if (list == nullptr || list->items == nullptr || index < 0 || index >= list->count ||
        list->items[index].visible != 1) {
        return;
    }
    // Readers count the visible controls only.
    int32_t child = 0;
    for (int32_t i = 0; i < index; ++i) child += list->items[i].visible == 1 ? 1 : 0;
    OsNotifyAccessibleEvent(mainWindow, event, child);
}
