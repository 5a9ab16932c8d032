// The simulated windows: classes, creation, metrics, showing and moving, update regions, the
// paint bracket and the blit that reaches the simulated screen only inside the painted region.
#include <algorithm>

#include "platform/headless/headless_state.h"

using namespace headless;

namespace {

// Default metrics of a captioned window: a 3-pixel frame and a 19-pixel caption.
constexpr int32_t kFrame = 3;
constexpr int32_t kCaption = 19;

bool Captioned(uint32_t style) {
    return (style & WS_CAPTION) != 0;
}

void ResizeRegions(Window& w) {
    size_t size = static_cast<size_t>(ClientWidth(w)) * static_cast<size_t>(ClientHeight(w));
    w.update.assign(size, 0);
    w.hasUpdate = false;
}

void Invalidate(Window& w, const OsRect* area) {
    if (!w.visible) return;  // a hidden window collects no update region
    int32_t width = ClientWidth(w);
    int32_t height = ClientHeight(w);
    OsRect r = area != nullptr ? *area : OsRect{0, 0, width, height};
    r.left = std::max(r.left, 0);
    r.top = std::max(r.top, 0);
    r.right = std::min(r.right, width);
    r.bottom = std::min(r.bottom, height);
    for (int32_t y = r.top; y < r.bottom; ++y) {
        for (int32_t x = r.left; x < r.right; ++x)
            w.update[size_t(y) * size_t(width) + size_t(x)] = 1;
    }
    if (r.left < r.right && r.top < r.bottom) w.hasUpdate = true;
}

}  // namespace

namespace headless {

Window* Win(WindowHandle handle) {
    auto* window = reinterpret_cast<Window*>(handle);
    for (auto& w : sim.windows) {
        if (w.get() == window && !w->destroyed) return window;
    }
    return nullptr;
}

WindowHandle Handle(Window* window) {
    return reinterpret_cast<WindowHandle>(window);
}

OsRect ClientRectOnScreen(const Window& w) {
    if (!Captioned(w.style)) return w.rect;
    return OsRect{w.rect.left + kFrame, w.rect.top + kFrame + kCaption, w.rect.right - kFrame,
                  w.rect.bottom - kFrame};
}

int32_t ClientWidth(const Window& w) {
    OsRect r = ClientRectOnScreen(w);
    return std::max(0, r.right - r.left);
}

int32_t ClientHeight(const Window& w) {
    OsRect r = ClientRectOnScreen(w);
    return std::max(0, r.bottom - r.top);
}

void Validate(Window& w) {
    std::fill(w.update.begin(), w.update.end(), 0);
    w.hasUpdate = false;
}

LResult CallProc(Window* w, uint32_t message, WParam wParam, LParam lParam, bool sent) {
    sim.log.push_back(LoggedMessage{message, wParam, lParam, sim.depth, sent});
    ++sim.depth;
    LResult result = w->proc(Handle(w), message, wParam, lParam);
    --sim.depth;
    return result;
}

LResult Send(Window* w, uint32_t message, WParam wParam, LParam lParam) {
    if (w == nullptr || w->destroyed) return 0;
    return CallProc(w, message, wParam, lParam, true);
}

}  // namespace headless

ModuleHandle OsGetModuleHandle() {
    return reinterpret_cast<ModuleHandle>(&sim);
}

bool OsRegisterClass(const OsWindowClass& windowClass) {
    if (windowClass.className == nullptr || windowClass.proc == nullptr) return false;
    return sim.classes
        .emplace(windowClass.className, std::pair{windowClass.style, windowClass.proc})
        .second;
}

