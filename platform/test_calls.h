// Win32 calls that only tests make, with their Win32 meaning: on every backend, in a library of
// their own (varorizo_platform_test_calls) that no shipped or native program links.
#pragma once
#include "platform/platform.h"

bool OsGetClientRect(WindowHandle window, OsRect* rect);
WindowHandle OsGetCapture();
WindowHandle OsGetActiveWindow();
WindowHandle OsGetFocus();
uint32_t OsGetWindowLong(WindowHandle window, int32_t index);  // GWL_STYLE, GWL_EXSTYLE
uint32_t OsGetClassLong(WindowHandle window, int32_t index);   // GCL_STYLE
bool OsPostMessage(WindowHandle window, uint32_t message, WParam wParam, LParam lParam);
LResult OsSendMessage(WindowHandle window, uint32_t message, WParam wParam, LParam lParam);
void OsPostQuitMessage(int32_t exitCode);
