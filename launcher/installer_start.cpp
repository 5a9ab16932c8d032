// The launcher runs with administrator rights, so the installer is started by its full path in
// the launcher's own folder: a file of the same name planted in the current directory or on the
// search path must never run in its place. The command line is the bare file name; with
// arguments, the quoted full path and then the arguments, so that the installer finds them from
// its argv[1] on whatever its folder's name.
#include "launcher/installer_start.h"

#include <cstring>
#include <initializer_list>

#include "display/display.h"
#include "display/window_proc.h"
#include "platform/platform.h"

namespace {
// The longest folder the platform can name, in UTF-8 (up to 3 bytes a UTF-16 unit), and the name.
constexpr uint32_t kPathSize = 3 * 32768 + 64;
// Room for the quoted path, a blank and the arguments: the platform refuses more than its own
// limit of a command line anyway.
constexpr uint32_t kCommandLineSize = kPathSize + 4096;

// Copies the pieces one after another into `out`; false, and nothing to use, when they do not fit.
bool Join(char* out, uint32_t size, std::initializer_list<const char*> pieces) {
    uint32_t used = 0;
    for (const char* piece : pieces) {
        const size_t length = std::strlen(piece);
        if (length >= size - used) return false;
        std::memcpy(out + used, piece, length + 1);
        used += static_cast<uint32_t>(length);
    }
    return true;
}

// Dispatches what is queued: the window procedure repaints the last frame on paint requests and
// records the rest, which nothing reads any more; the system's default handling answers as
// always, so the window never counts as hung.
void DispatchPending() {
    OsMessage message{};
    while (OsPeekMessage(&message, nullptr, PM_REMOVE)) {
        if (message.message != WM_QUIT) OsDispatchMessage(&message);
    }
}
}  // namespace

void (*installerStarted)() = nullptr;

void RunInstaller(const char* fileName, const char* arguments) {
    static char folder[kPathSize];
    static char path[kPathSize];
    static char commandLine[kCommandLineSize];
    if (!OsGetProgramFolder(folder, kPathSize) || !Join(path, kPathSize, {folder, fileName}))
        return;
    const bool joined = arguments == nullptr
                            ? Join(commandLine, kCommandLineSize, {fileName})
                            : Join(commandLine, kCommandLineSize, {"\"", path, "\" ", arguments});
    if (!joined) return;
    OsProcessStart start{path,   commandLine, true, NORMAL_PRIORITY_CLASS, STARTF_USESHOWWINDOW,
                         SW_HIDE};
    ProcessHandle process = OsCreateProcess(start);
    if (process == nullptr) return;
    if (installerStarted != nullptr) installerStarted();
    // Nothing animates any more: without its ticks the wait wakes only for what the window is
    // asked, not 40 times a second for as long as the installer runs.
    OsKillTimer(mainWindow, kAnimationTimerId);
    // The installer and the window's messages are waited for together, until it has ended.
    while (OsWaitForProcessOrMessage(process) == OsProcessWait::Message) DispatchPending();
    OsCloseHandle(process);
}
