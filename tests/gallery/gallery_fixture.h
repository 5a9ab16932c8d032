// The gallery on the headless backend: GalleryMain runs with a script of user input, one step
// each time it finds the queue empty; after the last step the window is asked to close.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "display/display.h"
#include "gallery/gallery_main.h"
#include "tests/support/input_script.h"

class GalleryTest : public ::testing::Test {
protected:
    void SetUp() override;
    // The gallery keeps its window, lists and background for the life of the process; each
    // test releases them so that the next one starts clean.
    void TearDown() override;

    // Runs the gallery on `page` (0 .. 3) through the script; returns its exit code.
    int32_t Run(int32_t page);

    // Script steps, client coordinates.
    void MoveTo(int32_t x, int32_t y);
    void Left(bool down);
    void Right(bool down);
    void Click(int32_t x, int32_t y);  // moves there, then press and release
    void Drag(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY);
    void Key(uint32_t virtualKey);
    // Moves the cursor (dx, dy) from the window's centre, where the dial and free-motion loops
    // hold it.
    void MoveFromCentre(int32_t dx, int32_t dy);
    void Then(std::function<void()> step) { script_->Then(std::move(step)); }

    std::unique_ptr<InputScript> script_;
};
