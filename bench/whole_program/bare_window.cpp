// The yardstick of the whole-program benchmark: the textbook Win32 program that shows the same
// 800 x 600 picture as the launcher, in a window of the same class and styles with the same
// 25 ms timer. It copies the picture embedded in it into a bitmap once, at start-up, and each
// paint copies the invalid area from that bitmap, as the launcher keeps its frame buffer.
#include <windows.h>

#include "artwork/artwork.h"

namespace {

constexpr int32_t kWidth = 800;
constexpr int32_t kHeight = 600;

HDC pictureDC = nullptr;  // a memory context holding the picture's bitmap for the program's life

bool MakePictureBitmap(HWND window) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC dc = GetDC(window);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pictureDC = CreateCompatibleDC(dc);
    ReleaseDC(window, dc);
    if (bitmap == nullptr || pictureDC == nullptr) return false;
    CopyMemory(bits, artBackground, sizeof(artBackground));
    SelectObject(pictureDC, bitmap);
    return true;
}

void Paint(HWND window) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    const RECT& r = paint.rcPaint;
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, pictureDC, r.left, r.top,
           SRCCOPY);
    EndPaint(window, &paint);
}

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            SetTimer(window, 1, 25, nullptr);
            return 0;
        case WM_PAINT:
            Paint(window);
            return 0;
        case WM_TIMER:
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC;
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = "Bare";
    if (RegisterClassA(&windowClass) == 0) return 1;
    const DWORD style = WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX;
    const DWORD exStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE | WS_EX_NOPARENTNOTIFY;
    RECT outer{0, 0, kWidth, kHeight};
    AdjustWindowRectEx(&outer, style | WS_CAPTION, FALSE, exStyle);
    const int32_t width = outer.right - outer.left;
    const int32_t height = outer.bottom - outer.top;
    HWND window = CreateWindowExA(exStyle, "Bare", "Bare", style,
                                  GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2,
                                  GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2, width, height,
                                  nullptr, nullptr, instance, nullptr);
    if (window == nullptr || !MakePictureBitmap(window)) return 1;
    ShowWindow(window, show);
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
