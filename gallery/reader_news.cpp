#include "gallery/reader_news.h"

#include "toolkit/accessibility.h"
#include "toolkit/control_kinds.h"
#include "toolkit/toolkit_state.h"

namespace {

int32_t told[kControlListCapacity];  // the word each control had when readers last heard of it

// The word that readers hear of, and how they hear that it changed: a checked state, or a
// number that moves as the pointer drags; false for the other kinds.
bool Watched(const Control& c, int32_t* word, AccessibleEvent* event) {
    switch (KindOf(c.type).word) {
        case KindWord::Checked:
            *word = c.checked;
            *event = AccessibleEvent::StateChange;
            return true;
        case KindWord::Value:
            *word = c.value;
            *event = AccessibleEvent::ValueChange;
            return true;
        case KindWord::RangeStart:
            *word = c.rangeStart;  // its position
            *event = AccessibleEvent::ValueChange;
            return true;
        default:
            return false;  // a picked cell or an edited text is not announced
    }
}

// Each watched control's word now; with `tell`, readers hear of those that changed.
void Look(bool tell) {
    if (activeList == nullptr || activeList->items == nullptr) return;
    for (int32_t i = 0; i < activeList->count && i < kControlListCapacity; ++i) {
        int32_t word = 0;
        AccessibleEvent event{};
        if (!Watched(activeList->items[i], &word, &event)) continue;
        if (tell && word != told[i]) NotifyReaders(i, event);
        told[i] = word;
    }
}

}  // namespace

void ForgetReaderNews() {
    Look(false);
}

void TellReadersWhatChanged() {
    Look(true);
}
