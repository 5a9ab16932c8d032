// A screen reader's view under Wine: this test is an MSAA client that reads the launcher's and
// the gallery's windows in their own processes, while real pointer input changes them.
#include <windows.h>

#include <oleacc.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>

#include "tests/wine/unix_tools.h"
#include "tests/wine/win_events.h"

namespace {

using Box = std::array<LONG, 4>;  // left and top in the client area, width, height

VARIANT Child(LONG id) {
    VARIANT v{};
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

class ReaderTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (reader != nullptr) reader->Release();
        TerminateProcess(program.hProcess, 1);
        WaitForSingleObject(program.hProcess, 5000);
    }
    // Starts the built program (a Unix path) and waits for its window's first paints.
    void Start(std::string path, const char* arguments, const char* title) {
        std::replace(path.begin(), path.end(), '/', '\\');
        std::string line = "\"Z:" + path + "\" " + arguments;
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &program));
        for (int32_t i = 0; i < 200 && window == nullptr; ++i, Sleep(25)) {
            window = FindWindowA(nullptr, title);
        }
        ASSERT_NE(window, nullptr);
        Sleep(700);
        ClientToScreen(window, &origin);
    }
    void Read() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ASSERT_EQ(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                             IID_IAccessible, reinterpret_cast<void**>(&reader)),
                  S_OK);
    }
    std::wstring Text(HRESULT (IAccessible::*get)(VARIANT, BSTR*), LONG id) {
        BSTR text = nullptr;
        const HRESULT result = (reader->*get)(Child(id), &text);
        std::wstring seen = result == S_OK ? std::wstring(text, SysStringLen(text)) : L"(none)";
        SysFreeString(text);
        return seen;
    }
    LONG Number(HRESULT (IAccessible::*get)(VARIANT, VARIANT*), LONG id) {
        VARIANT v{};
        return (reader->*get)(Child(id), &v) == S_OK && v.vt == VT_I4 ? v.lVal : -1;
    }
    LONG State(LONG id) { return Number(&IAccessible::get_accState, id); }
    Box Located(LONG id) {
        Box b{};
        reader->accLocation(&b[0], &b[1], &b[2], &b[3], Child(id));
        return Box{b[0] - origin.x, b[1] - origin.y, b[2], b[3]};
    }
    // The program answers while it handles the input: the reader asks until it sees `done`.
    template <typename Done>
    static bool Within(Done done) {
        for (int32_t i = 0; i < 100 && !done(); ++i) Sleep(20);
        return done();
    }
    void MoveTo(LONG x, LONG y) {
        Xdotool("mousemove " + std::to_string(origin.x + x) + " " + std::to_string(origin.y + y));
    }
    static void Xdotool(const std::string& action) {
        ASSERT_TRUE(RunUnixCommand("xdotool " + action));
    }
    // The file the program loaded under that name, or "" when it loaded none.
    std::string LoadedModule(const char* name) const {
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, program.dwProcessId);
        MODULEENTRY32 module{};
        module.dwSize = sizeof(module);
        std::string path;
        for (BOOL more = Module32First(snapshot, &module); more && path.empty();
             more = Module32Next(snapshot, &module)) {
            if (lstrcmpiA(module.szModule, name) == 0) path = module.szExePath;
        }
        CloseHandle(snapshot);
        return path;
    }

    PROCESS_INFORMATION program{};
    HWND window = nullptr;
    POINT origin{0, 0};
    IAccessible* reader = nullptr;
};

