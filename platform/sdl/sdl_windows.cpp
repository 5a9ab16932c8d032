// SDL windows with Win32 meaning: classes, creation, metrics in screen coordinates, update
// regions, the paint bracket, and the blit that shows only the painted region.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/sdl/sdl_state.h"

using namespace sdl;

namespace {

constexpr size_t kMostRegionRects = 32;  // more are merged into their bounding rectangle

bool Contains(const OsRect& outer, const OsRect& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
           outer.bottom >= inner.bottom;
}

OsRect Bounds(const std::vector<OsRect>& rects) {
    if (rects.empty()) return OsRect{0, 0, 0, 0};
    OsRect b = rects.front();
    for (const OsRect& r : rects) {
        b = OsRect{std::min(b.left, r.left), std::min(b.top, r.top), std::max(b.right, r.right),
                   std::max(b.bottom, r.bottom)};
    }
    return b;
}

// The frame the window system draws round the client area; zero without a window manager and
// while the window is hidden (asking SDL then would undo a move of the hidden window).
void Borders(const Window& w, int* top, int* left, int* bottom, int* right) {
    *top = *left = *bottom = *right = 0;
    if (!w.visible || SDL_GetWindowBordersSize(w.sdl, top, left, bottom, right) != 0) {
        *top = *left = *bottom = *right = 0;
    }
}

// Shows the given rectangles of the window surface on screen; SDL may show more than asked.
void PresentRects(Window& w, const std::vector<SDL_Rect>& rects) {
    if (!rects.empty()) {
        SDL_UpdateWindowSurfaceRects(w.sdl, rects.data(), static_cast<int>(rects.size()));
    }
}

}  // namespace

namespace sdl {

Backend backend;

// Video starts with the first window call. Without a display SDL names the reason, and the
// person who started the program reads it.
bool EnsureVideo() {
    if (backend.videoReady) return true;
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "No window can be opened: %s\n", SDL_GetError());
        return false;
    }
    std::atexit(SDL_Quit);
    backend.videoReady = true;
    return true;
}

Window* Win(WindowHandle handle) {
    auto* window = reinterpret_cast<Window*>(handle);
    for (auto& w : backend.windows) {
        if (w.get() == window && !w->destroyed) return window;
    }
    return nullptr;
}

Window* WinOfId(uint32_t sdlWindowId) {
    for (auto& w : backend.windows) {
        if (!w->destroyed && SDL_GetWindowID(w->sdl) == sdlWindowId) return w.get();
    }
    return nullptr;
}

WindowHandle Handle(Window* window) {
    return reinterpret_cast<WindowHandle>(window);
}

LParam PackPoint(int32_t x, int32_t y) {
    return static_cast<LParam>((static_cast<uint32_t>(y) & 0xFFFFu) << 16 |
                               (static_cast<uint32_t>(x) & 0xFFFFu));
}

OsPoint ClientOrigin(const Window& w) {
    int x = 0;
    int y = 0;
    SDL_GetWindowPosition(w.sdl, &x, &y);
    return OsPoint{x, y};
}

OsRect OuterRect(const Window& w) {
    const OsPoint origin = ClientOrigin(w);
    int top, left, bottom, right;
    Borders(w, &top, &left, &bottom, &right);
    return OsRect{origin.x - left, origin.y - top, origin.x + w.clientWidth + right,
                  origin.y + w.clientHeight + bottom};
}

// RDW_INVALIDATE: the region grows by the rectangle, clipped to the client area.
void Invalidate(Window& w, const OsRect* area) {
    if (!w.visible) return;  // a hidden window collects no update region
    OsRect r = area != nullptr ? *area : OsRect{0, 0, w.clientWidth, w.clientHeight};
    r = OsRect{std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, w.clientWidth),
               std::min(r.bottom, w.clientHeight)};
    if (r.left >= r.right || r.top >= r.bottom) return;
    for (const OsRect& have : w.update) {
        if (Contains(have, r)) return;
    }
    std::erase_if(w.update, [&r](const OsRect& have) { return Contains(r, have); });
    w.update.push_back(r);
    if (w.update.size() > kMostRegionRects) w.update = {Bounds(w.update)};
}

LResult Send(Window* w, uint32_t message, WParam wParam, LParam lParam) {
    if (w == nullptr || w->destroyed) return 0;
    return w->proc(Handle(w), message, wParam, lParam);
}

}  // namespace sdl

