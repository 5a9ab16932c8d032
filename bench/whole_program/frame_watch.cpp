// Waits for the first frame of a window that shows the launcher's background exactly and prints
// how many milliseconds after its own start that was. The whole-program benchmark starts it right
// before the program it watches.
// Usage: frame_watch WINDOW_NAME [TIMEOUT_MS]
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "artwork/artwork.h"

namespace {

// The top-level window of that name, or 0.
Window FindWindow(Display* display, Window parent, const char* name) {
    Window root = 0;
    Window up = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, parent, &root, &up, &children, &count) == 0) return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        char* title = nullptr;
        if (XFetchName(display, children[i], &title) != 0 && title != nullptr) {
            if (std::strcmp(title, name) == 0) found = children[i];
            XFree(title);
        }
    }
    if (children != nullptr) XFree(children);
    return found;
}

// Whether the window's 800 x 600 pixels are the background's, every one.
bool ShowsBackground(Display* display, Window window) {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, window, &attributes) == 0) return false;
    if (attributes.map_state != IsViewable || attributes.width < 800 || attributes.height < 600) {
        return false;
    }
    XImage* image = XGetImage(display, window, 0, 0, 800, 600, AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    bool same = true;
    for (int y = 0; y < 600 && same; ++y) {
        for (int x = 0; x < 800 && same; ++x) {
            same = (XGetPixel(image, x, y) & 0xFFFFFFu) == (artBackground[y * 800 + x] & 0xFFFFFFu);
        }
    }
    XDestroyImage(image);
    return same;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: frame_watch WINDOW_NAME [TIMEOUT_MS]\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const long timeout = argc > 2 ? std::atol(argv[2]) : 30000;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "frame_watch: no X display\n");
        return 1;
    }
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });  // windows come and go
    for (;;) {
        const long elapsed = static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                   std::chrono::steady_clock::now() - start)
                                                   .count());
        if (elapsed > timeout) {
            std::fprintf(stderr, "frame_watch: no correct frame within %ld ms\n", timeout);
            return 1;
        }
        const Window window = FindWindow(display, DefaultRootWindow(display), argv[1]);
        if (window != 0 && ShowsBackground(display, window)) {
            std::printf("%ld\n", elapsed);
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}
