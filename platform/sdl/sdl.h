// Win32 calls of the SDL backend that only tests make, with their Win32 meaning.
#pragma once
#include "platform/platform.h"

bool OsPostMessage(WindowHandle window, uint32_t message, WParam wParam, LParam lParam);
WindowHandle OsGetCapture();
