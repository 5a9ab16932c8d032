// The Wine tests' fixture: a program started as a user starts it, or a window of this test, reached
// through the real X pointer and keyboard in its client coordinates and seen on the real screen.
// Text is UTF-8 here and goes to the wide calls, so names in any script work.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);
// The Windows name of a host path ("Z:" and backslashes).
std::string WindowsPath(std::string unixPath);

// Whether `holds` comes true within `milliseconds`.
bool Eventually(const std::function<bool()>& holds, DWORD milliseconds = 5000);
// Handles this thread's messages for `milliseconds`.
void DispatchFor(DWORD milliseconds);
// Runs xdotool with `action`; a failure fails the test.
void Xdotool(const std::string& action);

// A program under test, ended at the latest when this ends.
class WineProgram {
public:
    WineProgram() = default;
    ~WineProgram() { End(); }
    WineProgram(const WineProgram&) = delete;
    WineProgram& operator=(const WineProgram&) = delete;

    // Starts the program at `path` with `arguments`, in `folder` (this test's own when empty),
    // with `showCommand` in its start-up information when one is given. A failure fails the test.
    bool Start(const std::string& path, const std::string& arguments = "",
               const std::string& folder = "", int32_t showCommand = -1);
    // Its top-level window of that class and title (either may be null), once it exists, or null
    // after five seconds.
    HWND WaitForWindow(const char* className, const char* title) const;
    // Its exit code once it ends within `milliseconds`, or -1 while it runs.
    int32_t WaitForExit(DWORD milliseconds);
    void End();
    DWORD Id() const { return id_; }

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// A test of a window on the X display, its program's or its own.
class WineWindowTest : public ::testing::Test {
protected:
    void TearDown() override { program.End(); }

    // Starts the program and waits for its window to show and paint.
    void StartProgram(const std::string& path, const std::string& arguments,
                      const std::string& folder, int32_t showCommand, const char* className,
                      const char* title);
    // Takes `handle` as the window under test, its client area where it lies now.
    void UseWindow(HWND handle);
    // The pointer to the client area's point (x, y), which may lie outside it.
    void MoveTo(int32_t x, int32_t y) const;
    void ClickAt(int32_t x, int32_t y) const;
    // Keys (xdotool's names) to the window's X window, which takes the keyboard focus first.
    void Keys(const std::string& keys) const;
    // The client area as the screen shows it, as rows of 0x00RRGGBB; empty on failure.
    std::vector<uint32_t> ClientShot() const;

    WineProgram program;
    HWND window = nullptr;
    POINT origin{};  // the client area's corner on the screen
};
