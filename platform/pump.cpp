// One blocking GetMessage a message: the platform waits while the queue is empty, so an idle
// program makes one call per message and never polls.
#include "platform/pump.h"

#include "platform/platform.h"

PumpResult PumpOneMessage() {
    OsMessage message{};
    const int32_t got = OsGetMessage(&message, nullptr);
    if (got == 0) return PumpResult::Quit;
    // A failed get leaves the record as it was: it is never dispatched.
    if (got < 0) return PumpResult::WaitFailed;
    OsTranslateMessage(&message);
    OsDispatchMessage(&message);
    return PumpResult::Dispatched;
}
