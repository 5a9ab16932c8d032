// The shipped backend: a thin pass-through to USER32, GDI32 and KERNEL32.
#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/win32_text.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

static_assert(sizeof(PAINTSTRUCT) <= sizeof(OsPaint::opaque));

bool Widen(const char* text, int32_t length, UINT codePage, std::wstring* wide) {
    wide->clear();
    if (length == 0 || (length < 0 && *text == '\0')) return true;
    const DWORD flags = codePage == CP_UTF8 ? MB_ERR_INVALID_CHARS : 0;
    const int size = MultiByteToWideChar(codePage, flags, text, length, nullptr, 0);
    if (size <= 0) return false;
    wide->resize(static_cast<size_t>(size));
    if (MultiByteToWideChar(codePage, flags, text, length, wide->data(), size) != size) {
        return false;
    }
    if (length < 0) wide->pop_back();  // the terminating zero, which std::wstring keeps itself
    return true;
}

namespace {
HWND Hwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}
WindowHandle Handle(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}
HDC Hdc(DeviceContext dc) {
    return reinterpret_cast<HDC>(dc);
}

// The portable window procedure has the C calling convention; USER32 calls this one.
WindowProc registeredProc = nullptr;

// The class is registered through the wide calls, so that its name reads back as written, and
// the system hands this procedure characters in UTF-16. The portable procedure keeps seeing them
// in the ANSI code page, as the pump's ANSI calls have always given them.
LRESULT CALLBACK WindowProcTrampoline(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool character = message == WM_CHAR || message == WM_SYSCHAR || message == WM_DEADCHAR ||
                           message == WM_SYSDEADCHAR;
    if (character && wParam > 0x7F && wParam <= 0xFFFF) {
        const wchar_t wide = static_cast<wchar_t>(wParam);
        char ansi[2] = {'?', 0};
        if (WideCharToMultiByte(CP_ACP, 0, &wide, 1, ansi, 2, nullptr, nullptr) == 1) {
            wParam = static_cast<unsigned char>(ansi[0]);
        } else {
            wParam = '?';
        }
    }
    return registeredProc(Handle(window), message, wParam, lParam);
}

void ToWin(const OsMessage& from, MSG* to) {
    *to = MSG{};
    to->hwnd = Hwnd(from.window);
    to->message = from.message;
    to->wParam = from.wParam;
    to->lParam = from.lParam;
}

void FromWin(const MSG& from, OsMessage* to) {
    to->window = Handle(from.hwnd);
    to->message = from.message;
    to->wParam = from.wParam;
    to->lParam = from.lParam;
}
}  // namespace

ModuleHandle OsGetModuleHandle() {
    return reinterpret_cast<ModuleHandle>(GetModuleHandleA(nullptr));
}

bool OsRegisterClass(const OsWindowClass& windowClass) {
    std::wstring className;
    if (!Widen(windowClass.className, -1, CP_UTF8, &className)) return false;
    registeredProc = windowClass.proc;
    auto instance = reinterpret_cast<HINSTANCE>(windowClass.instance);
    WNDCLASSW wc{};
    wc.style = windowClass.style;
    wc.lpfnWndProc = WindowProcTrampoline;
    wc.hInstance = instance;
    if (windowClass.iconResource != 0) {
        wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(windowClass.iconResource));
    }
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = className.c_str();
    return RegisterClassW(&wc) != 0;
}

// Class name and title are UTF-8: through the wide call, a title outside the ANSI code page shows
// as written in the caption, the task bar and the window switcher.
WindowHandle OsCreateWindow(uint32_t exStyle, const char* className, const char* title,
                            uint32_t style, int32_t x, int32_t y, int32_t width, int32_t height,
                            ModuleHandle instance) {
    std::wstring wideClass;
    std::wstring wideTitle;
    if (!Widen(className, -1, CP_UTF8, &wideClass) ||
        (title != nullptr && !Widen(title, -1, CP_UTF8, &wideTitle))) {
        return nullptr;
    }
    return Handle(CreateWindowExW(
        exStyle, wideClass.c_str(), title != nullptr ? wideTitle.c_str() : nullptr, style, x, y,
        width, height, nullptr, nullptr, reinterpret_cast<HINSTANCE>(instance), nullptr));
}

