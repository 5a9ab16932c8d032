// The loops that capture the cursor: dial and free-motion area. The cursor is hidden and held
// at the window's centre, so every move is measured from there and never meets the screen edge.
//
//   loop         move (dx, dy from the centre)               left release      right press
//   dial         value += dx or dy within rangeStart ..      value = current,  value = start,
//                rangeEnd, onChange(id, value), paint        paint, end        onChange, paint, end
//   free motion  onChange(id, dx, dy), update                end               -
//
// However a loop ends (the quit message included) the cursor goes back to where it was and is
// shown again, and pressedIndex is cleared.
#include "toolkit/track_capture.h"

#include "display/display.h"
#include "toolkit/paint_control.h"
#include "toolkit/track_pump.h"

namespace {

struct CursorCapture {
    OsPoint saved{};
};

OsPoint WindowCentre() {
    OsRect rect{};
    OsGetWindowInfoRect(mainWindow, &rect);
    return OsPoint{rect.left + frameWidth / 2, rect.top + frameHeight / 2};
}

CursorCapture BeginCapture() {
    CursorCapture capture;
    OsGetCursorPos(&capture.saved);
    // The cursor shows while its count is 0 or more, so hiding takes it below 0 from any count.
    while (OsShowCursor(false) >= 0) {
    }
    const OsPoint centre = WindowCentre();
    OsSetCursorPos(centre.x, centre.y);
    return capture;
}

// The cursor's offset from the centre, then the cursor back at the centre. Moving the cursor
// makes a move message of its own; one that is already at the centre is left there, so that
// message is not followed by another one without end.
OsPoint TakeMotion() {
    OsPoint cursor{};
    OsGetCursorPos(&cursor);
    const OsPoint centre = WindowCentre();
    const OsPoint motion{cursor.x - centre.x, cursor.y - centre.y};
    if (cursor.x != centre.x || cursor.y != centre.y) OsSetCursorPos(centre.x, centre.y);
    return motion;
}

void EndCapture(const CursorCapture& capture) {
    OsSetCursorPos(capture.saved.x, capture.saved.y);
    while (OsShowCursor(true) < 0) {
    }
    EndGesture();
}

void Repaint(int32_t index, Control* items) {
    PaintControl(index, items);
    UpdateWindowNow();
}

// A dial without frames has nothing to show a value with: it waits for the end of the gesture
// without capturing the cursor, changing or drawing anything.
void WaitOutGesture() {
    while (TrackNextMessage()) {
        if (inputCode == InputLeftUp || inputCode == InputRightDown) break;
    }
    EndGesture();
}

}  // namespace

void TrackDial(WindowHandle /*messageWindow*/, Control* items, int32_t index) {
    if (items[index].extent < 1) {
        WaitOutGesture();
        return;
    }
    const CursorCapture capture = BeginCapture();
    Control& c = items[index];
    const int32_t start = c.value;
    int32_t current = start;
    int32_t candidate = start;  // an unknown axis keeps the previous step's value
    while (TrackNextMessage()) {
        if (inputCode == InputMove) {
            const OsPoint motion = TakeMotion();
            if (c.orientation == 0 || c.orientation == 1) {
                int64_t turned = int64_t{current} + (c.orientation == 0 ? motion.x : motion.y);
                if (turned < c.rangeStart) turned = c.rangeStart;
                if (turned > c.rangeEnd) turned = c.rangeEnd;
                candidate = static_cast<int32_t>(turned);
            }
            c.value = candidate;
            if (c.onChange.value != nullptr) c.onChange.value(items, c.id, candidate);
            current = c.value;
            Repaint(index, items);
        } else if (inputCode == InputLeftUp) {
            c.value = current;
            Repaint(index, items);
            break;
        } else if (inputCode == InputRightDown) {
            c.value = start;
            if (c.onChange.value != nullptr) c.onChange.value(items, c.id, start);
            Repaint(index, items);
            break;
        }
    }
    EndCapture(capture);
}

void TrackFreeMove(WindowHandle /*messageWindow*/, Control* items, int32_t index) {
    const CursorCapture capture = BeginCapture();
    while (TrackNextMessage()) {
        if (inputCode == InputLeftUp) break;
        if (inputCode != InputMove) continue;
        const OsPoint motion = TakeMotion();
        const Control& c = items[index];
        if (c.onChange.motion != nullptr) c.onChange.motion(items, c.id, motion.x, motion.y);
        UpdateWindowNow();
    }
    EndCapture(capture);
}
