// The cell picker pop-ups: placement and its edge rules, the cells under the pointer, picks,
// cancels, the pixels put back on closing, and pop-ups that cannot open.
#include <string>
#include <utility>

#include "base/aligned_alloc.h"
#include "display/display.h"
#include "tests/toolkit/interaction/interaction_fixture.h"
#include "toolkit/track_popup.h"

namespace {

// Cell k of a sheet is red k + 1; the normal sheet is green 100, the highlighted one 200; blue
// is the column within the cell, so a misplaced copy shows.
std::vector<uint8_t> Sheet(int32_t columns, int32_t rows, int32_t cellWidth, int32_t cellHeight,
                           uint8_t green) {
    std::vector<uint8_t> sheet;
    for (int32_t y = 0; y < rows * cellHeight; ++y) {
        for (int32_t x = 0; x < columns * cellWidth; ++x) {
            const int32_t cell = y / cellHeight * columns + x / cellWidth;
            sheet.insert(sheet.end(), {static_cast<uint8_t>(cell + 1), green,
                                       static_cast<uint8_t>(x % cellWidth)});
        }
    }
    return sheet;
}

uint32_t CellPixel(int32_t cell, bool highlighted, int32_t columnInCell) {
    return static_cast<uint32_t>(cell + 1) << 16 | (highlighted ? 200u : 100u) << 8 |
           static_cast<uint32_t>(columnInCell);
}

PopupGridDescriptor wantedGrid{};
std::vector<std::string> popupCalls;

void DescribeGrid(Control* /*items*/, int32_t index, int32_t reason, intptr_t descriptor, intptr_t,
                  intptr_t, intptr_t) {
    popupCalls.push_back("describe " + std::to_string(index) + " " + std::to_string(reason));
    *reinterpret_cast<PopupGridDescriptor*>(descriptor) = wantedGrid;
}
void TakePick(Control* /*items*/, int32_t index, int32_t reason, intptr_t descriptor, intptr_t,
              intptr_t, intptr_t) {
    const auto* grid = reinterpret_cast<const PopupGridDescriptor*>(descriptor);
    popupCalls.push_back("picked " + std::to_string(index) + " " + std::to_string(reason) + " " +
                         std::to_string(grid->selectedCell));
}
void RightPressed(Control* /*items*/, int32_t index, int32_t reason, intptr_t x, intptr_t y,
                  intptr_t, intptr_t) {
    popupCalls.push_back("pointer " + std::to_string(index) + " " + std::to_string(reason) + " " +
                         std::to_string(x) + "," + std::to_string(y));
}

class PopupTest : public InteractionTest {
protected:
    void SetUp() override {
        InteractionTest::SetUp();
        normal_ = Sheet(4, 3, 32, 32, 100);
        highlight_ = Sheet(4, 3, 32, 32, 200);
        ResetGrid();
    }
    // A 4 x 3 grid of 32 x 32 cells with a frame of 4, anchored at (300, 300), and no calls
    // seen yet.
    void ResetGrid() {
        popupCalls.clear();
        wantedGrid = PopupGridDescriptor{};
        wantedGrid.normalSheet = normal_.data();
        wantedGrid.highlightSheet = highlight_.data();
        wantedGrid.gridCellWidth = 32;
        wantedGrid.gridCellHeight = 32;
        wantedGrid.columns = 4;
        wantedGrid.rows = 3;
        wantedGrid.border = 4;
        wantedGrid.anchorX = 300;
        wantedGrid.anchorY = 300;
    }
    // A picker of 32 x 32 cells, 4 columns and 3 rows, over these sheets.
    Control& AddPicker(int32_t type, int32_t x, int32_t y, int32_t selected) {
        Control& c = Add(type, x, y, 32, 32);
        c.flags = FlagNoHover;
        c.columns = 4;
        c.rows = 3;
        c.selectedCell = selected;
        c.imagePressed = normal_.data();
        c.imageHover = highlight_.data();
        c.extent = 4;
        return c;
    }
    Control& AddSource(int32_t x, int32_t y) {
        Control& c = Add(ControlDragSource, x, y, 40, 40);
        c.flags = FlagPopup;
        c.onPointer.pointer = RightPressed;
        c.onChange.pointer = DescribeGrid;
        c.onRelease.pointer = TakePick;
        return c;
    }
    std::vector<uint8_t> normal_;
    std::vector<uint8_t> highlight_;
};

TEST_F(PopupTest, ACellPickerOpensOverItselfAndPutsBackExactlyThePixelsItCovered) {
    Control& picker = AddPicker(ControlCellPicker, 100, 100, 7);
    const std::vector<uint32_t> before = Frame();
    const int32_t blocks = alignedAllocCount;
    std::vector<uint32_t> seen;
    Script()
        .MoveTo(105, 110)
        .Down()
        .Then([&] {
            seen = {Pixel(105, 110), Pixel(140, 100), Pixel(227, 195), Pixel(228, 100),
                    static_cast<uint32_t>(alignedAllocCount - blocks)};
        })
        .Up();
    const UiEvent press = Until(EventPress);
    EXPECT_EQ(press.index, 0);
    // The press point is over cell 0, highlighted; the rest from the normal sheet; nothing right
    // of the 128 x 96 pop-up; one save block while it is open.
    EXPECT_EQ(seen, (std::vector<uint32_t>{CellPixel(0, true, 5), CellPixel(1, false, 8),
                                           CellPixel(11, false, 31), before[100 * 800 + 228], 1u}));
    EXPECT_EQ(picker.selectedCell, 0);
    EXPECT_EQ(PixelsChanged(before, Frame()), 0);
    EXPECT_EQ(alignedAllocCount, blocks);
    EXPECT_EQ(pressedIndex, -1);
    EXPECT_EQ(picker.level, 0);

    // A release outside the cells picks nothing.
    Script().MoveTo(105, 110).Down().MoveTo(500, 500).Up();
    Until(EventPress);
    EXPECT_EQ(picker.selectedCell, 0);
}

TEST_F(PopupTest, ACellPickerNearTheFarEdgesIsMovedInside) {
    // 128 x 96 cells at (700, 550) would pass both edges: placed at (672, 504).
    Control& picker = AddPicker(ControlCellPicker, 700, 550, 0);
    std::vector<uint32_t> seen;
    // Pressed over the pop-up's cell (row 1, column 1).
    Script().MoveTo(705, 555).Down().Then([&] { seen = {Pixel(672, 504), Pixel(799, 599)}; }).Up();
    Until(EventPress);
    EXPECT_EQ(seen, (std::vector<uint32_t>{CellPixel(0, false, 0), CellPixel(11, false, 31)}));
    EXPECT_EQ(picker.selectedCell, 5);
}

TEST_F(PopupTest, AFramedPickerPutsTheSelectedCellOverItselfAndPicksOnTheSecondRelease) {
    Control& picker = AddPicker(ControlFramedCellPicker, 300, 200, 5);
    const std::vector<uint32_t> before = Frame();
    std::vector<uint32_t> seen;
    Script()
        .Click(310, 210)
        .Then([&] {
            seen = {Pixel(268, 168), Pixel(310, 210), Pixel(264, 164), Pixel(263, 164)};
        })
        .Click(340, 180);
    Until(EventPress);
    // Cell 5 (row 1, column 1) lies exactly over the control; the frame is drawn black.
    EXPECT_EQ(seen, (std::vector<uint32_t>{CellPixel(0, false, 0), CellPixel(5, true, 10), 0u,
                                           before[164 * 800 + 263]}));
    EXPECT_EQ(picker.selectedCell, 2);
    EXPECT_EQ(PixelsChanged(before, Frame()), 0);

    // A right release cancels back to the entry cell, whatever was hovered.
    Script().Click(310, 210).MoveTo(280, 250).Down(VK_RBUTTON).Up(VK_RBUTTON);
    Until(EventPress);
    EXPECT_EQ(picker.selectedCell, 2);
}

TEST_F(PopupTest, AFramedPickerKeepsItsFrameInsideTheFrameBuffer) {
    struct Case {
        int32_t x, y, selected, left, top;
    } cases[] = {{10, 10, 5, 4, 4},         // near the top-left corner
                 {300, 200, -1, 332, 200},  // no cell: one cell to the right
                 {300, 502, 0, 300, 500},   // the cells fit, the frame alone would not
                 {790, 590, 0, 668, 500}};  // the far edges
    for (const Case& k : cases) {
        list_.count = 0;
        Control& picker = AddPicker(ControlFramedCellPicker, k.x, k.y, k.selected);
        uint32_t corner = 0;
        uint32_t frame = 1;
        Script()
            .Then([&] { corner = Pixel(k.left, k.top); })
            .Then([&] { frame = Pixel(k.left - 1, k.top - 1); })
            .MoveTo(k.left, k.top)
            .Up(VK_RBUTTON);
        pointerX = k.left;
        pointerY = k.top + 40;
        TrackFramedCellPicker(nullptr, controls_.data(), 0);
        EXPECT_EQ(corner, CellPixel(0, false, 0)) << k.x << "," << k.y;
        EXPECT_EQ(frame, 0u) << k.x << "," << k.y;
        EXPECT_EQ(picker.selectedCell, k.selected);
    }
}

TEST_F(PopupTest, MovesThatDoNotChangeThePositionDoNotRedraw) {
    AddPicker(ControlCellPicker, 100, 100, 0);
    uint32_t afterSamePlace = 0;
    uint32_t afterNewPlace = 0;
    Script()
        .MoveTo(105, 110)
        .Down()
        .MoveTo(150, 150)
        .Then([&] {
            FrameBuffer[180 * 800 + 200] = 0x123456;
            MovePointerTo(150, 150);
        })
        .Then([&] { afterSamePlace = Pixel(200, 180); })
        .MoveTo(151, 150)
        .Then([&] { afterNewPlace = Pixel(200, 180); })
        .Up();
    Until(EventPress);
    EXPECT_EQ(afterSamePlace, 0x123456u);
    EXPECT_EQ(afterNewPlace, CellPixel(11, false, 4));
}

TEST_F(PopupTest, ARightPressOnADragSourceOpensItsGridAndHandsThePickToOnRelease) {
    AddSource(600, 300);
    wantedGrid.anchorX = 600;  // the source's corner
    wantedGrid.selectedCell = 1;
    wantedGrid.gridCellHeight = 16;  // cells wider than tall
    const std::vector<uint32_t> before = Frame();
    Script().MoveTo(610, 310).Down(VK_RBUTTON).Up(VK_RBUTTON).MoveTo(570, 340).Up();
    Until(EventMoveOver);
    EXPECT_EQ(Until(EventRightPress).index, 0);
    // Cell 1 was placed at the anchor, so (570, 340) is cell 8 + 0: row 2, column 0.
    EXPECT_EQ(popupCalls,
              (std::vector<std::string>{"pointer 0 64 610,310", "describe 0 64", "picked 0 64 8"}));
    EXPECT_EQ(PixelsChanged(before, Frame()), 0);
}

TEST_F(PopupTest, AQuitClosesAnOpenGridWithoutAPickAndOnReleaseStillFollows) {
    AddSource(600, 300);
    wantedGrid.anchorX = 600;  // the source's corner
    wantedGrid.selectedCell = 3;
    const std::vector<uint32_t> before = Frame();
    const int32_t blocks = alignedAllocCount;
    Script().MoveTo(570, 340).Then([] { OsPostQuitMessage(0); });
    TrackPopupGrid(nullptr, controls_.data(), 0);
    EXPECT_EQ(popupCalls, (std::vector<std::string>{"describe 0 64", "picked 0 64 3"}));
    EXPECT_EQ(PixelsChanged(before, Frame()), 0);
    EXPECT_EQ(alignedAllocCount, blocks);
}

// A grid that cannot open, or finds no save block, draws nothing, keeps no save block, calls no
// onRelease and leaves every pick as it was; the press's release then reaches the dispatcher as
// usual.
TEST_F(PopupTest, APopupThatCannotOpenTouchesNothing) {
    const std::pair<const char*, void (*)()> spoils[] = {
        {"960 pixels of cells", [] { wantedGrid.columns = 30; }},
        {"96 + 520 rows with the frame", [] { wantedGrid.border = 260; }},
        {"no columns", [] { wantedGrid.columns = 0; }},
        {"no rows", [] { wantedGrid.rows = -1; }},
        {"no cell width", [] { wantedGrid.gridCellWidth = 0; }},
        {"no cell height", [] { wantedGrid.gridCellHeight = 0; }},
        {"no sheet", [] { wantedGrid.highlightSheet = nullptr; }},
        {"a frame below zero", [] { wantedGrid.border = -2; }},
        {"no save block", [] { FailAlignedAllocAfter(0); }}};
    AddSource(600, 300);
    const std::vector<uint32_t> before = Frame();
    const int32_t blocks = alignedAllocCount;
    for (const auto& [what, spoil] : spoils) {
        SCOPED_TRACE(what);
        ResetGrid();
        spoil();
        Script().MoveTo(610, 310).Down(VK_RBUTTON);
        Until(EventMoveOver);
        Until(EventRightPress);
        FailAlignedAllocAfter(-1);
        EXPECT_EQ(popupCalls, (std::vector<std::string>{"pointer 0 64 610,310", "describe 0 64"}));
        EXPECT_EQ(PixelsChanged(before, Frame()), 0);
        EXPECT_EQ(alignedAllocCount - blocks, 0);
    }

    // Pickers too big for the frame buffer with their frame, or a plain one left of it.
    Control& wide = AddPicker(ControlCellPicker, 10, 10, 1);
    wide.columns = 26;  // 832 pixels
    Control& left = AddPicker(ControlCellPicker, -40, 100, 1);
    Control& framedWide = AddPicker(ControlFramedCellPicker, 10, 10, 1);
    framedWide.columns = 25;  // 800 pixels and the frame
    Control& framedTall = AddPicker(ControlFramedCellPicker, 10, 10, 1);
    framedTall.extent = 260;
    pointerX = 20;
    pointerY = 20;
    TrackCellPicker(nullptr, controls_.data(), 1);
    TrackCellPicker(nullptr, controls_.data(), 2);
    TrackFramedCellPicker(nullptr, controls_.data(), 3);
    TrackFramedCellPicker(nullptr, controls_.data(), 4);
    for (const Control* c : {&wide, &left, &framedWide, &framedTall}) {
        EXPECT_EQ(c->selectedCell, 1);
    }
    EXPECT_EQ(PixelsChanged(before, Frame()), 0);
    EXPECT_EQ(alignedAllocCount, blocks);
}

}  // namespace
