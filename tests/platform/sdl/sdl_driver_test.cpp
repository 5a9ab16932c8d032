// The SDL driver's own parts with SDL's dummy video driver, which needs no display: SDL's keys
// and typed text as virtual keys and characters, the cursor's visibility, POSIX programs, and
// the main window's surface. The rules themselves are the seam suite's.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "display/display.h"
#include "display/input_state.h"
#include "platform/platform.h"
#include "platform/pump.h"
#include "platform/test_calls.h"

namespace {

// Every test of this program runs on the dummy driver, with or without a display.
const bool kDummyDriver = setenv("SDL_VIDEODRIVER", "dummy", 1) == 0;

struct Seen {
    uint32_t message;
    WParam wParam;
    LParam lParam;
    int32_t depth;
};
std::vector<Seen> seen;
int32_t depth = 0;

LResult LoggingProc(WindowHandle window, uint32_t message, WParam wParam, LParam lParam) {
    seen.push_back(Seen{message, wParam, lParam, depth});
    if (message == WM_CLOSE) return 0;  // the window stays, as the gallery's and launcher's do
    ++depth;
    const LResult result = OsDefWindowProc(window, message, wParam, lParam);
    --depth;
    return result;
}

class SdlBackendTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(kDummyDriver);
        ASSERT_TRUE(OsRegisterClass(OsWindowClass{0, LoggingProc, OsGetModuleHandle(), 0, "Log"}));
    }
    void SetUp() override {
        window = OsCreateWindow(0, "Log", "Log", 0, 10, 20, 64, 48, OsGetModuleHandle());
        ASSERT_NE(window, nullptr);
        OsShowWindow(window, SW_SHOWNORMAL);
        Drain();
    }
    void TearDown() override { OsDestroyWindow(window); }
    // Dispatches whatever is queued, paints included, but no timer.
    static void Drain() {
        OsMessage m{};
        while (OsPeekMessage(&m, nullptr, PM_NOREMOVE) && m.message != WM_TIMER) {
            PumpOneMessage();
        }
        seen.clear();
    }
    // The next message taken and dispatched; a message that does not come within a second
    // fails the test instead of hanging it.
    static Seen Next() {
        seen.clear();
        OsMessage m{};
        for (int32_t i = 0; i < 1000 && !OsPeekMessage(&m, nullptr, PM_NOREMOVE); ++i) SDL_Delay(1);
        if (!OsPeekMessage(&m, nullptr, PM_NOREMOVE)) {
            ADD_FAILURE() << "no message came";
            return Seen{};
        }
        EXPECT_EQ(PumpOneMessage(), PumpResult::Dispatched);
        return seen.empty() ? Seen{} : seen.front();
    }
    WindowHandle window = nullptr;
};

// The SDL window of that title (the backend's handle is its own record).
SDL_Window* SdlWindow(const char* title) {
    for (uint32_t id = 1; id < 256; ++id) {
        SDL_Window* w = SDL_GetWindowFromID(id);
        if (w != nullptr && std::string(SDL_GetWindowTitle(w)) == title) return w;
    }
    return nullptr;
}

// Pushes the event as the window system would send it to the "Log" window.
void Send(SDL_Event e) {
    const uint32_t windowId = SDL_GetWindowID(SdlWindow("Log"));
    if (e.type == SDL_MOUSEMOTION) e.motion.windowID = windowId;
    if (e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP) e.button.windowID = windowId;
    if (e.type == SDL_KEYDOWN) e.key.windowID = windowId;
    if (e.type == SDL_TEXTINPUT) e.text.windowID = windowId;
    if (e.type == SDL_WINDOWEVENT) e.window.windowID = windowId;
    SDL_PushEvent(&e);
}

