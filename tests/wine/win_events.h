// WinEvents of another process, heard as a screen reader hears them: through an out-of-context
// hook, whose events arrive while this thread handles its messages.
#pragma once
#include <windows.h>

#include <vector>

struct HeardEvent {
    DWORD event;
    HWND window;
    LONG object;
    LONG child;
};

class WinEventListener {
public:
    // Listens to the events `first` to `last` of the process `processId`.
    WinEventListener(DWORD processId, DWORD first, DWORD last);
    ~WinEventListener();
    WinEventListener(const WinEventListener&) = delete;
    WinEventListener& operator=(const WinEventListener&) = delete;
    // Handles this thread's messages for `milliseconds`; returns all that was heard so far.
    const std::vector<HeardEvent>& HeardAfter(DWORD milliseconds);

private:
    HWINEVENTHOOK hook_;
};
