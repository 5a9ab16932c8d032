// The launcher runs with administrator rights, so the installer is started by its full path in
// the launcher's own folder: a file of the same name planted in the current directory or on the
// search path must never run in its place. The command line stays the bare file name.
#include "launcher/installer_start.h"

#include <cstring>

#include "display/display.h"
#include "display/window_proc.h"
#include "platform/platform.h"

namespace {
// The longest folder the platform can name, in UTF-8 (up to 3 bytes a UTF-16 unit), and the name.
constexpr uint32_t kPathSize = 3 * 32768 + 64;

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

void RunInstaller(const char* fileName) {
    static char path[kPathSize];
    if (!OsGetProgramFolder(path, kPathSize)) return;
    const size_t folderLength = std::strlen(path);
    const size_t nameLength = std::strlen(fileName);
    if (folderLength + nameLength + 1 > kPathSize) return;
    std::memcpy(path + folderLength, fileName, nameLength + 1);

    char commandLine[64];
    if (nameLength + 1 > sizeof commandLine) return;
    std::memcpy(commandLine, fileName, nameLength + 1);
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
