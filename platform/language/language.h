// The system default language as a Win32 language identifier (primary language in the low
// bits, sublanguage above it), read anew on every call and never cached.
#pragma once
#include <cstdint>

// Windows: GetSystemDefaultLangID. Elsewhere: the language of the locale that the process
// environment names for character handling (LC_ALL, then LC_CTYPE, then LANG), so a test or a
// user sets it there; "C", "POSIX" and no setting give US English, languages without an
// identifier here give 0 (neutral).
uint16_t OsGetSystemDefaultLangID();
