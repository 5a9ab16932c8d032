// The gallery on the headless backend: GalleryMain runs with a script of user input, one step
// each time it finds the queue empty; after the last step the window is asked to close.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "display/display.h"
#include "gallery/gallery_main.h"
#include "tests/support/input_script.h"

// A script step that moves the cursor (dx, dy) from the window's centre, where the dial and
// free-motion loops hold it.
std::function<void()> FromCentre(int32_t dx, int32_t dy);

class GalleryTest : public ::testing::Test {
protected:
    void SetUp() override;
    // The gallery keeps its window, lists and background for the life of the process; each
    // test releases them so that the next one starts clean.
    void TearDown() override;

    // Runs the gallery on `page` (0 .. 3) through the script; returns its exit code.
    static int32_t Run(int32_t page) { return GalleryMain(SW_SHOWNORMAL, page); }

    std::unique_ptr<InputScript> script_;
};
