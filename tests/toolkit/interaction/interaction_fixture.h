// Scripted gestures over a control list on the headless window. A script's steps run one at a
// time whenever the program finds the queue empty, the way a user acts while it listens.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "tests/support/headless_window.h"
#include "tests/support/input_script.h"
#include "toolkit/dispatcher.h"
#include "toolkit/toolkit_state.h"

class InteractionTest : public HeadlessWindowTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A visible control of that type and rectangle, every other word zero; its index is the
    // order of adding.
    Control& Add(int32_t type, int32_t x, int32_t y, int32_t width, int32_t height);

    bool ScriptDone() const { return script_->Done(); }

    // GetUiEvent until it reports `kind` (at most a few dozen events).
    UiEvent Until(UiEventKind kind);

    // The frame buffer as it is now.
    std::vector<uint32_t> Frame() const;
    uint32_t Pixel(int32_t x, int32_t y) const { return FrameBuffer[y * 800 + x]; }

    std::array<Control, 10> controls_{};
    ControlList list_{};
};

// The number of frame-buffer pixels that differ between two copies.
int32_t PixelsChanged(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b);
// A picture of width x height pixels of one colour (red, green, blue).
std::vector<uint8_t> SolidPicture(int32_t width, int32_t height, uint8_t red, uint8_t green,
                                  uint8_t blue);
