// Windows and their classes: creation with the styles CreateWindowEx makes of the given ones,
// destruction, the outer and client rectangles, device contexts and the screen's metrics.
#include <algorithm>

#include "platform/rules/rules.h"

using namespace rules;

namespace {

bool Captioned(uint32_t style) {
    return (style & WS_CAPTION) == WS_CAPTION;
}

// What CreateWindowEx makes of the styles: an overlapped window always clips its siblings and
// has a caption, and the window edge follows from the frame the styles give. The window starts
// hidden and in its normal state; WS_VISIBLE asks for it to be shown once it is created.
void FixStyles(uint32_t* style, uint32_t* exStyle) {
    if ((*style & (WS_CHILD | WS_POPUP)) == 0) *style |= WS_CLIPSIBLINGS | WS_CAPTION;
    if ((*exStyle & WS_EX_DLGMODALFRAME) != 0 || (*style & (WS_DLGFRAME | WS_THICKFRAME)) != 0) {
        *exStyle |= WS_EX_WINDOWEDGE;
    } else {
        *exStyle &= ~uint32_t{WS_EX_WINDOWEDGE};
    }
    *style &= ~uint32_t{WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE};
}

OsRect Insets(uint32_t style) {
    return Captioned(style) ? DriverFrameInsets(style) : OsRect{0, 0, 0, 0};
}

}  // namespace

namespace rules {

State state;

Window* Record(WindowHandle handle) {
    auto* window = reinterpret_cast<Window*>(handle);
    for (auto& w : state.windows) {
        if (w.get() == window) return window;
    }
    return nullptr;
}

Window* Win(WindowHandle handle) {
    Window* w = Record(handle);
    return w != nullptr && !w->destroyed ? w : nullptr;
}

WindowHandle Handle(Window* window) {
    return reinterpret_cast<WindowHandle>(window);
}

bool Visible(const Window& w) {
    return (w.style & WS_VISIBLE) != 0;
}

bool Minimized(const Window& w) {
    return (w.style & WS_MINIMIZE) != 0;
}

// A minimised window lies off the screen as a bare caption: it has no client area.
OsRect ClientRectOnScreen(const Window& w) {
    if (Minimized(w)) return OsRect{w.rect.left, w.rect.top, w.rect.left, w.rect.top};
    const OsRect in = Insets(w.style);
    return OsRect{w.rect.left + in.left, w.rect.top + in.top, w.rect.right - in.right,
                  w.rect.bottom - in.bottom};
}

int32_t ClientWidth(const Window& w) {
    const OsRect r = ClientRectOnScreen(w);
    return std::max(0, r.right - r.left);
}

int32_t ClientHeight(const Window& w) {
    const OsRect r = ClientRectOnScreen(w);
    return std::max(0, r.bottom - r.top);
}

LParam PackPoint(int32_t x, int32_t y) {
    return static_cast<LParam>((static_cast<uint32_t>(y) & 0xFFFFu) << 16 |
                               (static_cast<uint32_t>(x) & 0xFFFFu));
}

LResult CallProc(Window* w, uint32_t message, WParam wParam, LParam lParam, bool sent) {
    DriverSawMessage(message, wParam, lParam, state.depth, sent);
    ++state.depth;
    const LResult result = w->proc(Handle(w), message, wParam, lParam);
    --state.depth;
    return result;
}

LResult Send(Window* w, uint32_t message, WParam wParam, LParam lParam) {
    if (w == nullptr || w->destroyed) return 0;
    return CallProc(w, message, wParam, lParam, true);
}

}  // namespace rules

ModuleHandle OsGetModuleHandle() {
    return reinterpret_cast<ModuleHandle>(&state);
}

bool OsRegisterClass(const OsWindowClass& windowClass) {
    if (windowClass.className == nullptr || windowClass.proc == nullptr) return false;
    return state.classes
        .emplace(windowClass.className, std::pair{windowClass.style, windowClass.proc})
        .second;
}

WindowHandle OsCreateWindow(uint32_t exStyle, const char* className, const char* title,
                            uint32_t style, int32_t x, int32_t y, int32_t width, int32_t height,
                            ModuleHandle /*instance*/) {
    auto found = state.classes.find(className != nullptr ? className : "");
    if (found == state.classes.end()) return nullptr;
    const bool shown = (style & WS_VISIBLE) != 0;
    FixStyles(&style, &exStyle);
    auto window = std::make_unique<Window>();
    Window* w = window.get();
    w->proc = found->second.second;
    w->classStyle = found->second.first;
    w->style = style;
    w->exStyle = exStyle;
    w->rect = OsRect{x, y, x + width, y + height};
    w->normalRect = w->rect;
    w->update.Reset(ClientWidth(*w), ClientHeight(*w));
    w->dcClip.Reset(ClientWidth(*w), ClientHeight(*w));
    state.windows.push_back(std::move(window));
    if (!DriverCreateWindow(Handle(w), title != nullptr ? title : "")) {
        state.windows.pop_back();
        return nullptr;
    }
    if (Send(w, WM_NCCREATE) == 0) {
        w->destroyed = true;
        DriverDestroyWindow(Handle(w));
        return nullptr;
    }
    Send(w, WM_NCCALCSIZE);
    if (Send(w, WM_CREATE) == -1) {
        OsDestroyWindow(Handle(w));
        return nullptr;
    }
    if (shown) ShowWindow(*w, SW_SHOW);
    return Handle(w);
}

bool OsDestroyWindow(WindowHandle window) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    if (state.capture == w) OsReleaseCapture();
    w->style &= ~uint32_t{WS_VISIBLE};
    DriverPlaceWindow(window);
    if (state.active == w) Activate(nullptr);
    if (state.focus == w) state.focus = nullptr;
    Send(w, WM_DESTROY);
    Send(w, WM_NCDESTROY);
    w->destroyed = true;
    w->timers.clear();
    DriverDestroyWindow(window);
    std::erase_if(state.posted, [w](const OsMessage& m) { return m.window == Handle(w); });
    std::erase_if(state.input, [w](const QueuedInput& m) { return m.message.window == Handle(w); });
    return true;
}

bool OsAdjustWindowRect(OsRect* rect, uint32_t style, uint32_t /*exStyle*/) {
    const OsRect in = Insets(style);
    rect->left -= in.left;
    rect->top -= in.top;
    rect->right += in.right;
    rect->bottom += in.bottom;
    return true;
}

bool OsGetWindowRect(WindowHandle window, OsRect* rect) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    *rect = w->rect;
    return true;
}

// GetWindowInfo's window rectangle is GetWindowRect's; Windows answers both from one record.
bool OsGetWindowInfoRect(WindowHandle window, OsRect* windowRect) {
    return OsGetWindowRect(window, windowRect);
}

DeviceContext OsGetDC(WindowHandle window) {
    return Win(window) != nullptr ? reinterpret_cast<DeviceContext>(window) : nullptr;
}

int32_t OsReleaseDC(WindowHandle window, DeviceContext /*dc*/) {
    return Win(window) != nullptr;
}

int32_t OsGetDeviceCaps(DeviceContext /*dc*/, int32_t index) {
    const OsPoint screen = DriverScreenSize();
    if (index == HORZRES) return screen.x;
    if (index == VERTRES) return screen.y;
    return 0;
}

void rules::Reset() {
    for (auto& w : state.windows) {
        if (!w->destroyed) DriverDestroyWindow(Handle(w.get()));
    }
    state = State{};
}
