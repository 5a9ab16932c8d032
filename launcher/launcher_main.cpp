// For now the launcher shows its window with the background and waits for a close request.
#include "launcher/launcher_main.h"

#include "launcher/display.h"
#include "launcher/input_state.h"
#include "platform/pump.h"

int32_t LauncherMain(int32_t showCommand) {
    if (CreateMainWindow("Varorizo") == nullptr) return 0;
    OsShowWindow(mainWindow, showCommand);
    while (PumpOneMessage(PumpWait::Block) != PumpResult::WaitFailed) {
        if (inputCode == InputClose) break;
    }
    return 0;
}
