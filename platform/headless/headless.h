// Test controls of the headless driver: a simulated screen, pointer, keyboard and clock, the
// programs it pretends to start, and the log of every message a window procedure saw.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/test_calls.h"

struct LoggedMessage {
    uint32_t message;
    WParam wParam;
    LParam lParam;
    int32_t depth;  // 0: dispatched from the queue or sent from outside any procedure
    bool sent;      // sent (called directly) rather than taken from the queue
};

// Forgets every window, class, message, timer and capture; clears the screen to zero; the
// cursor goes to (0, 0), visible, and the clock to 0.
void HeadlessReset(int32_t screenWidth = 1024, int32_t screenHeight = 768);

// Time passes: timers whose period has run out become due.
void HeadlessAdvanceClock(uint32_t milliseconds);
uint64_t HeadlessClock();

// Hardware input, queued like the real thing: to the capture window, else to the window whose
// client area holds the cursor, else nowhere. Coordinates are screen coordinates.
void HeadlessPointerMoveTo(int32_t screenX, int32_t screenY);
// `button` is VK_LBUTTON or VK_RBUTTON.
void HeadlessPointerButton(uint32_t button, bool down);
// A key goes to the focus window; with Alt held, or when no window has the focus (a minimised
// active window), as WM_SYSKEYDOWN. TranslateMessage adds the character.
void HeadlessKeyDown(uint32_t virtualKey, bool altHeld = false);
void HeadlessKeyUp(uint32_t virtualKey, bool altHeld = false);
// A click on the caption button `hit` (HTMINBUTTON, HTMAXBUTTON or HTCLOSE): only a button
// that the window's style gives it does anything.
void HeadlessClickCaptionButton(WindowHandle window, int32_t hit);

// Called when the thread would wait or polls an empty queue, so a test can feed input as the
// program asks for it. A wait that still finds nothing jumps the clock to the next timer (and
// fails without timers); a program that polls an empty queue forever, or waits 10,000 times in a
// row with nothing brought, is stopped.
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
