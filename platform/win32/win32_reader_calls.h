// The few calls of the accessibility and COM libraries that answering a screen reader needs. The
// libraries are loaded when the first reader asks, from the system folder only, and the window's
// thread then joins a single-threaded apartment: a reader's questions arrive as messages to COM's
// window on this thread and are answered inside the program's own message pump.
#pragma once
#include <windows.h>

#include <oleacc.h>

#include <cstdint>

struct ReaderCalls {
    HRESULT(WINAPI* createStdAccessibleObject)(HWND, LONG, REFIID, void**);
    LRESULT(WINAPI* lresultFromObject)(REFIID, WPARAM, LPUNKNOWN);
    BSTR(WINAPI* sysAllocStringLen)(const OLECHAR*, UINT);
};

// The calls, loading them on first use; null when a library, a call or the apartment is missing
// (then it stays so: the program answers no reader rather than half of one).
const ReaderCalls* GetReaderCalls();

// `length` bytes of `text` in `codePage` as a new BSTR, into `out`; E_FAIL when they are not
// valid text there (a broken UTF-8 name is not guessed at).
HRESULT NewBstr(const char* text, int32_t length, UINT codePage, BSTR* out);
