// Program entry: restricts the library search to the system folder before anything else, lets
// one launcher of the product run at a time, then hands LauncherMain the show command of the
// start-up information.
#include <windows.h>

#include "launcher/installer_start.h"
#include "launcher/launcher_main.h"
#include "launcher/single_instance_win32.h"

namespace {
// USER32 and GDI32 are delay-loaded, so they and all that they load come after this. A system
// without SetDefaultDllDirectories (Windows 7 without its update) still loses the current
// directory from the search.
void RestrictLibrarySearch() {
    using SetDirectories = BOOL(WINAPI*)(DWORD);
    FARPROC found = GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    auto set = reinterpret_cast<SetDirectories>(reinterpret_cast<void (*)()>(found));
    if (set == nullptr || !set(LOAD_LIBRARY_SEARCH_SYSTEM32)) SetDllDirectoryW(L"");
}
}  // namespace

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*showCommand*/) {
    RestrictLibrarySearch();
    if (!ClaimProductGuard()) return 0;
    installerStarted = MarkInstallerRunning;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoA(&startup);
    int32_t show =
        (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : SW_SHOWDEFAULT;
    return LauncherMain(show);
}
