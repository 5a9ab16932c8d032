// The one message pump step that the dispatcher and every modal loop share.
#pragma once

enum class PumpWait {
    Poll,  // an empty queue is peeked at again at once (the modal loops)
    Block  // an empty queue waits in the platform (the idle dispatcher)
};

enum class PumpResult {
    Dispatched,  // one message was translated and dispatched; the InputState describes it
    Quit,        // the quit message was taken (and dropped)
    WaitFailed   // the platform wait failed; nothing was taken
};

// Takes the thread's next message (no window filter), translates and dispatches it.
PumpResult PumpOneMessage(PumpWait wait);
