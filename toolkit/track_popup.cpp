// The cell picker pop-ups: the whole sheet is drawn over the frame buffer, the cell under the
// pointer from the highlighted sheet, and the covered pixels go back when the pop-up closes.
//
//   pop-up                  placed                          left release            right release
//   cell picker (3)         over the control                picks, closes           -
//   framed cell picker (11) selected cell over the control  1st: -; later: picks    restores the
//                                                           and closes              entry cell,
//                                                           closes
//   pop-up grid (7)         selected cell at the anchor     picks, closes           -
//
// Moves to a new position redraw the cells; everything else is ignored. A quit message closes
// the pop-up without a pick. A pop-up whose grid is empty, whose sheets are missing, or which
// with its frame cannot lie wholly inside the frame buffer does not open at all.
#include "toolkit/track_popup.h"

#include <cstring>

#include "base/aligned_alloc.h"
#include "display/display.h"
#include "render/draw.h"
#include "display/frame_bounds.h"
#include "render/pixel_rules.h"
#include "toolkit/track_pump.h"

namespace {

enum class PopupKind { Plain, Framed, Grid };

struct Popup {
    PopupKind kind;
    RgbPicture normalSheet;
    RgbPicture highlightSheet;
    int32_t cellWidth;
    int32_t cellHeight;
    int32_t columns;
    int32_t rows;
    int32_t border;  // frame thickness; 0 without a frame
    const RgbPicture* frameArt;
    int32_t left = 0;  // the cells' top-left corner once placed
    int32_t top = 0;
    int32_t width = 0;  // of the cells, without the frame
    int32_t height = 0;
};

// Places the pop-up for the anchor (x, y) and the cell there; false when it does not fit.
bool Place(Popup* p, int32_t x, int32_t y, int32_t selected) {
    if (p->normalSheet == nullptr || p->highlightSheet == nullptr) return false;
    if (p->cellWidth < 1 || p->cellHeight < 1 || p->columns < 1 || p->rows < 1) return false;
    if (p->border < 0) return false;
    const int64_t w = int64_t{p->columns} * p->cellWidth;
    const int64_t h = int64_t{p->rows} * p->cellHeight;
    const int64_t b = p->border;
    int64_t left = x;
    int64_t top = y;
    if (p->kind == PopupKind::Plain) {
        if (top + h >= frameHeight) top = frameHeight - h;
        if (left + w >= frameWidth) left = frameWidth - w;
    } else {
        left -= int64_t{selected % p->columns} * p->cellWidth;
        top -= int64_t{selected / p->columns} * p->cellHeight;
        if (left < b) left = b;
        if (top < b) top = b;
        // The far edges win over the near ones.
        if (b + top + h >= frameHeight) top = frameHeight - b - h;
        if (b + left + w >= frameWidth) left = frameWidth - b - w;
    }
    if (left - b < 0 || top - b < 0 || left + w + b > frameWidth || top + h + b > frameHeight) {
        return false;
    }
    p->left = static_cast<int32_t>(left);
    p->top = static_cast<int32_t>(top);
    p->width = static_cast<int32_t>(w);
    p->height = static_cast<int32_t>(h);
    return true;
}

int32_t HoveredCell(const Popup& p) {
    if (pointerX < p.left || pointerX >= p.left + p.width) return -1;
    if (pointerY < p.top || pointerY >= p.top + p.height) return -1;
    return (pointerY - p.top) / p.cellHeight * p.columns + (pointerX - p.left) / p.cellWidth;
}

void DrawCells(const Popup& p, int32_t hovered) {
    const ptrdiff_t sheetRow = ptrdiff_t{p.width};
    for (int32_t y = 0; y < p.height; ++y) {
        uint32_t* d = FramePixel(p.left, p.top + y);
        const int32_t rowOfCells = y / p.cellHeight * p.columns;
        for (int32_t column = 0; column < p.columns; ++column) {
            const RgbPicture sheet =
                rowOfCells + column == hovered ? p.highlightSheet : p.normalSheet;
            const int32_t x0 = column * p.cellWidth;
            const uint8_t* s = sheet + 3 * (ptrdiff_t{y} * sheetRow + x0);
            for (int32_t k = 0; k < p.cellWidth; ++k, s += 3) {
                d[x0 + k] = RgbToPixel(s);
            }
        }
    }
}

// The pop-up's rectangle with its frame.
void InvalidateWhole(const Popup& p) {
    InvalidateRectangle(p.left - p.border, p.top - p.border, p.width + 2 * p.border,
                        p.height + 2 * p.border);
}

// Copies the pop-up's rectangle with its frame between the frame buffer and the save block.
void CopyRect(const Popup& p, uint32_t* block, bool save) {
    const int32_t x = p.left - p.border;
    const int32_t w = p.width + 2 * p.border;
    const size_t rowBytes = sizeof(uint32_t) * static_cast<size_t>(w);
    for (int32_t r = 0; r < p.height + 2 * p.border; ++r) {
        uint32_t* frame = FramePixel(x, p.top - p.border + r);
        uint32_t* saved = block + ptrdiff_t{r} * w;
        std::memcpy(save ? saved : frame, save ? frame : saved, rowBytes);
    }
}

// Opens the placed pop-up, tracks it until it closes and puts the covered pixels back. A pick
// goes to *selected. False when it could not open (no save block).
bool RunPopup(const Popup& p, int32_t* selected) {
    ASSERT_INSIDE_FRAME(p.left - p.border, p.top - p.border, p.width + 2 * p.border,
                        p.height + 2 * p.border);
    const size_t pixels =
        static_cast<size_t>(p.width + 2 * p.border) * static_cast<size_t>(p.height + 2 * p.border);
    auto* block = static_cast<uint32_t*>(AllocAligned(sizeof(uint32_t) * pixels));
    if (block == nullptr) return false;
    CopyRect(p, block, true);
    if (p.kind != PopupKind::Plain) {
        DrawFrame(p.left - p.border, p.top - p.border, p.width + 2 * p.border,
                  p.height + 2 * p.border, 0, 0, 0, p.border, p.frameArt);
    }
    int32_t hovered = -1;
    // Until the pointer is known the cells first appear with its first move.
    if (pointerX != -1 || pointerY != -1) {
        hovered = HoveredCell(p);
        DrawCells(p, hovered);
        if (p.kind == PopupKind::Plain) InvalidateRectangle(p.left, p.top, p.width, p.height);
        UpdateWindowNow();
    }

    const int32_t entryCell = *selected;
    bool firstReleaseSeen = false;
    int32_t lastX = -1;
    int32_t lastY = -1;
    for (bool done = false; !done && TrackNextMessage();) {
        TakePointerFromInput();
        if (inputCode == InputMove && (pointerX != lastX || pointerY != lastY)) {
            hovered = HoveredCell(p);
            DrawCells(p, hovered);
            InvalidateWhole(p);
            UpdateWindowNow();
        } else if (inputCode == InputLeftUp) {
            // The framed picker is opened by a press whose own release is still to come.
            if (p.kind == PopupKind::Framed && !firstReleaseSeen) {
                firstReleaseSeen = true;
            } else {
                if (hovered != -1) *selected = hovered;
                done = true;
            }
        } else if (inputCode == InputRightUp && p.kind == PopupKind::Framed) {
            *selected = entryCell;
            done = true;
        }
        lastX = pointerX;
        lastY = pointerY;
    }

    CopyRect(p, block, false);
    FreeAligned(block);
    InvalidateWhole(p);
    return true;
}

Popup PickerOf(const Control& c, PopupKind kind) {
    return Popup{kind,      c.imagePressed, c.imageHover, c.width,
                 c.height,  c.columns,      c.rows,       kind == PopupKind::Framed ? c.extent : 0,
                 c.frameArt};
}

}  // namespace

