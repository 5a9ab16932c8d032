#include "tests/support/input_script.h"

#include <cstdio>
#include <cstdlib>

#include "display/display.h"

void MovePointerTo(int32_t x, int32_t y) {
    const OsPoint origin = HeadlessClientOrigin(mainWindow);
    HeadlessPointerMoveTo(origin.x + x, origin.y + y);
}

std::vector<uint32_t> ClientOnScreen() {
    const OsPoint origin = HeadlessClientOrigin(mainWindow);
    std::vector<uint32_t> client;
    client.reserve(800 * 600);
    for (int32_t y = 0; y < 600; ++y) {
        for (int32_t x = 0; x < 800; ++x)
            client.push_back(HeadlessScreenPixel(origin.x + x, origin.y + y));
    }
    return client;
}

// How long a program may wait on with the steps used up and no ending: 250 s of the 25 ms timer.
// A loop that opens where a test expects none then fails at once instead of at ctest's timeout.
constexpr int32_t kIdleWaitsWithoutInput = 10000;

InputScript::InputScript() {
    HeadlessSetIdleHook([this] {
        if (steps_.empty()) {
            if (ending_) {
                ending_();
            } else if (++idleWithoutInput_ > kIdleWaitsWithoutInput) {
                std::fprintf(stderr, "the program still waits for input after the script's end\n");
                std::abort();
            }
            return;
        }
        idleWithoutInput_ = 0;
        std::function<void()> step = std::move(steps_.front());
        steps_.pop_front();
        step();
    });
}

InputScript::~InputScript() {
    HeadlessSetIdleHook(nullptr);
}

InputScript& InputScript::Then(std::function<void()> step) {
    steps_.push_back(std::move(step));
    return *this;
}

InputScript& InputScript::MoveTo(int32_t x, int32_t y) {
    return Then([x, y] { MovePointerTo(x, y); });
}

InputScript& InputScript::Down(uint32_t button) {
    return Then([button] { HeadlessPointerButton(button, true); });
}

InputScript& InputScript::Up(uint32_t button) {
    return Then([button] { HeadlessPointerButton(button, false); });
}

InputScript& InputScript::Click(int32_t x, int32_t y) {
    return MoveTo(x, y).Down().Up();
}

InputScript& InputScript::Drag(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY) {
    return MoveTo(fromX, fromY).Down().MoveTo(fromX + 1, fromY).MoveTo(toX + 1, toY).Up();
}

InputScript& InputScript::Key(uint32_t virtualKey) {
    return Then([virtualKey] { HeadlessKeyDown(virtualKey); });
}

InputScript& InputScript::KeyUp(uint32_t virtualKey) {
    return Then([virtualKey] { HeadlessKeyUp(virtualKey); });
}

InputScript& InputScript::Ticks(int32_t count) {
    for (int32_t i = 0; i < count; ++i) Then([] {});
    return *this;
}

void InputScript::CloseAtEnd() {
    AtEnd([] { OsPostMessage(mainWindow, WM_CLOSE, 0, 0); });
}
