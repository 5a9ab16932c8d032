// The simulated windows: classes, creation and the styles a window reports, metrics, update
// regions, the paint bracket with the frame and background messages BeginPaint sends, the blit
// that reaches the simulated screen only inside the painted region, and the default procedure.
#include <algorithm>

#include "platform/headless/headless_state.h"

using namespace headless;

namespace {

// Default metrics of a captioned window: a 3-pixel frame and a 19-pixel caption.
constexpr int32_t kFrame = 3;
constexpr int32_t kCaption = 19;

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

// The caption button's hit-test code when the window has that button, else the caption's.
WParam CaptionHit(const Window& w, HeadlessCaptionButton button) {
    switch (button) {
        case HeadlessCaptionButton::Minimize:
            return (w.style & WS_MINIMIZEBOX) != 0 ? HTMINBUTTON : HTCAPTION;
        case HeadlessCaptionButton::Maximize:
            return (w.style & WS_MAXIMIZEBOX) != 0 ? HTMAXBUTTON : HTCAPTION;
        case HeadlessCaptionButton::Close:
            return (w.style & WS_SYSMENU) != 0 ? HTCLOSE : HTCAPTION;
    }
    return HTCAPTION;
}

// What the default handling of a press on a caption button asks for.
void PressCaptionButton(Window& w, WParam hit, LParam lParam) {
    if (hit == HTMINBUTTON) Send(&w, WM_SYSCOMMAND, SC_MINIMIZE, lParam);
    if (hit == HTMAXBUTTON) {
        Send(&w, WM_SYSCOMMAND, (w.style & WS_MAXIMIZE) != 0 ? SC_RESTORE : SC_MAXIMIZE, lParam);
    }
    if (hit == HTCLOSE && (w.classStyle & CS_NOCLOSE) == 0) {
        Send(&w, WM_SYSCOMMAND, SC_CLOSE, lParam);
    }
}

LResult SysCommand(Window& w, WParam command) {
    switch (command & 0xFFF0) {
        case SC_CLOSE:
            return Send(&w, WM_CLOSE);
        case SC_MINIMIZE:
            ShowWindow(w, SW_MINIMIZE);
            return 0;
        case SC_MAXIMIZE:
            ShowWindow(w, SW_MAXIMIZE);
            return 0;
        case SC_RESTORE:
            ShowWindow(w, SW_RESTORE);
            return 0;
        default:
            return 0;
    }
}

}  // namespace

namespace headless {

void Region::Reset(int32_t newWidth, int32_t newHeight) {
    width = std::max(0, newWidth);
    height = std::max(0, newHeight);
    pixels.assign(size_t(width) * size_t(height), 0);
    bounds = OsRect{0, 0, 0, 0};
}

void Region::Add(OsRect area) {
    area.left = std::max(area.left, 0);
    area.top = std::max(area.top, 0);
    area.right = std::min(area.right, width);
    area.bottom = std::min(area.bottom, height);
    if (area.left >= area.right || area.top >= area.bottom) return;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        std::fill_n(pixels.begin() + ptrdiff_t{y} * width + area.left, area.right - area.left, 1);
    }
    bounds = Empty()
                 ? area
                 : OsRect{std::min(bounds.left, area.left), std::min(bounds.top, area.top),
                          std::max(bounds.right, area.right), std::max(bounds.bottom, area.bottom)};
}

void Region::Clear() {
    for (int32_t y = bounds.top; y < bounds.bottom; ++y) {
        std::fill_n(pixels.begin() + ptrdiff_t{y} * width + bounds.left, bounds.right - bounds.left,
                    0);
    }
    bounds = OsRect{0, 0, 0, 0};
}

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

bool Visible(const Window& w) {
    return (w.style & WS_VISIBLE) != 0;
}

bool Minimized(const Window& w) {
    return (w.style & WS_MINIMIZE) != 0;
}

