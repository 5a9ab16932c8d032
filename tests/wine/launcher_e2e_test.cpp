// The real launcher under Wine, driven with real pointer input: what the screen shows, which
// installer starts and how, and the exit code.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "artwork/artwork.h"
#include "tests/wine/unix_tools.h"

namespace {

const int32_t kTop[4] = {83, 195, 307, 419};
enum Language { German, English, French, Italian };
const char* const kInstaller[4] = {"setup_ger.exe", "setup_eng.exe", "setup_fra.exe",
                                   "setup_ita.exe"};

std::string WindowsPath(std::string unixPath) {
    for (char& c : unixPath) {
        if (c == '/') c = '\\';
    }
    return "Z:" + unixPath;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Removes a folder of plain files.
void RemoveFolder(const std::string& folder) {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            DeleteFileA((folder + found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

// A fresh folder with the launcher and the stand-in installers, and a separate current
// directory; the launcher runs from there until it ends.
class LauncherEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        root = std::string(temp) + "varorizo-e2e-" + std::to_string(GetCurrentProcessId()) + "\\";
        app = root + "app\\";
        current = root + "current\\";
        CreateDirectoryA(root.c_str(), nullptr);
        CreateDirectoryA(app.c_str(), nullptr);
        CreateDirectoryA(current.c_str(), nullptr);
        ASSERT_TRUE(CopyFileA(WindowsPath(VARORIZO_LAUNCHER).c_str(),
                              (app + "launcher.exe").c_str(), FALSE));
    }
    void TearDown() override {
        if (process != nullptr) {
            TerminateProcess(process, 1);
            CloseHandle(process);
        }
        for (const std::string& folder : {app, current}) RemoveFolder(folder);
        RemoveDirectoryA(root.c_str());
    }
    void InstallStandIn(const std::string& folder, const char* name) {
        ASSERT_TRUE(
            CopyFileA(WindowsPath(VARORIZO_STANDIN).c_str(), (folder + name).c_str(), FALSE));
    }
    void Start() {
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        std::string path = app + "launcher.exe";
        char commandLine[] = "launcher.exe";
        ASSERT_TRUE(CreateProcessA(path.c_str(), commandLine, nullptr, nullptr, FALSE, 0, nullptr,
                                   current.c_str(), &startup, &info));
        CloseHandle(info.hThread);
        process = info.hProcess;
        for (int32_t i = 0; i < 200 && window == nullptr; ++i) {
            Sleep(25);
            window = FindWindowA("Varorizo", "Varorizo");
        }
        ASSERT_NE(window, nullptr);
        Sleep(700);  // the first paints
        POINT p{0, 0};
        ClientToScreen(window, &p);
        origin = p;
    }
    // Waits for the launcher to end; returns its exit code, or -1 if it is still running.
    int32_t WaitForExit(DWORD milliseconds) {
        if (WaitForSingleObject(process, milliseconds) != WAIT_OBJECT_0) return -1;
        DWORD code = 1;
        GetExitCodeProcess(process, &code);
        CloseHandle(process);
        process = nullptr;
        return static_cast<int32_t>(code);
    }
    void Pointer(const std::string& action) { ASSERT_TRUE(RunUnixCommand("xdotool " + action)); }
    void MoveTo(int32_t x, int32_t y) {
        Pointer("mousemove " + std::to_string(origin.x + x) + " " + std::to_string(origin.y + y));
    }
    void ClickButton(Language language) {
        MoveTo(700, kTop[language] + 45);
        Sleep(100);
        Pointer("click 1");
    }
    // Whether the client area's rectangle at the button shows the picture exactly.
    bool ScreenShowsButton(const uint8_t* picture, Language language) {
        int32_t width = 0;
        int32_t height = 0;
        std::vector<uint32_t> screen = ScreenShot(&width, &height);
        if (screen.empty()) return false;
        for (int32_t y = 0; y < 93; ++y) {
            for (int32_t x = 0; x < 156; ++x) {
                const uint8_t* rgb = picture + 3 * (y * 156 + x);
                uint32_t expected = uint32_t{rgb[0]} << 16 | uint32_t{rgb[1]} << 8 | rgb[2];
                size_t at = size_t(origin.y + kTop[language] + y) * size_t(width) +
                            size_t(origin.x + 628 + x);
                if (screen[at] != expected) return false;
            }
        }
        return true;
    }

    std::string root, app, current;
    HANDLE process = nullptr;
    HWND window = nullptr;
    POINT origin{};
};

TEST_F(LauncherEndToEndTest, TheWindowShowsTheBackgroundAndAHoveredButtonLightsUp) {
    Start();
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> screen = ScreenShot(&width, &height);
    ASSERT_FALSE(screen.empty());
    int32_t mismatches = 0;
    for (int32_t y = 0; y < 600; ++y) {
        for (int32_t x = 0; x < 800; ++x) {
            uint32_t seen = screen[size_t(origin.y + y) * size_t(width) + size_t(origin.x + x)];
            mismatches += seen != artBackground[y * 800 + x];
        }
    }
    EXPECT_EQ(mismatches, 0);

    MoveTo(700, kTop[English] + 45);
    Sleep(800);  // ten ticks of 25 ms and more
    EXPECT_TRUE(ScreenShowsButton(artButtonEnglishLit, English));
    MoveTo(300, 300);
    Sleep(800);
    EXPECT_TRUE(ScreenShowsButton(artButtonEnglishRest, English));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(5000), 0);
}

TEST_F(LauncherEndToEndTest, AClickOnFrenchStartsItsInstallerHiddenAndEndsAfterIt) {
    for (const char* name : kInstaller) InstallStandIn(app, name);
    Start();
    ClickButton(French);
    EXPECT_EQ(WaitForExit(500), -1);  // still waiting for the installer
    EXPECT_EQ(WaitForExit(10000), 0);
    std::string log = ReadFile(app + "standin.log");
    EXPECT_NE(log.find("command=setup_fra.exe\n"), std::string::npos) << log;
    EXPECT_NE(log.find("flags=1\nshow=0\n"), std::string::npos) << log;
    EXPECT_NE(log.find("ended\n"), std::string::npos) << log;  // ended before the launcher
    std::string directory = current.substr(0, current.size() - 1);
    EXPECT_NE(log.find("directory=" + directory + "\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("command=", log.find("command=") + 1), std::string::npos) << log;
}

TEST_F(LauncherEndToEndTest, PressingBesideAndReleasingOverFrenchChoosesFrench) {
    for (const char* name : kInstaller) InstallStandIn(app, name);
    Start();
    MoveTo(300, 350);
    Pointer("mousedown 1");
    MoveTo(700, kTop[French] + 45);
    Pointer("mouseup 1");
    EXPECT_EQ(WaitForExit(10000), 0);
    EXPECT_NE(ReadFile(app + "standin.log").find("command=setup_fra.exe\n"), std::string::npos);
}

TEST_F(LauncherEndToEndTest, OtherInputStartsNothingAndACloseRequestEndsWithZero) {
    for (const char* name : kInstaller) InstallStandIn(app, name);
    Start();
    MoveTo(300, 350);
    Pointer("click 1");
    MoveTo(700, kTop[Italian] + 45);
    Pointer("click 3");
    Pointer("key a Return space");
    Pointer("mousedown 1");
    MoveTo(300, 580);
    Pointer("mouseup 1");
    Sleep(500);
    EXPECT_EQ(WaitForExit(0), -1);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(5000), 0);
    EXPECT_FALSE(Exists(app + "standin.log"));
}

TEST_F(LauncherEndToEndTest, AnInstallerOnlyInTheCurrentDirectoryIsNeverStarted) {
    for (const char* name : kInstaller) {
        if (std::string(name) != "setup_ita.exe") InstallStandIn(app, name);
    }
    InstallStandIn(current, "setup_ita.exe");
    Start();
    ClickButton(Italian);
    EXPECT_EQ(WaitForExit(5000), 0);
    Sleep(300);
    EXPECT_FALSE(Exists(current + "standin.log"));
    EXPECT_FALSE(Exists(app + "standin.log"));
}

}  // namespace
