// Gallery entry on Windows: `gallery.exe [PAGE]` opens on page 1 to 4 (1 without an argument);
// a wrong argument is named in a message box, since a windowed program has no console.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "gallery/gallery_main.h"

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR commandLine,
                   int /*showCommand*/) {
    char argument[16] = "";
    if (commandLine != nullptr) {
        while (*commandLine == ' ') ++commandLine;
        if (std::strlen(commandLine) < sizeof argument) std::strcpy(argument, commandLine);
        for (char* end = argument + std::strlen(argument); end > argument && end[-1] == ' ';) {
            *--end = '\0';
        }
    }
    const int32_t page = argument[0] == '\0' ? 0 : PageOfArgument(argument);
    if (page < 0) {
        char text[96];
        std::snprintf(text, sizeof text, "usage: gallery.exe [PAGE]   (PAGE: 1 to %d)",
                      kGalleryPageCount);
        MessageBoxA(nullptr, text, "Varorizo gallery", MB_OK | MB_ICONERROR);
        return 2;
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoA(&startup);
    const int32_t show =
        (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : SW_SHOWDEFAULT;
    return GalleryMain(show, page);
}
