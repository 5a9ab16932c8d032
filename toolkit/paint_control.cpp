// Painting each control type: level-mixed pictures (cell pickers: the chosen cell of the sheet),
// half intensity when disabled, the scroll-bar thumb, the dial's frame and the text field panel.
// A control's words never make the painter divide by zero or read outside a cell sheet or a
// dial strip; a missing picture draws nothing.
#include "toolkit/paint_control.h"
#include "toolkit/paint_text.h"

#include <algorithm>
#include <cstddef>

#include "display/display.h"
#include "render/draw.h"
#include "render/font.h"
#include "display/frame_bounds.h"
#include "render/picture_blit.h"
#include "toolkit/control_kinds.h"
#include "toolkit/scroll_thumb.h"

namespace {

void Invalidate(const Control& c) {
    InvalidateRectangle(c.x, c.y, c.width, c.height);
}

// Levels 0..100 mix the rest picture into the hover one, 101..200 the hover picture into the
// pressed one; a checked control uses its checked set.
struct LevelPictures {
    RgbPicture from;
    RgbPicture to;
    uint32_t t;
};

LevelPictures ChoosePictures(const Control& c) {
    const bool checked = c.checked != 0;
    const RgbPicture rest = checked ? c.imageCheckedNormal : c.imageNormal;
    const RgbPicture hover = checked ? c.imageCheckedHover : c.imageHover;
    const RgbPicture pressed = checked ? c.imageCheckedPressed : c.imagePressed;
    const int32_t level = std::clamp(c.level, 0, 200);
    if (level <= 100) return {rest, hover, static_cast<uint32_t>(level)};
    return {hover, pressed, static_cast<uint32_t>(level - 100)};
}

// Writes a width x height picture rectangle at (x, y): `stride` picture pixels and `maskStride`
// mask bytes a row. Level 0 and 100 are plain copies of one picture, which the mix equals.
void DrawPiece(int32_t x, int32_t y, int32_t width, int32_t height, PictureSource source,
               LevelPictures pictures, ptrdiff_t stride, CoverageMask mask, ptrdiff_t maskStride) {
    if (source == PictureSource::Mix && pictures.t == 0) source = PictureSource::Copy;
    if (source == PictureSource::Mix && pictures.t == 100) {
        source = PictureSource::Copy;
        pictures.from = pictures.to;
    }
    if (pictures.from == nullptr || (source == PictureSource::Mix && pictures.to == nullptr)) {
        return;
    }
    if (width < 1 || height < 1) return;
    ASSERT_INSIDE_FRAME(x, y, width, height);
    BlitPicture(PictureBlit{FramePixel(x, y), frameRowPixels, pictures.from, pictures.to,
                            static_cast<int32_t>(stride), mask, static_cast<int32_t>(maskStride),
                            width, height, source, pictures.t});
}

// Where the picked cell starts in a picker's sheet and the sheet's row length, in pixels; false
// when there is no such cell: no columns, or a cell index outside columns x rows.
bool FindCell(const Control& c, ptrdiff_t* offset, ptrdiff_t* sheetRow) {
    if (c.columns < 1 || c.selectedCell < 0) return false;
    if (int64_t{c.selectedCell} >= int64_t{c.columns} * c.rows) return false;
    *sheetRow = ptrdiff_t{c.columns} * c.width;
    *offset = ptrdiff_t{c.selectedCell / c.columns} * c.height * *sheetRow +
              ptrdiff_t{c.selectedCell % c.columns} * c.width;
    return true;
}

// The face of the picture types at (x, y): mixed by level, or the from picture halved.
void DrawFace(const Control& c, int32_t x, int32_t y, bool disabled) {
    if (c.width < 1 || c.height < 1) return;
    LevelPictures pictures = ChoosePictures(c);
    ptrdiff_t stride = c.width;
    if (KindOf(c.type).face == Face::SheetCell) {
        ptrdiff_t cell = 0;
        if (!FindCell(c, &cell, &stride)) return;
        // The mask is not offset: one mask of the cell's size serves every cell.
        if (pictures.from != nullptr) pictures.from += 3 * cell;
        if (pictures.to != nullptr) pictures.to += 3 * cell;
    }
    DrawPiece(x, y, c.width, c.height, disabled ? PictureSource::Half : PictureSource::Mix,
              pictures, stride, c.mask, c.width);
}

// Frame N - 1 - (|value| mod N) of the N = extent frames in the strip, masked, no level mixing.
void DrawDialFrame(const Control& c) {
    if (c.extent < 1 || c.width < 1 || c.height < 1 || c.imageNormal == nullptr) return;
    const uint32_t magnitude =
        c.value < 0 ? 0u - static_cast<uint32_t>(c.value) : static_cast<uint32_t>(c.value);
    const auto frame = static_cast<ptrdiff_t>(static_cast<uint32_t>(c.extent) - 1 -
                                              magnitude % static_cast<uint32_t>(c.extent));
    const ptrdiff_t area = ptrdiff_t{c.width} * c.height;
    CoverageMask mask = c.mask != nullptr ? c.mask + frame * area : nullptr;
    DrawPiece(c.x, c.y, c.width, c.height, PictureSource::Copy,
              {c.imageNormal + 3 * frame * area, nullptr, 0}, c.width, mask, c.width);
}

// The thumb's start cap, middle and end cap, each through its mask; the track is left as it is.
void DrawScrollThumb(const Control& c, bool horizontal, PictureSource source) {
    const int32_t e = c.extent;
    const auto t = static_cast<int32_t>(ScrollThumbLength(c));
    const int32_t middle = t - 2 * e;
    const LevelPictures start{c.imageNormal, nullptr, 0};
    const LevelPictures slice{c.imageHover, nullptr, 0};
    const LevelPictures end{c.imagePressed, nullptr, 0};
    if (horizontal) {
        const int32_t left = c.x + c.thumbOffset;
        DrawPiece(left, c.y, e, c.height, source, start, e, c.imageCheckedNormal, e);
        // Row r of every middle column is pixel r of the slice.
        for (int32_t k = 0; k < middle; ++k) {
            DrawPiece(left + e + k, c.y, 1, c.height, source, slice, 1, c.imageCheckedHover, 1);
        }
        DrawPiece(left + t - e, c.y, e, c.height, source, end, e, c.imageCheckedPressed, e);
    } else {
        const int32_t top = c.y + c.thumbOffset;
        DrawPiece(c.x, top, c.width, e, source, start, c.width, c.imageCheckedNormal, c.width);
        // Every middle row is the slice's one row.
        DrawPiece(c.x, top + e, c.width, middle, source, slice, 0, c.imageCheckedHover, 0);
        DrawPiece(c.x, top + t - e, c.width, e, source, end, c.width, c.imageCheckedPressed,
                  c.width);
    }
}

void PaintScrollBar(const Control& c) {
    // A bar on an unknown axis is inert: nothing drawn, nothing invalidated.
    if (c.orientation != 0 && c.orientation != 1) return;
    // Without a content size there is no thumb length to compute.
    if (c.rangeEnd != 0) {
        const bool disabled = (c.flags & FlagDisabled) != 0;
        DrawScrollThumb(c, c.orientation == 0,
                        disabled ? PictureSource::Half : PictureSource::Copy);
    }
    Invalidate(c);
}

// The panel grows by the border to the left and top only, two pixels lower; its frame stays at
// full brightness when disabled, only the text colour is halved.
void PaintTextField(int32_t index, Control* items) {
    const Control& c = items[index];
    const int32_t b = c.extent;
    DrawFrame(c.x - b, c.y - b + 2, c.width + b, c.height + b,
              static_cast<uint8_t>(c.fillColor >> 16), static_cast<uint8_t>(c.fillColor >> 8),
              static_cast<uint8_t>(c.fillColor), b, c.frameArt);
    DrawControlText(index, items, c.font);
}

// The knob sits `value` pixels along its axis; on an unknown axis it is not drawn.
void PaintKnob(const Control& c, bool disabled) {
    if (c.orientation == 0 || c.orientation == 1) {
        const int32_t x = c.orientation == 0 ? c.x + c.value : c.x;
        const int32_t y = c.orientation == 1 ? c.y + c.value : c.y;
        DrawFace(c, x, y, disabled);
        InvalidateRectangle(x, y, c.width, c.height);
    }
    if (disabled) Invalidate(c);
}

}  // namespace

void PaintControl(int32_t index, Control* items) {
    const Control& c = items[index];
    const ControlKind& kind = KindOf(c.type);
    if (c.visible != 1 || kind.face == Face::None) return;
    const bool disabled = (c.flags & FlagDisabled) != 0;
    if (kind.face == Face::Knob) return PaintKnob(c, disabled);
    switch (c.type) {
        case ControlTextField:
            return PaintTextField(index, items);
        case ControlScrollBar:
            return PaintScrollBar(c);
        case ControlDial:
            if (disabled) break;
            DrawDialFrame(c);
            return Invalidate(c);
        default:
            break;
    }
    DrawFace(c, c.x, c.y, disabled);
    Invalidate(c);
}