ModuleHandle OsGetModuleHandle() {
    return reinterpret_cast<ModuleHandle>(&backend);
}

bool OsRegisterClass(const OsWindowClass& windowClass) {
    if (windowClass.className == nullptr || windowClass.proc == nullptr) return false;
    if (!EnsureVideo()) return false;
    return backend.classes.emplace(windowClass.className, windowClass.proc).second;
}

// The size given is the client area's: the window manager adds its frame outside it, and
// OsAdjustWindowRect counts no frame.
WindowHandle OsCreateWindow(uint32_t /*exStyle*/, const char* className, const char* title,
                            uint32_t /*style*/, int32_t x, int32_t y, int32_t width, int32_t height,
                            ModuleHandle /*instance*/) {
    auto found = backend.classes.find(className != nullptr ? className : "");
    if (found == backend.classes.end() || width < 1 || height < 1) return nullptr;
    auto window = std::make_unique<Window>();
    window->sdl =
        SDL_CreateWindow(title != nullptr ? title : "", x, y, width, height, SDL_WINDOW_HIDDEN);
    if (window->sdl == nullptr) {
        std::fprintf(stderr, "No window can be opened: %s\n", SDL_GetError());
        return nullptr;
    }
    // The surface is made now: made first after showing, it would put the window back where it
    // was created.
    SDL_GetWindowSurface(window->sdl);
    window->proc = found->second;
    window->clientWidth = width;
    window->clientHeight = height;
    Window* w = window.get();
    backend.windows.push_back(std::move(window));
    if (Send(w, WM_NCCREATE) == 0) {
        OsDestroyWindow(Handle(w));
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
    if (backend.capture == w) OsReleaseCapture();
    w->visible = false;
    Send(w, WM_DESTROY);
    Send(w, WM_NCDESTROY);
    w->destroyed = true;
    w->timers.clear();
    SDL_DestroyWindow(w->sdl);
    w->sdl = nullptr;
    auto forWindow = [w](const OsMessage& m) { return m.window == Handle(w); };
    std::erase_if(backend.posted, forWindow);
    std::erase_if(backend.input, forWindow);
    return true;
}

bool OsAdjustWindowRect(OsRect* /*rect*/, uint32_t /*style*/, uint32_t /*exStyle*/) {
    return true;
}

// Showing activates the window and paints it at once, as on Windows; the window system's own
// expose request follows as an update of the whole client area.
bool OsShowWindow(WindowHandle window, int32_t showCommand) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    const bool wasVisible = w->visible;
    if (showCommand == SW_HIDE) {
        if (wasVisible) Send(w, WM_SHOWWINDOW, 0);
        SDL_HideWindow(w->sdl);
        w->visible = false;
        w->update.clear();
        return wasVisible;
    }
    if (wasVisible) return true;
    Send(w, WM_SHOWWINDOW, 1);
    SDL_ShowWindow(w->sdl);
    w->visible = true;
    Invalidate(*w, nullptr);
    Send(w, WM_ACTIVATE, WA_ACTIVE);
    Send(w, WM_NCPAINT, 1);
    return false;
}

bool OsGetWindowRect(WindowHandle window, OsRect* rect) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    *rect = OuterRect(*w);
    return true;
}

bool OsGetWindowInfoRect(WindowHandle window, OsRect* windowRect) {
    return OsGetWindowRect(window, windowRect);
}

// Positions are those of the outer rectangle, the frame included.
bool OsSetWindowPos(WindowHandle window, int32_t x, int32_t y, int32_t width, int32_t height,
                    uint32_t flags) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    int top, left, bottom, right;
    Borders(*w, &top, &left, &bottom, &right);
    if ((flags & SWP_NOSIZE) == 0 && width > left + right && height > top + bottom) {
        w->clientWidth = width - left - right;
        w->clientHeight = height - top - bottom;
        SDL_SetWindowSize(w->sdl, w->clientWidth, w->clientHeight);
        w->update.clear();
    }
    if ((flags & SWP_NOMOVE) == 0) SDL_SetWindowPosition(w->sdl, x + left, y + top);
    return true;
}

DeviceContext OsGetDC(WindowHandle window) {
    return Win(window) != nullptr ? reinterpret_cast<DeviceContext>(window) : nullptr;
}

