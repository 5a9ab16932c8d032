// The default window procedure: every way to close goes through SC_CLOSE to WM_CLOSE, which
// destroys the window; Alt+F4 posts SC_CLOSE unless the class forbids closing; a right release
// sends WM_CONTEXTMENU while it is handled; caption buttons ask for their system commands.
#include "platform/rules/rules.h"

using namespace rules;

namespace {

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
            const OsRect client = ClientRectOnScreen(*w);
            const auto x = static_cast<int16_t>(lParam & 0xFFFF);
            const auto y = static_cast<int16_t>((lParam >> 16) & 0xFFFF);
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
                Post(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            }
            return 0;
        case WM_NCLBUTTONDOWN:
            PressCaptionButton(*w, wParam, lParam);
            return 0;
        default:
            return 0;
    }
}
