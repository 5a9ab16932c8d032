// The SDL driver's own parts with SDL's dummy video driver, which needs no display: SDL's keys
// and typed text as virtual keys and characters, the cursor's visibility, POSIX programs. The
// rules themselves are the seam suite's.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "platform/pump.h"
#include "platform/sdl/sdl_driver.h"

namespace {

// Every test of this program runs on the dummy driver, with or without a display.
const bool kDummyDriver = setenv("SDL_VIDEODRIVER", "dummy", 1) == 0;

std::vector<std::pair<uint32_t, WParam>> keys;  // the key-downs and characters a window got

LResult KeyLoggingProc(WindowHandle window, uint32_t message, WParam wParam, LParam lParam) {
    if (message == WM_KEYDOWN || message == WM_CHAR) keys.emplace_back(message, wParam);
    return OsDefWindowProc(window, message, wParam, lParam);
}

void DispatchQueued() {
    OsMessage m{};
    while (OsPeekMessage(&m, nullptr, PM_NOREMOVE) && m.message != WM_TIMER) PumpOneMessage();
}

// A key brings what SDL typed for it, in the messages' code page; Escape's comes from the key.
TEST(SdlKeys, KeysBecomeVirtualKeysAndTypedTextCharacters) {
    ASSERT_TRUE(kDummyDriver);
    ASSERT_TRUE(OsRegisterClass(OsWindowClass{0, KeyLoggingProc, OsGetModuleHandle(), 0, "Keys"}));
    WindowHandle window = OsCreateWindow(0, "Keys", "Keys", 0, 10, 20, 64, 48, OsGetModuleHandle());
    ASSERT_NE(window, nullptr);
    OsShowWindow(window, SW_SHOWNORMAL);
    DispatchQueued();
    const uint32_t id = SDL_GetWindowID(WindowDriverPart(window)->sdl);
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.windowID = id;
    key.key.keysym = SDL_Keysym{SDL_SCANCODE_A, SDLK_a, 0, 0};
    SDL_PushEvent(&key);
    SDL_Event text{};
    text.type = SDL_TEXTINPUT;
    text.text.windowID = id;
    std::strcpy(text.text.text, "a\xC3\xA9\xE2\x82\xAC");  // a, e acute, the euro sign
    SDL_PushEvent(&text);
    key.key.keysym = SDL_Keysym{SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, 0, 0};
    SDL_PushEvent(&key);
    // With Shift the typed character is the capital, which the key alone does not give.
    key.key.keysym = SDL_Keysym{SDL_SCANCODE_B, SDLK_b, KMOD_LSHIFT, 0};
    SDL_PushEvent(&key);
    std::strcpy(text.text.text, "B");
    SDL_PushEvent(&text);
    DispatchQueued();
    const std::vector<std::pair<uint32_t, WParam>> expected = {
        {WM_KEYDOWN, 'A'},       {WM_CHAR, 'a'},       {WM_CHAR, 0xE9},   {WM_CHAR, '?'},
        {WM_KEYDOWN, VK_ESCAPE}, {WM_CHAR, VK_ESCAPE}, {WM_KEYDOWN, 'B'}, {WM_CHAR, 'B'}};
    EXPECT_EQ(keys, expected);
    OsDestroyWindow(window);
}

TEST(SdlCursor, ShowCursorHidesAndShowsSdlsCursorByTheCount) {
    EXPECT_EQ(OsShowCursor(false), -1);
    EXPECT_EQ(OsShowCursor(false), -2);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    EXPECT_EQ(OsShowCursor(true), -1);
    EXPECT_EQ(OsShowCursor(true), 0);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
}

// The program's folder ends with its separator; a missing program starts nothing. Starting and
// waiting are the seam suite's.
TEST(PosixProcess, TheProgramsFolderEndsWithItsSeparatorAndAMissingProgramStartsNothing) {
    char folder[4096];
    ASSERT_TRUE(OsGetProgramFolder(folder, sizeof folder));
    EXPECT_EQ(std::string(folder).back(), '/');
    char commandLine[] = "setup_none.exe";
    const std::string missing = std::string(folder) + commandLine;
    EXPECT_EQ(OsCreateProcess(OsProcessStart{missing.c_str(), commandLine, true,
                                             NORMAL_PRIORITY_CLASS, 1, SW_HIDE}),
              nullptr);
}

}  // namespace
