// Radio groups.
#include "toolkit/radio.h"

#include <algorithm>

#include "toolkit/paint_control.h"

// A group is a run of consecutive entries: the button at index k with position p belongs to
// the group that starts at k - p and has `rows` members. Entries outside the list are skipped.
void SelectRadioButton(ControlList* list, int32_t id) {
    if (list == nullptr || list->items == nullptr) return;
    Control* items = list->items;
    int32_t k = 0;
    while (k < list->count && items[k].id != id) ++k;
    if (k == list->count) return;
    const int64_t first = int64_t{k} - items[k].columns;
    const int64_t end = std::min(first + items[k].rows, int64_t{list->count});
    for (int64_t index = std::max(first, int64_t{0}); index < end; ++index) {
        const auto i = static_cast<int32_t>(index);
        items[i].checked = i == k ? 1 : 0;
        PaintControl(i, items);
    }
}
