#include "tests/support/input_script.h"

#include "display/display.h"

void MovePointerTo(int32_t x, int32_t y) {
    const OsPoint origin = HeadlessClientOrigin(mainWindow);
    HeadlessPointerMoveTo(origin.x + x, origin.y + y);
}

InputScript::InputScript() {
    HeadlessSetIdleHook([this] {
        if (steps_.empty()) {
            if (ending_) ending_();
            return;
        }
        std::function<void()> step = std::move(steps_.front());
        steps_.pop_front();
        step();
    });
}

InputScript::~InputScript() {
    HeadlessSetIdleHook(nullptr);
}

void InputScript::Then(std::function<void()> step) {
    steps_.push_back(std::move(step));
}

void InputScript::MoveTo(int32_t x, int32_t y) {
    Then([x, y] { MovePointerTo(x, y); });
}

void InputScript::Button(uint32_t button, bool down) {
    Then([button, down] { HeadlessPointerButton(button, down); });
}

void InputScript::Click(int32_t x, int32_t y) {
    MoveTo(x, y);
    Button(VK_LBUTTON, true);
    Button(VK_LBUTTON, false);
}

void InputScript::Key(uint32_t virtualKey) {
    Then([virtualKey] { HeadlessKeyDown(virtualKey); });
}

void InputScript::KeyUp(uint32_t virtualKey) {
    Then([virtualKey] { HeadlessKeyUp(virtualKey); });
}

void InputScript::Ticks(int32_t count) {
    for (int32_t i = 0; i < count; ++i) Then([] {});
}

void InputScript::CloseAtEnd() {
    AtEnd([] { OsPostMessage(mainWindow, WM_CLOSE, 0, 0); });
}
