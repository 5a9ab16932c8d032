// The seam suite on Windows itself, under Wine in the test display: real input through
// SendInput, real time, a small program that sleeps as long as it is told, and the pixels of the
// window's device context. Wine draws the caption and its boxes itself for this program, as
// there is no window manager in the display.
#include <windows.h>

#include <string>

#include "tests/platform/seam/seam_backend.h"

namespace {

const wchar_t kDecoration[] = L"Software\\Wine\\AppDefaults\\seam_tests.exe\\X11 Driver";

// Before the first window: Wine's X11 driver reads its settings then.
const bool kDecorated = [] {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kDecoration, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const wchar_t no[] = L"N";
    RegSetValueExW(key, L"Decorated", 0, REG_SZ, reinterpret_cast<const BYTE*>(no), sizeof no);
    RegSetValueExW(key, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(no), sizeof no);
    RegCloseKey(key);
    return true;
}();

HWND Hwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

void Send(INPUT input) {
    SendInput(1, &input, sizeof input);
}

void Mouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    Send(input);
}

void Key(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    Send(input);
}

}  // namespace

const char* SeamBackendName() {
    return "win32 (Wine)";
}

const char* SeamCannotShow(const char* rule) {
    const std::string r = rule;
    if (r == "a maximised window") {
        return "without a window manager, Wine's X11 driver sizes a maximised window back";
    }
    if (r == "the frame painted from BeginPaint") {
        return "Wine paints the frame and background inside ShowWindow, as Windows may too";
    }
    if (r == "the keys of a minimised window") {
        return "Wine gives a minimised active window the keyboard focus, Windows may not";
    }
    return nullptr;
}

bool SeamVirtualTime() {
    return false;
}

void SeamSetUp() {
    (void)kDecorated;
}

void SeamSetWindow(WindowHandle /*window*/) {}

// Absolute positions count in 65536ths of the screen; the one past the pixel's start is safe
// from rounding down.
void SeamPointerTo(OsPoint screen) {
    const LONG width = GetSystemMetrics(SM_CXSCREEN);
    const LONG height = GetSystemMetrics(SM_CYSCREEN);
    Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen.x * 65536 / width + 1,
          screen.y * 65536 / height + 1);
}

void SeamButton(uint32_t button, bool down) {
    const bool right = button == VK_RBUTTON;
    const bool held = (GetAsyncKeyState(right ? VK_RBUTTON : VK_LBUTTON) & 0x8000) != 0;
    if (held == down) return;
    Mouse(right ? (down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP)
                : (down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP));
}

void SeamKey(uint32_t virtualKey, bool altHeld) {
    if (altHeld) Key(VK_MENU, false);
    Key(static_cast<WORD>(virtualKey), false);
    Key(static_cast<WORD>(virtualKey), true);
    if (altHeld) Key(VK_MENU, true);
}

// The box's place: the rightmost point of the caption's middle line that hits it.
void SeamClickCaption(WindowHandle window, int32_t hit) {
    RECT outer{};
    GetWindowRect(Hwnd(window), &outer);
    POINT client{0, 0};
    ClientToScreen(Hwnd(window), &client);
    const LONG y = (outer.top + client.y) / 2;
    for (LONG x = outer.right - 1; x > outer.left; --x) {
        if (SendMessageW(Hwnd(window), WM_NCHITTEST, 0, MAKELPARAM(x, y)) == hit) {
            SeamPointerTo(OsPoint{x, y});
            SeamButton(VK_LBUTTON, true);
            SeamButton(VK_LBUTTON, false);
            return;
        }
    }
}

void SeamLetTimePass(uint32_t milliseconds) {
    Sleep(milliseconds);
}

// The sleeper lies beside this program.
ProcessHandle SeamStartProgram(bool quick) {
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self, length);
    path = path.substr(0, path.rfind(L'\\') + 1) + L"seam_sleeper.exe";
    std::wstring commandLine = quick ? L"seam_sleeper 0" : L"seam_sleeper 2000";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return nullptr;
    }
    CloseHandle(process.hThread);
    return reinterpret_cast<ProcessHandle>(process.hProcess);
}

void SeamLetProgramEnd(ProcessHandle process) {
    WaitForSingleObject(reinterpret_cast<HANDLE>(process), 10000);
}

uint32_t SeamClientPixel(WindowHandle window, int32_t x, int32_t y) {
    HDC dc = GetDC(Hwnd(window));
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(Hwnd(window), dc);
    return uint32_t{GetRValue(c)} << 16 | uint32_t{GetGValue(c)} << 8 | GetBValue(c);
}

// The client area copied into a bitmap of its own in one blit.
std::vector<uint32_t> SeamClientPixels(WindowHandle window, int32_t width, int32_t height) {
    std::vector<uint32_t> pixels(size_t(width) * size_t(height));
    HDC dc = GetDC(Hwnd(window));
    HDC memory = CreateCompatibleDC(dc);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, dc, 0, 0, SRCCOPY);
        GdiFlush();
        const auto* from = static_cast<const uint32_t*>(bits);
        for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = from[i] & 0x00FFFFFFu;
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(Hwnd(window), dc);
    return pixels;
}
