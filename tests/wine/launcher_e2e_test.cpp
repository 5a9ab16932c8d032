// The real launcher under Wine, driven with real pointer and key input: what the screen shows,
// which installer starts and how, how it waits, every way to close it, and which libraries it
// loads. Paths are UTF-8 here and go to the wide-character calls, so folder names in any script
// work (Wine maps them to Unix names through LC_ALL, which the test's CMake sets to C.UTF-8).
#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "artwork/artwork.h"
#include "tests/wine/win_events.h"
#include "tests/wine/wine_fixture.h"

namespace {

const int32_t kTop[4] = {83, 195, 307, 419};
enum Language { German, English, French, Italian };
const char* const kInstaller[4] = {"setup_ger.exe", "setup_eng.exe", "setup_fra.exe",
                                   "setup_ita.exe"};
// The product of tests/release/custom_product.cmake, which builds it with these settings and
// this menu of three buttons of their own sizes and colours on a plain background.
const char kCustomProduct[] = "Ångström Studio 製品";
const wchar_t kCustomProductWide[] = L"Ångström Studio 製品";
const struct {
    RECT place;
    uint32_t lit;
    const char* run;
} kCustomMenu[3] = {{{40, 60, 240, 110}, 0xe0a020, "Breit.exe"},
                    {{300, 200, 390, 340}, 0x20c060, "setup.exe"},
                    {{700, 540, 740, 570}, 0xc02060, "Größe.exe"}};

// The name for file calls: with the \\?\ prefix, paths longer than 260 characters work too.
std::wstring FileName(const std::string& path) {
    return L"\\\\?\\" + Wide(path);
}

std::string ReadFile(const std::string& path) {
    std::string text;
    if (FILE* file = _wfopen(FileName(path).c_str(), L"rb")) {
        char chunk[4096];
        size_t got = 0;
        while ((got = std::fread(chunk, 1, sizeof(chunk), file)) > 0) text.append(chunk, got);
        std::fclose(file);
    }
    return text;
}

void WriteFile(const std::string& path, const std::string& text) {
    if (FILE* file = _wfopen(FileName(path).c_str(), L"wb")) {
        std::fputs(text.c_str(), file);
        std::fclose(file);
    }
}

bool Exists(const std::string& path) {
    return GetFileAttributesW(FileName(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// Removes a folder with everything in it.
void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(FileName(folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            std::string path = folder + Utf8(name);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path + "\\");
            } else {
                DeleteFileW(FileName(path).c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(FileName(folder).c_str());
}

// Values under a key of HKEY_CURRENT_USER, taken away again at the end of the scope (with the
// key, if it was made here).
class ScopedSettings {
public:
    explicit ScopedSettings(const std::wstring& key) : key_(key) {
        DWORD disposition = 0;
        RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &handle_, &disposition);
        created_ = disposition == REG_CREATED_NEW_KEY;
    }
    ~ScopedSettings() {
        for (const std::wstring& name : names_) RegDeleteValueW(handle_, name.c_str());
        RegCloseKey(handle_);
        if (created_) RegDeleteKeyW(HKEY_CURRENT_USER, key_.c_str());
    }
    void Set(const std::wstring& name, const std::wstring& text) {
        Store(name, REG_SZ, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    }
    void Set(const std::wstring& name, DWORD number) {
        Store(name, REG_DWORD, &number, sizeof(number));
    }

private:
    void Store(const std::wstring& name, DWORD type, const void* data, size_t size) {
        RegSetValueExW(handle_, name.c_str(), 0, type, static_cast<const BYTE*>(data),
                       static_cast<DWORD>(size));
        names_.push_back(name);
    }
    std::wstring key_;
    HKEY handle_ = nullptr;
    bool created_ = false;
    std::vector<std::wstring> names_;
};

// Wine's settings for the launcher alone.
const std::wstring kLauncherSettings = L"Software\\Wine\\AppDefaults\\launcher.exe\\";

// A fresh folder with the launcher and the stand-in installers, and a separate current
// directory; the launcher runs from there until it ends.
class LauncherEndToEndTest : public WineWindowTest {
protected:
    void SetUp() override {
        // A launcher that crashes ends at once instead of waiting in Wine's crash dialog.
        noCrashDialog.Set(L"ShowCrashDialog", DWORD{0});
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        root = Utf8(temp) + "varorizo-e2e-" + std::to_string(GetCurrentProcessId()) + "\\";
        current = root + "current\\";
        CreateDirectoryW(FileName(root).c_str(), nullptr);
        CreateDirectoryW(FileName(current).c_str(), nullptr);
        UseLauncherFolder("app");
    }
    void TearDown() override {
        program.End();
        RemoveTree(root);
    }
    // Puts the launcher into `name` (one or more folders, separated by backslashes) in the root.
    void UseLauncherFolder(const std::string& name, const std::string& file = "launcher.exe") {
        launcherFile = file;
        app = root;
        for (size_t from = 0; from <= name.size();) {
            size_t to = std::min(name.find('\\', from), name.size());
            app += name.substr(from, to - from) + "\\";
            CreateDirectoryW(FileName(app).c_str(), nullptr);
            from = to + 1;
        }
        ASSERT_TRUE(CopyFileW(Wide(WindowsPath(VARORIZO_LAUNCHER)).c_str(),
                              FileName(app + launcherFile).c_str(), FALSE));
    }
    void InstallStandIn(const std::string& folder, const char* name) {
        ASSERT_TRUE(CopyFileW(Wide(WindowsPath(VARORIZO_STANDIN)).c_str(),
                              FileName(folder + name).c_str(), FALSE));
    }
    void InstallAllStandIns() {
        for (const char* name : kInstaller) InstallStandIn(app, name);
    }
    // The stand-ins' run time, and that of the further program they leave running.
    void StandInRunsFor(uint32_t milliseconds, uint32_t childMilliseconds = 0) {
        WriteFile(app + "standin.run",
                  std::to_string(milliseconds) + " " + std::to_string(childMilliseconds));
    }
    // The other product's launcher, with a stand-in behind each button of its menu, started.
    void StartCustomMenu();
    // Starts the launcher, with a show command in its start-up information if one is given.
    void Start(int32_t showCommand = -1, const char* product = "Varorizo") {
        StartProgram(app + launcherFile, "", current, showCommand, product, nullptr);
    }
    // Runs one more launcher from the launcher's folder; its exit code, or -1 if it runs on.
    int32_t RunAnother(const std::string& file) {
        WineProgram another;
        if (!another.Start(app + file, "", current)) return -1;
        return another.WaitForExit(10000);
    }
    // Waits for the launcher to end; returns its exit code, or -1 if it is still running.
    int32_t WaitForExit(DWORD milliseconds) { return program.WaitForExit(milliseconds); }
    // Waits until the stand-ins' log holds `text`.
    bool LogShows(const std::string& text, DWORD milliseconds) {
        return Eventually(
            [&] { return ReadFile(app + "standin.log").find(text) != std::string::npos; },
            milliseconds);
    }
    void ClickButton(Language language) { ClickAt(700, kTop[language] + 45); }
    // The screen position of the frame's part `hit` (HTCLOSE, ...) on the caption's middle line.
    POINT FramePart(LRESULT hit) {
        RECT outer{};
        GetWindowRect(window, &outer);
        int32_t y = (outer.top + origin.y) / 2;
        for (int32_t x = outer.right - 1; x > outer.left; --x) {
            if (SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == hit) return POINT{x, y};
        }
        ADD_FAILURE() << "no frame part " << hit;
        return POINT{0, 0};
    }
    // Whether the client area's rectangle at the button shows the picture exactly.
    bool ScreenShowsButton(const uint8_t* picture, Language language) {
        std::vector<uint32_t> client = ClientShot();
        if (client.empty()) return false;
        for (int32_t y = 0; y < 93; ++y) {
            for (int32_t x = 0; x < 156; ++x) {
                const uint8_t* rgb = picture + 3 * (y * 156 + x);
                uint32_t expected = uint32_t{rgb[0]} << 16 | uint32_t{rgb[1]} << 8 | rgb[2];
                if (client[size_t(kTop[language] + y) * 800 + size_t(628 + x)] != expected) {
                    return false;
                }
            }
        }
        return true;
    }
    // Whether the client area left of the buttons shows the background exactly.
    static bool ShowsBackgroundLeftOfTheButtons(const std::vector<uint32_t>& client) {
        if (client.size() != 800 * 600) return false;
        for (size_t y = 0; y < 600; ++y) {
            for (size_t x = 0; x < 600; ++x) {
                if (client[y * 800 + x] != artBackground[y * 800 + x]) return false;
            }
        }
        return true;
    }

    ScopedSettings noCrashDialog{L"Software\\Wine\\WineDbg"};
    std::string root, app, current, launcherFile;
};

TEST_F(LauncherEndToEndTest, TheWindowShowsTheBackgroundAndAHoveredButtonLightsUp) {
    Start();
    std::vector<uint32_t> client = ClientShot();
    EXPECT_TRUE(std::equal(client.begin(), client.end(), artBackground, artBackground + 800 * 600));

    MoveTo(700, kTop[English] + 45);
    Sleep(800);  // ten ticks of 25 ms and more
    EXPECT_TRUE(ScreenShowsButton(artMenu[1].lit, English));
    MoveTo(300, 300);
    Sleep(800);
    EXPECT_TRUE(ScreenShowsButton(artMenu[1].rest, English));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(5000), 0);
}

TEST_F(LauncherEndToEndTest, AClickOnFrenchStartsItsInstallerHiddenAndEndsAfterIt) {
    InstallAllStandIns();
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
    EXPECT_EQ(Count(log, "command="), 1u) << log;
}

TEST_F(LauncherEndToEndTest, PressingBesideAndReleasingOverFrenchChoosesFrench) {
    InstallAllStandIns();
    Start();
    MoveTo(300, 350);
    Xdotool("mousedown 1");
    MoveTo(700, kTop[French] + 45);
    Xdotool("mouseup 1");
    EXPECT_EQ(WaitForExit(10000), 0);
    EXPECT_NE(ReadFile(app + "standin.log").find("command=setup_fra.exe\n"), std::string::npos);
}

TEST_F(LauncherEndToEndTest, OtherInputStartsNothingAndACloseRequestEndsWithZero) {
    InstallAllStandIns();
    Start();
    MoveTo(300, 350);
    Xdotool("click 1");
    MoveTo(700, kTop[Italian] + 45);
    Xdotool("click 3");
    Xdotool("key a Return space");
    Xdotool("mousedown 1");
    MoveTo(300, 580);
    Xdotool("mouseup 1");
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

// Each folder name lies outside the Western code page or has spaces; each button is tried once.
TEST_F(LauncherEndToEndTest, FromAFolderNamedInAnyScriptEachButtonStartsItsOwnInstaller) {
    const struct {
        const char* folder;
        Language language;
    } cases[] = {
        {"Łódź instalator", German},
        {"インストーラー", English},
        {"Установка программы", Italian},
        {"Setup files of 2024", French},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        UseLauncherFolder(c.folder);
        InstallAllStandIns();
        StandInRunsFor(100);
        Start();
        ClickButton(c.language);
        EXPECT_EQ(WaitForExit(10000), 0);
        std::string log = ReadFile(app + "standin.log");
        EXPECT_NE(log.find(std::string("command=") + kInstaller[c.language] + "\n"),
                  std::string::npos)
            << log;
        EXPECT_EQ(Count(log, "command="), 1u) << log;
        program.End();
    }
}

// Beyond the classic 260 characters the platform may refuse the start (Wine does, and cannot
// start a program from such a path at all): then nothing starts and the launcher ends with 0.
TEST_F(LauncherEndToEndTest, AnInstallerPathBeyond260CharactersWorksOrEndsCleanly) {
    const size_t folderLength = 250;  // + "l.exe" fits in 260, + "setup_ger.exe" does not
    std::string name;
    while (root.size() + name.size() + 81 < folderLength) name += std::string(40, 'd') + "\\";
    name += std::string(folderLength - root.size() - name.size() - 1, 'e');
    UseLauncherFolder(name, "l.exe");
    ASSERT_EQ(app.size(), folderLength);
    InstallAllStandIns();
    StandInRunsFor(100);
    Start();
    ClickButton(German);
    EXPECT_EQ(WaitForExit(10000), 0);
    std::string log = ReadFile(app + "standin.log");
    EXPECT_TRUE(log.empty() || (log.find("command=setup_ger.exe\n") != std::string::npos &&
                                Count(log, "command=") == 1))
        << log;
}

// The installer runs until the test ends it, and leaves a further program running.
TEST_F(LauncherEndToEndTest, WhileItsInstallerRunsTheLauncherAnswersIgnoresInputAndThenEnds) {
    InstallAllStandIns();
    StandInRunsFor(60000, 60000);
    Start();
    ClickButton(French);
    ASSERT_TRUE(LogShows("command=", 5000));
    Sleep(700);  // the last paints of the fade
    std::vector<uint32_t> lastFrame = ClientShot();
    EXPECT_TRUE(ShowsBackgroundLeftOfTheButtons(lastFrame));

    // Other buttons, keys, Alt+F4 and a close request; a window laid over the launcher and
    // taken away again, which asks it to repaint.
    ClickButton(German);
    ClickButton(Italian);
    MoveTo(700, kTop[English] + 45);
    Keys("Return alt+F4");
    PostMessageW(window, WM_CLOSE, 0, 0);
    HWND cover =
        CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, origin.x + 100,
                        origin.y + 100, 500, 400, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(cover, nullptr);
    DispatchFor(300);
    DestroyWindow(cover);
    Sleep(5000);  // longer than the system waits before it calls a window hung

    DWORD_PTR answer = 0;
    EXPECT_NE(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer), 0);
    EXPECT_FALSE(IsHungAppWindow(window));
    EXPECT_EQ(WaitForExit(0), -1);
    EXPECT_TRUE(ClientShot() == lastFrame);

    WriteFile(app + "standin.stop", "");
    EXPECT_EQ(WaitForExit(10000), 0);
    std::string log = ReadFile(app + "standin.log");
    EXPECT_NE(log.find("ended\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("child ended\n"), std::string::npos) << log;  // it runs on
    EXPECT_EQ(Count(log, "command="), 1u) << log;
    EXPECT_NE(log.find("command=setup_fra.exe\n"), std::string::npos) << log;
    WriteFile(app + "child.stop", "");
    EXPECT_TRUE(LogShows("child ended\n", 10000));  // before its files are removed
}

TEST_F(LauncherEndToEndTest, TheCloseBoxTheSystemMenusCloseAndAltF4EachEndTheLauncherWithZero) {
    // Wine draws the caption, system menu icon and close box into the window itself: without a
    // window manager in the X display there is no other frame.
    ScopedSettings x11(kLauncherSettings + L"X11 Driver");
    x11.Set(L"Decorated", L"N");
    InstallAllStandIns();
    enum Way { CloseBox, SystemMenu, AltF4 };
    for (Way way : {CloseBox, SystemMenu, AltF4}) {
        SCOPED_TRACE(way);
        Start();
        if (way == CloseBox) {
            POINT box = FramePart(HTCLOSE);
            Xdotool("mousemove " + std::to_string(box.x) + " " + std::to_string(box.y));
            Xdotool("click 1");
        } else if (way == SystemMenu) {
            Keys("alt+space");  // opens the system menu; its Close item is C
            Sleep(300);
            Xdotool("key c");
        } else {
            Keys("alt+F4");
        }
        EXPECT_EQ(WaitForExit(5000), 0);
        program.End();
    }
    EXPECT_FALSE(Exists(app + "standin.log"));
}

TEST_F(LauncherEndToEndTest, AMinimisedStartShowsTheWindowMinimised) {
    Start(SW_SHOWMINNOACTIVE);
    EXPECT_TRUE(IsIconic(window));
    EXPECT_TRUE(IsWindowVisible(window));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(5000), 0);
}

// Wine prefers its built-in libraries; for these names the launcher is told to prefer files
// found on the search path, as Windows does for libraries that are not among its known ones
// (the registry form of WINEDLLOVERRIDES=version,...=n,b, which a started program would not
// inherit from this one's environment). A screen reader's question loads the accessibility
// libraries too.
TEST_F(LauncherEndToEndTest, LibrariesPlantedBesideTheLauncherAreNeverLoaded) {
    ScopedSettings overrides(kLauncherSettings + L"DllOverrides");
    for (const wchar_t* name : {L"version", L"imm32", L"sechost", L"uxtheme", L"dwmapi",
                                L"cryptbase", L"oleacc", L"oleaut32"}) {
        ASSERT_TRUE(CopyFileW(Wide(WindowsPath(VARORIZO_PLANTED)).c_str(),
                              FileName(app + Utf8(name) + ".dll").c_str(), FALSE));
        overrides.Set(name, L"native,builtin");
    }
    Start();
    MoveTo(700, kTop[German] + 45);
    Sleep(500);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible* reader = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                         reinterpret_cast<void**>(&reader)),
              S_OK);
    reader->Release();
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(5000), 0);
    EXPECT_EQ(ReadFile(app + "planted.log"), "");
}

// One launcher of a product at a time. A second one starts nothing and ends with 0: while the
// first is at its menu it brings the first one's window to the front, out of its minimised state
// or from behind another program's window; while the first waits for its installer it leaves that
// window as it is.
TEST_F(LauncherEndToEndTest, ASecondLauncherOfTheProductEndsWithZeroAndStartsNothing) {
    InstallAllStandIns();
    StandInRunsFor(60000);
    Start();
    for (bool installing : {false, true}) {
        if (installing) {
            ClickButton(French);
            ASSERT_TRUE(LogShows("command=", 5000));
        }
        for (bool minimised : {false, true}) {
            SCOPED_TRACE(std::string(installing ? "while installing" : "at the menu") +
                         (minimised ? ", minimised" : ", behind another window"));
            HWND other = nullptr;
            if (minimised) {
                ShowWindowAsync(window, SW_MINIMIZE);
                ASSERT_TRUE(Eventually([this] { return IsIconic(window) != 0; }));
            } else {
                other = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                        300, 200, nullptr, nullptr, nullptr, nullptr);
                ASSERT_NE(other, nullptr);
                SetForegroundWindow(other);
                ASSERT_TRUE(Eventually([other] { return GetForegroundWindow() == other; }));
            }
            EXPECT_EQ(RunAnother(launcherFile), 0);
            const bool broughtForward = Eventually([this, minimised] {
                return minimised ? IsIconic(window) == 0 : GetForegroundWindow() == window;
            });
            EXPECT_EQ(broughtForward, !installing);
            EXPECT_EQ(WaitForExit(0), -1);
            if (other != nullptr) DestroyWindow(other);
        }
    }
    EXPECT_EQ(Count(ReadFile(app + "standin.log"), "command="), 1u);
    WriteFile(app + "standin.stop", "");
    EXPECT_EQ(WaitForExit(10000), 0);
}

// The other product's launcher, with a stand-in behind each button of its menu, started.
void LauncherEndToEndTest::StartCustomMenu() {
    ASSERT_TRUE(CopyFileW(Wide(WindowsPath(VARORIZO_CUSTOM_LAUNCHER)).c_str(),
                          FileName(app + "custom.exe").c_str(), FALSE));
    launcherFile = "custom.exe";
    for (const auto& button : kCustomMenu) InstallStandIn(app, button.run);
    Start(-1, kCustomProduct);
}

// An integrator's menu: each button lights at its own place and size, and the chosen one's
// program, named outside ASCII, gets the arguments as argv[1] on.
TEST_F(LauncherEndToEndTest, AnIntegratorsMenuLightsItsOwnButtonsAndPassesTheArguments) {
    StartCustomMenu();
    for (const auto& button : kCustomMenu) {
        const RECT& r = button.place;
        MoveTo((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        Sleep(800);
        std::vector<uint32_t> client = ClientShot();
        ASSERT_EQ(client.size(), 800u * 600u);
        size_t lit = 0;
        for (size_t i = 0; i < client.size(); ++i) lit += client[i] == button.lit;
        EXPECT_EQ(lit, size_t(r.right - r.left) * size_t(r.bottom - r.top)) << button.run;
        EXPECT_EQ(client[size_t(r.top) * 800 + size_t(r.left)], button.lit) << button.run;
        EXPECT_EQ(client[size_t(r.bottom - 1) * 800 + size_t(r.right - 1)], button.lit);
    }
    Xdotool("click 1");
    EXPECT_EQ(WaitForExit(10000), 0);
    const std::string log = ReadFile(app + "standin.log");
    EXPECT_NE(log.find("command=\"" + app +
                       "Größe.exe\" /LANG=de /DIR=\"C:\\My Apps\" say "
                       "\\\"hi\\\" \"a b\"\n"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("arg=/LANG=de\narg=/DIR=C:\\My Apps\narg=say\narg=\"hi\"\narg=a b\n"),
              std::string::npos)
        << log;
    EXPECT_EQ(Count(log, "command="), 1u) << log;
}

// With keys on (the other product), the first key focuses the button in the user's language
// (English here), the next moves on, and Enter starts the focused button's program. A reader
// listening from another process hears each focus move, and finds the focused button.
TEST_F(LauncherEndToEndTest, KeysLightAndChooseAButtonAndReadersHearEachFocus) {
    StartCustomMenu();
    WinEventListener listener(program.Id(), EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS);
    listener.HeardAfter(300);  // the hook is in place once this thread has looked at its queue
    const std::pair<const char*, LONG> steps[] = {{"Tab", 1}, {"shift+Tab", 0}, {"Left", 2}};
    for (const auto& [key, button] : steps) {
        Keys(key);
        const RECT& r = kCustomMenu[button].place;
        std::vector<uint32_t> client;
        ASSERT_TRUE(Eventually([&] {
            client = ClientShot();
            return client.size() == 800u * 600u &&
                   client[size_t(r.top) * 800 + size_t(r.left)] == kCustomMenu[button].lit;
        })) << key;
        EXPECT_EQ(client[size_t(r.bottom - 1) * 800 + size_t(r.right - 1)], kCustomMenu[button].lit)
            << key;
    }
    std::vector<LONG> children;
    for (const HeardEvent& e : listener.HeardAfter(500)) {
        if (e.window == window && e.object == OBJID_CLIENT) children.push_back(e.child);
    }
    EXPECT_EQ(children, (std::vector<LONG>{2, 1, 3}));
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible* reader = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                         reinterpret_cast<void**>(&reader)),
              S_OK);
    VARIANT focus{};
    EXPECT_EQ(reader->get_accFocus(&focus), S_OK);
    EXPECT_EQ(focus.vt == VT_I4 ? focus.lVal : -1, 3);
    reader->Release();
    CoUninitialize();
    Keys("Return");
    EXPECT_EQ(WaitForExit(10000), 0);
    EXPECT_EQ(Count(ReadFile(app + "standin.log"), "command=\"" + app + "Größe.exe\""), 1u);
}

// The guard is named after the product: a launcher of another product runs beside the first, and
// its title, in any script, reads back as written.
TEST_F(LauncherEndToEndTest, ALauncherOfAnotherProductRunsBesideTheFirstUnderItsOwnName) {
    Start();
    ASSERT_TRUE(CopyFileW(Wide(WindowsPath(VARORIZO_CUSTOM_LAUNCHER)).c_str(),
                          FileName(app + "custom.exe").c_str(), FALSE));
    WineProgram custom;
    ASSERT_TRUE(custom.Start(app + "custom.exe", "", current));
    HWND customWindow = custom.WaitForWindow(kCustomProduct, nullptr);
    ASSERT_NE(customWindow, nullptr);
    // The title is set once the window is made, before it is shown.
    ASSERT_TRUE(Eventually([customWindow] { return IsWindowVisible(customWindow) != 0; }));
    wchar_t title[64] = {};
    GetWindowTextW(customWindow, title, 64);
    EXPECT_STREQ(title, kCustomProductWide);
    EXPECT_EQ(WaitForExit(0), -1);
    PostMessageW(customWindow, WM_CLOSE, 0, 0);
    EXPECT_EQ(custom.WaitForExit(5000), 0);
}

// Both files of that product, as their properties show them: its name, version, maker and
// copyright line, and the version's four numbers.
TEST(CustomProductTest, BothFilesCarryTheProductsVersionInformation) {
    const struct {
        const wchar_t* name;
        const wchar_t* value;
    } texts[] = {
        {L"ProductName", kCustomProductWide}, {L"ProductVersion", L"2.08.17.3"},
        {L"FileVersion", L"2.08.17.3"},       {L"CompanyName", L"Acme \"Tools\" \\ Ltd"},
        {L"LegalCopyright", L"© 2031 Acme"},
    };
    for (const char* file : {VARORIZO_CUSTOM_LAUNCHER, VARORIZO_CUSTOM_CARTOONS}) {
        SCOPED_TRACE(file);
        const std::wstring path = Wide(WindowsPath(file));
        std::vector<uint8_t> info(GetFileVersionInfoSizeW(path.c_str(), nullptr));
        ASSERT_FALSE(info.empty());
        ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, DWORD(info.size()), info.data()));
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
        EXPECT_EQ(fixed->dwFileVersionMS, 0x00020008u);
        EXPECT_EQ(fixed->dwFileVersionLS, 0x00110003u);
        EXPECT_EQ(fixed->dwProductVersionMS, 0x00020008u);
        EXPECT_EQ(fixed->dwProductVersionLS, 0x00110003u);
        for (const auto& text : texts) {
            std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + text.name;
            wchar_t* value = nullptr;
            ASSERT_TRUE(VerQueryValueW(info.data(), key.c_str(), reinterpret_cast<void**>(&value),
                                       &length));
            EXPECT_STREQ(value, text.value);
        }
    }
}

}  // namespace
