// The gallery's life: the window, the four pages, and a loop that reports every event on the
// status line and turns pages.
#include "gallery/gallery_main.h"

#include <cstring>

#include "base/aligned_alloc.h"
#include "display/display.h"
#include "display/window_proc.h"
#include "gallery/callbacks.h"
#include "gallery/gallery_art.h"
#include "gallery/gallery_fonts.h"
#include "gallery/pages.h"
#include "gallery/reader_news.h"
#include "gallery/status_line.h"
#include "render/draw.h"
#include "toolkit/accessibility.h"
#include "toolkit/control_kinds.h"
#include "toolkit/dispatcher.h"
#include "toolkit/paint_control.h"
#include "toolkit/toolkit_state.h"

Font statusFont = artFontStatus;
Font labelFont = artFontLabel;
Font titleFont = artFontTitle;
Font greyFont = artFontGrey;
Font colourFont = artFontColour;

ControlList* galleryPages[kGalleryPageCount] = {};
int32_t galleryPage = 0;
uint32_t* galleryBackground = nullptr;

namespace {

constexpr uint32_t kVirtualPageUp = 0x21;
constexpr uint32_t kVirtualPageDown = 0x22;

void FillPanel(const PagePanel& p) {
    FillArea(p.x, p.y, p.width, p.height, p.red, p.green, p.blue);
}

// The page's background, drawn in the frame buffer and kept: the backdrop, the title, the
// labels, the panels and tracks, the status strip. Restoring a control's background (a knob's
// track, an area's outline) takes it from here.
void ComposeBackground(int32_t page) {
    for (int32_t y = 0; y < kFrameHeight; ++y) {
        const uint8_t* rgb = artBackdropColumn + 3 * y;
        const uint32_t pixel = uint32_t{rgb[0]} << 16 | uint32_t{rgb[1]} << 8 | rgb[2];
        for (int32_t x = 0; x < kFrameWidth; ++x) FrameBuffer[y * kFrameWidth + x] = pixel;
    }
    const PageDecoration& d = kPageDecorations[page];
    DrawString(&titleFont, d.title, 20, 8);
    for (int32_t k = 0; k < d.panelCount; ++k) FillPanel(d.panels[k]);
    for (int32_t k = 0; k < d.labelCount; ++k) {
        DrawString(&labelFont, d.labels[k].text, d.labels[k].x, d.labels[k].y);
    }
    FillPanel(kStatusStrip);
    std::memcpy(galleryBackground, FrameBuffer, sizeof(uint32_t) * kFrameWidth * kFrameHeight);
}

// Shows the page: its list becomes the active one and every control starts at rest.
void ShowPage(int32_t page) {
    galleryPage = page;
    ServeList(galleryPages[page]);
    ComposeBackground(page);
    for (int32_t i = 0; i < activeList->count; ++i) {
        activeList->items[i].level = 0;
        activeList->items[i].hovered = 0;
        PaintControl(i, activeList->items);
    }
    SetStatusState("page %d: %s", page + 1, kPageDecorations[page].title);
    InvalidateArea(0, kFrameHeight, 0, kFrameWidth);
    ForgetReaderNews();
}

// What the event left in the control it names: the word its gesture settled, or what the
// gallery's callbacks gathered from a motion or a pop-up grid.
void DescribeState(const UiEvent& event) {
    if (event.index < 0 || event.index >= activeList->count) return;
    const Control& c = activeList->items[event.index];
    const ControlKind& kind = KindOf(c.type);
    if (c.type == ControlFreeMotion && event.kind == EventPress) {
        return SetStatusState("free motion: point at (%d, %d)", motionX, motionY);
    }
    if (c.type == ControlDragSource && event.kind == EventRightPress) {
        return SetStatusState("drag source: cell %d", dragSourceCell);
    }
    if (event.kind != kind.settledBy) return;
    switch (kind.word) {
        case KindWord::Checked:
            return SetStatusState("id %d: checked %d", c.id, c.checked);
        case KindWord::Value:
            return SetStatusState("id %d: value %d", c.id, c.value);
        case KindWord::RangeStart:
            return SetStatusState("id %d: rangeStart %d thumbOffset %d", c.id, c.rangeStart,
                                  c.thumbOffset);
        case KindWord::SelectedCell:
            return SetStatusState("id %d: selectedCell %d", c.id, c.selectedCell);
        case KindWord::Text:
            return SetStatusState("id %d: text \"%s\"", c.id, c.text);
        case KindWord::None:
            return;
    }
}

// The page the event asks for, or -1.
int32_t PageWanted(const UiEvent& event) {
    int32_t step = 0;
    if (event.kind == EventRelease && event.index == kPreviousButton) step = -1;
    if (event.kind == EventRelease && event.index == kNextButton) step = 1;
    if (event.kind == EventKey && static_cast<uint32_t>(event.key) == kVirtualPageUp) step = -1;
    if (event.kind == EventKey && static_cast<uint32_t>(event.key) == kVirtualPageDown) step = 1;
    const int32_t page = galleryPage + step;
    return step != 0 && page >= 0 && page < kGalleryPageCount ? page : -1;
}

}  // namespace

int32_t PageOfArgument(const char* argument) {
    if (argument == nullptr || argument[0] < '1' || argument[0] > '0' + kGalleryPageCount ||
        argument[1] != '\0') {
        return -1;
    }
    return argument[0] - '1';
}

int32_t GalleryMain(int32_t showCommand, int32_t firstPage) {
    statusEvent[0] = statusCallback[0] = statusState[0] = '\0';
    galleryBackground =
        static_cast<uint32_t*>(AllocAligned(sizeof(uint32_t) * kFrameWidth * kFrameHeight));
    if (galleryBackground == nullptr) return 0;
    std::memset(galleryBackground, 0, sizeof(uint32_t) * kFrameWidth * kFrameHeight);
    if (CreateMainWindow("Varorizo gallery", galleryBackground) == nullptr) return 0;
    if (!BuildGalleryPages(galleryPages)) return 0;
    windowDescriber = DescribeActiveList;  // screen readers follow the page shown
    ShowPage(firstPage);
    OsShowWindow(mainWindow, showCommand);

    UiEvent event{};
    for (;;) {
        GetUiEvent(&event);
        // No event at all means the platform's wait failed: nothing more can arrive.
        if (event.kind == EventClose || event.kind == EventNone) return 0;
        if (event.kind == EventTick) continue;  // forty a second would drown the rest
        TellReadersWhatChanged();
        SetStatusEvent(event);
        DescribeState(event);
        const int32_t page = PageWanted(event);
        if (page >= 0) ShowPage(page);
    }
}
