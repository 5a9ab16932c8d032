// The seam to the operating system: the small Win32 subset the system uses, as free functions
// with Win32 meaning. One backend is linked in, chosen at build time: win32 (shipped), or the
// shared window-manager rules with a driver, headless (tests) or sdl (the native window).
// platform/README.md is the contract. Calls that only tests make are in platform/test_calls.h.
// Texts that name files are UTF-8 on every backend; the win32 backend uses the wide calls.
#pragma once
#include <cstdint>

#include "platform/win_constants.h"

using WindowHandle = struct OsWindowTag*;
using DeviceContext = struct OsDeviceContextTag*;
using ModuleHandle = struct OsModuleTag*;
using ProcessHandle = struct OsProcessTag*;
using WParam = uintptr_t;
using LParam = intptr_t;
using LResult = intptr_t;
using WindowProc = LResult (*)(WindowHandle, uint32_t message, WParam, LParam);

struct OsPoint {
    int32_t x;
    int32_t y;
};

struct OsRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
    friend bool operator==(const OsRect&, const OsRect&) = default;
};

struct OsMessage {
    WindowHandle window;
    uint32_t message;
    WParam wParam;
    LParam lParam;
};

// Class registration: the cursor is always the standard arrow; there is no background brush.
struct OsWindowClass {
    uint32_t style;
    WindowProc proc;
    ModuleHandle instance;
    int32_t iconResource;  // icon group resource id, 0 for none
    const char* className;
};

// How a program is started: the fields of CreateProcess and its start-up record that vary.
struct OsProcessStart {
    const char* applicationName;  // full path of the program file (UTF-8), or null to search
    char* commandLine;            // UTF-8, writable, as the platform may change it
    bool inheritHandles;
    uint32_t creationFlags;
    uint32_t startupFlags;  // STARTUPINFO dwFlags
    uint16_t showWindow;    // STARTUPINFO wShowWindow
};

// One BeginPaint/EndPaint bracket; the backend keeps its own record in `opaque`.
struct OsPaint {
    DeviceContext dc;
    OsRect paintArea;
    alignas(8) unsigned char opaque[96];
};

// Window class, window and metrics
ModuleHandle OsGetModuleHandle();
bool OsRegisterClass(const OsWindowClass& windowClass);
WindowHandle OsCreateWindow(uint32_t exStyle, const char* className, const char* title,
                            uint32_t style, int32_t x, int32_t y, int32_t width, int32_t height,
                            ModuleHandle instance);
bool OsDestroyWindow(WindowHandle window);
bool OsAdjustWindowRect(OsRect* rect, uint32_t style, uint32_t exStyle);
bool OsShowWindow(WindowHandle window, int32_t showCommand);
bool OsGetWindowRect(WindowHandle window, OsRect* rect);
bool OsGetWindowInfoRect(WindowHandle window, OsRect* windowRect);
bool OsSetWindowPos(WindowHandle window, int32_t x, int32_t y, int32_t width, int32_t height,
                    uint32_t flags);

// Device contexts and painting
DeviceContext OsGetDC(WindowHandle window);
int32_t OsReleaseDC(WindowHandle window, DeviceContext dc);
int32_t OsGetDeviceCaps(DeviceContext dc, int32_t index);
bool OsRedrawWindow(WindowHandle window, const OsRect* area, uint32_t flags);
DeviceContext OsBeginPaint(WindowHandle window, OsPaint* paint);
bool OsEndPaint(WindowHandle window, OsPaint* paint);
// Copies the part `area` of `width` x `height` 32-bit pixels (blue, green, red, unused; rows top
// to bottom) to the same place of `dc`, straight from the pixels: no bitmap is made. What lies
// outside the pixels is left out; a failure leaves `dc` unchanged.
void OsBlitPixels(DeviceContext dc, const uint32_t* pixels, int32_t width, int32_t height,
                  const OsRect& area);

// Timer and capture
bool OsSetTimer(WindowHandle window, uintptr_t id, uint32_t milliseconds);
bool OsKillTimer(WindowHandle window, uintptr_t id);
WindowHandle OsSetCapture(WindowHandle window);
bool OsReleaseCapture();

// Message queue
LResult OsDefWindowProc(WindowHandle window, uint32_t message, WParam wParam, LParam lParam);
bool OsPeekMessage(OsMessage* message, WindowHandle filter, uint32_t removeFlags);
int32_t OsGetMessage(OsMessage* message, WindowHandle filter);  // 0 on WM_QUIT, -1 on failure
bool OsTranslateMessage(const OsMessage* message);
LResult OsDispatchMessage(const OsMessage* message);

// Processes
// Starts a program (no security attributes, the caller's environment and current directory);
// returns its process handle, or null when it could not be started.
ProcessHandle OsCreateProcess(const OsProcessStart& start);
enum class OsProcessWait {
    Ended,    // the process has ended
    Message,  // a message arrived for this thread first (the process may still run)
    Failed    // the platform wait failed
};
// Waits, without limit, until the process has ended or a message is in this thread's queue.
OsProcessWait OsWaitForProcessOrMessage(ProcessHandle process);
bool OsCloseHandle(ProcessHandle process);
// The folder the running program was started from (UTF-8), with its trailing separator; false
// when it does not fit into `size` bytes or cannot be named in UTF-8.
bool OsGetProgramFolder(char* folder, uint32_t size);

// Keys: whether the key was down when the message taken last from the queue was sent, as
// GetKeyState tells it.
bool OsIsKeyDown(int32_t virtualKey);

// Cursor
bool OsGetCursorPos(OsPoint* point);
bool OsSetCursorPos(int32_t x, int32_t y);
int32_t OsShowCursor(bool show);