// A minimised window lies off the screen as a bare caption: it has no client area.
OsRect ClientRectOnScreen(const Window& w) {
    if (Minimized(w)) return OsRect{w.rect.left, w.rect.top, w.rect.left, w.rect.top};
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

void InvalidateWhole(Window& w) {
    if (!Visible(w) || Minimized(w)) return;
    w.update.Add(OsRect{0, 0, w.update.width, w.update.height});
    w.framePending = true;
    w.erasePending = true;
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
    const bool shown = (style & WS_VISIBLE) != 0;
    FixStyles(&style, &exStyle);
    auto window = std::make_unique<Window>();
    window->proc = found->second.second;
    window->classStyle = found->second.first;
    window->style = style;
    window->exStyle = exStyle;
    window->rect = OsRect{x, y, x + width, y + height};
    window->normalRect = window->rect;
    Window* w = window.get();
    w->update.Reset(ClientWidth(*w), ClientHeight(*w));
    w->dcClip.Reset(ClientWidth(*w), ClientHeight(*w));
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
    if (shown) ShowWindow(*w, SW_SHOW);
    return Handle(w);
}

bool OsDestroyWindow(WindowHandle window) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    if (sim.capture == w) OsReleaseCapture();
    w->style &= ~uint32_t{WS_VISIBLE};
    if (sim.active == w) Activate(nullptr);
    if (sim.focus == w) sim.focus = nullptr;
    Send(w, WM_DESTROY);
    Send(w, WM_NCDESTROY);
    w->destroyed = true;
    w->timers.clear();
    std::erase_if(sim.posted, [w](const OsMessage& m) { return m.window == Handle(w); });
    std::erase_if(sim.input, [w](const QueuedInput& m) { return m.message.window == Handle(w); });
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

// A hidden or minimised window collects no update region: nothing of it can be seen.
bool OsRedrawWindow(WindowHandle window, const OsRect* area, uint32_t flags) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    if ((flags & RDW_INVALIDATE) != 0 && Visible(*w) && !Minimized(*w)) {
        w->update.Add(area != nullptr ? *area : OsRect{0, 0, w->update.width, w->update.height});
        if ((flags & RDW_FRAME) != 0) w->framePending = true;
        if ((flags & RDW_ERASE) != 0) w->erasePending = true;
    }
    if ((flags & RDW_VALIDATE) != 0) w->update.Clear();
    const bool pending = !w->update.Empty() || w->framePending;
    if ((flags & RDW_UPDATENOW) != 0 && Visible(*w) && !Minimized(*w) && pending) {
        Send(w, WM_PAINT);
    }
    return true;
}

// The region is taken (and the window validated) before the frame is painted, so a procedure
// that repaints from WM_NCPAINT paints again inside this paint, as on Windows.
DeviceContext OsBeginPaint(WindowHandle window, OsPaint* paint) {
    Window* w = Win(window);
    if (w == nullptr) return nullptr;
    // The last clip's buffer holds the new update region; a nested paint finds none to reuse.
    Region taken = std::move(w->update);
    w->update = std::move(w->dcClip);
    w->dcClip = Region{};
    if (w->update.pixels.size() == taken.pixels.size() && w->update.width == taken.width) {
        w->update.Clear();
    } else {
        w->update.Reset(taken.width, taken.height);
    }
    if (w->framePending) {
        w->framePending = false;
        Send(w, WM_NCPAINT, 1);
    }
    w = Win(window);
    if (w == nullptr) return nullptr;
    paint->paintArea = taken.bounds;
    w->dcClip = std::move(taken);
    w->clipped = true;
    paint->dc = OsGetDC(window);
    if (w->erasePending) {
        w->erasePending = false;
        Send(w, WM_ERASEBKGND, reinterpret_cast<WParam>(paint->dc));
    }
    return paint->dc;
}

bool OsEndPaint(WindowHandle window, OsPaint* /*paint*/) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    w->clipped = false;
    return true;
}

namespace {

// Copies pixels x0 .. x1 - 1 of frame row y to the screen where they land on it.
void CopySpan(const OsRect& client, const uint32_t* row, int32_t y, int32_t x0, int32_t x1) {
    const int32_t sy = client.top + y;
    if (sy < 0 || sy >= sim.screenHeight) return;
    x0 = std::max(x0, -client.left);
    x1 = std::min(x1, sim.screenWidth - client.left);
    if (x0 >= x1) return;
    std::copy(row + x0, row + x1,
              sim.screen.begin() + ptrdiff_t{sy} * sim.screenWidth + client.left + x0);
}

}  // namespace

