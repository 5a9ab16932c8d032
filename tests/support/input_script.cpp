#include "tests/support/input_script.h"

#include "display/display.h"

OsPoint ScreenOf(int32_t x, int32_t y) {
    const OsPoint origin = HeadlessClientOrigin(mainWindow);
    return OsPoint{origin.x + x, origin.y + y};
}

uint32_t ScreenAt(int32_t x, int32_t y) {
    const OsPoint p = ScreenOf(x, y);
    return HeadlessScreenPixel(p.x, p.y);
}

std::vector<uint32_t> ClientOnScreen() {
    const OsPoint origin = ScreenOf(0, 0);
    std::vector<uint32_t> client;
    client.reserve(800 * 600);
    for (int32_t y = 0; y < 600; ++y) {
        for (int32_t x = 0; x < 800; ++x)
            client.push_back(HeadlessScreenPixel(origin.x + x, origin.y + y));
    }
    return client;
}

void MovePointerTo(int32_t x, int32_t y) {
    const OsPoint p = ScreenOf(x, y);
    HeadlessPointerMoveTo(p.x, p.y);
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
