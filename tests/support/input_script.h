// A script of user input for the headless window: each step runs when the program finds the
// queue empty (it waits or polls), the way a user acts while the program listens. Once the
// steps are used up, the script's ending runs at each such moment instead.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>

#include "platform/headless/headless.h"

// Moves the pointer now to client position (x, y) of the main window.
void MovePointerTo(int32_t x, int32_t y);

class InputScript {
public:
    InputScript();   // the script feeds the program from now on
    ~InputScript();  // and no more
    InputScript(const InputScript&) = delete;
    InputScript& operator=(const InputScript&) = delete;

    void Then(std::function<void()> step);
    // Steps of user input, in client coordinates of the main window.
    void MoveTo(int32_t x, int32_t y);
    void Button(uint32_t button, bool down);
    void Click(int32_t x, int32_t y);  // moves there, then presses and releases the left button
    void Key(uint32_t virtualKey);     // pressed, and held until KeyUp
    void KeyUp(uint32_t virtualKey);
    // Waiting with nothing to do lets the timer tick, once a step.
    void Ticks(int32_t count);
    // What runs whenever the steps are used up (nothing at first).
    void AtEnd(std::function<void()> ending) { ending_ = std::move(ending); }
    // A close request to the main window whenever the steps are used up.
    void CloseAtEnd();
    bool Done() const { return steps_.empty(); }

private:
    std::deque<std::function<void()>> steps_;
    std::function<void()> ending_;
};