void OsBlitPixels(DeviceContext dc, const uint32_t* pixels, int32_t width, int32_t height,
                  const OsRect& part) {
    Window* w = Win(reinterpret_cast<WindowHandle>(dc));
    if (w == nullptr || !Visible(*w) || pixels == nullptr) return;
    const OsRect client = ClientRectOnScreen(*w);
    OsRect area{std::max(part.left, 0), std::max(part.top, 0),
                std::min({width, ClientWidth(*w), part.right}),
                std::min({height, ClientHeight(*w), part.bottom})};
    const bool clipped =
        w->clipped && w->dcClip.width == ClientWidth(*w) && w->dcClip.height == ClientHeight(*w);
    if (clipped) {
        const OsRect& b = w->dcClip.bounds;
        area = OsRect{std::max(area.left, b.left), std::max(area.top, b.top),
                      std::min(area.right, b.right), std::min(area.bottom, b.bottom)};
    }
    for (int32_t y = area.top; y < area.bottom; ++y) {
        const uint32_t* row = pixels + ptrdiff_t{y} * width;
        if (!clipped) {
            CopySpan(client, row, y, area.left, area.right);
            continue;
        }
        // Runs of pixels inside the clip.
        for (int32_t x = area.left; x < area.right;) {
            while (x < area.right && !w->dcClip.Contains(x, y)) ++x;
            const int32_t from = x;
            while (x < area.right && w->dcClip.Contains(x, y)) ++x;
            CopySpan(client, row, y, from, x);
        }
    }
}

void HeadlessClickCaptionButton(WindowHandle window, HeadlessCaptionButton button) {
    Window* w = Win(window);
    if (w == nullptr || !Visible(*w) || !Captioned(w->style)) return;
    // The buttons stand 20 pixels apart at the caption's right end: minimise, maximise, close.
    const int32_t fromRight = button == HeadlessCaptionButton::Close      ? 12
                              : button == HeadlessCaptionButton::Maximize ? 32
                                                                          : 52;
    const OsPoint point{w->rect.right - fromRight, w->rect.top + kFrame + kCaption / 2};
    sim.input.push_back(QueuedInput{
        OsMessage{window, WM_NCLBUTTONDOWN, CaptionHit(*w, button), PackPoint(point.x, point.y)},
        sim.clock, point});
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
        case WM_ACTIVATE:
            // Activation brings the keyboard focus, except to a minimised window.
            if ((wParam & 0xFFFF) != WA_INACTIVE && !Minimized(*w)) SetFocus(w);
            return 0;
        case WM_MOUSEACTIVATE:
            return MA_ACTIVATE;
        case WM_WINDOWPOSCHANGED: {
            const PositionChange change = w->lastChange;
            const OsRect client = ClientRectOnScreen(*w);
            if (change.moved) Send(w, WM_MOVE, 0, PackPoint(client.left, client.top));
            if (change.sized) {
                const WParam kind = Minimized(*w)                   ? SIZE_MINIMIZED
                                    : (w->style & WS_MAXIMIZE) != 0 ? SIZE_MAXIMIZED
                                                                    : SIZE_RESTORED;
                Send(w, WM_SIZE, kind, PackPoint(ClientWidth(*w), ClientHeight(*w)));
            }
            return 0;
        }
        case WM_SYSCOMMAND:
            return SysCommand(*w, wParam);
        case WM_SYSKEYDOWN:
            // Alt+F4 asks the window to close, through the queue, unless its class forbids it.
            if ((lParam >> 16 & KF_ALTDOWN) != 0 && wParam == VK_F4 &&
                (w->classStyle & CS_NOCLOSE) == 0) {
                Post(w, WM_SYSCOMMAND, SC_CLOSE, 0);
            }
            return 0;
        case WM_NCLBUTTONDOWN:
            PressCaptionButton(*w, wParam, lParam);
            return 0;
        default:
            return 0;
    }
}
