// Showing, moving, minimising and maximising windows, and which window is active and has the
// keyboard focus, with the messages Windows sends for each.
//
//   command                           state afterwards                     activates
//   SW_HIDE                           hidden                               (deactivates)
//   SW_SHOWNORMAL, SW_RESTORE,        normal (restored from minimised or   yes
//   SW_SHOWDEFAULT                    maximised)
//   SW_SHOWNOACTIVATE                 normal                               no
//   SW_SHOW / SW_SHOWNA               shown as it is                       yes / no
//   SW_SHOWMINIMIZED                  minimised                            yes, without focus
//   SW_MINIMIZE, SW_SHOWMINNOACTIVE,  minimised                            no (deactivates)
//   SW_FORCEMINIMIZE
//   SW_SHOWMAXIMIZED (SW_MAXIMIZE)    maximised over the whole screen      yes
//
// A minimised window lies off the screen without a client area: it is not painted and no
// pointer input reaches it. Keys reach the active window only as WM_SYSKEYDOWN while no window
// has the focus.
#include "platform/rules/rules.h"

using namespace rules;

namespace {

constexpr int32_t kMinimizedPosition = -32000;  // where Windows parks minimised windows
constexpr int32_t kMinimizedWidth = 160;
constexpr int32_t kMinimizedHeight = 28;

OsRect MinimizedRect() {
    return OsRect{kMinimizedPosition, kMinimizedPosition, kMinimizedPosition + kMinimizedWidth,
                  kMinimizedPosition + kMinimizedHeight};
}

// The border of a maximised window lies just off the screen; its caption stays on it.
OsRect MaximizedRect(const Window& w) {
    const OsPoint screen = DriverScreenSize();
    const OsRect in = DriverFrameInsets(w.style);
    return OsRect{-in.left, -in.left, screen.x + in.right, screen.y + in.bottom};
}

void RememberNormalRect(Window& w) {
    if ((w.style & (WS_MINIMIZE | WS_MAXIMIZE)) == 0) w.normalRect = w.rect;
}

// A shown window without a change of state: its whole area is to be painted.
void ShowAsItIs(Window& w, bool activate) {
    Send(&w, WM_WINDOWPOSCHANGING);
    w.style |= WS_VISIBLE;
    DriverPlaceWindow(Handle(&w));
    InvalidateWhole(w);
    if (activate) Activate(&w);
    w.lastChange = PositionChange{};
    Send(&w, WM_WINDOWPOSCHANGED);
}

void Minimize(Window& w, bool activate) {
    w.restoreMaximized = (w.style & WS_MAXIMIZE) != 0;
    RememberNormalRect(w);
    if (state.focus == &w) SetFocus(nullptr);
    w.style = (w.style | WS_MINIMIZE | WS_VISIBLE) & ~uint32_t{WS_MAXIMIZE};
    MoveWindow(w, MinimizedRect(), true);
    if (activate) {
        Activate(&w);
    } else if (state.active == &w) {
        Activate(nullptr);  // no other window of the program to activate
    }
}

void Maximize(Window& w, bool activate) {
    RememberNormalRect(w);
    w.style = (w.style | WS_MAXIMIZE | WS_VISIBLE) & ~uint32_t{WS_MINIMIZE};
    MoveWindow(w, MaximizedRect(w), true);
    if (activate) Activate(&w);
}

void Restore(Window& w, bool activate) {
    const bool wasMinimized = Minimized(w);
    if (wasMinimized && w.restoreMaximized) {
        Maximize(w, activate);
    } else {
        w.style = (w.style | WS_VISIBLE) & ~uint32_t{WS_MINIMIZE | WS_MAXIMIZE};
        MoveWindow(w, w.normalRect, true);
        if (activate) Activate(&w);
    }
    // A window restored from minimised gets the focus back.
    if (wasMinimized && state.active == &w) SetFocus(&w);
}

}  // namespace

