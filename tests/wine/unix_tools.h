// Lets a test under Wine run the X tools of the host (xdotool, import) and wait for input.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Runs a shell command line on the host (no double quotes in it) and waits until it has ended;
// returns whether it did within 30 seconds.
bool RunUnixCommand(const std::string& command);

// Pumps the window's messages until `done` holds after a dispatched message, or the time runs
// out; returns whether it held.
bool PumpUntil(const std::function<bool()>& done, uint32_t timeoutMs = 5000);

// Screenshot of the whole X screen as rows of 0x00RRGGBB pixels (empty on failure).
std::vector<uint32_t> ScreenShot(int32_t* width, int32_t* height);
