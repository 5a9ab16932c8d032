// The one message pump step that the dispatcher and every modal loop share.
#pragma once

enum class PumpResult {
    Dispatched,  // one message was translated and dispatched; the InputState describes it
    Quit,        // the quit message was taken (and dropped)
    WaitFailed   // the platform could not deliver a message; nothing was dispatched
};

// Takes the thread's next message (no window filter), waiting in the platform while the queue
// is empty, then translates and dispatches it.
PumpResult PumpOneMessage();
