// Update regions and the paint bracket: RedrawWindow only grows the region or, with
// RDW_UPDATENOW, paints at once when there is one; BeginPaint takes the region (sending the
// frame's and the background's messages first) and clips the window's device context to it, so
// a blit inside the bracket reaches the window only where the region was.
#include <algorithm>
#include <vector>

#include "platform/rules/rules.h"

using namespace rules;

namespace rules {

void Region::Reset(int32_t newWidth, int32_t newHeight) {
    width = std::max(0, newWidth);
    height = std::max(0, newHeight);
    pixels.assign(size_t(width) * size_t(height), 0);
    bounds = OsRect{0, 0, 0, 0};
}

void Region::Add(OsRect area) {
    area.left = std::max(area.left, 0);
    area.top = std::max(area.top, 0);
    area.right = std::min(area.right, width);
    area.bottom = std::min(area.bottom, height);
    if (area.left >= area.right || area.top >= area.bottom) return;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        std::fill_n(pixels.begin() + ptrdiff_t{y} * width + area.left, area.right - area.left, 1);
    }
    bounds = Empty()
                 ? area
                 : OsRect{std::min(bounds.left, area.left), std::min(bounds.top, area.top),
                          std::max(bounds.right, area.right), std::max(bounds.bottom, area.bottom)};
}

void Region::Clear() {
    for (int32_t y = bounds.top; y < bounds.bottom; ++y) {
        std::fill_n(pixels.begin() + ptrdiff_t{y} * width + bounds.left, bounds.right - bounds.left,
                    0);
    }
    bounds = OsRect{0, 0, 0, 0};
}

void InvalidateWhole(Window& w) {
    if (!Visible(w) || Minimized(w)) return;
    w.update.Add(OsRect{0, 0, w.update.width, w.update.height});
    w.framePending = true;
    w.erasePending = true;
}

}  // namespace rules

namespace {

// The runs of `clip` inside `area`, as rectangles: runs of one row that continue those of the
// row above with the same ends grow the rectangle above.
std::vector<OsRect> RectsOf(const Region& clip, const OsRect& area) {
    std::vector<OsRect> rects;
    size_t rowStart = 0;  // the rectangles that reach the row above begin here
    for (int32_t y = area.top; y < area.bottom; ++y) {
        const size_t thisRow = rects.size();
        for (int32_t x = area.left; x < area.right;) {
            while (x < area.right && !clip.Contains(x, y)) ++x;
            const int32_t from = x;
            while (x < area.right && clip.Contains(x, y)) ++x;
            if (from == x) break;
            auto above = std::find_if(
                rects.begin() + ptrdiff_t(rowStart), rects.begin() + ptrdiff_t(thisRow),
                [&](const OsRect& r) { return r.left == from && r.right == x && r.bottom == y; });
            if (above != rects.begin() + ptrdiff_t(thisRow)) {
                above->bottom = y + 1;
            } else {
                rects.push_back(OsRect{from, y, x, y + 1});
            }
        }
        // Rectangles that grew into this row stay open beside the new ones.
        auto open = std::stable_partition(rects.begin() + ptrdiff_t(rowStart), rects.end(),
                                          [y](const OsRect& r) { return r.bottom <= y; });
        rowStart = size_t(open - rects.begin());
    }
    return rects;
}

}  // namespace

// A hidden or minimised window collects no update region: nothing of it can be seen.
bool OsRedrawWindow(WindowHandle window, const OsRect* area, uint32_t flags) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    if ((flags & RDW_INVALIDATE) != 0 && Visible(*w) && !Minimized(*w)) {
        w->update.Add(area != nullptr ? *area : OsRect{0, 0, w->update.width, w->update.height});
        if ((flags & RDW_FRAME) != 0) w->framePending = true;
        if ((flags & RDW_ERASE) != 0) w->erasePending = true;
    }
    if ((flags & RDW_VALIDATE) != 0) w->update.Clear();
    const bool pending = !w->update.Empty() || w->framePending;
    if ((flags & RDW_UPDATENOW) != 0 && Visible(*w) && !Minimized(*w) && pending) {
        Send(w, WM_PAINT);
    }
    return true;
}

// The region is taken (and the window validated) before the frame is painted, so a procedure
// that repaints from WM_NCPAINT paints again inside this paint, as on Windows.
DeviceContext OsBeginPaint(WindowHandle window, OsPaint* paint) {
    Window* w = Win(window);
    if (w == nullptr) return nullptr;
    // The last clip's buffer holds the new update region; a nested paint finds none to reuse.
    Region taken = std::move(w->update);
    w->update = std::move(w->dcClip);
    w->dcClip = Region{};
    if (w->update.pixels.size() == taken.pixels.size() && w->update.width == taken.width) {
        w->update.Clear();
    } else {
        w->update.Reset(taken.width, taken.height);
    }
    if (w->framePending) {
        w->framePending = false;
        Send(w, WM_NCPAINT, 1);
    }
    w = Win(window);
    if (w == nullptr) return nullptr;
    paint->paintArea = taken.bounds;
    w->dcClip = std::move(taken);
    w->clipped = true;
    paint->dc = OsGetDC(window);
    if (w->erasePending) {
        w->erasePending = false;
        Send(w, WM_ERASEBKGND, reinterpret_cast<WParam>(paint->dc));
    }
    return paint->dc;
}

bool OsEndPaint(WindowHandle window, OsPaint* /*paint*/) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    w->clipped = false;
    return true;
}

void OsBlitPixels(DeviceContext dc, const uint32_t* pixels, int32_t width, int32_t height,
                  const OsRect& part) {
    Window* w = Win(reinterpret_cast<WindowHandle>(dc));
    if (w == nullptr || !Visible(*w) || pixels == nullptr) return;
    OsRect area{std::max(part.left, 0), std::max(part.top, 0),
                std::min({width, ClientWidth(*w), part.right}),
                std::min({height, ClientHeight(*w), part.bottom})};
    if (area.left >= area.right || area.top >= area.bottom) return;
    const bool clipped =
        w->clipped && w->dcClip.width == ClientWidth(*w) && w->dcClip.height == ClientHeight(*w);
    if (!clipped) {
        DriverPresent(Handle(w), pixels, width, &area, 1);
        return;
    }
    const OsRect& b = w->dcClip.bounds;
    area = OsRect{std::max(area.left, b.left), std::max(area.top, b.top),
                  std::min(area.right, b.right), std::min(area.bottom, b.bottom)};
    const std::vector<OsRect> rects = RectsOf(w->dcClip, area);
    if (!rects.empty()) DriverPresent(Handle(w), pixels, width, rects.data(), rects.size());
}
