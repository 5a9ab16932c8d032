// Program entry on Linux: the window opens as the platform's default says; the command line is
// ignored, as on Windows.
#include "launcher/launcher_main.h"
#include "platform/platform.h"

int main() {
    return LauncherMain(SW_SHOWDEFAULT);
}
