// Blocks whose start lies on a 32-byte boundary: the frame buffer, the control list,
// pop-up save blocks and text buffers. The raw address sits in the word just before the start.
#pragma once
#include <cstddef>
#include <cstdint>

extern int32_t alignedAllocCount;  // live aligned blocks: up per allocation, down per release

// Returns a block of at least `size` bytes starting on a 32-byte boundary, or null.
void* AllocAligned(size_t size);
// Releases a block from AllocAligned; null is ignored.
void FreeAligned(void* block);

// Test hook, linked only into the test programs (base/CMakeLists.txt): the next `count`
// allocations succeed, the one after fails (negative: never fail).
void FailAlignedAllocAfter(int32_t count);
