// Press and release actions by control type. Types whose gesture continues in a modal loop
// (slider, cell pickers, drag source, scroll bar, dial, drag-and-drop, free motion, text field)
// run it from here; the pointer may have moved meanwhile, so hover is refreshed after them.
#include "toolkit/handoff.h"

#include "toolkit/hit_test.h"
#include "toolkit/paint_control.h"
#include "toolkit/radio.h"
#include "toolkit/toolkit_state.h"
#include "toolkit/track_capture.h"
#include "toolkit/track_pointer.h"
#include "toolkit/track_popup.h"
#include "toolkit/track_text.h"

namespace {

// A drag-and-drop area asks its callback whether the press is a click (result 1) or a drag.
void PressDragDropArea(int32_t h, Control* items, UiEvent* event) {
    Control& c = items[h];
    if (c.onPointer.area != nullptr && c.onPointer.area(items, h, 64, pointerX, pointerY) != 1) {
        c.selectedCell = -1;
        if (c.onPointer.area != nullptr) c.onPointer.area(items, h, 8, pointerX, pointerY);
        TrackDragDrop(nullptr, items, h);
        return;
    }
    c.pressX = pointerX;
    c.pressY = pointerY;
    // Settled where the press was taken, or moved since.
    c.dragState = 0;
    event->detail = PointerStillAtInput() ? 1 : 2;
}

// A picker shows its new cell at rest once its pop-up has closed.
void AfterPicker(int32_t h, Control* items) {
    items[h].hovered = 0;
    items[h].level = 0;
    PaintControl(h, items);
    RefreshHover(items);
    EndGesture();
}

}  // namespace

void CallOnPointer(int32_t h, Control* items, int32_t reason) {
    const Control& c = items[h];
    if (c.onPointer.pointer != nullptr) {
        c.onPointer.pointer(items, h, reason, pointerX, pointerY, c.x, c.y);
    }
}

void LeftPressAction(int32_t h, Control* items, UiEvent* event) {
    Control& c = items[h];
    switch (c.type) {
        case ControlCellPicker:
            TrackCellPicker(nullptr, items, h);
            AfterPicker(h, items);
            return;
        case ControlFramedCellPicker:
            TrackFramedCellPicker(nullptr, items, h);
            AfterPicker(h, items);
            return;
        case ControlDragSource:
            CallOnPointer(h, items, 0);
            TrackDragSource(nullptr, items, h);
            RefreshHover(items);
            return;
        case ControlPressArea:
            c.pressX = pointerX;
            c.pressY = pointerY;
            c.dragState = 0;
            event->detail = 1;
            RefreshHover(items);
            return;
        case ControlDragDropArea:
            PressDragDropArea(h, items, event);
            RefreshHover(items);
            return;
        case ControlSliderKnob:
            TrackSliderKnob(nullptr, items, h);
            RefreshHover(items);
            return;
        case ControlScrollBar:
            TrackScrollThumb(nullptr, items, h);
            RefreshHover(items);
            return;
        case ControlDial:
            TrackDial(nullptr, items, h);
            RefreshHover(items);
            return;
        case ControlFreeMotion:
            TrackFreeMove(nullptr, items, h);
            RefreshHover(items);
            return;
        default:
            return;  // stays marked pressed until a release
    }
}

void RightPressAction(int32_t h, Control* items) {
    Control& c = items[h];
    if (c.type != ControlDragSource || (c.flags & FlagPopup) == 0) return;
    CallOnPointer(h, items, 64);
    TrackPopupGrid(nullptr, items, h);
    RefreshHover(items);
}

void ReleaseAction(int32_t h, Control* items) {
    Control& c = items[h];
    switch (c.type) {
        case ControlToggleButton:
            c.checked = c.checked == 0 ? 1 : 0;
            c.level = 0;
            PaintControl(h, items);
            return;
        case ControlRadioButton:
            SelectRadioButton(activeList, c.id);
            return;
        case ControlTextField:
            TrackTextField(nullptr, items, h);
            return;
        default:
            return;  // the event itself is the click
    }
}

void EditChainedTextField(int32_t k, Control* items) {
    TrackTextField(nullptr, items, k);
}
