// A screen reader's view under Wine: this test is an MSAA client that reads the launcher's and
// the gallery's windows in their own processes, while real pointer input changes them, and a
// window of its own where those programs have nothing to show.
#include <windows.h>

#include <oleacc.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "platform/accessibility.h"
#include "tests/wine/win_events.h"
#include "tests/wine/wine_fixture.h"

namespace {

using Box = std::array<LONG, 4>;  // left and top in the client area, width, height

VARIANT Child(LONG id) {
    VARIANT v{};
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

class ReaderTest : public WineWindowTest {
protected:
    void TearDown() override {
        if (reader != nullptr) reader->Release();
        WineWindowTest::TearDown();
    }
    // Starts the built program (a Unix path) and waits for its window's first paints.
    void Start(const char* path, const char* arguments, const char* title) {
        StartProgram(WindowsPath(path), arguments, "", -1, nullptr, title);
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
    // The child that navigating from child `from` leads to; 0 when there is none.
    LONG Navigated(LONG direction, LONG from) {
        VARIANT end{};
        const HRESULT result = reader->accNavigate(direction, Child(from), &end);
        if (result == S_FALSE && end.vt == VT_EMPTY) return 0;
        return result == S_OK && end.vt == VT_I4 ? end.lVal : -1;
    }
    // The file the program loaded under that name, or "" when it loaded none.
    std::string LoadedModule(const char* name) const {
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, program.Id());
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
        reader->accHitTest(origin.x + 706, origin.y + top + 46, &hit);
        EXPECT_EQ(hit.lVal, k);
        EXPECT_EQ(Navigated(NAVDIR_NEXT, k), k < 4 ? k + 1 : 0);
        EXPECT_EQ(Navigated(NAVDIR_PREVIOUS, k), k - 1);
    }
    IDispatch* parent = nullptr;
    EXPECT_EQ(reader->get_accParent(&parent), S_OK);
    if (parent != nullptr) parent->Release();
    EXPECT_EQ(reader->accDoDefaultAction(Child(2)), DISP_E_MEMBERNOTFOUND);

    MoveTo(706, 195 + 46);
    EXPECT_TRUE(Eventually([&] { return (State(2) & STATE_SYSTEM_HOTTRACKED) != 0; }));
    EXPECT_EQ(State(1) & STATE_SYSTEM_HOTTRACKED, 0);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_NE(program.WaitForExit(5000), -1);
}

// Page 1 holds the toggle and a disabled button, page 3 the slider; the reader follows the page,
// and a reader listening from another process hears the toggle change and the slider move.
TEST_F(ReaderTest, OnTheGalleryPagesTheReaderSeesDisabledCheckedAndDraggedControls) {
    Start(VARORIZO_GALLERY, "1", "Varorizo gallery");
    WinEventListener listener(program.Id(), EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_VALUECHANGE);
    Read();
    EXPECT_NE(State(9) & STATE_SYSTEM_UNAVAILABLE, 0);
    EXPECT_EQ(Text(&IAccessible::get_accName, 5), L"toggle button");
    EXPECT_EQ(Number(&IAccessible::get_accRole, 5), ROLE_SYSTEM_CHECKBUTTON);
    EXPECT_EQ(State(5) & (STATE_SYSTEM_CHECKED | STATE_SYSTEM_UNAVAILABLE), 0);
    MoveTo(100, 206);
    Xdotool("click 1");
    EXPECT_TRUE(Eventually([&] { return (State(5) & STATE_SYSTEM_CHECKED) != 0; }));

    MoveTo(724, 28);  // the next page, twice
    Xdotool("click --repeat 2 --delay 300 1");
    ASSERT_TRUE(
        Eventually([&] { return Text(&IAccessible::get_accName, 3) == L"slider knob along x"; }));
    EXPECT_EQ(Text(&IAccessible::get_accValue, 3), L"50");
    // The knob follows the pointer from the first move after the press.
    MoveTo(102, 126);
    Xdotool("mousedown 1");
    MoveTo(103, 126);
    MoveTo(143, 126);
    Xdotool("mouseup 1");
    EXPECT_TRUE(Eventually([&] { return Text(&IAccessible::get_accValue, 3) == L"90"; }));
    EXPECT_EQ(Located(3), (Box{40 + 90, 110, 24, 32}));
    std::set<std::pair<DWORD, LONG>> heard;
    for (const HeardEvent& e : listener.HeardAfter(500)) {
        if (e.window == window && e.object == OBJID_CLIENT) heard.insert({e.event, e.child});
    }
    const std::set<std::pair<DWORD, LONG>> told = {{EVENT_OBJECT_STATECHANGE, 5},
                                                   {EVENT_OBJECT_VALUECHANGE, 3}};
    EXPECT_EQ(heard, told);
}

// The gallery's and the launcher's controls never overlap: this test's own window answers for
// two children laid one over the other, the later one above, as the toolkit draws them.
int32_t DescribeOverlappingChildren(int32_t index, AccessibleItem* item) {
    constexpr OsRect kPlaces[] = {{10, 10, 110, 60}, {60, 30, 160, 90}};
    if (index >= 0 && index < 2) {
        *item = AccessibleItem{};
        item->rect = kPlaces[index];
    }
    return 2;
}

LRESULT CALLBACK AnswerForOverlappingChildren(HWND hwnd, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message != WM_GETOBJECT) return DefWindowProcW(hwnd, message, wParam, lParam);
    return OsAnswerAccessibleObject(reinterpret_cast<WindowHandle>(hwnd), wParam, lParam,
                                    DescribeOverlappingChildren);
}

TEST_F(ReaderTest, WhereTwoChildrenOverlapTheHitTestFindsTheOneAbove) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = AnswerForOverlappingChildren;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"overlapping children";
    ASSERT_NE(RegisterClassW(&windowClass), 0);
    UseWindow(CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 100, 100,
                              200, 120, nullptr, nullptr, windowClass.hInstance, nullptr));
    ASSERT_NE(window, nullptr);
    Read();
    const struct {
        POINT at;
        LONG child;
    } cases[] = {{{20, 20}, 1}, {{80, 40}, 2}, {{150, 80}, 2}, {{5, 100}, CHILDID_SELF}};
    for (const auto& c : cases) {
        VARIANT hit{};
        EXPECT_EQ(reader->accHitTest(origin.x + c.at.x, origin.y + c.at.y, &hit), S_OK);
        EXPECT_EQ(hit.vt == VT_I4 ? hit.lVal : -1, c.child) << c.at.x << "," << c.at.y;
    }
    reader->Release();
    reader = nullptr;
    DestroyWindow(window);
    UnregisterClassW(windowClass.lpszClassName, windowClass.hInstance);
}

}  // namespace
