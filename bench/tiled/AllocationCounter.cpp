#include "tiled/AllocationCounter.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<size_t> gLive{0};
std::atomic<size_t> gPeak{0};

void Added(void* block) {
    if (block == nullptr) return;
    const size_t now = gLive += malloc_usable_size(block);
    size_t seen = gPeak.load();
    while (now > seen && !gPeak.compare_exchange_weak(seen, now)) {
    }
}

void* NewBytes(size_t bytes) {
    void* block = CountedMalloc(bytes == 0 ? 1 : bytes);
    if (block == nullptr) throw std::bad_alloc();
    return block;
}

void* NewAligned(size_t bytes, std::align_val_t alignment) {
    const size_t align = static_cast<size_t>(alignment);
    void* block = std::aligned_alloc(align, (bytes + align - 1) / align * align);
    if (block == nullptr) throw std::bad_alloc();
    Added(block);
    return block;
}

}  // namespace

size_t LiveHeapBytes() {
    return gLive.load();
}

size_t StartPeakMeasure() {
    gPeak = gLive.load();
    return gLive.load();
}

size_t PeakHeapBytes() {
    return gPeak.load();
}

void* CountedMalloc(size_t bytes) {
    void* block = std::malloc(bytes);
    Added(block);
    return block;
}

void* CountedRealloc(void* block, size_t bytes) {
    if (block != nullptr) gLive -= malloc_usable_size(block);
    void* moved = std::realloc(block, bytes);
    Added(moved);
    return moved;
}

void CountedFree(void* block) {
    if (block == nullptr) return;
    gLive -= malloc_usable_size(block);
    std::free(block);
}

void* operator new(size_t bytes) {
    return NewBytes(bytes);
}
void* operator new[](size_t bytes) {
    return NewBytes(bytes);
}
void* operator new(size_t bytes, const std::nothrow_t&) noexcept {
    return CountedMalloc(bytes == 0 ? 1 : bytes);
}
void* operator new[](size_t bytes, const std::nothrow_t&) noexcept {
    return CountedMalloc(bytes == 0 ? 1 : bytes);
}
void* operator new(size_t bytes, std::align_val_t alignment) {
    return NewAligned(bytes, alignment);
}
void* operator new[](size_t bytes, std::align_val_t alignment) {
    return NewAligned(bytes, alignment);
}
void operator delete(void* block) noexcept {
    CountedFree(block);
}
void operator delete[](void* block) noexcept {
    CountedFree(block);
}
void operator delete(void* block, size_t) noexcept {
    CountedFree(block);
}
void operator delete[](void* block, size_t) noexcept {
    CountedFree(block);
}
void operator delete(void* block, std::align_val_t) noexcept {
    CountedFree(block);
}
void operator delete[](void* block, std::align_val_t) noexcept {
    CountedFree(block);
}
void operator delete(void* block, size_t, std::align_val_t) noexcept {
    CountedFree(block);
}
void operator delete[](void* block, size_t, std::align_val_t) noexcept {
    CountedFree(block);
}
