// The launcher from start to hand-off on the headless backend, driven by a script of user input
// that is played whenever the launcher waits for a message.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "artwork/artwork.h"
#include "base/aligned_alloc.h"
#include "display/display.h"
#include "display/input_state.h"
#include "display/window_proc.h"
#include "launcher/launcher_main.h"
#include "tests/render/render_fixture.h"
#include "tests/support/input_script.h"
#include "toolkit/toolkit_state.h"

namespace {

constexpr int32_t kFrenchTop = 307;
constexpr int32_t kEnglishTop = 195;
const char* const kInstallers[] = {"setup_ger.exe", "setup_eng.exe", "setup_fra.exe",
                                   "setup_ita.exe"};

class LauncherMainTest : public ::testing::Test {
protected:
    void SetUp() override {
        HeadlessReset();
        FailAlignedAllocAfter(-1);
        ServeList(nullptr);
        inputX = 0;
        inputY = 0;
        // One step of the script each time the launcher waits (the 25 ms timer ticks while it
        // waits with nothing to do); at its end, a close request.
        script_ = std::make_unique<InputScript>();
        script_->CloseAtEnd();
    }
    // The launcher keeps its frame buffer and list for the life of the process; each test
    // releases them so the next one starts clean.
    void TearDown() override {
        script_.reset();
        if (activeList != nullptr) {
            FreeAligned(activeList->items);
            FreeAligned(activeList);
            ServeList(nullptr);
        }
        FreeAligned(FrameBuffer);
        FrameBuffer = nullptr;
    }

    // Every installer, in the launcher's own folder unless another is given.
    static void AddInstallers(const std::string& folder = "C:\\Varorizo\\") {
        for (const char* name : kInstallers) HeadlessAddProgramFile(folder + name);
    }
    // Whether the screen shows the 156 x 93 picture at the button with top edge `top`.
    static bool ScreenShowsButton(const uint8_t* picture, int32_t top) {
        const std::vector<uint32_t> client = ClientOnScreen();
        for (int32_t y = 0; y < 93; ++y) {
            for (int32_t x = 0; x < 156; ++x) {
                const uint32_t expected = PictureAt(picture, size_t(y) * 156 + size_t(x));
                if ((client[size_t(top + y) * 800 + size_t(628 + x)] & 0x00FFFFFFu) != expected) {
                    return false;
                }
            }
        }
        return true;
    }