TEST_F(ReaderTest, TheLauncherLoadsItsReaderLibrariesWhenAskedAndShowsFourNamedButtons) {
    Start(VARORIZO_LAUNCHER, "", "Varorizo");
    MoveTo(300, 300);
    Sleep(300);
    // Wine's own libraries load ole32 and combase in any case; Windows' do not.
    EXPECT_EQ(LoadedModule("oleacc.dll") + LoadedModule("oleaut32.dll"), "");
    Read();
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    EXPECT_EQ(LoadedModule("oleacc.dll"), std::string(system) + "\\oleacc.dll");

    LONG count = 0;
    EXPECT_EQ(reader->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(Text(&IAccessible::get_accName, CHILDID_SELF), L"Varorizo");
    const wchar_t* names[] = {L"Deutsch", L"English", L"Fran\u00E7ais", L"Italiano"};
    for (LONG k = 1; k <= 4; ++k) {
        SCOPED_TRACE(k);
        const LONG top = 83 + 112 * (k - 1);
        EXPECT_EQ(Text(&IAccessible::get_accName, k), names[k - 1]);
        EXPECT_EQ(Number(&IAccessible::get_accRole, k), ROLE_SYSTEM_PUSHBUTTON);
        EXPECT_EQ(Located(k), (Box{628, top, 156, 93}));
        EXPECT_EQ(State(k) & STATE_SYSTEM_HOTTRACKED, 0);
        VARIANT hit{};
        VARIANT next{};
        reader->accHitTest(origin.x + 706, origin.y + top + 46, &hit);
        reader->accNavigate(NAVDIR_NEXT, Child(k), &next);
        EXPECT_EQ(hit.lVal, k);
        EXPECT_EQ(next.vt == VT_I4 ? next.lVal : 5, k + 1);
    }
    IDispatch* parent = nullptr;
    EXPECT_EQ(reader->get_accParent(&parent), S_OK);
    if (parent != nullptr) parent->Release();
    EXPECT_EQ(reader->accDoDefaultAction(Child(2)), DISP_E_MEMBERNOTFOUND);

    MoveTo(706, 195 + 46);
    EXPECT_TRUE(Within([&] { return (State(2) & STATE_SYSTEM_HOTTRACKED) != 0; }));
    EXPECT_EQ(State(1) & STATE_SYSTEM_HOTTRACKED, 0);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(program.hProcess, 5000), WAIT_OBJECT_0);
}

// Page 1 holds the toggle and a disabled button, page 3 the slider; the reader follows the page,
// and a reader listening from another process hears the toggle change and the slider move.
TEST_F(ReaderTest, OnTheGalleryPagesTheReaderSeesDisabledCheckedAndDraggedControls) {
    Start(VARORIZO_GALLERY, "1", "Varorizo gallery");
    WinEventListener listener(program.dwProcessId, EVENT_OBJECT_STATECHANGE,
                              EVENT_OBJECT_VALUECHANGE);
    Read();
    EXPECT_NE(State(9) & STATE_SYSTEM_UNAVAILABLE, 0);
    EXPECT_EQ(Text(&IAccessible::get_accName, 5), L"toggle button");
    EXPECT_EQ(Number(&IAccessible::get_accRole, 5), ROLE_SYSTEM_CHECKBUTTON);
    EXPECT_EQ(State(5) & (STATE_SYSTEM_CHECKED | STATE_SYSTEM_UNAVAILABLE), 0);
    MoveTo(100, 206);
    Xdotool("click 1");
    EXPECT_TRUE(Within([&] { return (State(5) & STATE_SYSTEM_CHECKED) != 0; }));

    MoveTo(724, 28);  // the next page, twice
    Xdotool("click --repeat 2 --delay 300 1");
    ASSERT_TRUE(
        Within([&] { return Text(&IAccessible::get_accName, 3) == L"slider knob along x"; }));
    EXPECT_EQ(Text(&IAccessible::get_accValue, 3), L"50");
    // The knob follows the pointer from the first move after the press.
    MoveTo(102, 126);
    Xdotool("mousedown 1");
    MoveTo(103, 126);
    MoveTo(143, 126);
    Xdotool("mouseup 1");
    EXPECT_TRUE(Within([&] { return Text(&IAccessible::get_accValue, 3) == L"90"; }));
    EXPECT_EQ(Located(3), (Box{40 + 90, 110, 24, 32}));
    std::set<std::pair<DWORD, LONG>> heard;
    for (const HeardEvent& e : listener.HeardAfter(500)) {
        if (e.window == window && e.object == OBJID_CLIENT) heard.insert({e.event, e.child});
    }
    const std::set<std::pair<DWORD, LONG>> told = {{EVENT_OBJECT_STATECHANGE, 5},
                                                   {EVENT_OBJECT_VALUECHANGE, 3}};
    EXPECT_EQ(heard, told);
}

}  // namespace
