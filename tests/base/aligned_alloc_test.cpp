// The 32-byte aligned blocks and their live count.
#include <gtest/gtest.h>

#include <cstring>

#include "base/aligned_alloc.h"

namespace {

TEST(AlignedAlloc, BlocksStartOn32ByteBoundariesAndAreCounted) {
    FailAlignedAllocAfter(-1);
    const int32_t before = alignedAllocCount;
    void* blocks[40];
    for (size_t i = 0; i < 40; ++i) {
        blocks[i] = AllocAligned(i * 7 + 1);
        ASSERT_NE(blocks[i], nullptr);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(blocks[i]) % 32, 0u);
        std::memset(blocks[i], 0xA5, i * 7 + 1);  // the whole size is usable
    }
    EXPECT_EQ(alignedAllocCount, before + 40);
    for (void* block : blocks) FreeAligned(block);
    EXPECT_EQ(alignedAllocCount, before);
    FreeAligned(nullptr);
    EXPECT_EQ(alignedAllocCount, before);
}

TEST(AlignedAlloc, ARefusedRequestReturnsNullAndCountsNothing) {
    const int32_t before = alignedAllocCount;
    FailAlignedAllocAfter(1);
    void* granted = AllocAligned(64);
    EXPECT_NE(granted, nullptr);
    EXPECT_EQ(AllocAligned(64), nullptr);
    FailAlignedAllocAfter(-1);
    EXPECT_EQ(AllocAligned(SIZE_MAX - 8), nullptr);  // the extra room would overflow
    EXPECT_EQ(alignedAllocCount, before + 1);
    FreeAligned(granted);
}

}  // namespace
