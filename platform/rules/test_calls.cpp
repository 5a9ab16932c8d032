// The calls only tests make, on the shared rules.
#include "platform/test_calls.h"

#include "platform/rules/rules.h"

using namespace rules;

bool OsGetClientRect(WindowHandle window, OsRect* rect) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    *rect = OsRect{0, 0, ClientWidth(*w), ClientHeight(*w)};
    return true;
}

WindowHandle OsGetCapture() {
    return Handle(state.capture);
}

WindowHandle OsGetActiveWindow() {
    return Handle(state.active);
}

WindowHandle OsGetFocus() {
    return Handle(state.focus);
}

uint32_t OsGetWindowLong(WindowHandle window, int32_t index) {
    Window* w = Win(window);
    if (w == nullptr) return 0;
    if (index == GWL_STYLE) return w->style;
    if (index == GWL_EXSTYLE) return w->exStyle;
    return 0;
}

uint32_t OsGetClassLong(WindowHandle window, int32_t index) {
    Window* w = Win(window);
    return w != nullptr && index == GCL_STYLE ? w->classStyle : 0;
}

bool OsPostMessage(WindowHandle window, uint32_t message, WParam wParam, LParam lParam) {
    if (window != nullptr && Win(window) == nullptr) return false;
    Post(window, message, wParam, lParam);
    return true;
}

LResult OsSendMessage(WindowHandle window, uint32_t message, WParam wParam, LParam lParam) {
    return Send(Win(window), message, wParam, lParam);
}

void OsPostQuitMessage(int32_t exitCode) {
    state.quitPosted = true;
    state.quitCode = exitCode;
}
