// Callbacks run inside the toolkit's modal loops, with the tentative values of a drag in the
// record; what they print shows with the loop's next update.
#include "gallery/callbacks.h"

#include "gallery/gallery_art.h"
#include "gallery/gallery_main.h"
#include "gallery/pages.h"
#include "gallery/reader_news.h"
#include "gallery/status_line.h"

int32_t dragSourceCell = 0;
int32_t motionX = 0;
int32_t motionY = 0;

namespace {

const Control& ValuesControl(int32_t index) {
    return galleryPages[2]->items[index];
}

int32_t I(intptr_t word) {
    return static_cast<int32_t>(word);
}

}  // namespace

void OnSliderAcross() {
    TellReadersWhatChanged();
    SetStatusCallback("slider onChange(): value %d (tentative)",
                      ValuesControl(kSliderAcross).value);
}

void OnSliderDown() {
    TellReadersWhatChanged();
    SetStatusCallback("slider onChange(): value %d (tentative)", ValuesControl(kSliderDown).value);
}

void OnScrollBar() {
    TellReadersWhatChanged();
    const Control& c = ValuesControl(kScrollBar);
    SetStatusCallback("scroll bar onChange(): rangeStart %d thumbOffset %d (tentative)",
                      c.rangeStart, c.thumbOffset);
}

void OnDial(Control* /*items*/, int32_t id, int32_t value) {
    TellReadersWhatChanged();
    SetStatusCallback("dial onChange(items, id %d, value %d)", id, value);
}

// The move that puts the cursor back at the window's centre brings (0, 0); it is left out so that
// the last real motion stays readable.
void OnFreeMotion(Control* /*items*/, int32_t id, int32_t dx, int32_t dy) {
    if (dx == 0 && dy == 0) return;
    motionX += dx;
    motionY += dy;
    SetStatusCallback("free motion onChange(items, id %d, dx %d, dy %d)", id, dx, dy);
}

void OnHoverPointer(Control* /*items*/, int32_t index, int32_t reason, intptr_t x, intptr_t y,
                    intptr_t controlX, intptr_t controlY) {
    SetStatusCallback("hover onPointer(items, %d, reason %d, %d, %d, %d, %d)", index, reason, I(x),
                      I(y), I(controlX), I(controlY));
}

void OnDragSourcePointer(Control* /*items*/, int32_t index, int32_t reason, intptr_t x, intptr_t y,
                         intptr_t controlX, intptr_t controlY) {
    SetStatusCallback("drag source onPointer(items, %d, reason %d, %d, %d, %d, %d)", index, reason,
                      I(x), I(y), I(controlX), I(controlY));
}

void OnDragSourceChange(Control* items, int32_t index, int32_t reason, intptr_t word1,
                        intptr_t word2, intptr_t word3, intptr_t word4) {
    if (reason != 64) {
        SetStatusCallback("drag source onChange(items, %d, reason %d, %d, %d, %d, %d)", index,
                          reason, I(word1), I(word2), I(word3), I(word4));
        return;
    }
    // The pop-up grid: the last pick lies at the source's top-left corner.
    auto* grid = reinterpret_cast<PopupGridDescriptor*>(word1);
    grid->normalSheet = artCellSheet;
    grid->highlightSheet = artCellSheetLit;
    grid->anchorX = items[index].x;
    grid->anchorY = items[index].y;
    grid->gridCellWidth = kArtCell;
    grid->gridCellHeight = kArtCell;
    grid->columns = kArtCellColumns;
    grid->rows = kArtCellRows;
    grid->border = kArtFrame;
    grid->selectedCell = dragSourceCell;
    for (int32_t k = 0; k < 8; ++k) grid->frameArt[k] = artFramePieces[k];
    SetStatusCallback("drag source onChange(items, %d, reason 64, grid, 0, 0, 0)", index);
}

void OnDragSourceRelease(Control* /*items*/, int32_t index, int32_t reason, intptr_t word1,
                         intptr_t word2, intptr_t word3, intptr_t word4) {
    if (reason != 64) {
        SetStatusCallback("drag source onRelease(items, %d, reason %d, %d, %d, %d, %d)", index,
                          reason, I(word1), I(word2), I(word3), I(word4));
        return;
    }
    dragSourceCell = reinterpret_cast<const PopupGridDescriptor*>(word1)->selectedCell;
    SetStatusCallback("drag source onRelease(items, %d, reason 64, grid: selectedCell %d)", index,
                      dragSourceCell);
}

int32_t OnDropArea(Control* items, int32_t index, int32_t reason, int32_t x, int32_t y) {
    const Control& c = items[index];
    const int32_t click = x < c.x + c.width / 2 ? 1 : 0;
    SetStatusCallback("drop area onPointer(items, %d, reason %d, %d, %d)%s", index, reason, x, y,
                      reason == 64 ? (click == 1 ? " -> 1: a click" : " -> 0: a drag") : "");
    return reason == 64 ? click : 0;
}
