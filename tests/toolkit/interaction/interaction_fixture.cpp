#include "tests/toolkit/interaction/interaction_fixture.h"

#include "display/display.h"
#include "display/input_state.h"
#include "toolkit/control.h"

void InteractionTest::SetUp() {
    HeadlessWindowTest::SetUp();
    OsShowWindow(mainWindow, SW_SHOWNORMAL);
    PumpPending();
    controls_ = {};
    list_ = ControlList{kControlListCapacity, 0, controls_.data()};
    ServeList(&list_);
    controlCount = 0;
    pointerX = 0;
    pointerY = 0;
    script_.emplace();
}

void InteractionTest::TearDown() {
    script_.reset();
    ServeList(nullptr);
}

Control& InteractionTest::Add(int32_t type, int32_t x, int32_t y, int32_t width, int32_t height) {
    Control& c = controls_[static_cast<size_t>(list_.count++)];
    c = MakeControl(type, x, y, width, height);
    return c;
}

UiEvent InteractionTest::Until(UiEventKind kind) {
    UiEvent event{};
    for (int32_t i = 0; i < 64; ++i) {
        GetUiEvent(&event);
        if (event.kind == kind) return event;
    }
    ADD_FAILURE() << "no event of kind " << kind;
    return event;
}

std::vector<uint32_t> InteractionTest::Frame() const {
    return std::vector<uint32_t>(FrameBuffer, FrameBuffer + 800 * 600);
}

int32_t PixelsChanged(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    int32_t changed = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) changed += a[i] != b[i] ? 1 : 0;
    return changed;
}

std::vector<uint8_t> SolidPicture(int32_t width, int32_t height, uint8_t red, uint8_t green,
                                  uint8_t blue) {
    std::vector<uint8_t> picture;
    for (int32_t i = 0; i < width * height; ++i) picture.insert(picture.end(), {red, green, blue});
    return picture;
}
