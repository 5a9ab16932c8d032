// The whole life of the launcher program.
#pragma once
#include <cstdint>

// Opens the window, runs the menu and returns the process exit code (0 on every path).
int32_t LauncherMain(int32_t showCommand);
