#include "figures/figurememory.h"

#include <new>

// Sanitizer builds keep the general allocator, whose use-after-free and
// leak checks would not see inside a slab.
#if defined(__SANITIZE_ADDRESS__)
#define KORVADA_FIGURE_SLABS 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KORVADA_FIGURE_SLABS 0
#endif
#endif
#ifndef KORVADA_FIGURE_SLABS
#define KORVADA_FIGURE_SLABS 1
#endif

namespace {

// Slot sizes go up in steps of 8 bytes: figures hold ints and pointers,
// nothing aligned more strictly (figure.cpp checks).
constexpr std::size_t kGrain = 8;
constexpr std::size_t kLargestSlot = 256;  // bigger figures use the general allocator
constexpr std::size_t kClassCount = kLargestSlot / kGrain;
constexpr std::size_t kSlabSize = 64 * 1024;

struct FreeSlot {
    FreeSlot* pNext;
};

// One thread's slots of one size: the freed ones, then the untouched rest
// of the newest slab. Each thread has its own, so that no lock is taken;
// a slot freed on another thread simply joins that thread's list.
struct SlotClass {
    FreeSlot* pFree = nullptr;
    char* pNext = nullptr;
    char* pEnd = nullptr;
};

thread_local SlotClass t_classes[kClassCount];

void* TakeSlot(SlotClass& slots, std::size_t nSlot)
{
    if (FreeSlot* pSlot = slots.pFree) {
        slots.pFree = pSlot->pNext;
        return pSlot;
    }
    if (std::size_t(slots.pEnd - slots.pNext) < nSlot) {
        // The rest of the old slab, too small for a slot, is left unused.
        slots.pNext = static_cast<char*>(::operator new(kSlabSize));
        slots.pEnd = slots.pNext + kSlabSize;
    }
    void* pSlot = slots.pNext;
    slots.pNext += nSlot;
    return pSlot;
}

}  // namespace

void* AllocateFigureMemory(std::size_t nSize)
{
    if (!KORVADA_FIGURE_SLABS || nSize == 0 || nSize > kLargestSlot)
        return ::operator new(nSize);
    const std::size_t nClass = (nSize - 1) / kGrain;
    return TakeSlot(t_classes[nClass], (nClass + 1) * kGrain);
}

void FreeFigureMemory(void* p, std::size_t nSize) noexcept
{
    if (!p)
        return;
    if (!KORVADA_FIGURE_SLABS || nSize == 0 || nSize > kLargestSlot) {
        ::operator delete(p);
        return;
    }
    SlotClass& slots = t_classes[(nSize - 1) / kGrain];
    auto* pSlot = static_cast<FreeSlot*>(p);
    pSlot->pNext = slots.pFree;
    slots.pFree = pSlot;
}