TEST_F(SdlBackendTest, KeysBecomeVirtualKeysAndTypedTextCharacters) {
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.keysym = SDL_Keysym{SDL_SCANCODE_A, SDLK_a, 0, 0};
    Send(key);
    SDL_Event text{};
    text.type = SDL_TEXTINPUT;
    std::strcpy(text.text.text, "a\xC3\xA9\xE2\x82\xAC");  // a, e acute, the euro sign
    Send(text);
    key.key.keysym = SDL_Keysym{SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, 0, 0};
    Send(key);
    std::vector<std::pair<uint32_t, WParam>> got;
    for (int32_t i = 0; i < 6; ++i) {
        const Seen s = Next();
        got.emplace_back(s.message, s.wParam);
    }
    const std::vector<std::pair<uint32_t, WParam>> expected = {
        {WM_KEYDOWN, 'A'}, {WM_CHAR, 'a'},          {WM_CHAR, 0xE9},
        {WM_CHAR, '?'},    {WM_KEYDOWN, VK_ESCAPE}, {WM_CHAR, VK_ESCAPE}};
    EXPECT_EQ(got, expected);
}

TEST(SdlCursor, ShowCursorCountsLikeWindows) {
    EXPECT_EQ(OsShowCursor(false), -1);
    EXPECT_EQ(OsShowCursor(false), -2);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    EXPECT_EQ(OsShowCursor(true), -1);
    EXPECT_EQ(OsShowCursor(true), 0);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
}

// A program starts by its path from the program's folder and is waited for; a missing one
// starts nothing.
TEST(SdlProcess, AProgramIsStartedWaitedForAndAMissingOneIsNot) {
    char folder[4096];
    ASSERT_TRUE(OsGetProgramFolder(folder, sizeof folder));
    EXPECT_EQ(std::string(folder).back(), '/');
    char commandLine[] = "true";
    OsProcessStart start{"/bin/true", commandLine, true, NORMAL_PRIORITY_CLASS, 1, SW_HIDE};
    ProcessHandle process = OsCreateProcess(start);
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(OsWaitForProcessOrMessage(process), OsProcessWait::Ended);
    EXPECT_TRUE(OsCloseHandle(process));
    const std::string missing = std::string(folder) + "setup_none.exe";
    start.applicationName = missing.c_str();
    EXPECT_EQ(OsCreateProcess(start), nullptr);
}

// The launcher's window on the dummy driver: the window surface shows the frame buffer, and a
// changed pixel only once its area has been invalidated and painted.
TEST(SdlPresent, OnlyTheUpdateRegionReachesTheWindowSurface) {
    std::vector<uint32_t> background(800 * 600);
    for (size_t i = 0; i < background.size(); ++i) background[i] = uint32_t(i * 2654435761u) >> 8;
    ASSERT_NE(CreateMainWindow("Present", background.data()), nullptr);
    OsShowWindow(mainWindow, SW_SHOWNORMAL);
    SDL_Window* w = SdlWindow("Present");
    ASSERT_NE(w, nullptr);
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(w, &width, &height);
    EXPECT_EQ(width, 800);
    EXPECT_EQ(height, 600);
    SDL_Surface* surface = SDL_GetWindowSurface(w);
    auto shown = [surface](int32_t x, int32_t y) {
        return *reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(surface->pixels) +
                                                  y * surface->pitch + x * 4) &
               0xFFFFFFu;
    };
    EXPECT_EQ(shown(799, 599), background[599 * 800 + 799] & 0xFFFFFFu);
    FrameBuffer[10 * 800 + 10] ^= 0xFFFFFFu;
    FrameBuffer[10 * 800 + 400] ^= 0xFFFFFFu;
    InvalidateArea(0, 20, 0, 20);
    UpdateWindowNow();
    EXPECT_EQ(shown(10, 10), FrameBuffer[10 * 800 + 10] & 0xFFFFFFu);
    EXPECT_EQ(shown(400, 10), background[10 * 800 + 400] & 0xFFFFFFu);
    OsDestroyWindow(mainWindow);
}

}  // namespace
