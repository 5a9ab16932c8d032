#include "tests/wine/win_events.h"

#include "tests/wine/wine_fixture.h"

namespace {

std::vector<HeardEvent> heard;  // what the one listener heard

void CALLBACK Hear(HWINEVENTHOOK /*hook*/, DWORD event, HWND window, LONG object, LONG child,
                   DWORD /*thread*/, DWORD /*time*/) {
    heard.push_back(HeardEvent{event, window, object, child});
}

}  // namespace

WinEventListener::WinEventListener(DWORD processId, DWORD first, DWORD last)
    : hook_(SetWinEventHook(first, last, nullptr, Hear, processId, 0, WINEVENT_OUTOFCONTEXT)) {
    heard.clear();
}

WinEventListener::~WinEventListener() {
    if (hook_ != nullptr) UnhookWinEvent(hook_);
}

const std::vector<HeardEvent>& WinEventListener::HeardAfter(DWORD milliseconds) {
    DispatchFor(milliseconds);
    return heard;
}
