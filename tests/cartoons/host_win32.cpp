// A stand-in host for cartoons.dll, built for the tests only: loads the DLL by full path, finds
// the export by name and by ordinal 1, and checks a few names in the language the test names.
// Usage: cartoons_host <path of cartoons.dll> de|en. Exit code 0 when every check holds.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace {
using ApplyEffect = const char16_t* (*)(int32_t);

struct Probe {
    int32_t index;
    const char16_t* german;
    const char16_t* english;
};

constexpr Probe probes[] = {
    {0, u"Varorizo", u"Varorizo"},
    {1, u"Flugzeuge", u"Airplanes"},
    {99, u"Dummy", u"Dummy"},
    {102, u"Heißluftballon", u"Ballon"},
    {303, u"Rot", u"Red"},
    {-1, u"", u""},
    {304, u"", u""},
};

int failures = 0;

void Fail(const char* what) {
    std::printf("FAIL: %s\n", what);
    ++failures;
}

std::string Utf8(std::u16string_view text) {
    auto wide = reinterpret_cast<const wchar_t*>(text.data());
    auto length = static_cast<int>(text.size());
    std::string out(static_cast<size_t>(length) * 3, '\0');
    int written = WideCharToMultiByte(CP_UTF8, 0, wide, length, out.data(),
                                      static_cast<int>(out.size()), nullptr, nullptr);
    out.resize(static_cast<size_t>(written > 0 ? written : 0));
    return out;
}

void CheckNames(ApplyEffect byName, ApplyEffect byOrdinal, bool german) {
    for (const Probe& probe : probes) {
        const char16_t* name = byName(probe.index);
        std::u16string_view expected = german ? probe.german : probe.english;
        std::printf("index %d: \"%s\"\n", probe.index, Utf8(name).c_str());
        if (name == nullptr || std::u16string_view(name) != expected) Fail("wrong name");
        if (byOrdinal(probe.index) != name) Fail("ordinal 1 gives another pointer");
        if (byName(probe.index) != name) Fail("a second call gives another pointer");
    }
}

void CheckManifest(HMODULE module) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(2), MAKEINTRESOURCEA(24));
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const char* text = loaded != nullptr ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (text == nullptr) return Fail("no manifest resource (type 24, id 2)");
    std::string_view manifest(text, SizeofResource(module, found));
    if (manifest.find("level=\"asInvoker\"") == std::string_view::npos ||
        manifest.find("uiAccess=\"false\"") == std::string_view::npos) {
        Fail("the manifest does not ask for asInvoker without uiAccess");
    }
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[2], "de") != 0 && std::strcmp(argv[2], "en") != 0)) {
        std::printf("usage: cartoons_host <path of cartoons.dll> de|en\n");
        return 2;
    }
    bool german = std::strcmp(argv[2], "de") == 0;

    // A host that names the file in full gets exactly that file, not one found on a search path.
    char fullPath[MAX_PATH];
    DWORD length = GetFullPathNameA(argv[1], MAX_PATH, fullPath, nullptr);
    if (length == 0 || length >= MAX_PATH) {
        std::printf("FAIL: cannot make a full path of %s\n", argv[1]);
        return 1;
    }
    HMODULE module = LoadLibraryA(fullPath);
    if (module == nullptr) {
        std::printf("FAIL: cannot load %s (error %lu)\n", fullPath, GetLastError());
        return 1;
    }
    std::printf("loaded %s\n", fullPath);

    // The system language comes from Wine's LC_ALL; a mismatch means the test ran wrongly set up.
    LANGID system = GetSystemDefaultLangID();
    std::printf("system default language 0x%04X\n", system);
    if (((system & 0xFF) == LANG_GERMAN) != german) Fail("the system language is not the expected");

    auto byName = reinterpret_cast<ApplyEffect>(
        reinterpret_cast<void*>(GetProcAddress(module, "DLLApplyEffect")));
    auto byOrdinal = reinterpret_cast<ApplyEffect>(
        reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(1))));
    if (byName == nullptr) Fail("no export named DLLApplyEffect");
    if (byOrdinal == nullptr) Fail("no export at ordinal 1");
    if (byName != nullptr && byOrdinal != byName) Fail("ordinal 1 is not DLLApplyEffect");
    if (byName != nullptr && byOrdinal != nullptr) CheckNames(byName, byOrdinal, german);
    CheckManifest(module);

    if (!FreeLibrary(module)) Fail("cannot unload the DLL");
    std::printf("%s\n", failures == 0 ? "PASS" : "FAILED");
    return failures == 0 ? 0 : 1;
}
