// Wine starts native Linux programs through CreateProcess: the tests use that to drive the real
// X pointer and to read the real screen.
#include <windows.h>

#include "tests/wine/unix_tools.h"

#include <cstdio>

#include "platform/pump.h"

namespace {
// A file name in the host's /tmp that no other program uses, also one under another Wine server
// (whose process ids repeat ours): the file is made here and names itself. Empty on failure.
std::string UniqueHostFile() {
    char name[MAX_PATH];
    if (GetTempFileNameA("Z:\\tmp", "vrz", 0, name) == 0) return std::string();
    std::string host(name + 2);  // without the drive letter "Z:"
    for (char& c : host) {
        if (c == '\\') c = '/';
    }
    return host;
}
}  // namespace

// Wine can neither wait on a host process nor read its exit status, so the command removes a
// marker file when it is done.
bool RunUnixCommand(const std::string& command) {
    std::string marker = UniqueHostFile();
    if (marker.empty()) return false;
    std::string line = "sh -c \"" + command + "; rm -f " + marker + "\"";
    std::vector<char> buffer(line.begin(), line.end());
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA("Z:\\bin\\sh", buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::string windowsMarker = "Z:" + marker;
    for (int32_t waited = 0; waited < 30000; waited += 10) {
        if (GetFileAttributesA(windowsMarker.c_str()) == INVALID_FILE_ATTRIBUTES) return true;
        Sleep(10);
    }
    DeleteFileA(windowsMarker.c_str());
    return false;
}

bool PumpUntil(const std::function<bool()>& done, uint32_t timeoutMs) {
    ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (GetTickCount64() < deadline) {
        // The animation timer wakes the wait every 25 ms, so the deadline is always seen.
        if (PumpOneMessage() != PumpResult::Dispatched) return false;
        if (done()) return true;
    }
    return false;
}

namespace {
std::vector<uint32_t> ScreenShotOnce(int32_t* width, int32_t* height) {
    std::vector<uint32_t> pixels;
    std::string name = UniqueHostFile();
    if (name.empty()) return pixels;
    if (!RunUnixCommand("import -window root -depth 8 rgb:" + name)) {
        DeleteFileA(("Z:" + name).c_str());
        return pixels;
    }
    std::string windowsName = "Z:" + name;
    FILE* file = std::fopen(windowsName.c_str(), "rb");
    if (file == nullptr) return pixels;
    std::vector<unsigned char> bytes;
    unsigned char chunk[65536];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof(chunk), file)) > 0) {
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    std::fclose(file);
    DeleteFileA(windowsName.c_str());
    *width = GetSystemMetrics(SM_CXSCREEN);
    *height = GetSystemMetrics(SM_CYSCREEN);
    if (bytes.size() != size_t(*width) * size_t(*height) * 3) return pixels;
    pixels.resize(bytes.size() / 3);
    for (size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = uint32_t{bytes[3 * i]} << 16 | uint32_t{bytes[3 * i + 1]} << 8 |
                    uint32_t{bytes[3 * i + 2]};
    }
    return pixels;
}
}  // namespace

// import can fail to read the root window while the X server is rearranging windows (another
// program's window going away): a second try then succeeds.
std::vector<uint32_t> ScreenShot(int32_t* width, int32_t* height) {
    std::vector<uint32_t> pixels = ScreenShotOnce(width, height);
    if (pixels.empty()) {
        Sleep(200);
        pixels = ScreenShotOnce(width, height);
    }
    return pixels;
}