bool OsDestroyWindow(WindowHandle window) {
    return DestroyWindow(Hwnd(window)) != 0;
}

bool OsAdjustWindowRect(OsRect* rect, uint32_t style, uint32_t exStyle) {
    RECT r{rect->left, rect->top, rect->right, rect->bottom};
    if (!AdjustWindowRectEx(&r, style, FALSE, exStyle)) return false;
    *rect = OsRect{r.left, r.top, r.right, r.bottom};
    return true;
}

bool OsShowWindow(WindowHandle window, int32_t showCommand) {
    return ShowWindow(Hwnd(window), showCommand) != 0;
}

bool OsGetWindowRect(WindowHandle window, OsRect* rect) {
    RECT r{};
    if (!GetWindowRect(Hwnd(window), &r)) return false;
    *rect = OsRect{r.left, r.top, r.right, r.bottom};
    return true;
}

bool OsGetWindowInfoRect(WindowHandle window, OsRect* windowRect) {
    WINDOWINFO info{};
    info.cbSize = sizeof(info);
    if (!GetWindowInfo(Hwnd(window), &info)) return false;
    const RECT& r = info.rcWindow;
    *windowRect = OsRect{r.left, r.top, r.right, r.bottom};
    return true;
}

bool OsSetWindowPos(WindowHandle window, int32_t x, int32_t y, int32_t width, int32_t height,
                    uint32_t flags) {
    return SetWindowPos(Hwnd(window), nullptr, x, y, width, height, flags) != 0;
}

DeviceContext OsGetDC(WindowHandle window) {
    return reinterpret_cast<DeviceContext>(GetDC(Hwnd(window)));
}

int32_t OsReleaseDC(WindowHandle window, DeviceContext dc) {
    return ReleaseDC(Hwnd(window), Hdc(dc));
}

int32_t OsGetDeviceCaps(DeviceContext dc, int32_t index) {
    return GetDeviceCaps(Hdc(dc), index);
}

bool OsRedrawWindow(WindowHandle window, const OsRect* area, uint32_t flags) {
    RECT r{};
    if (area != nullptr) r = RECT{area->left, area->top, area->right, area->bottom};
    return RedrawWindow(Hwnd(window), area != nullptr ? &r : nullptr, nullptr, flags) != 0;
}

DeviceContext OsBeginPaint(WindowHandle window, OsPaint* paint) {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(Hwnd(window), &ps);
    std::memcpy(paint->opaque, &ps, sizeof(ps));
    paint->dc = reinterpret_cast<DeviceContext>(dc);
    const RECT& r = ps.rcPaint;
    paint->paintArea = OsRect{r.left, r.top, r.right, r.bottom};
    return paint->dc;
}

bool OsEndPaint(WindowHandle window, OsPaint* paint) {
    PAINTSTRUCT ps{};
    std::memcpy(&ps, paint->opaque, sizeof(ps));
    return EndPaint(Hwnd(window), &ps) != 0;
}

void OsBlitPixels(DeviceContext dc, const uint32_t* pixels, int32_t width, int32_t height,
                  const OsRect& area) {
    const int32_t left = std::max(area.left, 0);
    const int32_t top = std::max(area.top, 0);
    const int32_t right = std::min(area.right, width);
    const int32_t bottom = std::min(area.bottom, height);
    if (left >= right || top >= bottom) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows top to bottom
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    // The source corner counts from the last row even for rows stored top to bottom.
    SetDIBitsToDevice(Hdc(dc), left, top, static_cast<DWORD>(right - left),
                      static_cast<DWORD>(bottom - top), left, height - bottom, 0,
                      static_cast<UINT>(height), pixels, &info, DIB_RGB_COLORS);
}

bool OsSetTimer(WindowHandle window, uintptr_t id, uint32_t milliseconds) {
    return SetTimer(Hwnd(window), id, milliseconds, nullptr) != 0;
}

bool OsKillTimer(WindowHandle window, uintptr_t id) {
    return KillTimer(Hwnd(window), id) != 0;
}

WindowHandle OsSetCapture(WindowHandle window) {
    return Handle(SetCapture(Hwnd(window)));
}

