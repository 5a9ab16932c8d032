// The drags that follow the pointer in window coordinates: slider knob, scroll thumb, drag
// source and drag-and-drop area.
//
//   loop          move to a new position                      left release          quit
//   slider knob   tentative value painted, onChange, start    value = shown, paint  start kept
//                 value back in the record
//   scroll thumb  tentative thumb and position painted,       both = shown, paint   start kept
//                 onChange, start values back
//   drag source   onChange (pointer form, reason 0)           onRelease, reason 0   -
//   drag-drop     onPointer (area form, reason 16)            onPointer, reason 32  -
//
// Other input (the timer included) is ignored. The knob and thumb clear pressedIndex at the
// end; the drag loops leave it for the release to clear.
#include "toolkit/track_pointer.h"

#include <algorithm>

#include "display/display.h"
#include "toolkit/paint_background.h"
#include "toolkit/paint_control.h"
#include "toolkit/scroll_thumb.h"
#include "toolkit/track_pump.h"

namespace {

// start + the pointer's travel along the axis, kept within 0 .. limit (a negative limit wins).
int32_t Travel(int32_t start, int32_t orientation, const PointerAnchor& anchor, int32_t limit) {
    const int64_t moved =
        orientation == 0 ? int64_t{pointerX} - anchor.x : int64_t{pointerY} - anchor.y;
    int64_t candidate = int64_t{start} + moved;
    if (candidate < 0) candidate = 0;
    if (candidate > limit) candidate = limit;
    return static_cast<int32_t>(candidate);
}

// Runs the drag-source or drag-and-drop loop: `moved` on every new position, `released` at
// the release. The position seen last is the pointer as a callback left it.
template <typename Moved, typename Released>
void FollowDrag(Moved moved, Released released) {
    int32_t lastX = -1;
    int32_t lastY = -1;
    while (TrackNextMessage()) {
        TakePointerFromInput();
        if (inputCode == InputMove && (pointerX != lastX || pointerY != lastY)) moved();
        if (inputCode == InputLeftUp) {
            released();
            return;
        }
        lastX = pointerX;
        lastY = pointerY;
    }
}

}  // namespace

void TrackSliderKnob(WindowHandle /*messageWindow*/, Control* items, int32_t index) {
    Control& c = items[index];
    const int32_t start = c.value;
    int32_t shown = start;
    int32_t candidate = start;  // an unknown axis keeps it
    PointerAnchor anchor;
    while (TrackNextMessage()) {
        if (inputCode == InputLeftUp) {
            c.value = shown;
            PaintControl(index, items);
            UpdateWindowNow();
            break;
        }
        if (inputCode != InputMove || !AnchoredStep(&anchor)) continue;
        if (c.orientation == 0 || c.orientation == 1) {
            candidate = Travel(start, c.orientation, anchor, c.extent);
        }
        // The knob leaves where it was drawn and is drawn at the candidate; onChange sees the
        // candidate in the record, which then holds the start value again until the release.
        c.value = shown;
        RestoreBackground(index, items);
        c.value = candidate;
        PaintControl(index, items);
        if (c.onChange.notify != nullptr) c.onChange.notify();
        c.value = start;
        shown = candidate;
        UpdateWindowNow();
        EndStep(&anchor);
    }
    EndGesture();
}

void TrackScrollThumb(WindowHandle /*messageWindow*/, Control* items, int32_t index) {
    Control& c = items[index];
    // Without a content size there is no thumb length: such a bar neither moves nor draws.
    const bool sized = c.rangeEnd != 0;
    const bool movable = sized && (c.orientation == 0 || c.orientation == 1);
    const int64_t room =
        movable ? (c.orientation == 0 ? c.width : c.height) - ScrollThumbLength(c) : 0;
    const int32_t startThumb = c.thumbOffset;
    const int32_t startPos = c.rangeStart;
    int32_t shownThumb = startThumb;
    int32_t shownPos = startPos;
    PointerAnchor anchor;
    while (TrackNextMessage()) {
        if (inputCode == InputLeftUp) {
            if (sized) {
                c.thumbOffset = shownThumb;
                c.rangeStart = shownPos;
                PaintControl(index, items);
                UpdateWindowNow();
            }
            break;
        }
        if (inputCode != InputMove || !AnchoredStep(&anchor)) continue;
        if (room > 0) {
            const int32_t thumb =
                Travel(startThumb, c.orientation, anchor, static_cast<int32_t>(room));
            // The scroll position runs from 0 at the start to rangeEnd - value at the far end.
            const int64_t hidden = int64_t{c.rangeEnd} - c.value;
            const auto position = static_cast<int32_t>(hidden > 0 ? hidden * thumb / room : 0);
            RestoreBackground(index, items);
            c.thumbOffset = thumb;
            c.rangeStart = position;
            shownThumb = thumb;
            shownPos = position;
            PaintControl(index, items);
            if (c.onChange.notify != nullptr) c.onChange.notify();
            c.thumbOffset = startThumb;
            c.rangeStart = startPos;
            UpdateWindowNow();
        }
        EndStep(&anchor);
    }
    EndGesture();
}

void TrackDragSource(WindowHandle /*messageWindow*/, Control* items, int32_t index) {
    const auto call = [items, index](ControlCallback Control::*slot) {
        const Control& c = items[index];
        if ((c.*slot).pointer != nullptr) {
            (c.*slot).pointer(items, index, 0, pointerX, pointerY, c.x, c.y);
        }
    };
    FollowDrag([&] { call(&Control::onChange); }, [&] { call(&Control::onRelease); });
}

void TrackDragDrop(WindowHandle /*messageWindow*/, Control* items, int32_t index) {
    const auto call = [items, index](int32_t reason) {
        const Control& c = items[index];
        if (c.onPointer.area != nullptr) c.onPointer.area(items, index, reason, pointerX, pointerY);
    };
    FollowDrag([&] { call(16); }, [&] { call(32); });
}
