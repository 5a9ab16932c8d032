// Backends without an accessibility interface (headless, SDL): no reader asks, and a question
// that does come gets the default handling.
#include "platform/accessibility.h"

LResult OsAnswerAccessibleObject(WindowHandle window, WParam wParam, LParam lParam,
                                 AccessibleDescriber /*describe*/) {
    return OsDefWindowProc(window, WM_GETOBJECT, wParam, lParam);
}

void OsNotifyAccessibleEvent(WindowHandle /*window*/, AccessibleEvent /*event*/,
                             int32_t /*index*/) {}
