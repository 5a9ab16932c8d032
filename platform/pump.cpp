// Peek without removing first, so that an empty queue is met by a poll or a platform wait, and
// only then take the message.
#include "platform/pump.h"

#include "platform/platform.h"

PumpResult PumpOneMessage(PumpWait wait) {
    OsMessage message{};
    while (!OsPeekMessage(&message, nullptr, PM_NOREMOVE)) {
        if (wait == PumpWait::Block && !OsWaitMessage()) return PumpResult::WaitFailed;
    }
    if (OsGetMessage(&message, nullptr) == 0) return PumpResult::Quit;
    OsTranslateMessage(&message);
    OsDispatchMessage(&message);
    return PumpResult::Dispatched;
}
