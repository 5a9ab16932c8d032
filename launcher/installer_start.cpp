// The launcher runs with administrator rights, so the installer is started by its full path in
// the launcher's own folder: a file of the same name planted in the current directory or on the
// search path must never run in its place. The command line stays the bare file name.
#include "launcher/installer_start.h"

#include <cstring>

#include "platform/platform.h"

namespace {
constexpr uint32_t kPathSize = 1024;
}

void RunInstaller(const char* fileName) {
    char path[kPathSize];
    if (!OsGetProgramFolder(path, kPathSize)) return;
    const size_t folderLength = std::strlen(path);
    const size_t nameLength = std::strlen(fileName);
    if (folderLength + nameLength + 1 > kPathSize) return;
    std::memcpy(path + folderLength, fileName, nameLength + 1);

    char commandLine[kPathSize];
    std::memcpy(commandLine, fileName, nameLength + 1);
    OsProcessStart start{path,   commandLine, true, NORMAL_PRIORITY_CLASS, STARTF_USESHOWWINDOW,
                         SW_HIDE};
    ProcessHandle process = OsCreateProcess(start);
    if (process == nullptr) return;
    OsWaitForProcess(process, INFINITE);
    OsCloseHandle(process);
}
