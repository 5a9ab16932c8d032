#include "tests/wine/wine_fixture.h"

#include <algorithm>

#include "tests/wine/unix_tools.h"

std::wstring Wide(const std::string& utf8) {
    std::wstring wide(utf8.size(), L'\0');
    int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                     wide.data(), static_cast<int>(wide.size()));
    wide.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return wide;
}

std::string Utf8(const std::wstring& wide) {
    std::string bytes(wide.size() * 3, '\0');
    int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(),
                            static_cast<int>(bytes.size()), nullptr, nullptr);
    bytes.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return bytes;
}

std::string WindowsPath(std::string unixPath) {
    std::replace(unixPath.begin(), unixPath.end(), '/', '\\');
    return "Z:" + unixPath;
}

bool Eventually(const std::function<bool()>& holds, DWORD milliseconds) {
    const ULONGLONG until = GetTickCount64() + milliseconds;
    while (!holds()) {
        if (GetTickCount64() >= until) return false;
        Sleep(20);
    }
    return true;
}

void DispatchFor(DWORD milliseconds) {
    const ULONGLONG until = GetTickCount64() + milliseconds;
    for (ULONGLONG now = GetTickCount64(); now < until; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, DWORD(until - now), QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
}

void Xdotool(const std::string& action) {
    ASSERT_TRUE(RunUnixCommand("xdotool " + action)) << action;
}

bool WineProgram::Start(const std::string& path, const std::string& arguments,
                        const std::string& folder, int32_t showCommand) {
    End();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (showCommand >= 0) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = static_cast<WORD>(showCommand);
    }
    std::wstring commandLine = Wide("\"" + path + "\" " + arguments);
    const std::wstring directory = Wide(folder);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(Wide(path).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : directory.c_str(), &startup, &info)) {
        ADD_FAILURE() << path << ": error " << GetLastError();
        return false;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
    return true;
}

HWND WineProgram::WaitForWindow(const char* className, const char* title) const {
    const std::wstring wideClass = Wide(className != nullptr ? className : "");
    const std::wstring wideTitle = Wide(title != nullptr ? title : "");
    const wchar_t* classOrAny = className != nullptr ? wideClass.c_str() : nullptr;
    const wchar_t* titleOrAny = title != nullptr ? wideTitle.c_str() : nullptr;
    HWND found = nullptr;
    // Another program's window of the same class and title is not this one's.
    Eventually([&] {
        HWND w = nullptr;
        while ((w = FindWindowExW(nullptr, w, classOrAny, titleOrAny)) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == id_) found = w;
        }
        return found != nullptr;
    });
    return found;
}

int32_t WineProgram::WaitForExit(DWORD milliseconds) {
    if (process_ == nullptr || WaitForSingleObject(process_, milliseconds) != WAIT_OBJECT_0) {
        return -1;
    }
    DWORD code = 1;
    GetExitCodeProcess(process_, &code);
    CloseHandle(process_);
    process_ = nullptr;
    return static_cast<int32_t>(code);
}

void WineProgram::End() {
    if (process_ == nullptr) return;
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
    CloseHandle(process_);
    process_ = nullptr;
}

void WineWindowTest::StartProgram(const std::string& path, const std::string& arguments,
                                  const std::string& folder, int32_t showCommand,
                                  const char* className, const char* title) {
    ASSERT_TRUE(program.Start(path, arguments, folder, showCommand));
    HWND found = program.WaitForWindow(className, title);
    ASSERT_NE(found, nullptr);
    Sleep(700);  // the first paints
    UseWindow(found);
}

void WineWindowTest::UseWindow(HWND handle) {
    window = handle;
    origin = POINT{0, 0};
    ClientToScreen(window, &origin);
}

void WineWindowTest::MoveTo(int32_t x, int32_t y) const {
    Xdotool("mousemove " + std::to_string(origin.x + x) + " " + std::to_string(origin.y + y));
}

void WineWindowTest::ClickAt(int32_t x, int32_t y) const {
    MoveTo(x, y);
    Sleep(100);
    Xdotool("click 1");
}

// Wine's X11 driver names the top-level X window of each window in this property.
void WineWindowTest::Keys(const std::string& keys) const {
    const auto xWindow = reinterpret_cast<uintptr_t>(GetPropA(window, "__wine_x11_whole_window"));
    ASSERT_NE(xWindow, 0u);
    Xdotool("windowfocus " + std::to_string(xWindow));
    Sleep(300);
    Xdotool("key " + keys);
}

std::vector<uint32_t> WineWindowTest::ClientShot() const {
    std::vector<uint32_t> client;
    RECT area{};
    int32_t width = 0;
    int32_t height = 0;
    if (!GetClientRect(window, &area)) return client;
    const std::vector<uint32_t> screen = ScreenShot(&width, &height);
    if (screen.empty() || origin.x < 0 || origin.y < 0 || origin.x + area.right > width ||
        origin.y + area.bottom > height) {
        return client;
    }
    for (int32_t y = 0; y < area.bottom; ++y) {
        const auto row = screen.begin() + (origin.y + y) * width + origin.x;
        client.insert(client.end(), row, row + area.right);
    }
    return client;
}
