// Test fixture: a fresh headless screen with the launcher's main window created on it.
#pragma once
#include <gtest/gtest.h>

#include <optional>
#include <ostream>

#include "display/display.h"
#include "platform/headless/headless.h"
#include "tests/support/input_script.h"

// An 800 x 600 background in the artwork's format (fourth byte 0), every pixel unlike its
// neighbours.
const uint32_t* TestBackground();

// Prints a rectangle as (left, top, right, bottom) in failure messages.
void PrintTo(const OsRect& rect, std::ostream* os);

class HeadlessWindowTest : public ::testing::Test {
protected:
    void SetUp() override { StartWindow(1024, 768); }
    // The program never frees its frame buffer; a test that makes a new one releases the last.
    void TearDown() override {
        script_.reset();
        ReleaseFrameBuffer();
    }

    static void ReleaseFrameBuffer();
    void StartWindow(int32_t screenWidth, int32_t screenHeight);
    // Dispatches queued messages (paints included) until only timers could come.
    void PumpPending();

    // A fresh script of user input in place of the last: each step runs when the program finds
    // the queue empty.
    InputScript& Script() { return script_.emplace(); }
    std::optional<InputScript> script_;
};
