// Loading the accessibility and COM libraries when a screen reader first asks. A planted file of
// the same name (beside the program, in the current directory, on the path) is never loaded.
#include "platform/win32/win32_reader_calls.h"

#include <string>

#include "platform/win32/win32_text.h"

namespace {

ReaderCalls calls{};
bool tried = false;  // the loading runs once, whatever its outcome

// Also what the library loads itself comes from the system folder. Windows 7 without the update
// that brought the search flags refuses the flag: there the full path does the same.
HMODULE LoadSystemLibrary(const wchar_t* name) {
    HMODULE module = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module != nullptr || GetLastError() != ERROR_INVALID_PARAMETER) return module;
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(folder, length) + L"\\" + name;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

template <typename Function>
bool Find(HMODULE module, const char* name, Function* function) {
    const FARPROC found = module != nullptr ? GetProcAddress(module, name) : nullptr;
    *function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
    return found != nullptr;
}

bool Load(ReaderCalls* found) {
    HMODULE oleacc = LoadSystemLibrary(L"oleacc.dll");
    HMODULE ole32 = LoadSystemLibrary(L"ole32.dll");
    HMODULE oleaut32 = LoadSystemLibrary(L"oleaut32.dll");
    HRESULT(WINAPI * coInitializeEx)(LPVOID, DWORD) = nullptr;
    if (!Find(oleacc, "CreateStdAccessibleObject", &found->createStdAccessibleObject) ||
        !Find(oleacc, "LresultFromObject", &found->lresultFromObject) ||
        !Find(oleaut32, "SysAllocStringLen", &found->sysAllocStringLen) ||
        !Find(ole32, "CoInitializeEx", &coInitializeEx)) {
        return false;
    }
    // A thread that is already in the multithreaded apartment would be asked from COM's own
    // threads, beside the program's: then no reader is answered.
    return SUCCEEDED(coInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

}  // namespace

const ReaderCalls* GetReaderCalls() {
    if (!tried) {
        tried = true;
        ReaderCalls found{};
        if (Load(&found)) calls = found;
    }
    return calls.lresultFromObject != nullptr ? &calls : nullptr;
}

HRESULT NewBstr(const char* text, int32_t length, UINT codePage, BSTR* out) {
    *out = nullptr;
    std::wstring wide;
    if (length > 0 && !Widen(text, length, codePage, &wide)) return E_FAIL;
    *out = calls.sysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}
