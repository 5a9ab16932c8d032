#include "tests/render/render_fixture.h"

std::vector<uint8_t> PatternBytes(size_t count, uint32_t seed) {
    std::vector<uint8_t> bytes(count);
    uint32_t state = seed * 2654435761u + 12345u;
    for (auto& b : bytes) {
        state = state * 1664525u + 1013904223u;
        b = static_cast<uint8_t>(state >> 24);
    }
    return bytes;
}

void RenderTest::SetUp() {
    frame_.resize(800 * 600);
    background_.resize(800 * 600);
    for (uint32_t y = 0; y < 600; ++y) {
        for (uint32_t x = 0; x < 800; ++x) {
            background_[y * 800 + x] = 0xA5000000u | ((x * 37u + y * 101u) * 2654435761u >> 8);
            frame_[y * 800 + x] = 0x5A000000u | ((x * 53u + y * 71u + 7u) * 2246822519u >> 8);
        }
    }
    FrameBuffer = frame_.data();
    backgroundPicture = background_.data();
    frameWidth = 800;
    frameHeight = 600;
    frameRowPixels = 800;
    Snapshot();
}

void RenderTest::TearDown() {
    FrameBuffer = nullptr;
    backgroundPicture = nullptr;
}

void RenderTest::Snapshot() {
    before_ = frame_;
    SetDirtyRectEmpty();
}

void RenderTest::ExpectUnchangedOutside(int32_t x, int32_t y, int32_t width, int32_t height) {
    int32_t changed = 0;
    for (int32_t py = 0; py < 600; ++py) {
        for (int32_t px = 0; px < 800; ++px) {
            const bool inside = px >= x && px < x + width && py >= y && py < y + height;
            if (!inside && At(px, py) != Before(px, py)) {
                if (++changed <= 5) ADD_FAILURE() << "pixel (" << px << ", " << py << ") changed";
            }
        }
    }
    EXPECT_EQ(changed, 0);
}

void RenderTest::ExpectDirty(int32_t x, int32_t y, int32_t width, int32_t height) {
    EXPECT_EQ(DirtyRect.left, x);
    EXPECT_EQ(DirtyRect.top, y);
    EXPECT_EQ(DirtyRect.right, x + width);
    EXPECT_EQ(DirtyRect.bottom, y + height);
}

void RenderTest::ExpectNothingInvalidated() {
    EXPECT_EQ(DirtyRect.left, kDirtyEmptyCorner);
    EXPECT_EQ(DirtyRect.top, kDirtyEmptyCorner);
    EXPECT_EQ(DirtyRect.right, 0);
    EXPECT_EQ(DirtyRect.bottom, 0);
}
