// The system default language as a Win32 language identifier (primary language in the low
// bits, sublanguage above it), and the user's interface language as an ISO 639 code; both read
// anew on every call and never cached.
#pragma once
#include <cstdint>

// Windows: GetSystemDefaultLangID. Elsewhere: the language of the locale that the process
// environment names for character handling (LC_ALL, then LC_CTYPE, then LANG), so a test or a
// user sets it there; "C", "POSIX" and no setting give US English, languages without an
// identifier here give 0 (neutral).
uint16_t OsGetSystemDefaultLangID();

// Windows: GetUserDefaultUILanguage's ISO 639 code, such as "de". Elsewhere: the language of the
// locale that the environment names for messages (LC_ALL, then LC_MESSAGES, then LANG), "en" for
// "C", "POSIX" and no setting. False, with `code` empty, when there is none or it does not fit
// into `size` bytes.
bool OsGetUserLanguage(char* code, uint32_t size);
