// The calls only tests make, passed through to USER32.
#include <windows.h>

#include "platform/test_calls.h"

namespace {
HWND Hwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}
WindowHandle Handle(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}
}  // namespace

bool OsGetClientRect(WindowHandle window, OsRect* rect) {
    RECT r{};
    if (!GetClientRect(Hwnd(window), &r)) return false;
    *rect = OsRect{r.left, r.top, r.right, r.bottom};
    return true;
}

WindowHandle OsGetCapture() {
    return Handle(GetCapture());
}

WindowHandle OsGetActiveWindow() {
    return Handle(GetActiveWindow());
}

WindowHandle OsGetFocus() {
    return Handle(GetFocus());
}

uint32_t OsGetWindowLong(WindowHandle window, int32_t index) {
    return static_cast<uint32_t>(GetWindowLongW(Hwnd(window), index));
}

uint32_t OsGetClassLong(WindowHandle window, int32_t index) {
    return static_cast<uint32_t>(GetClassLongPtrW(Hwnd(window), index));
}

bool OsPostMessage(WindowHandle window, uint32_t message, WParam wParam, LParam lParam) {
    return PostMessageA(Hwnd(window), message, wParam, lParam) != 0;
}

LResult OsSendMessage(WindowHandle window, uint32_t message, WParam wParam, LParam lParam) {
    return SendMessageA(Hwnd(window), message, wParam, lParam);
}

void OsPostQuitMessage(int32_t exitCode) {
    PostQuitMessage(exitCode);
}
