// The seam suite on the SDL driver with SDL's dummy video driver, which needs no display: input
// is pushed into SDL's queue as the window system would send it, time is real, programs are
// POSIX ones, and the window surface shows what was presented.
#include <SDL.h>
#include <cstdlib>
#include <string>

#include "platform/sdl/sdl_driver.h"
#include "tests/platform/seam/seam_backend.h"

namespace {

// Every test of this program runs on the dummy driver, with or without a display.
const bool kDummyDriver = setenv("SDL_VIDEODRIVER", "dummy", 1) == 0;

WindowHandle current = nullptr;
OsPoint cursor{0, 0};

SDL_Window* SdlWindowOf(WindowHandle window) {
    const DriverWindow* d = WindowExists(window) ? WindowDriverPart(window) : nullptr;
    return d != nullptr ? d->sdl : nullptr;
}

// The client area's corner on the screen, where the rules keep it.
OsPoint ClientOrigin(WindowHandle window) {
    OsRect outer{};
    OsGetWindowRect(window, &outer);
    return OsPoint{outer.left, outer.top};  // SDL's windows have no frame of their own
}

uint32_t WindowId() {
    SDL_Window* w = SdlWindowOf(current);
    return w != nullptr ? SDL_GetWindowID(w) : 0;
}

void Push(SDL_Event e) {
    SDL_PushEvent(&e);
}

}  // namespace

const char* SeamBackendName() {
    return "sdl (dummy video driver)";
}

// The dummy driver has no window manager: its windows have no caption buttons of their own.
const char* SeamCannotShow(const char* rule) {
    const std::string r = rule;
    if (r == "the minimise box" || r == "the maximise box") {
        return "the window manager's frame has only a close request";
    }
    return nullptr;
}

bool SeamVirtualTime() {
    return false;
}

void SeamSetUp() {
    (void)kDummyDriver;
    current = nullptr;
}

void SeamSetWindow(WindowHandle window) {
    current = window;
}

void SeamPointerTo(OsPoint screen) {
    cursor = screen;
    const OsPoint origin = ClientOrigin(current);
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = WindowId();
    e.motion.x = screen.x - origin.x;
    e.motion.y = screen.y - origin.y;
    Push(e);
}

void SeamButton(uint32_t button, bool down) {
    const OsPoint origin = ClientOrigin(current);
    SDL_Event e{};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.windowID = WindowId();
    e.button.button = button == VK_RBUTTON ? SDL_BUTTON_RIGHT : SDL_BUTTON_LEFT;
    e.button.x = cursor.x - origin.x;
    e.button.y = cursor.y - origin.y;
    Push(e);
}

// A letter also types its character, as SDL's text input does.
void SeamKey(uint32_t virtualKey, bool altHeld) {
    struct Other {
        uint32_t virtualKey;
        SDL_Keycode sym;
        SDL_Scancode scancode;
    };
    static constexpr Other kOthers[] = {
        {VK_F4, SDLK_F4, SDL_SCANCODE_F4},
        {VK_TAB, SDLK_TAB, SDL_SCANCODE_TAB},
        {VK_BACK, SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE},
        {VK_RETURN, SDLK_RETURN, SDL_SCANCODE_RETURN},
        {VK_ESCAPE, SDLK_ESCAPE, SDL_SCANCODE_ESCAPE},
        {VK_LEFT, SDLK_LEFT, SDL_SCANCODE_LEFT},
    };
    SDL_Event e{};
    e.key.windowID = WindowId();
    e.key.keysym.mod = altHeld ? KMOD_LALT : KMOD_NONE;
    if (virtualKey >= 'A' && virtualKey <= 'Z') {
        e.key.keysym.sym = static_cast<SDL_Keycode>('a' + (virtualKey - 'A'));
        e.key.keysym.scancode = static_cast<SDL_Scancode>(SDL_SCANCODE_A + (virtualKey - 'A'));
    }
    for (const Other& other : kOthers) {
        if (other.virtualKey != virtualKey) continue;
        e.key.keysym.sym = other.sym;
        e.key.keysym.scancode = other.scancode;
    }
    e.type = SDL_KEYDOWN;
    Push(e);
    if (virtualKey >= 'A' && virtualKey <= 'Z' && !altHeld) {
        SDL_Event text{};
        text.type = SDL_TEXTINPUT;
        text.text.windowID = WindowId();
        text.text.text[0] = static_cast<char>('a' + (virtualKey - 'A'));
        Push(text);
    }
    e.type = SDL_KEYUP;
    Push(e);
}

void SeamClickCaption(WindowHandle window, int32_t /*hit*/) {
    SeamSetWindow(window);
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = WindowId();
    e.window.event = SDL_WINDOWEVENT_CLOSE;
    Push(e);
}

void SeamLetTimePass(uint32_t milliseconds) {
    SDL_Delay(milliseconds);
}

ProcessHandle SeamStartProgram(bool quick) {
    char quickLine[] = "true";
    char slowLine[] = "sleep 2";
    return OsCreateProcess(quick ? OsProcessStart{"/bin/true", quickLine, false, 0, 0, 0}
                                 : OsProcessStart{"/bin/sleep", slowLine, false, 0, 0, 0});
}

void SeamLetProgramEnd(ProcessHandle /*process*/) {
    SDL_Delay(500);
}

uint32_t SeamClientPixel(WindowHandle window, int32_t x, int32_t y) {
    SDL_Window* w = SdlWindowOf(window);
    if (w == nullptr) return 0xDEADBEEF;
    SDL_Surface* surface = SDL_GetWindowSurface(w);
    return *reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(surface->pixels) +
                                              y * surface->pitch + x * 4) &
           0x00FFFFFFu;
}

std::vector<uint32_t> SeamClientPixels(WindowHandle window, int32_t width, int32_t height) {
    return EachClientPixel(window, width, height);
}
