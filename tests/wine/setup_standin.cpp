// Stands in for an installer in the end-to-end tests: records how it was started, and the
// arguments its C runtime hands to main, into standin.log beside itself (UTF-8), runs for a while
// and ends with exit code 42. A file standin.run beside it may hold two numbers: its run time in
// milliseconds (1500 without the file) and the run time of a further program that it starts and
// leaves running (0: none). Each ends early once a file standin.stop, or child.stop for the
// further one, appears beside it.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

std::wstring folder;  // this program's folder, with its trailing backslash

std::string Utf8(const std::wstring& text) {
    std::string bytes(text.size() * 3, '\0');
    int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                            static_cast<int>(bytes.size()), nullptr, nullptr);
    bytes.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return bytes;
}

// Runs until the time is up or the stop file appears.
void RunFor(unsigned milliseconds, const wchar_t* stopFile) {
    const std::wstring stop = folder + stopFile;
    for (unsigned waited = 0; waited < milliseconds; waited += 50) {
        if (GetFileAttributesW(stop.c_str()) != INVALID_FILE_ATTRIBUTES) return;
        Sleep(50);
    }
}

void Log(const std::string& text) {
    FILE* file = _wfopen((folder + L"standin.log").c_str(), L"ab");
    if (file == nullptr) return;
    std::fputs(text.c_str(), file);
    std::fclose(file);
}

}  // namespace

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*showCommand*/) {
    wchar_t self[32768];
    DWORD length = GetModuleFileNameW(nullptr, self, 32768);
    if (length == 0 || length >= 32768) return 1;
    folder.assign(self, length);
    folder.erase(folder.rfind(L'\\') + 1);

    // The further program: this file again, told so by its command line.
    unsigned childMs = 0;
    if (std::swscanf(GetCommandLineW(), L"child %u", &childMs) == 1) {
        Log("child started\n");
        RunFor(childMs, L"child.stop");
        Log("child ended\n");
        return 0;
    }

    unsigned runMs = 1500;
    if (FILE* settings = _wfopen((folder + L"standin.run").c_str(), L"rb")) {
        if (std::fscanf(settings, "%u %u", &runMs, &childMs) < 1) runMs = 1500;
        std::fclose(settings);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoW(&startup);
    wchar_t directory[32768] = L"";
    GetCurrentDirectoryW(32768, directory);
    char flags[64];
    std::snprintf(flags, sizeof(flags), "flags=%lu\nshow=%u\n", startup.dwFlags,
                  startup.wShowWindow);
    Log("command=" + Utf8(GetCommandLineW()) + "\ndirectory=" + Utf8(directory) + "\n" + flags);
    // The arguments as the C runtime hands them to an installer's main.
    for (int i = 1; i < __argc; ++i) Log(std::string("arg=") + __argv[i] + "\n");

    if (childMs > 0) {
        std::wstring commandLine = L"child " + std::to_wstring(childMs);
        STARTUPINFOW childStartup{};
        childStartup.cb = sizeof(childStartup);
        PROCESS_INFORMATION child{};
        if (CreateProcessW(self, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &childStartup, &child)) {
            CloseHandle(child.hThread);
            CloseHandle(child.hProcess);
        }
    }
    RunFor(runMs, L"standin.stop");
    Log("ended\n");
    return 42;
}
