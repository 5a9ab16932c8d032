// The languages of Windows: the system default one, not the user's or the thread's, for the
// plug-in; the user's interface language for the launcher's menu.
#include <windows.h>

#include "platform/language/language.h"

uint16_t OsGetSystemDefaultLangID() {
    return GetSystemDefaultLangID();
}

bool OsGetUserLanguage(char* code, uint32_t size) {
    if (size == 0) return false;
    code[0] = '\0';
    wchar_t wide[16];
    const LCID locale = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
    const int length = GetLocaleInfoW(locale, LOCALE_SISO639LANGNAME, wide, 16);
    if (length <= 1 || static_cast<uint32_t>(length) > size) return false;
    // ISO 639 codes are ASCII letters.
    for (int i = 0; i < length; ++i) code[i] = static_cast<char>(wide[i] < 0x80 ? wide[i] : '?');
    return true;
}