WindowHandle OsCreateWindow(uint32_t exStyle, const char* className, const char* /*title*/,
                            uint32_t style, int32_t x, int32_t y, int32_t width, int32_t height,
                            ModuleHandle /*instance*/) {
    auto found = sim.classes.find(className != nullptr ? className : "");
    if (found == sim.classes.end()) return nullptr;
    // A top-level window always has a caption.
    style |= WS_CAPTION;
    auto window = std::make_unique<Window>();
    window->proc = found->second.second;
    window->style = style;
    window->exStyle = exStyle;
    window->rect = OsRect{x, y, x + width, y + height};
    ResizeRegions(*window);
    Window* w = window.get();
    sim.windows.push_back(std::move(window));
    if (Send(w, WM_NCCREATE) == 0) {
        w->destroyed = true;
        return nullptr;
    }
    Send(w, WM_NCCALCSIZE);
    if (Send(w, WM_CREATE) == -1) {
        OsDestroyWindow(Handle(w));
        return nullptr;
    }
    return Handle(w);
}

bool OsDestroyWindow(WindowHandle window) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    if (sim.capture == w) OsReleaseCapture();
    w->visible = false;
    Send(w, WM_DESTROY);
    Send(w, WM_NCDESTROY);
    w->destroyed = true;
    w->timers.clear();
    if (sim.active == w) sim.active = nullptr;
    auto forWindow = [w](const OsMessage& m) { return m.window == Handle(w); };
    std::erase_if(sim.posted, forWindow);
    std::erase_if(sim.input, forWindow);
    return true;
}

bool OsAdjustWindowRect(OsRect* rect, uint32_t style, uint32_t /*exStyle*/) {
    if (!Captioned(style)) return true;
    rect->left -= kFrame;
    rect->right += kFrame;
    rect->top -= kFrame + kCaption;
    rect->bottom += kFrame;
    return true;
}

bool OsShowWindow(WindowHandle window, int32_t showCommand) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    bool wasVisible = w->visible;
    if (showCommand == SW_HIDE) {
        if (wasVisible) Send(w, WM_SHOWWINDOW, 0);
        w->visible = false;
        return wasVisible;
    }
    if (wasVisible) return true;
    Send(w, WM_SHOWWINDOW, 1);
    Send(w, WM_WINDOWPOSCHANGING);
    w->visible = true;
    Invalidate(*w, nullptr);
    Window* previous = sim.active;
    sim.active = w;
    if (previous != nullptr && previous != w) Send(previous, WM_ACTIVATE, WA_INACTIVE);
    Send(w, WM_ACTIVATEAPP, 1);
    Send(w, WM_NCACTIVATE, 1);
    Send(w, WM_ACTIVATE, WA_ACTIVE);
    Send(w, WM_SETFOCUS);
    Send(w, WM_NCPAINT, 1);
    Send(w, WM_WINDOWPOSCHANGED);
    return false;
}

bool OsGetWindowRect(WindowHandle window, OsRect* rect) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    *rect = w->rect;
    return true;
}

bool OsGetClientRect(WindowHandle window, OsRect* rect) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    *rect = OsRect{0, 0, ClientWidth(*w), ClientHeight(*w)};
    return true;
}

bool OsGetWindowInfoRect(WindowHandle window, OsRect* windowRect) {
    return OsGetWindowRect(window, windowRect);
}

bool OsSetWindowPos(WindowHandle window, int32_t x, int32_t y, int32_t width, int32_t height,
                    uint32_t flags) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    Send(w, WM_WINDOWPOSCHANGING);
    int32_t oldWidth = w->rect.right - w->rect.left;
    int32_t oldHeight = w->rect.bottom - w->rect.top;
    if ((flags & SWP_NOMOVE) == 0) w->rect = OsRect{x, y, x + oldWidth, y + oldHeight};
    if ((flags & SWP_NOSIZE) == 0) {
        w->rect.right = w->rect.left + width;
        w->rect.bottom = w->rect.top + height;
        ResizeRegions(*w);
    }
    Send(w, WM_WINDOWPOSCHANGED);
    if ((flags & SWP_NOMOVE) == 0) Send(w, WM_MOVE);
    return true;
}

DeviceContext OsGetDC(WindowHandle window) {
    return Win(window) != nullptr ? reinterpret_cast<DeviceContext>(window) : nullptr;
}

int32_t OsReleaseDC(WindowHandle window, DeviceContext /*dc*/) {
    return Win(window) != nullptr;
}