bool OsReleaseCapture() {
    return ReleaseCapture() != 0;
}

LResult OsDefWindowProc(WindowHandle window, uint32_t message, WParam wParam, LParam lParam) {
    return DefWindowProcW(Hwnd(window), message, wParam, lParam);
}

bool OsPeekMessage(OsMessage* message, WindowHandle filter, uint32_t removeFlags) {
    MSG msg{};
    if (!PeekMessageA(&msg, Hwnd(filter), 0, 0, removeFlags)) return false;
    FromWin(msg, message);
    return true;
}

int32_t OsGetMessage(OsMessage* message, WindowHandle filter) {
    MSG msg{};
    BOOL result = GetMessageA(&msg, Hwnd(filter), 0, 0);
    FromWin(msg, message);
    return result;
}

bool OsTranslateMessage(const OsMessage* message) {
    MSG msg;
    ToWin(*message, &msg);
    return TranslateMessage(&msg) != 0;
}

LResult OsDispatchMessage(const OsMessage* message) {
    MSG msg;
    ToWin(*message, &msg);
    return DispatchMessageA(&msg);
}

ProcessHandle OsCreateProcess(const OsProcessStart& start) {
    std::wstring application;
    if (start.applicationName != nullptr &&
        !Widen(start.applicationName, -1, CP_UTF8, &application)) {
        return nullptr;
    }
    std::wstring commandLine;
    if (start.commandLine != nullptr && !Widen(start.commandLine, -1, CP_UTF8, &commandLine))
        return nullptr;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = start.startupFlags;
    startup.wShowWindow = start.showWindow;
    PROCESS_INFORMATION process{};
    // The wide command line is a writable copy, as CreateProcessW may change it.
    if (!CreateProcessW(start.applicationName != nullptr ? application.c_str() : nullptr,
                        start.commandLine != nullptr ? commandLine.data() : nullptr, nullptr,
                        nullptr, start.inheritHandles ? TRUE : FALSE, start.creationFlags, nullptr,
                        nullptr, &startup, &process)) {
        return nullptr;
    }
    CloseHandle(process.hThread);
    return reinterpret_cast<ProcessHandle>(process.hProcess);
}

OsProcessWait OsWaitForProcessOrMessage(ProcessHandle process) {
    HANDLE handle = reinterpret_cast<HANDLE>(process);
    // Input already in the queue counts too, not only input that arrived since the last peek.
    DWORD result =
        MsgWaitForMultipleObjectsEx(1, &handle, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (result == WAIT_OBJECT_0) return OsProcessWait::Ended;
    if (result == WAIT_OBJECT_0 + 1) return OsProcessWait::Message;
    return OsProcessWait::Failed;
}

bool OsCloseHandle(ProcessHandle process) {
    return CloseHandle(reinterpret_cast<HANDLE>(process)) != 0;
}

bool OsIsKeyDown(int32_t virtualKey) {
    return GetKeyState(virtualKey) < 0;
}

// The module's path in full, however long (up to the platform's 32767 characters), cut after
// its last backslash; a backslash is never part of another character in UTF-16.
bool OsGetProgramFolder(char* folder, uint32_t size) {
    std::vector<wchar_t> path(MAX_PATH);
    DWORD length = 0;
    for (;;) {
        length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return false;
        if (length < path.size()) break;
        if (path.size() > 32768) return false;
        path.resize(path.size() * 2);
    }
    while (length > 0 && path[length - 1] != L'\\') --length;
    if (length == 0 || size == 0 || length > INT32_MAX) return false;
    // Refuses names that are not valid UTF-16 rather than changing them.
    const int bytes =
        WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, path.data(), static_cast<int>(length),
                            folder, static_cast<int>(size - 1), nullptr, nullptr);
    if (bytes <= 0) return false;
    folder[bytes] = '\0';
    return true;
}

bool OsGetCursorPos(OsPoint* point) {
    POINT p{};
    if (!GetCursorPos(&p)) return false;
    *point = OsPoint{p.x, p.y};
    return true;
}

bool OsSetCursorPos(int32_t x, int32_t y) {
    return SetCursorPos(x, y) != 0;
}

int32_t OsShowCursor(bool show) {
    return ShowCursor(show ? TRUE : FALSE);
}
