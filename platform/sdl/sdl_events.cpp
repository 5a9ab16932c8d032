// SDL's events as the rules' input: the pointer in screen coordinates, keys as virtual keys
// with the text typed for them, and what the window manager says of the windows.
#include "platform/sdl/sdl_driver.h"

namespace {

bool warpEchoExpected = false;  // a warp's own move may still come from the window system
OsPoint warpTarget{};

// SDL's coordinates are those of the window it names (negative outside, while a button is
// held); the rules take the pointer in screen coordinates.
bool ScreenPoint(uint32_t sdlWindowId, int32_t x, int32_t y, OsPoint* screen) {
    const WindowHandle w = sdl::WindowOfId(sdlWindowId);
    if (w == nullptr) return false;
    const OsRect client = WindowClientOnScreen(w);
    *screen = OsPoint{client.left + x, client.top + y};
    return true;
}

// A motion exactly at the warp's target is the warp's own, already queued by the rules: it
// is dropped, once.
void TakeMotion(const SDL_MouseMotionEvent& e) {
    OsPoint screen{};
    if (!ScreenPoint(e.windowID, e.x, e.y, &screen)) return;
    const bool echo = warpEchoExpected && screen.x == warpTarget.x && screen.y == warpTarget.y;
    warpEchoExpected = false;
    if (!echo) InputPointerMove(screen);
}

void TakeButton(const SDL_MouseButtonEvent& e) {
    if (e.button != SDL_BUTTON_LEFT && e.button != SDL_BUTTON_RIGHT) return;
    OsPoint screen{};
    if (!ScreenPoint(e.windowID, e.x, e.y, &screen)) return;
    InputPointerButton(e.button == SDL_BUTTON_RIGHT ? VK_RBUTTON : VK_LBUTTON,
                       e.type == SDL_MOUSEBUTTONDOWN, screen);
}

// Backspace, Tab, Enter and Escape have no text event: their characters come from the key.
// Every other key's characters are what SDL types for it, if anything.
void TakeKey(const SDL_KeyboardEvent& e) {
    uint32_t virtualKey = 0;
    uint32_t scanCode = 0;
    bool extended = false;
    if (!sdl::VirtualKeyOf(e.keysym, &virtualKey, &scanCode, &extended)) return;
    const bool down = e.type == SDL_KEYDOWN;
    const uint32_t bits =
        scanCode << 16 | (extended ? 1u << 24 : 0u) | (down && e.repeat != 0 ? 1u << 30 : 0u);
    const bool control = virtualKey == VK_BACK || virtualKey == VK_TAB || virtualKey == VK_RETURN ||
                         virtualKey == VK_ESCAPE;
    InputKeyboardKey(virtualKey, bits, down, (e.keysym.mod & KMOD_ALT) != 0,
                     control ? KeyText::FromKey : KeyText::Attached);
}

void TakeWindowEvent(const SDL_WindowEvent& e) {
    const WindowHandle w = sdl::WindowOfId(e.windowID);
    if (w == nullptr) return;
    switch (e.event) {
        case SDL_WINDOWEVENT_EXPOSED:
            InputExposed(w, nullptr);
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            InputActivated(w);
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            InputDeactivated(w);
            break;
        case SDL_WINDOWEVENT_MOVED:
            InputMovedBySystem(w, OsPoint{e.data1, e.data2});
            break;
        case SDL_WINDOWEVENT_CLOSE:
            InputCaptionButton(w, HTCLOSE);
            break;
        default:
            break;
    }
}

}  // namespace

void sdl::ExpectWarpEcho(OsPoint to) {
    warpEchoExpected = true;
    warpTarget = to;
}

void DriverTakeInput() {
    if (!sdl::VideoReady()) return;
    SDL_Event e;
    while (SDL_PollEvent(&e) == 1) {
        switch (e.type) {
            case SDL_MOUSEMOTION:
                TakeMotion(e.motion);
                break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                TakeButton(e.button);
                break;
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                TakeKey(e.key);
                break;
            case SDL_TEXTINPUT:
                InputText(e.text.text);
                break;
            case SDL_WINDOWEVENT:
                TakeWindowEvent(e.window);
                break;
            case SDL_QUIT:  // an interrupt or termination signal: the close box of each window
                for (WindowHandle w : LiveWindows()) InputCaptionButton(w, HTCLOSE);
                break;
            default:
                break;
        }
    }
}
