// The whole life of the launcher program.
#pragma once
#include <cstdint>

#include "launcher/product.h"

// Opens the window, runs the menu and returns the process exit code (0 on every path). With
// `keysChoose`, keys move a focus over the buttons and choose (launcher/menu_keys.h).
int32_t LauncherMain(int32_t showCommand, bool keysChoose = kKeysChoose);
