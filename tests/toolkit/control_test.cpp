// Creating the control list and appending the launcher's image buttons.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "base/aligned_alloc.h"
#include "toolkit/control.h"
#include "toolkit/toolkit_state.h"

namespace {

const uint8_t kRest[3] = {1, 2, 3};
const uint8_t kLit[3] = {4, 5, 6};

class ControlListTest : public ::testing::Test {
protected:
    void SetUp() override {
        FailAlignedAllocAfter(-1);
        activeList = nullptr;
    }
    void TearDown() override {
        FailAlignedAllocAfter(-1);
        activeList = nullptr;
        for (ControlList* list : made_) {
            FreeAligned(list->items);
            FreeAligned(list);
        }
    }

    // The program keeps its list for good; the tests give theirs back.
    ControlList* Create() {
        ControlList* list = CreateControlList();
        if (list != nullptr) made_.push_back(list);
        return list;
    }

    std::vector<ControlList*> made_;
};

TEST_F(ControlListTest, ANewListHasTenAlignedSlotsAndNoControls) {
    const int32_t before = alignedAllocCount;
    ControlList* list = Create();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(alignedAllocCount, before + 2);
    EXPECT_EQ(list->capacity, 10);
    EXPECT_EQ(list->count, 0);
    ASSERT_NE(list->items, nullptr);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(list) % 32, 0u);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(list->items) % 32, 0u);
}

TEST_F(ControlListTest, RefusedBlocksGiveNoListOrAListWithoutSlots) {
    FailAlignedAllocAfter(0);
    EXPECT_EQ(Create(), nullptr);

    FailAlignedAllocAfter(1);
    ControlList* list = Create();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->capacity, 10);
    EXPECT_EQ(list->count, 0);
    EXPECT_EQ(list->items, nullptr);

    // Adding to it changes nothing instead of writing through the missing block.
    activeList = list;
    AddImageButton(83, 100, kRest, kLit, kLit);
    EXPECT_EQ(list->count, 0);
}

TEST_F(ControlListTest, AnImageButtonIsAFadingInvisible156By93ButtonAtTheRightEdge) {
    activeList = Create();
    ASSERT_NE(activeList, nullptr);
    Control& c = activeList->items[0];
    std::memset(&c, 0xA5, sizeof c);  // the slots come uncleared
    AddImageButton(195, 101, kRest, kLit, kLit);

    ASSERT_EQ(activeList->count, 1);
    EXPECT_EQ(c.visible, 0);
    EXPECT_EQ(c.x, 628);
    EXPECT_EQ(c.y, 195);
    EXPECT_EQ(c.width, 156);
    EXPECT_EQ(c.height, 93);
    EXPECT_EQ(c.type, ControlImageButton);
    EXPECT_EQ(c.flags, uint32_t{FlagFade});
    EXPECT_EQ(c.id, 101);
    EXPECT_EQ(c.checked, 0);
    EXPECT_EQ(c.level, 0);
    EXPECT_EQ(c.hovered, 0);
    EXPECT_EQ(c.imageNormal, kRest);
    EXPECT_EQ(c.imageHover, kLit);
    EXPECT_EQ(c.imagePressed, kLit);
    // Everything from the checked pictures to the reserved word is cleared.
    const auto* from = reinterpret_cast<const unsigned char*>(&c.imageCheckedNormal);
    const auto* to = reinterpret_cast<const unsigned char*>(&c.reserved);
    for (const unsigned char* p = from; p < to; ++p) {
        if (p >= reinterpret_cast<const unsigned char*>(&c.onChange) &&
            p < reinterpret_cast<const unsigned char*>(&c.dragState)) {
            continue;  // callbacks are checked through their slots below
        }
        ASSERT_TRUE(*p == 0 || *p == 0xA5) << "offset " << (p - from);
    }
    EXPECT_EQ(c.imageCheckedNormal, nullptr);
    EXPECT_EQ(c.imageCheckedHover, nullptr);
    EXPECT_EQ(c.imageCheckedPressed, nullptr);
    EXPECT_EQ(c.mask, nullptr);
    EXPECT_EQ(c.rangeStart, 0);
    EXPECT_EQ(c.rangeEnd, 0);
    EXPECT_EQ(c.extent, 0);
    EXPECT_EQ(c.value, 0);
    EXPECT_EQ(c.thumbOffset, 0);
    EXPECT_EQ(c.orientation, 0);
    EXPECT_EQ(c.columns, 0);
    EXPECT_EQ(c.rows, 0);
    EXPECT_EQ(c.selectedCell, 0);
    EXPECT_EQ(c.onChange.pointer, nullptr);
    EXPECT_EQ(c.onPointer.pointer, nullptr);
    EXPECT_EQ(c.onRelease.pointer, nullptr);
    EXPECT_EQ(c.dragState, 0);
    EXPECT_EQ(c.pressX, 0);
    EXPECT_EQ(c.pressY, 0);
    EXPECT_EQ(c.text, nullptr);
    EXPECT_EQ(c.textCapacity, 0);
    EXPECT_EQ(c.font, nullptr);
    EXPECT_EQ(c.fillColor, 0u);
    for (RgbPicture piece : c.frameArt) EXPECT_EQ(piece, nullptr);
    EXPECT_EQ(c.reserved, -1);
}

TEST_F(ControlListTest, AnEleventhButtonIsDroppedWithoutTouchingAnyRecord) {
    activeList = Create();
    ASSERT_NE(activeList, nullptr);
    for (int32_t i = 0; i < 10; ++i) AddImageButton(10 * i, 100 + i, kRest, kLit, kLit);
    ASSERT_EQ(activeList->count, 10);
    for (int32_t i = 0; i < 10; ++i) EXPECT_EQ(activeList->items[i].id, 100 + i);

    Control before[10];
    std::memcpy(before, activeList->items, sizeof before);
    AddImageButton(500, 999, kLit, kRest, kRest);
    EXPECT_EQ(activeList->count, 10);
    EXPECT_EQ(std::memcmp(before, activeList->items, sizeof before), 0);
}

TEST_F(ControlListTest, WithoutAnActiveListAddingDoesNothing) {
    AddImageButton(83, 100, kRest, kLit, kLit);
    EXPECT_EQ(activeList, nullptr);
}

TEST(ToolkitStateTest, TheSharedWordsStartWithNoControlAndNoPress) {
    EXPECT_EQ(controlCount, 0);
    EXPECT_EQ(pressedIndex, -1);
    EXPECT_EQ(pendingFocusIndex, -1);
    EXPECT_EQ(pointerX, 0);
    EXPECT_EQ(pointerY, 0);
}

}  // namespace
