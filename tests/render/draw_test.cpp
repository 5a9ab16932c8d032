// The small drawing routines: exact pixels, exact invalidated rectangles, nothing written
// outside them.
#include "render/draw.h"
#include "tests/render/render_fixture.h"

namespace {

using DrawTest = RenderTest;

TEST_F(DrawTest, FillAreaWritesOneColourWithAZeroFourthByte) {
    FillArea(10, 20, 30, 4, 0x12, 0x34, 0x56);
    ExpectRect(10, 20, 30, 4, [](int32_t, int32_t, uint32_t) { return 0x00123456u; });
    ExpectUnchangedOutside(10, 20, 30, 4);
    ExpectDirty(10, 20, 30, 4);

    // Empty or negative sizes fill nothing and are still invalidated as asked.
    Snapshot();
    FillArea(10, 20, 30, 0, 1, 2, 3);
    ExpectUnchanged();
    ExpectDirty(10, 20, 30, 0);
    FillArea(10, 20, -5, 7, 1, 2, 3);
    ExpectUnchanged();
    ExpectDirty(10, 20, -5, 7);
}

TEST_F(DrawTest, InvertColumnFlipsColourBytesAndTwiceRestoresThem) {
    InvertColumn(50, 60, 12);
    ExpectRect(50, 60, 1, 12, [](int32_t, int32_t, uint32_t old) { return old ^ 0x00FFFFFFu; });
    ExpectUnchangedOutside(50, 60, 1, 12);
    ExpectDirty(50, 60, 1, 12);
    InvertColumn(50, 60, 12);
    ExpectUnchanged();

    InvertColumn(50, 60, 0);
    ExpectUnchanged();
    ExpectDirty(50, 60, 1, 0);
    InvertColumn(50, 60, -3);
    ExpectDirty(50, 60, 1, -3);
}

// Eight pieces of thickness 3, every pixel a different colour: piece p pixel i is (p, i, 200).
class FrameTest : public RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        for (uint8_t p = 0; p < 8; ++p) {
            pieceBytes_[p].resize(9 * 3);
            for (uint8_t i = 0; i < 9; ++i) {
                pieceBytes_[p][3 * i] = uint8_t(p + 1);
                pieceBytes_[p][3 * i + 1] = i;
                pieceBytes_[p][3 * i + 2] = 200;
            }
            pieces_[p] = pieceBytes_[p].data();
        }
    }
    static uint32_t Piece(uint32_t p, uint32_t i) { return (p + 1) << 16 | i << 8 | 200; }

    std::vector<uint8_t> pieceBytes_[8];
    RgbPicture pieces_[8];
};

TEST_F(FrameTest, APanelIsFilledAndFramedClockwiseFromTheTopLeft) {
    DrawFrame(100, 50, 20, 10, 9, 8, 7, 3, pieces_);
    ExpectRect(100, 50, 20, 10, [](int32_t k, int32_t r, uint32_t) {
        const bool left = k < 3;
        const bool right = k >= 17;
        const bool top = r < 3;
        const bool bottom = r >= 7;
        if (top && left) return Piece(0, uint32_t(r * 3 + k));
        if (top && right) return Piece(2, uint32_t(r * 3 + k - 17));
        if (bottom && left) return Piece(6, uint32_t((r - 7) * 3 + k));
        if (bottom && right) return Piece(4, uint32_t((r - 7) * 3 + k - 17));
        if (top) return Piece(1, uint32_t(r));  // each top row is one colour
        if (bottom) return Piece(5, uint32_t(r - 7));
        if (left) return Piece(7, uint32_t(k));
        if (right) return Piece(3, uint32_t(k - 17));
        return 0x00090807u;
    });
    ExpectUnchangedOutside(100, 50, 20, 10);
    ExpectDirty(100, 50, 20, 10);
}

TEST_F(FrameTest, SmallPanelsOverlapTheirCornersInDrawingOrder) {
    // 4 x 4 with thickness 3: no edges, and the corners overlap; the bottom-right one is last.
    DrawFrame(10, 10, 4, 4, 1, 1, 1, 3, pieces_);
    EXPECT_EQ(At(10, 10), Piece(0, 0));
    EXPECT_EQ(At(11, 10), Piece(2, 0));  // top-right corner over the top-left one
    EXPECT_EQ(At(11, 11), Piece(4, 0));  // bottom-right over everything
    EXPECT_EQ(At(10, 12), Piece(6, 3));
    EXPECT_EQ(At(13, 13), Piece(4, 8));
    ExpectUnchangedOutside(10, 10, 4, 4);

    // Thickness 0 is a plain fill, invalidated again.
    Snapshot();
    DrawFrame(30, 40, 5, 6, 4, 5, 6, 0, pieces_);
    ExpectRect(30, 40, 5, 6, [](int32_t, int32_t, uint32_t) { return 0x00040506u; });
    ExpectUnchangedOutside(30, 40, 5, 6);
    ExpectDirty(30, 40, 5, 6);
}

TEST_F(FrameTest, AMissingPieceLeavesTheFillShowing) {
    pieces_[1] = nullptr;
    DrawFrame(100, 50, 20, 10, 9, 8, 7, 3, pieces_);
    EXPECT_EQ(At(110, 50), 0x00090807u);
    EXPECT_EQ(At(100, 50), Piece(0, 0));
}

#ifndef NDEBUG
// Debug and sanitizer builds stop a routine that would write outside the frame buffer.
TEST_F(DrawTest, WritingOutsideTheFrameBufferIsCaughtInDebugBuilds) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(FillArea(790, 10, 11, 1, 0, 0, 0), "InsideFrame");
    EXPECT_DEATH(InvertColumn(0, 595, 6), "InsideFrame");
    // Inside, right up to the edges, nothing stops.
    FillArea(0, 0, 800, 600, 1, 2, 3);
}
#endif

}  // namespace