namespace rules {

void MoveWindow(Window& w, OsRect to, bool stateChanged) {
    Send(&w, WM_WINDOWPOSCHANGING);
    const bool moved = to.left != w.rect.left || to.top != w.rect.top;
    const bool sized = stateChanged || to.right - to.left != w.rect.right - w.rect.left ||
                       to.bottom - to.top != w.rect.bottom - w.rect.top;
    w.rect = to;
    DriverPlaceWindow(Handle(&w));
    if (sized) {
        w.update.Reset(ClientWidth(w), ClientHeight(w));
        w.dcClip.Reset(ClientWidth(w), ClientHeight(w));
        w.framePending = false;
        w.erasePending = false;
        InvalidateWhole(w);
    }
    w.lastChange = PositionChange{moved, sized};
    Send(&w, WM_WINDOWPOSCHANGED);
}

void SetFocus(Window* w) {
    Window* previous = state.focus;
    if (previous == w) return;
    state.focus = w;
    if (previous != nullptr) Send(previous, WM_KILLFOCUS, WParam(Handle(w)));
    if (w != nullptr) Send(w, WM_SETFOCUS, WParam(Handle(previous)));
}

void Activate(Window* w) {
    Window* previous = state.active;
    if (previous == w) return;
    state.active = w;
    if (previous != nullptr) {
        Send(previous, WM_NCACTIVATE, 0);
        Send(previous, WM_ACTIVATE, WA_INACTIVE, LParam(Handle(w)));
        if (state.focus == previous) SetFocus(nullptr);
        if (w == nullptr) Send(previous, WM_ACTIVATEAPP, 0);
    }
    if (w == nullptr) return;
    if (previous == nullptr) Send(w, WM_ACTIVATEAPP, 1);
    Send(w, WM_NCACTIVATE, 1);
    // The high word tells a minimised window; the default handling gives the focus.
    Send(w, WM_ACTIVATE, WA_ACTIVE | (Minimized(*w) ? 0x10000u : 0u), LParam(Handle(previous)));
}

bool ShowWindow(Window& w, int32_t showCommand) {
    const bool wasVisible = Visible(w);
    const bool minimized = Minimized(w);
    const bool maximized = (w.style & WS_MAXIMIZE) != 0;
    switch (showCommand) {
        case SW_HIDE:
            if (!wasVisible) return false;
            Send(&w, WM_SHOWWINDOW, 0);
            Send(&w, WM_WINDOWPOSCHANGING);
            w.style &= ~uint32_t{WS_VISIBLE};
            DriverPlaceWindow(Handle(&w));
            w.update.Clear();
            w.lastChange = PositionChange{};
            Send(&w, WM_WINDOWPOSCHANGED);
            if (state.active == &w) Activate(nullptr);
            if (state.focus == &w) SetFocus(nullptr);
            return true;
        case SW_SHOWMINIMIZED:
        case SW_MINIMIZE:
        case SW_SHOWMINNOACTIVE:
        case SW_FORCEMINIMIZE:
            if (minimized && wasVisible) return true;
            // Showing a hidden minimised window is no change of state: it is announced.
            if (minimized) Send(&w, WM_SHOWWINDOW, 1);
            Minimize(w, showCommand == SW_SHOWMINIMIZED);
            return wasVisible;
        case SW_SHOWMAXIMIZED:
            if (maximized && wasVisible) return true;
            Maximize(w, true);
            return wasVisible;
        case SW_SHOWNA:
            Send(&w, WM_SHOWWINDOW, 1);
            ShowAsItIs(w, false);
            return wasVisible;
        case SW_SHOW:
            if (wasVisible) return true;
            Send(&w, WM_SHOWWINDOW, 1);
            ShowAsItIs(w, true);
            return false;
        case SW_SHOWNORMAL:
        case SW_RESTORE:
        case SW_SHOWDEFAULT:
        case SW_SHOWNOACTIVATE: {
            const bool activate = showCommand != SW_SHOWNOACTIVATE;
            if (minimized || maximized) {
                Restore(w, activate);
                return wasVisible;
            }
            if (wasVisible) return true;
            Send(&w, WM_SHOWWINDOW, 1);
            ShowAsItIs(w, activate);
            return false;
        }
        default:
            return wasVisible;
    }
}

}  // namespace rules

bool OsShowWindow(WindowHandle window, int32_t showCommand) {
    Window* w = Win(window);
    return w != nullptr && ShowWindow(*w, showCommand);
}

bool OsSetWindowPos(WindowHandle window, int32_t x, int32_t y, int32_t width, int32_t height,
                    uint32_t flags) {
    Window* w = Win(window);
    if (w == nullptr) return false;
    OsRect to = w->rect;
    if ((flags & SWP_NOMOVE) == 0) {
        to = OsRect{x, y, x + (to.right - to.left), y + (to.bottom - to.top)};
    }
    if ((flags & SWP_NOSIZE) == 0) {
        to.right = to.left + width;
        to.bottom = to.top + height;
    }
    MoveWindow(*w, to, false);
    return true;
}
