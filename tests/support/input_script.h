// A script of user input for the headless window: each step runs when the program finds the
// queue empty (it waits or polls), the way a user acts while the program listens. Once the
// steps are used up, the script's ending runs at each such moment instead.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "platform/headless/headless.h"

// The screen position of the main window's client pixel (x, y), and the screen's pixel there.
OsPoint ScreenOf(int32_t x, int32_t y);
uint32_t ScreenAt(int32_t x, int32_t y);
// The main window's 800 x 600 client area as the screen shows it now, row by row.
std::vector<uint32_t> ClientOnScreen();
// Moves the pointer now to client position (x, y) of the main window.
void MovePointerTo(int32_t x, int32_t y);

class InputScript {
public:
    InputScript();   // the script feeds the program from now on
    ~InputScript();  // and no more
    InputScript(const InputScript&) = delete;
    InputScript& operator=(const InputScript&) = delete;

    // Each step returns the script, so that a gesture reads as one chain.
    InputScript& Then(std::function<void()> step);
    // Steps of user input, in client coordinates of the main window.
    InputScript& MoveTo(int32_t x, int32_t y);
    InputScript& Down(uint32_t button = VK_LBUTTON);
    InputScript& Up(uint32_t button = VK_LBUTTON);
    InputScript& Click(int32_t x, int32_t y);  // moves there, then presses and releases the left
    // A knob or thumb drag: pressed at `from`, a first move of one pixel (the loops measure from
    // their first move), then to `to` plus that pixel, released there.
    InputScript& Drag(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY);
    InputScript& Key(uint32_t virtualKey);  // pressed, and held until KeyUp
    InputScript& KeyUp(uint32_t virtualKey);
    // Waiting with nothing to do lets the timer tick, once a step.
    InputScript& Ticks(int32_t count);
    // What runs whenever the steps are used up (nothing at first).
    void AtEnd(std::function<void()> ending) { ending_ = std::move(ending); }
    // A close request to the main window whenever the steps are used up.
    void CloseAtEnd();
    bool Done() const { return steps_.empty(); }

private:
    std::deque<std::function<void()>> steps_;
    std::function<void()> ending_;
};
