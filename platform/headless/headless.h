// Test controls of the headless backend: a simulated screen, pointer, keyboard and clock, and
// the log of every message a window procedure saw.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"

struct LoggedMessage {
    uint32_t message;
    WParam wParam;
    LParam lParam;
    int32_t depth;  // 0: dispatched from the queue or sent from outside any procedure
    bool sent;      // sent (called directly) rather than taken from the queue
};

enum class HeadlessButton { Left, Right };
enum class HeadlessCaptionButton { Minimize, Maximize, Close };

// Win32 values that only this backend and its tests use.
#define WM_SIZE 0x0005
#define WM_KILLFOCUS 0x0008
#define WM_ERASEBKGND 0x0014
#define WM_MOUSEACTIVATE 0x0021
#define WM_NCLBUTTONDOWN 0x00A1
#define WM_KEYUP 0x0101
#define WM_SYSKEYDOWN 0x0104
#define WM_SYSCHAR 0x0106
#define WM_SYSCOMMAND 0x0112
#define WM_RBUTTONDBLCLK 0x0206
#define SC_MINIMIZE 0xF020
#define SC_MAXIMIZE 0xF030
#define SC_CLOSE 0xF060
#define SC_RESTORE 0xF120
#define SW_SHOWMINIMIZED 2
#define SW_SHOWMAXIMIZED 3
#define SW_MAXIMIZE 3
#define SW_SHOWNOACTIVATE 4
#define SW_SHOW 5
#define SW_MINIMIZE 6
#define SW_SHOWMINNOACTIVE 7
#define SW_SHOWNA 8
#define SW_RESTORE 9
#define SW_FORCEMINIMIZE 11
#define SIZE_RESTORED 0
#define SIZE_MINIMIZED 1
#define SIZE_MAXIMIZED 2
#define HTCAPTION 2
#define HTMINBUTTON 8
#define HTMAXBUTTON 9
#define HTCLOSE 20
#define MA_ACTIVATE 1
#define MA_ACTIVATEANDEAT 2
#define MA_NOACTIVATE 3
#define MA_NOACTIVATEANDEAT 4
#define CS_DBLCLKS 0x0008
#define CS_NOCLOSE 0x0200
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_MINIMIZE 0x20000000L
#define WS_VISIBLE 0x10000000L
#define WS_MAXIMIZE 0x01000000L
#define WS_BORDER 0x00800000L
#define WS_DLGFRAME 0x00400000L
#define WS_THICKFRAME 0x00040000L
#define WS_MAXIMIZEBOX 0x00010000L
#define WS_EX_DLGMODALFRAME 0x00000001L
#define RDW_ERASE 0x0004
#define RDW_FRAME 0x0400
#define GWL_STYLE (-16)
#define GWL_EXSTYLE (-20)
#define GCL_STYLE (-26)
#define VK_F4 0x73
#define KF_ALTDOWN 0x2000
#define DOUBLE_CLICK_TIME 500  // GetDoubleClickTime's default, milliseconds
#define DOUBLE_CLICK_SIZE 4    // SM_CXDOUBLECLK and SM_CYDOUBLECLK

// Win32 calls that only tests make, with their Win32 meaning.
bool OsGetClientRect(WindowHandle window, OsRect* rect);
WindowHandle OsGetCapture();
WindowHandle OsGetActiveWindow();
WindowHandle OsGetFocus();
uint32_t OsGetWindowLong(WindowHandle window, int32_t index);  // GWL_STYLE, GWL_EXSTYLE
uint32_t OsGetClassLong(WindowHandle window, int32_t index);   // GCL_STYLE
bool OsPostMessage(WindowHandle window, uint32_t message, WParam wParam, LParam lParam);
LResult OsSendMessage(WindowHandle window, uint32_t message, WParam wParam, LParam lParam);
void OsPostQuitMessage(int32_t exitCode);

// Forgets every window, class, message, timer and capture; clears the screen to zero; the
// cursor goes to (0, 0), visible, and the clock to 0.
void HeadlessReset(int32_t screenWidth = 1024, int32_t screenHeight = 768);

// Time passes: timers whose period has run out become due.
void HeadlessAdvanceClock(uint32_t milliseconds);
uint64_t HeadlessClock();

// Hardware input, queued like the real thing: to the capture window, else to the window whose
// client area holds the cursor, else nowhere. Coordinates are screen coordinates.
void HeadlessPointerMoveTo(int32_t screenX, int32_t screenY);
void HeadlessPointerButton(HeadlessButton button, bool down);
// A key goes to the focus window; with Alt held, or when no window has the focus (a minimised
// active window), as WM_SYSKEYDOWN. TranslateMessage adds the character.
void HeadlessKeyDown(uint32_t virtualKey, bool altHeld = false);
// A click on a caption button: only a button that the window's style gives it does anything.
void HeadlessClickCaptionButton(WindowHandle window, HeadlessCaptionButton button);

// Called when the thread would wait or polls an empty queue, so a test can feed input as the
// program asks for it. A wait that still finds nothing jumps the clock to the next timer (and
// fails without timers); a program that polls an empty queue forever is stopped.
void HeadlessSetIdleHook(std::function<void()> hook);

uint32_t HeadlessScreenPixel(int32_t x, int32_t y);
OsPoint HeadlessClientOrigin(WindowHandle window);  // screen position of client (0, 0)
bool HeadlessIsVisible(WindowHandle window);
bool HeadlessWindowExists(WindowHandle window);
int32_t HeadlessCursorShowCount();

// Programs: the folder the program runs from (UTF-8), the current directory and the search path,
// the program files that exist, how long a started one runs on the virtual clock (0 at first: it
// has ended when it is waited for), and every start asked for. A start without an application
// name searches as Windows does: the program's folder, the current directory, the system
// folders, then the path.
struct StartedProcess {
    std::string applicationName;  // empty when none was given
    std::string programFile;      // the file that was started, empty when none was found
    std::string commandLine;
    bool inheritHandles;
    uint32_t creationFlags;
    uint32_t startupFlags;
    uint16_t showWindow;
    bool started;
    uint64_t endsAt;  // virtual clock time at which it ends
    int32_t waits;    // waits on its handle
    bool closed;      // its handle was closed
};
void HeadlessSetProgramFolder(const std::string& folder);
void HeadlessSetCurrentDirectory(const std::string& folder);
void HeadlessSetSearchPath(const std::vector<std::string>& folders);
void HeadlessAddProgramFile(const std::string& path);
void HeadlessSetProgramRunTime(uint32_t milliseconds);
const std::vector<StartedProcess>& HeadlessProcessLog();

const std::vector<LoggedMessage>& HeadlessMessageLog();
void HeadlessClearMessageLog();
