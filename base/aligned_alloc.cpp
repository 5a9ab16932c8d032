// The raw block is 32 + sizeof(void*) bytes larger than asked (36 on x86): the start is the raw
// address plus 31 + sizeof(void*) with the low five bits cleared, so the pointer word always fits.
#include "base/aligned_alloc.h"

#include <cstdlib>
#include <cstring>

int32_t alignedAllocCount = 0;

namespace {
constexpr uintptr_t kAlignment = 32;
}  // namespace

#ifdef VARORIZO_ALLOC_TEST_HOOK
namespace {
int32_t allocationsBeforeFailure = -1;
}  // namespace

void FailAlignedAllocAfter(int32_t count) {
    allocationsBeforeFailure = count;
}
#endif

void* AllocAligned(size_t size) {
#ifdef VARORIZO_ALLOC_TEST_HOOK
    if (allocationsBeforeFailure == 0) return nullptr;
    if (allocationsBeforeFailure > 0) --allocationsBeforeFailure;
#endif
    constexpr size_t kExtra = kAlignment + sizeof(void*);
    if (size > SIZE_MAX - kExtra) return nullptr;
    auto* raw = static_cast<unsigned char*>(std::malloc(size + kExtra));
    if (raw == nullptr) return nullptr;
    uintptr_t start = (reinterpret_cast<uintptr_t>(raw) + kExtra - 1) & ~(kAlignment - 1);
    auto* block = raw + (start - reinterpret_cast<uintptr_t>(raw));
    std::memcpy(block - sizeof(void*), &raw, sizeof(void*));
    ++alignedAllocCount;
    return block;
}

void FreeAligned(void* block) {
    if (block == nullptr) return;
    void* raw = nullptr;
    std::memcpy(&raw, static_cast<unsigned char*>(block) - sizeof(void*), sizeof(void*));
    std::free(raw);
    --alignedAllocCount;
}