    std::unique_ptr<InputScript> script_;
};

// Each button by its top edge and installer, from a folder whose name is not ASCII.
class LanguageButtonTest : public LauncherMainTest,
                           public ::testing::WithParamInterface<int32_t> {};

TEST_P(LanguageButtonTest, StartsItsOwnInstallerByItsFullPathInAnyFolder) {
    const std::string folder = "C:\\Łódź インストーラー Установка\\";
    HeadlessSetProgramFolder(folder);
    AddInstallers(folder);
    const int32_t language = GetParam();
    script_->Click(700, 83 + 112 * language + 40);
    EXPECT_EQ(LauncherMain(SW_SHOWNORMAL), 0);
    ASSERT_EQ(HeadlessProcessLog().size(), 1u);
    EXPECT_EQ(HeadlessProcessLog()[0].applicationName, folder + kInstallers[language]);
    EXPECT_EQ(HeadlessProcessLog()[0].commandLine, kInstallers[language]);
}

INSTANTIATE_TEST_SUITE_P(GermanEnglishFrenchItalian, LanguageButtonTest, ::testing::Range(0, 4));

// A folder as long as the launcher's whole path buffer, and one that leaves room for the
// installer's name but not its terminating zero: nothing is started, nothing written past the
// buffer.
class LongFolderTest : public LauncherMainTest, public ::testing::WithParamInterface<size_t> {};

TEST_P(LongFolderTest, StartsNothingAndEndsWithZero) {
    const std::string folder = "C:\\" + std::string(GetParam() - 4, 'x') + "\\";
    HeadlessSetProgramFolder(folder);
    HeadlessAddProgramFile(folder + "setup_fra.exe");
    script_->Click(700, kFrenchTop + 40);
    EXPECT_EQ(LauncherMain(SW_SHOWNORMAL), 0);
    EXPECT_TRUE(HeadlessProcessLog().empty());
}

INSTANTIATE_TEST_SUITE_P(BufferSizeAndLess, LongFolderTest,
                         ::testing::Values(3 * 32768 + 64, 3 * 32768 + 64 - 13));

TEST_F(LauncherMainTest, AClickOnTheFrenchButtonStartsItsInstallerHiddenAndWaitsForIt) {
    HeadlessAddProgramFile("C:\\Varorizo\\setup_fra.exe");
    script_->Click(700, kFrenchTop + 40);
    EXPECT_EQ(LauncherMain(SW_SHOWNORMAL), 0);
    ASSERT_EQ(HeadlessProcessLog().size(), 1u);
    const StartedProcess& p = HeadlessProcessLog()[0];
    EXPECT_EQ(p.applicationName, "C:\\Varorizo\\setup_fra.exe");
    EXPECT_EQ(p.commandLine, "setup_fra.exe");
    EXPECT_TRUE(p.inheritHandles);
    EXPECT_EQ(p.creationFlags, 0x20u);
    EXPECT_EQ(p.startupFlags, 1u);
    EXPECT_EQ(p.showWindow, 0);
    EXPECT_TRUE(p.started);
    EXPECT_EQ(p.waits, 1);
    EXPECT_TRUE(p.closed);
    EXPECT_TRUE(HeadlessIsVisible(mainWindow));  // the window stays while the installer runs
}

TEST_F(LauncherMainTest, PressingBesideAndReleasingOverAButtonChoosesIt) {
    HeadlessAddProgramFile("C:\\Varorizo\\setup_ger.exe");
    script_->MoveTo(300, 300).Down().MoveTo(640, 90).Up();
    EXPECT_EQ(LauncherMain(SW_SHOWNORMAL), 0);
    ASSERT_EQ(HeadlessProcessLog().size(), 1u);
    EXPECT_EQ(HeadlessProcessLog()[0].commandLine, "setup_ger.exe");
}

TEST_F(LauncherMainTest, OtherInputStartsNothingAndACloseRequestEndsTheLauncher) {
    AddInstallers();
    script_
        ->Click(300, 300)  // the background
        .MoveTo(700, 450)  // Italian
        .Down(VK_RBUTTON)  // a right click on it
        .Up(VK_RBUTTON)
        .Key(VK_RETURN)  // a key and its character
        .Key('I')
        .Down()            // pressed on Italian ...
        .MoveTo(300, 590)  // ... and released off the buttons
        .Up()
        .Ticks(3);
    EXPECT_EQ(LauncherMain(SW_SHOWNORMAL), 0);
    EXPECT_TRUE(HeadlessProcessLog().empty());
    EXPECT_TRUE(HeadlessWindowExists(mainWindow));
}

TEST_F(LauncherMainTest, AMissingInstallerStartsNothingAndIsNotWaitedFor) {
    // Where a search by bare name would find one, but not in the launcher's own folder.
    HeadlessSetCurrentDirectory("D:\\downloads");
    HeadlessSetSearchPath({"E:\\tools"});
    for (const char* folder : {"D:\\downloads\\", "E:\\tools\\", "C:\\windows\\"}) {
        HeadlessAddProgramFile(std::string(folder) + "setup_ita.exe");
    }
    script_->Click(700, 419 + 40);
    EXPECT_EQ(LauncherMain(SW_SHOWNORMAL), 0);
    ASSERT_EQ(HeadlessProcessLog().size(), 1u);
    EXPECT_EQ(HeadlessProcessLog()[0].applicationName, "C:\\Varorizo\\setup_ita.exe");
    EXPECT_FALSE(HeadlessProcessLog()[0].started);
    EXPECT_EQ(HeadlessProcessLog()[0].waits, 0);
}

// While the installer runs for a minute, input, close requests and other buttons do nothing and
// a paint shows the last frame; no tick wakes the wait, and it lasts until the installer ends.
TEST_F(LauncherMainTest, WhileTheInstallerRunsOnlyPaintsAreAnsweredAndTheLauncherEndsWithIt) {
    AddInstallers();
    HeadlessSetProgramRunTime(60000);
    std::vector<uint32_t> lastFrame;
    bool unchanged = false;
    // Each step during the wait queues something, or the wait would run on to the end.
    script_->Click(700, kFrenchTop + 40)
        .Then([&] {
            lastFrame = ClientOnScreen();
            HeadlessClearMessageLog();
            MovePointerTo(700, 83 + 40);
        })
        .Down()
        .Up()
        .MoveTo(700, kEnglishTop + 40)
        .Key(VK_RETURN)
        .Then([] { OsPostMessage(mainWindow, WM_CLOSE, 0, 0); })
        .Then([] { OsRedrawWindow(mainWindow, nullptr, RDW_INVALIDATE); })
        .Then([&] { unchanged = ClientOnScreen() == lastFrame; })
        .AtEnd(nullptr);

    EXPECT_EQ(LauncherMain(SW_SHOWNORMAL), 0);
    ASSERT_EQ(HeadlessProcessLog().size(), 1u);
    EXPECT_EQ(HeadlessProcessLog()[0].commandLine, "setup_fra.exe");
    EXPECT_TRUE(HeadlessProcessLog()[0].closed);
    EXPECT_GE(HeadlessClock(), 60000u);
    EXPECT_TRUE(script_->Done());
    EXPECT_TRUE(unchanged);
    bool painted = false;
    bool ticked = false;
    for (const LoggedMessage& m : HeadlessMessageLog()) {
        painted |= m.message == WM_PAINT;
        ticked |= m.message == WM_TIMER;
    }
    EXPECT_TRUE(painted);
    EXPECT_FALSE(ticked);
}

TEST_F(LauncherMainTest, TheScreenShowsTheBackgroundAndAHoveredButtonFadesToItsLitPicture) {
    bool startedAsBackground = false;
    bool lit = false;
    bool halfway = false;
    bool restAgain = false;
    script_->Ticks(1)
        .Then([&] {
            const std::vector<uint32_t> client = ClientOnScreen();
            startedAsBackground = std::equal(client.begin(), client.end(), artBackground);
        })
        .MoveTo(700, kEnglishTop + 40)
        .Ticks(5)
        .Then([&] { halfway = activeList->items[1].level == 50; })
        .Ticks(5)
        .Then([&] { lit = ScreenShowsButton(artMenu[1].lit, kEnglishTop); })
        .MoveTo(300, 300)
        .Ticks(10)
        .Then([&] { restAgain = ScreenShowsButton(artMenu[1].rest, kEnglishTop); });
    EXPECT_EQ(LauncherMain(SW_SHOWNORMAL), 0);
    EXPECT_TRUE(startedAsBackground);
    EXPECT_TRUE(halfway);
    EXPECT_TRUE(lit);
    EXPECT_TRUE(restAgain);
}

TEST_F(LauncherMainTest, TheFourButtonsAreVisibleFadingImageButtonsOnTheRightEdge) {
    EXPECT_EQ(LauncherMain(SW_SHOWNORMAL), 0);
    ASSERT_NE(activeList, nullptr);
    ASSERT_EQ(activeList->count, 4);
    const uint8_t* rest[] = {artMenu[0].rest, artMenu[1].rest, artMenu[2].rest, artMenu[3].rest};
    const uint8_t* lit[] = {artMenu[0].lit, artMenu[1].lit, artMenu[2].lit, artMenu[3].lit};
    for (int32_t i = 0; i < 4; ++i) {
        const Control& c = activeList->items[i];
        EXPECT_EQ(c.visible, 1);
        EXPECT_EQ(c.id, 100 + i);
        EXPECT_EQ(c.x, 628);
        EXPECT_EQ(c.y, 83 + 112 * i);
        EXPECT_EQ(c.flags, static_cast<uint32_t>(FlagFade));
        EXPECT_EQ(c.imageNormal, rest[i]);  // drawn at level 0
        EXPECT_EQ(c.imageHover, lit[i]);
        EXPECT_EQ(c.imagePressed, lit[i]);
    }
}

TEST_F(LauncherMainTest, WithoutRoomForTheButtonsTheLauncherEndsQuietly) {
    FailAlignedAllocAfter(2);  // frame buffer and list head, but no slots
    EXPECT_EQ(LauncherMain(SW_SHOWNORMAL), 0);
    FailAlignedAllocAfter(-1);
    EXPECT_FALSE(HeadlessIsVisible(mainWindow));
    EXPECT_TRUE(HeadlessProcessLog().empty());
}

// A wait that nothing can end any more (no timer, no input to come) ends the launcher.
TEST_F(LauncherMainTest, AWaitThatCanNeverEndEndsTheLauncher) {
    script_->Then([] { OsKillTimer(mainWindow, kAnimationTimerId); }).AtEnd(nullptr);
    EXPECT_EQ(LauncherMain(SW_SHOWNORMAL), 0);
    EXPECT_TRUE(HeadlessProcessLog().empty());
}

// Keys on a script: "tab", "S-tab" (with Shift), "right", "home", "enter", "esc" and so on are
// pressed and released; a "+" after one presses it without a release, so that the next press
// of it repeats; "move:N" moves the pointer onto button N, "move:-" off the buttons.
void PlayKeys(InputScript& script, const std::string& keys) {
    static const std::map<std::string, uint32_t> kKeys = {
        {"tab", VK_TAB},     {"right", VK_RIGHT}, {"down", VK_DOWN}, {"left", VK_LEFT},
        {"up", VK_UP},       {"home", VK_HOME},   {"end", VK_END},   {"enter", VK_RETURN},
        {"space", VK_SPACE}, {"esc", VK_ESCAPE},  {"x", 'X'}};
    std::istringstream words(keys);
    for (std::string word; words >> word;) {
        if (word.rfind("move:", 0) == 0) {
            word == "move:-" ? script.MoveTo(300, 300)
                             : script.MoveTo(700, kArtButtonTop[word[5] - '0'] + 40);
            continue;
        }
        const bool held = word.back() == '+';
        const bool shift = word.rfind("S-", 0) == 0;
        const uint32_t key = kKeys.at(word.substr(shift ? 2 : 0, word.size() - held - 2 * shift));
        if (shift) script.Key(VK_SHIFT);
        script.Key(key);
        if (!held) script.KeyUp(key);
        if (shift) script.KeyUp(VK_SHIFT);
    }
}

struct KeyRun {
    const char* what;
    bool keysChoose;
    const char* language;  // LC_ALL
    const char* keys;      // before the lit button is looked at
    int32_t lit;           // the one button fully lit then, or -1
    const char* then;      // keys after that
    const char* started;   // the installer started in the end, or null
};

const KeyRun kKeyRuns[] = {
    {"keys off: nothing lights or starts", false, "fr_FR", "tab right enter", -1, "enter", nullptr},
    {"the first key focuses the user's language", true, "fr_FR.UTF-8", "tab", 2, "enter",
     "setup_fra.exe"},
    {"no button in it: the first; released, the key chooses", true, "pt_BR", "space", 0, "space",
     "setup_ger.exe"},
    {"other keys move nothing", true, "it", "x tab x", 3, "", nullptr},
    {"forward wraps round, once a repeat", true, "fr", "tab+ tab+ tab", 0, "enter",
     "setup_ger.exe"},
    {"backward wraps round", true, "de_DE", "tab S-tab up left tab", 2, "enter", "setup_fra.exe"},
    {"end and home", true, "de", "right end", 3, "home enter", "setup_ger.exe"},
    {"the pointer takes over, keys go on from it", true, "de", "tab move:2", 2, "down enter",
     "setup_ita.exe"},
    {"Enter only focuses what the pointer lit", true, "de", "move:3 enter", 3, "", nullptr},
    {"the pointer gone, the first key starts over", true, "fr", "move:3 move:- tab", 2, "",
     nullptr},
    {"a held Enter starts nothing", true, "fr", "enter+ enter+ enter+", 2, "", nullptr},
    {"Escape closes, starting nothing", true, "fr", "tab", 2, "esc enter", nullptr},
};

TEST_F(LauncherMainTest, KeysMoveALitFocusOverTheButtonsAndChooseOnlyWhenOn) {
    const char* before = std::getenv("LC_ALL");
    const std::string saved = before != nullptr ? before : "";
    for (const KeyRun& run : kKeyRuns) {
        SCOPED_TRACE(run.what);
        TearDown();
        SetUp();
        setenv("LC_ALL", run.language, 1);
        AddInstallers();
        PlayKeys(*script_, run.keys);
        script_->Ticks(12).Then([&run] {
            for (int32_t i = 0; i < activeList->count; ++i) {
                EXPECT_EQ(activeList->items[i].level, i == run.lit ? 100 : 0) << "button " << i;
            }
        });
        PlayKeys(*script_, run.then);
        script_->Ticks(3);
        EXPECT_EQ(LauncherMain(SW_SHOWNORMAL, run.keysChoose), 0);
        ASSERT_EQ(HeadlessProcessLog().size(), run.started != nullptr ? 1u : 0u);
        if (run.started != nullptr) {
            EXPECT_EQ(HeadlessProcessLog()[0].commandLine, run.started);
        }
    }
    if (before != nullptr) {
        setenv("LC_ALL", saved.c_str(), 1);
    } else {
        unsetenv("LC_ALL");
    }
}

}  // namespace
