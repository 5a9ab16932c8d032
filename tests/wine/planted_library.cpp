// Planted beside the launcher under the names of system libraries: when loaded, it appends its
// own path to planted.log in its folder.
#include <windows.h>

#include <cstdio>
#include <string>

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID /*reserved*/) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    wchar_t path[32768];
    DWORD length = GetModuleFileNameW(module, path, 32768);
    if (length == 0 || length >= 32768) return TRUE;
    std::wstring log(path, length);
    log.erase(log.rfind(L'\\') + 1);
    if (FILE* file = _wfopen((log + L"planted.log").c_str(), L"ab")) {
        std::fprintf(file, "%ls\n", path);
        std::fclose(file);
    }
    return TRUE;
}
