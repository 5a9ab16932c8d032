// Text for the wide-character calls of the win32 backend.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

// `length` bytes of `text` (-1: up to its terminating zero) in `codePage` as UTF-16, into
// `wide`; false when they are not valid text there (broken UTF-8 is not guessed at).
bool Widen(const char* text, int32_t length, UINT codePage, std::wstring* wide);
