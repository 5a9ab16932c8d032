// Stands in for an installer in the end-to-end tests: records how it was started into
// standin.log beside itself, waits a moment, and ends with exit code 42.
#include <windows.h>

#include <cstdio>
#include <cstring>

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*showCommand*/) {
    char log[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, log, MAX_PATH);
    char* separator = std::strrchr(log, '\\');
    if (length == 0 || separator == nullptr) return 1;
    std::strcpy(separator + 1, "standin.log");
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoA(&startup);
    char directory[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, directory);
    FILE* file = std::fopen(log, "ab");
    if (file == nullptr) return 1;
    std::fprintf(file, "command=%s\ndirectory=%s\nflags=%lu\nshow=%u\n", GetCommandLineA(),
                 directory, startup.dwFlags, startup.wShowWindow);
    std::fflush(file);
    Sleep(1500);
    std::fprintf(file, "ended\n");
    std::fclose(file);
    return 42;
}