void TrackCellPicker(WindowHandle /*messageWindow*/, Control* items, int32_t index) {
    Control& c = items[index];
    Popup p = PickerOf(c, PopupKind::Plain);
    if (!Place(&p, c.x, c.y, 0)) return;
    RunPopup(p, &c.selectedCell);
}

void TrackFramedCellPicker(WindowHandle /*messageWindow*/, Control* items, int32_t index) {
    Control& c = items[index];
    Popup p = PickerOf(c, PopupKind::Framed);
    if (!Place(&p, c.x, c.y, c.selectedCell)) return;
    if (RunPopup(p, &c.selectedCell)) UpdateWindowNow();
}

void TrackPopupGrid(WindowHandle /*messageWindow*/, Control* items, int32_t index) {
    if (items[index].onChange.pointer == nullptr) return;
    PopupGridDescriptor grid{};
    const auto address = reinterpret_cast<intptr_t>(&grid);
    items[index].onChange.pointer(items, index, 64, address, 0, 0, 0);
    Popup p{PopupKind::Grid,    grid.normalSheet,    grid.highlightSheet,
            grid.gridCellWidth, grid.gridCellHeight, grid.columns,
            grid.rows,          grid.border,         grid.frameArt};
    if (!Place(&p, grid.anchorX, grid.anchorY, grid.selectedCell)) return;
    if (!RunPopup(p, &grid.selectedCell)) return;
    if (items[index].onRelease.pointer != nullptr) {
        items[index].onRelease.pointer(items, index, 64, address, 0, 0, 0);
    }
    UpdateWindowNow();
}
