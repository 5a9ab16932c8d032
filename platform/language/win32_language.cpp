// The system default language on Windows: the system's, not the user's or the thread's.
#include <windows.h>

#include "platform/language/language.h"

uint16_t OsGetSystemDefaultLangID() {
    return GetSystemDefaultLangID();
}
