// The lines are drawn with DrawString in the fixed-width status font over the strip of the page
// background; the caller's next paint shows them.
#include "gallery/status_line.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "display/display.h"
#include "gallery/gallery_fonts.h"
#include "gallery/gallery_main.h"

char statusEvent[kStatusChars + 1] = "";
char statusCallback[kStatusChars + 1] = "";
char statusState[kStatusChars + 1] = "";

namespace {

const char* KindName(int32_t kind) {
    switch (kind) {
        case EventMove:
            return "Move";
        case EventPress:
            return "Press";
        case EventRelease:
            return "Release";
        case EventClose:
            return "Close";
        case EventKey:
            return "Key";
        case EventTick:
            return "Tick";
        case EventRightPress:
            return "RightPress";
        case EventRightRelease:
            return "RightRelease";
        case EventChar:
            return "Char";
        case EventMoveOver:
            return "MoveOver";
        default:
            return "None";
    }
}

void Format(char* line, const char* format, va_list arguments) {
    std::vsnprintf(line, sizeof statusEvent, format, arguments);
}

}  // namespace

void SetStatusEvent(const UiEvent& event) {
    std::snprintf(statusEvent, sizeof statusEvent,
                  "event %s (%d)  index %d  key %d  detail %d  at (%d, %d)", KindName(event.kind),
                  event.kind, event.index, event.key, event.detail, event.eventX, event.eventY);
    DrawStatusLine();
}

void SetStatusCallback(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    Format(statusCallback, format, arguments);
    va_end(arguments);
    DrawStatusLine();
}

void SetStatusState(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    Format(statusState, format, arguments);
    va_end(arguments);
    DrawStatusLine();
}

void DrawStatusLine() {
    const size_t rowBytes = sizeof(uint32_t) * size_t{kFrameWidth};
    for (int32_t y = kStatusTop; y < kFrameHeight; ++y) {
        std::memcpy(FrameBuffer + y * kFrameWidth, galleryBackground + y * kFrameWidth, rowBytes);
    }
    DrawString(&statusFont, statusEvent, 12, kStatusTop + 5);
    DrawString(&statusFont, statusCallback, 12, kStatusTop + 23);
    DrawString(&statusFont, statusState, 12, kStatusTop + 41);
    InvalidateArea(kStatusTop, kFrameHeight - kStatusTop, 0, kFrameWidth);
}
