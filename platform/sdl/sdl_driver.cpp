// The SDL driver: the real clock, a wait in SDL's event queue, one SDL window for each window
// of the rules (their client area; the window manager's frame lies outside), the window surface
// that presented pixels are copied into, the display's size and the real cursor.
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/sdl/sdl_driver.h"

namespace {
bool videoReady = false;
}  // namespace

namespace sdl {

// Video starts with the first window call. Without a display SDL names the reason, and the
// person who started the program reads it.
bool EnsureVideo() {
    if (videoReady) return true;
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "No window can be opened: %s\n", SDL_GetError());
        return false;
    }
    std::atexit(SDL_Quit);
    videoReady = true;
    return true;
}

bool VideoReady() {
    return videoReady;
}

WindowHandle WindowOfId(uint32_t sdlWindowId) {
    for (WindowHandle window : LiveWindows()) {
        const DriverWindow* d = WindowDriverPart(window);
        if (d != nullptr && SDL_GetWindowID(d->sdl) == sdlWindowId) return window;
    }
    return nullptr;
}

}  // namespace sdl

uint64_t DriverNow() {
    return SDL_GetTicks64();
}

void DriverLookedAtQueue(bool /*found*/) {}

// Sleeps in SDL until an event arrives or `until` comes; without video, only time can pass.
bool DriverWait(uint64_t until) {
    const uint64_t now = SDL_GetTicks64();
    if (!videoReady) {
        if (until == UINT64_MAX) return false;
        if (until > now) SDL_Delay(static_cast<uint32_t>(std::min<uint64_t>(until - now, INT_MAX)));
        return true;
    }
    if (until == UINT64_MAX) return SDL_WaitEvent(nullptr) == 1;
    if (until > now) {
        SDL_WaitEventTimeout(nullptr, static_cast<int>(std::min<uint64_t>(until - now, INT_MAX)));
    }
    return true;
}

OsPoint DriverScreenSize() {
    SDL_Rect bounds{};
    if (!sdl::EnsureVideo() || SDL_GetDisplayBounds(0, &bounds) != 0) return OsPoint{0, 0};
    return OsPoint{bounds.w, bounds.h};
}

// The window manager draws its frame outside the SDL window: the rules' window is its client
// area alone.
OsRect DriverFrameInsets(uint32_t /*style*/) {
    return OsRect{0, 0, 0, 0};
}

bool DriverCreateWindow(WindowHandle w, const char* title) {
    const OsRect client = WindowClientOnScreen(w);
    const int32_t width = client.right - client.left;
    const int32_t height = client.bottom - client.top;
    if (width < 1 || height < 1 || !sdl::EnsureVideo()) return false;
    SDL_Window* window =
        SDL_CreateWindow(title, client.left, client.top, width, height, SDL_WINDOW_HIDDEN);
    if (window == nullptr) {
        std::fprintf(stderr, "No window can be opened: %s\n", SDL_GetError());
        return false;
    }
    // The surface is made now: made first after showing, it would put the window back where it
    // was created.
    SDL_GetWindowSurface(window);
    SetWindowDriverPart(w, new DriverWindow{window, false, false, client});
    return true;
}

// A hidden window keeps its place until it is shown, where the rules put it meanwhile.
void DriverPlaceWindow(WindowHandle w) {
    DriverWindow* d = WindowDriverPart(w);
    if (d == nullptr) return;
    if (!WindowShown(w)) {
        if (d->shown) SDL_HideWindow(d->sdl);
        d->shown = false;
        return;
    }
    if (WindowMinimized(w)) {
        if (!d->shown) SDL_ShowWindow(d->sdl);
        SDL_MinimizeWindow(d->sdl);
        d->shown = d->minimized = true;
        return;
    }
    if (d->minimized) SDL_RestoreWindow(d->sdl);
    d->minimized = false;
    const OsRect client = WindowClientOnScreen(w);
    if (client.right - client.left != d->client.right - d->client.left ||
        client.bottom - client.top != d->client.bottom - d->client.top) {
        SDL_SetWindowSize(d->sdl, client.right - client.left, client.bottom - client.top);
    }
    if (client.left != d->client.left || client.top != d->client.top || !d->shown) {
        SDL_SetWindowPosition(d->sdl, client.left, client.top);
    }
    d->client = client;
    if (!d->shown) SDL_ShowWindow(d->sdl);
    d->shown = true;
}

void DriverDestroyWindow(WindowHandle w) {
    DriverWindow* d = WindowDriverPart(w);
    if (d == nullptr) return;
    SDL_DestroyWindow(d->sdl);
    delete d;
    SetWindowDriverPart(w, nullptr);
}

// The rectangles are copied into the window surface and shown; SDL may show more than asked.
void DriverPresent(WindowHandle w, const uint32_t* pixels, int32_t stride, const OsRect* rects,
                   size_t count) {
    const DriverWindow* d = WindowDriverPart(w);
    if (d == nullptr) return;
    SDL_Surface* surface = SDL_GetWindowSurface(d->sdl);
    if (surface == nullptr) return;
    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return;
    std::vector<SDL_Rect> shown;
    for (size_t i = 0; i < count; ++i) {
        const OsRect r{rects[i].left, rects[i].top, std::min(rects[i].right, surface->w),
                       std::min(rects[i].bottom, surface->h)};
        if (r.left >= r.right || r.top >= r.bottom) continue;
        const uint32_t* from = pixels + ptrdiff_t{r.top} * stride + r.left;
        auto* to = static_cast<uint8_t*>(surface->pixels) + ptrdiff_t{r.top} * surface->pitch +
                   ptrdiff_t{r.left} * surface->format->BytesPerPixel;
        SDL_ConvertPixels(r.right - r.left, r.bottom - r.top, SDL_PIXELFORMAT_RGB888, from,
                          stride * 4, surface->format->format, to, surface->pitch);
        shown.push_back(SDL_Rect{r.left, r.top, r.right - r.left, r.bottom - r.top});
    }
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    if (!shown.empty()) {
        SDL_UpdateWindowSurfaceRects(d->sdl, shown.data(), static_cast<int>(shown.size()));
    }
}

void DriverWarpCursor(OsPoint to) {
    if (!sdl::EnsureVideo()) return;
    SDL_WarpMouseGlobal(to.x, to.y);
    sdl::ExpectWarpEcho(to);
}

void DriverShowCursor(bool visible) {
    if (sdl::EnsureVideo()) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void DriverSawMessage(uint32_t /*message*/, WParam /*wParam*/, LParam /*lParam*/, int32_t /*depth*/,
                      bool /*sent*/) {}