int32_t OsGetDeviceCaps(DeviceContext /*dc*/, int32_t index) {
    if (index == HORZRES) return sim.screenWidth;
    if (index == VERTRES) return sim.screenHeight;
    return 0;
}

bool OsRedrawWindow(WindowHandle window, const OsRect* area, uint32_t flags) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    if ((flags & RDW_INVALIDATE) != 0) Invalidate(*w, area);
    if ((flags & RDW_VALIDATE) != 0) Validate(*w);
    if ((flags & RDW_UPDATENOW) != 0 && w->visible && w->hasUpdate) {
        Send(w, WM_PAINT);
    }
    return true;
}

DeviceContext OsBeginPaint(WindowHandle window, OsPaint* paint) {
    Window* w = Win(window);
    if (w == nullptr) return nullptr;
    w->paintClip = w->update;
    Validate(*w);
    w->painting = true;
    OsRect bounds{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    int32_t width = ClientWidth(*w);
    for (size_t i = 0; i < w->paintClip.size(); ++i) {
        if (w->paintClip[i] == 0) continue;
        int32_t x = static_cast<int32_t>(i % size_t(width));
        int32_t y = static_cast<int32_t>(i / size_t(width));
        bounds = OsRect{std::min(bounds.left, x), std::min(bounds.top, y),
                        std::max(bounds.right, x + 1), std::max(bounds.bottom, y + 1)};
    }
    if (bounds.right < bounds.left) bounds = OsRect{0, 0, 0, 0};
    paint->dc = OsGetDC(window);
    paint->paintArea = bounds;
    return paint->dc;
}

bool OsEndPaint(WindowHandle window, OsPaint* /*paint*/) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    w->painting = false;
    w->paintClip.clear();
    return true;
}

void OsBlitPixels(DeviceContext dc, const uint32_t* pixels, int32_t width, int32_t height,
                  const OsRect& area) {
    Window* w = Win(reinterpret_cast<WindowHandle>(dc));
    if (w == nullptr || !w->visible || pixels == nullptr) return;
    OsRect client = ClientRectOnScreen(*w);
    int32_t clientWidth = ClientWidth(*w);
    const int32_t bottom = std::min({height, ClientHeight(*w), area.bottom});
    const int32_t right = std::min({width, clientWidth, area.right});
    for (int32_t y = std::max(area.top, 0); y < bottom; ++y) {
        for (int32_t x = std::max(area.left, 0); x < right; ++x) {
            if (w->painting && w->paintClip[size_t(y) * size_t(clientWidth) + size_t(x)] == 0) {
                continue;
            }
            int32_t sx = client.left + x;
            int32_t sy = client.top + y;
            if (sx < 0 || sy < 0 || sx >= sim.screenWidth || sy >= sim.screenHeight) continue;
            sim.screen[size_t(sy) * size_t(sim.screenWidth) + size_t(sx)] =
                pixels[size_t(y) * size_t(width) + size_t(x)];
        }
    }
}

LResult OsDefWindowProc(WindowHandle window, uint32_t message, WParam /*wParam*/, LParam lParam) {
    Window* w = Win(window);
    if (w == nullptr) return 0;
    switch (message) {
        case WM_NCCREATE:
            return 1;
        case WM_CLOSE:
            OsDestroyWindow(window);
            return 0;
        case WM_RBUTTONUP: {
            // The context menu request follows the release, in screen coordinates.
            OsRect client = ClientRectOnScreen(*w);
            auto x = static_cast<int16_t>(lParam & 0xFFFF);
            auto y = static_cast<int16_t>((lParam >> 16) & 0xFFFF);
            Send(w, WM_CONTEXTMENU, WParam(window), PackPoint(client.left + x, client.top + y));
            return 0;
        }
        case WM_PAINT: {
            OsPaint paint{};
            OsBeginPaint(window, &paint);
            OsEndPaint(window, &paint);
            return 0;
        }
        default:
            return 0;
    }
}
