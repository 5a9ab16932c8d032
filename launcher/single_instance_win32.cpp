// Users double-click an autorun menu again while the elevation prompt is slow; two launchers
// could then start two installers of one product, which write the same files at once. The guard
// is a named event of the session, named after the product so that launchers of different
// products never meet: it exists while a launcher of the product runs, and is set once that
// launcher's installer runs.
#include <windows.h>

#include "launcher/single_instance_win32.h"

#include <string>

#include "launcher/product.h"

namespace {
HANDLE guard = nullptr;  // the product's guard, held until the process ends; null without one

// The product's name, which the build has checked to be UTF-8 of at most 100 bytes.
std::wstring ProductName() {
    wchar_t product[128];
    const int length = MultiByteToWideChar(CP_UTF8, 0, kProductName, -1, product, 128);
    return length > 0 ? std::wstring(product, static_cast<size_t>(length - 1)) : std::wstring();
}

// The session's namespace, then the product's name, in which a backslash (it would name another
// namespace) becomes a slash.
std::wstring GuardName() {
    std::wstring name = L"Local\\Varorizo launcher: ";
    const size_t prefix = name.size();
    name += ProductName();
    for (size_t i = prefix; i < name.size(); ++i) {
        if (name[i] == L'\\') name[i] = L'/';
    }
    return name;
}

// The other launcher's window, whose class is the product's name, in front and not minimised.
// A launcher that has not made its window yet shows it in front by itself.
void BringForward() {
    HWND other = FindWindowW(ProductName().c_str(), nullptr);
    if (other == nullptr) return;
    if (IsIconic(other)) ShowWindowAsync(other, SW_RESTORE);
    SetForegroundWindow(other);
}
}  // namespace

bool ClaimProductGuard() {
    // Manual reset, not set: a launcher at its menu.
    guard = CreateEventW(nullptr, TRUE, FALSE, GuardName().c_str());
    const DWORD error = GetLastError();
    if (guard != nullptr && error != ERROR_ALREADY_EXISTS) return true;
    // Held where this launcher may not look (a launcher with other rights): one runs all the same.
    // Any other failure leaves no guard to be had, and the launcher runs as it always did.
    if (guard == nullptr && error != ERROR_ACCESS_DENIED) return true;
    if (guard == nullptr || WaitForSingleObject(guard, 0) != WAIT_OBJECT_0) BringForward();
    return false;
}

void MarkInstallerRunning() {
    if (guard != nullptr) SetEvent(guard);
}
