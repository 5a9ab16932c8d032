// The main window and its frame buffer. The window keeps one device context (CS_OWNDC); a paint
// copies the area being painted straight from the frame buffer, and the platform clips that copy
// to the invalid region.
#include "display/display.h"

#include <cstring>

#include "base/aligned_alloc.h"
#include "display/window_proc.h"

WindowHandle mainWindow = nullptr;
DeviceContext mainWindowDC = nullptr;
uint32_t* FrameBuffer = nullptr;
int32_t frameWidth = 0;
int32_t frameHeight = 0;
int32_t frameRowPixels = 0;
const uint32_t* backgroundPicture = nullptr;
OsRect DirtyRect{kDirtyEmptyCorner, kDirtyEmptyCorner, 0, 0};

namespace {
constexpr uint32_t kClassStyle = CS_VREDRAW | CS_HREDRAW | CS_OWNDC;
constexpr uint32_t kExStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE | WS_EX_NOPARENTNOTIFY;
constexpr uint32_t kStyle = WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int32_t kIconResource = 101;
}  // namespace

void SetDirtyRectEmpty() {
    DirtyRect = OsRect{kDirtyEmptyCorner, kDirtyEmptyCorner, 0, 0};
}

WindowHandle CreateMainWindow(const char* className, const uint32_t* background) {
    ModuleHandle instance = OsGetModuleHandle();
    if (!OsRegisterClass(
            OsWindowClass{kClassStyle, MainWindowProc, instance, kIconResource, className})) {
        return nullptr;
    }
    // The outer size follows from the 800 x 600 client area and the actual frame metrics; a
    // top-level window always gets a caption, so it is counted in.
    OsRect outer{0, 0, kFrameWidth, kFrameHeight};
    OsAdjustWindowRect(&outer, kStyle | WS_CAPTION, kExStyle);
    mainWindow = OsCreateWindow(kExStyle, className, className, kStyle, 0, 0,
                                outer.right - outer.left, outer.bottom - outer.top, instance);
    if (mainWindow == nullptr) return nullptr;
    mainWindowDC = OsGetDC(mainWindow);
    CenterWindow();
    frameWidth = kFrameWidth;
    frameHeight = kFrameHeight;
    SetDirtyRectEmpty();
    FrameBuffer = static_cast<uint32_t*>(
        AllocAligned(sizeof(uint32_t) * size_t{kFrameWidth} * size_t{kFrameHeight}));
    if (FrameBuffer == nullptr) {
        OsReleaseDC(mainWindow, mainWindowDC);
        OsDestroyWindow(mainWindow);
        return nullptr;
    }
    backgroundPicture = background;
    frameRowPixels = kFrameWidth;
    std::memcpy(FrameBuffer, backgroundPicture,
                sizeof(uint32_t) * size_t{kFrameWidth} * size_t{kFrameHeight});
    DirtyRect = OsRect{0, 0, kFrameWidth, kFrameHeight};
    OsRedrawWindow(mainWindow, &DirtyRect, RDW_INVALIDATE);
    return mainWindow;
}

void CenterWindow() {
    OsRect rect{};
    OsGetWindowRect(mainWindow, &rect);
    int32_t width = rect.right - rect.left;
    int32_t height = rect.bottom - rect.top;
    DeviceContext dc = OsGetDC(mainWindow);
    int32_t screenWidth = OsGetDeviceCaps(dc, HORZRES);
    int32_t screenHeight = OsGetDeviceCaps(dc, VERTRES);
    OsReleaseDC(mainWindow, dc);
    OsSetWindowPos(mainWindow, screenWidth / 2 - width / 2, screenHeight / 2 - height / 2, 0, 0,
                   SWP_NOZORDER | SWP_NOSIZE);
}

bool InvalidateArea(int32_t top, int32_t height, int32_t left, int32_t width) {
    DirtyRect = OsRect{left, top, left + width, top + height};
    return OsRedrawWindow(mainWindow, &DirtyRect, RDW_INVALIDATE);
}

void UpdateWindowNow() {
    OsRedrawWindow(mainWindow, nullptr, RDW_UPDATENOW);
}

void PresentFrame() {
    OsPaint paint{};
    OsBeginPaint(mainWindow, &paint);
    // Only the area being painted is copied, straight from the frame buffer: a fade step costs
    // its button's pixels, not the whole frame's.
    OsBlitPixels(mainWindowDC, FrameBuffer, frameWidth, frameHeight, paint.paintArea);
    OsEndPaint(mainWindow, &paint);
}
