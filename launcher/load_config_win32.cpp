// The launcher's load configuration record. Its dependent-load flag makes the loader resolve the
// program's imports, and what they import, from the system folder only: the launcher runs with
// administrator rights, often from a downloads folder, where a planted library must never run.
// The build points the image's load configuration directory at this section.
#include <windows.h>

namespace {
// mingw's record is older than the flag, which is the word after CSDVersion (Reserved1 there).
constexpr IMAGE_LOAD_CONFIG_DIRECTORY LoadConfig() {
    IMAGE_LOAD_CONFIG_DIRECTORY record{};
    record.Size = sizeof(record);
    record.Reserved1 = LOAD_LIBRARY_SEARCH_SYSTEM32;
    return record;
}
}  // namespace

extern "C" {
__attribute__((section(".loadcfg"))) extern const IMAGE_LOAD_CONFIG_DIRECTORY _load_config_used;
constinit const IMAGE_LOAD_CONFIG_DIRECTORY _load_config_used = LoadConfig();
}
