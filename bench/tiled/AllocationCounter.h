#pragma once
// Counts the bytes live on the heap through operator new (and RapidJSON's allocator), to report the peak
// memory a parse needs.

#include <cstddef>

size_t LiveHeapBytes();
// Starts a new peak measurement and returns the bytes live now.
size_t StartPeakMeasure();
size_t PeakHeapBytes();

void* CountedMalloc(size_t bytes);
void* CountedRealloc(void* block, size_t bytes);
void CountedFree(void* block);

// RapidJSON's base allocator, counted.
struct CountingAllocator {
    static const bool kNeedFree = true;
    void* Malloc(size_t size) { return size == 0 ? nullptr : CountedMalloc(size); }
    void* Realloc(void* block, size_t, size_t newSize) {
        if (newSize == 0) {
            CountedFree(block);
            return nullptr;
        }
        return CountedRealloc(block, newSize);
    }
    static void Free(void* block) { CountedFree(block); }
};
