// The SDL driver in a real X display, what the dummy video driver of the seam suite cannot show:
// the X window's size and what the X screen shows, and the real cursor that the dial's loop
// hides, holds at the centre with warps and puts back, moved by xdotool meanwhile. What the
// main window records of each input is the seam suite's, on every backend.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "base/aligned_alloc.h"
#include "display/display.h"
#include "platform/pump.h"
#include "platform/test_calls.h"
#include "toolkit/dispatcher.h"
#include "toolkit/toolkit_state.h"

namespace {

bool Shell(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

std::string Output(const std::string& command) {
    std::string text;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return text;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) text += buffer;
    pclose(pipe);
    return text;
}

// Pumps until `done` holds after a dispatched message, at most five seconds; the animation
// timer wakes the wait every 25 ms.
bool PumpUntil(const std::function<bool()>& done) {
    const uint64_t until = SDL_GetTicks64() + 5000;
    while (SDL_GetTicks64() < until) {
        if (PumpOneMessage() != PumpResult::Dispatched) return false;
        if (done()) return true;
    }
    return false;
}

void Settle(uint32_t milliseconds) {
    const uint64_t until = SDL_GetTicks64() + milliseconds;
    PumpUntil([until] { return SDL_GetTicks64() >= until; });
}

OsPoint ClientOrigin() {
    OsRect outer{};
    OsGetWindowRect(mainWindow, &outer);
    return OsPoint{outer.left, outer.top};  // no window manager: no frame
}

class SdlWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!Shell("xdpyinfo"))
            GTEST_SKIP() << "no X display: the dummy-driver tests cover the rest";
        background.resize(800 * 600);
        for (size_t i = 0; i < background.size(); ++i) {
            background[i] = uint32_t(i * 2654435761u) >> 8 & 0xFFFFFFu;
        }
        // A class is registered once a process: each test names its own.
        static int32_t serial = 0;
        title = "SdlWindowTest" + std::to_string(++serial);
        ASSERT_NE(CreateMainWindow(title.c_str(), background.data()), nullptr);
        OsShowWindow(mainWindow, SW_SHOWNORMAL);
        Settle(500);
        origin = ClientOrigin();
    }
    void TearDown() override {
        if (mainWindow != nullptr) OsDestroyWindow(mainWindow);
        mainWindow = nullptr;
        FreeAligned(FrameBuffer);
        FrameBuffer = nullptr;
    }
    void Xdotool(const std::string& arguments) {
        ASSERT_TRUE(Shell("xdotool " + arguments)) << arguments;
    }
    void MoveTo(int32_t x, int32_t y) {
        Xdotool("mousemove " + std::to_string(origin.x + x) + " " + std::to_string(origin.y + y));
    }
    std::vector<uint32_t> background;
    std::string title;
    OsPoint origin{};
};

TEST_F(SdlWindowTest, TheXWindowIs800By600AndTheXScreenShowsTheFrameBuffer) {
    const std::string geometry =
        Output("xdotool search --name '^" + title + "$' getwindowgeometry --shell");
    EXPECT_NE(geometry.find("WIDTH=800\n"), std::string::npos) << geometry;
    EXPECT_NE(geometry.find("HEIGHT=600\n"), std::string::npos) << geometry;
    const std::string shot = "/tmp/varorizo-sdl-shot-" + std::to_string(getpid()) + ".rgb";
    ASSERT_TRUE(Shell("import -window root -depth 8 rgb:" + shot));
    FILE* file = std::fopen(shot.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    std::vector<uint8_t> rgb(1024 * 768 * 3);
    const size_t got = std::fread(rgb.data(), 1, rgb.size(), file);
    std::fclose(file);
    std::remove(shot.c_str());
    ASSERT_EQ(got, rgb.size()) << "the screen is expected to be 1024 x 768";
    int32_t wrong = 0;
    for (int32_t y = 0; y < 600; ++y) {
        for (int32_t x = 0; x < 800; ++x) {
            const uint8_t* p = &rgb[3 * (size_t(origin.y + y) * 1024 + size_t(origin.x + x))];
            const uint32_t seen = uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
            wrong += seen != (FrameBuffer[y * 800 + x] & 0xFFFFFFu) ? 1 : 0;
        }
    }
    EXPECT_EQ(wrong, 0);
}

int32_t dialValue = -1;
bool hiddenDuringTurn = false;
OsPoint cursorDuringTurn{};

void OnDialTurn(Control* /*items*/, int32_t /*id*/, int32_t value) {
    dialValue = value;
    hiddenDuringTurn = SDL_ShowCursor(SDL_QUERY) == SDL_DISABLE;
    OsGetCursorPos(&cursorDuringTurn);
}

TEST_F(SdlWindowTest, TheDialHidesTheCursorHoldsItAtTheCentreAndPutsItBack) {
    std::vector<uint8_t> strip(4 * 20 * 20 * 3, 90);
    std::vector<uint8_t> mask(4 * 20 * 20, 255);
    Control items[1] = {MakeControl(ControlDial, 100, 100, 20, 20)};
    Control& dial = items[0];
    dial.imageNormal = strip.data();
    dial.mask = mask.data();
    dial.extent = 4;
    dial.rangeEnd = 50;
    dial.onChange.value = OnDialTurn;
    ControlList list{10, 1, items};
    activeList = &list;
    MoveTo(110, 110);
    Settle(100);
    Xdotool("mousedown 1");
    // The turn comes while the dial's loop runs, so it is sent from the shell meanwhile.
    ASSERT_TRUE(
        Shell("(sleep 0.5; xdotool mousemove_relative -- 5 0; sleep 0.5; xdotool mouseup 1) &"));
    UiEvent event{};
    for (int32_t i = 0; i < 100 && event.kind != EventPress; ++i) GetUiEvent(&event);
    EXPECT_EQ(event.kind, EventPress);
    EXPECT_EQ(dial.value, 5);
    EXPECT_EQ(dialValue, 5);
    EXPECT_TRUE(hiddenDuringTurn);
    OsRect outer{};
    OsGetWindowInfoRect(mainWindow, &outer);
    EXPECT_EQ(cursorDuringTurn.x, outer.left + 400);
    EXPECT_EQ(cursorDuringTurn.y, outer.top + 300);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
    const std::string location = Output("xdotool getmouselocation --shell");
    EXPECT_NE(location.find("X=" + std::to_string(origin.x + 110) + "\n"), std::string::npos)
        << location;
    EXPECT_NE(location.find("Y=" + std::to_string(origin.y + 110) + "\n"), std::string::npos)
        << location;
    activeList = nullptr;
}

}  // namespace