int32_t OsReleaseDC(WindowHandle window, DeviceContext /*dc*/) {
    return Win(window) != nullptr;
}

int32_t OsGetDeviceCaps(DeviceContext dc, int32_t index) {
    Window* w = Win(reinterpret_cast<WindowHandle>(dc));
    const int display = w != nullptr ? std::max(0, SDL_GetWindowDisplayIndex(w->sdl)) : 0;
    SDL_Rect bounds{};
    if (SDL_GetDisplayBounds(display, &bounds) != 0) return 0;
    if (index == HORZRES) return bounds.w;
    if (index == VERTRES) return bounds.h;
    return 0;
}

bool OsRedrawWindow(WindowHandle window, const OsRect* area, uint32_t flags) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    if ((flags & RDW_INVALIDATE) != 0) Invalidate(*w, area);
    if ((flags & RDW_VALIDATE) != 0) w->update.clear();
    if ((flags & RDW_UPDATENOW) != 0 && w->visible && !w->update.empty()) Send(w, WM_PAINT);
    return true;
}

DeviceContext OsBeginPaint(WindowHandle window, OsPaint* paint) {
    Window* w = Win(window);
    if (w == nullptr) return nullptr;
    w->paintClip = std::move(w->update);
    w->update.clear();
    w->painting = true;
    paint->dc = OsGetDC(window);
    paint->paintArea = Bounds(w->paintClip);
    return paint->dc;
}

bool OsEndPaint(WindowHandle window, OsPaint* /*paint*/) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    w->painting = false;
    w->paintClip.clear();
    return true;
}

// Only `part` is copied, and inside a paint only where the painted region lies.
void OsBlitPixels(DeviceContext dc, const uint32_t* pixels, int32_t width, int32_t height,
                  const OsRect& part) {
    Window* w = Win(reinterpret_cast<WindowHandle>(dc));
    if (w == nullptr || !w->visible || pixels == nullptr) return;
    SDL_Surface* surface = SDL_GetWindowSurface(w->sdl);
    if (surface == nullptr) return;
    const OsRect all{std::max(part.left, 0), std::max(part.top, 0),
                     std::min({width, w->clientWidth, part.right}),
                     std::min({height, w->clientHeight, part.bottom})};
    const std::vector<OsRect> areas = w->painting ? w->paintClip : std::vector<OsRect>{all};
    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return;
    std::vector<SDL_Rect> shown;
    for (const OsRect& a : areas) {
        const OsRect r{std::max(a.left, all.left), std::max(a.top, all.top),
                       std::min(a.right, all.right), std::min(a.bottom, all.bottom)};
        if (r.left >= r.right || r.top >= r.bottom) continue;
        const uint32_t* from = pixels + ptrdiff_t{r.top} * width + r.left;
        auto* to = static_cast<uint8_t*>(surface->pixels) + ptrdiff_t{r.top} * surface->pitch +
                   ptrdiff_t{r.left} * surface->format->BytesPerPixel;
        SDL_ConvertPixels(r.right - r.left, r.bottom - r.top, SDL_PIXELFORMAT_RGB888, from,
                          width * 4, surface->format->format, to, surface->pitch);
        shown.push_back(SDL_Rect{r.left, r.top, r.right - r.left, r.bottom - r.top});
    }
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    PresentRects(*w, shown);
}

LResult OsDefWindowProc(WindowHandle window, uint32_t message, WParam wParam, LParam lParam) {
    Window* w = Win(window);
    if (w == nullptr) return 0;
    switch (message) {
        case WM_NCCREATE:
            return 1;
        case WM_CLOSE:
            OsDestroyWindow(window);
            return 0;
        case WM_SYSKEYDOWN:
            // Alt+F4 asks to close, as the system menu's close does.
            if (wParam == VK_F4) Send(w, WM_CLOSE);
            return 0;
        case WM_RBUTTONUP: {
            // The context menu request follows the release, in screen coordinates.
            const OsPoint origin = ClientOrigin(*w);
            const auto x = static_cast<int16_t>(lParam & 0xFFFF);
            const auto y = static_cast<int16_t>((lParam >> 16) & 0xFFFF);
            Send(w, WM_CONTEXTMENU, WParam(window), PackPoint(origin.x + x, origin.y + y));
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
