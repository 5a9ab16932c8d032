// Win32 message numbers, flags and key codes, with their Win32 values on every backend, so
// the window procedure and the dispatcher are the same code everywhere. Windows sources that
// need <windows.h> include it before this file; then its own definitions stand.
#pragma once

#ifndef WM_PAINT
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_MOVE 0x0003
#define WM_ACTIVATE 0x0006
#define WM_SETFOCUS 0x0007
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_SHOWWINDOW 0x0018
#define WM_ACTIVATEAPP 0x001C
#define WM_WINDOWPOSCHANGING 0x0046
#define WM_WINDOWPOSCHANGED 0x0047
#define WM_CONTEXTMENU 0x007B
#define WM_NCCREATE 0x0081
#define WM_NCDESTROY 0x0082
#define WM_NCCALCSIZE 0x0083
#define WM_NCPAINT 0x0085
#define WM_NCACTIVATE 0x0086
#define WM_KEYDOWN 0x0100
#define WM_CHAR 0x0102
#define WM_TIMER 0x0113
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_LBUTTONDBLCLK 0x0203
#define WM_RBUTTONDOWN 0x0204
#define WM_RBUTTONUP 0x0205
#define WM_CAPTURECHANGED 0x0215
#define WM_USER 0x0400
#define MK_LBUTTON 0x0001
#define MK_RBUTTON 0x0002
#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001
#define RDW_INVALIDATE 0x0001
#define RDW_VALIDATE 0x0008
#define RDW_UPDATENOW 0x0100
#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#define SWP_NOZORDER 0x0004
#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOWDEFAULT 10
#define HORZRES 8
#define VERTRES 10
#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
#define CS_OWNDC 0x0020
#define WS_EX_APPWINDOW 0x00040000L
#define WS_EX_WINDOWEDGE 0x00000100L
#define WS_EX_NOPARENTNOTIFY 0x00000004L
#define WS_CLIPSIBLINGS 0x04000000L
#define WS_SYSMENU 0x00080000L
#define WS_MINIMIZEBOX 0x00020000L
#define WS_CAPTION 0x00C00000L
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DELETE 0x2E
#define WA_INACTIVE 0
#define WA_ACTIVE 1
#define STARTF_USESHOWWINDOW 0x00000001
#define NORMAL_PRIORITY_CLASS 0x20
#define INFINITE 0xffffffff
#endif
