// Plays an input file to the launcher or the gallery on the headless backend and writes what
// the window shows at its end as 800 x 600 red, green, blue bytes: the reference that the same
// input must leave in the SDL window and under Wine.
//   replay_headless launcher|gallery INPUT OUTPUT.rgb
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "display/display.h"
#include "gallery/gallery_main.h"
#include "launcher/launcher_main.h"
#include "tests/support/input_script.h"

namespace {

// One step a line; "wait MS" lets MS / 25 timer ticks pass, as real time would.
bool ReadInput(const char* path, InputScript* script) {
    std::ifstream in(path);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string verb;
        int32_t a = 0;
        int32_t b = 0;
        if (!(words >> verb) || verb[0] == '#') continue;
        if (verb == "move" && words >> a >> b) {
            script->MoveTo(a, b);
        } else if (verb == "down" || verb == "up") {
            verb == "down" ? script->Down() : script->Up();
        } else if (verb == "wait" && words >> a) {
            script->Ticks(a / 25);
        } else {
            std::fprintf(stderr, "replay_headless: %s: cannot read \"%s\"\n", path, line.c_str());
            return false;
        }
    }
    return true;
}

bool WriteScreen(const char* path) {
    FILE* out = std::fopen(path, "wb");
    if (out == nullptr) return false;
    for (const uint32_t p : ClientOnScreen()) {
        const unsigned char rgb[3] = {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)};
        std::fwrite(rgb, 1, 3, out);
    }
    return std::fclose(out) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    const bool launcher = argc == 4 && std::strcmp(argv[1], "launcher") == 0;
    const bool gallery = argc == 4 && std::strcmp(argv[1], "gallery") == 0;
    if (!launcher && !gallery) {
        std::fprintf(stderr, "usage: replay_headless launcher|gallery INPUT OUTPUT.rgb\n");
        return 2;
    }
    HeadlessReset();
    InputScript script;
    if (!ReadInput(argv[2], &script)) return 2;
    bool written = false;
    script.AtEnd([&] {
        if (!written) written = WriteScreen(argv[3]);
        OsPostMessage(mainWindow, WM_CLOSE, 0, 0);
    });
    if (launcher) LauncherMain(SW_SHOWNORMAL);
    if (gallery) GalleryMain(SW_SHOWNORMAL, 0);
    return written ? 0 : 1;
}
