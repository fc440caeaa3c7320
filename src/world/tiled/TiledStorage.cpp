#include "world/tiled/TiledStorage.h"

#include <algorithm>

void* TiledStorage::Allocate(size_t bytes, size_t alignment) {
    const size_t misalignment = reinterpret_cast<uintptr_t>(pageCursor) % alignment;
    const size_t padding = misalignment == 0 ? 0 : alignment - misalignment;
    if (pageCursor != nullptr && padding + bytes <= pageRoom) {
        std::byte* place = pageCursor + padding;
        pageCursor = place + bytes;
        pageRoom -= padding + bytes;
        return place;
    }
    // Large arrays (tile data) get a block of their own so that the current page keeps its room.
    // new[] of bytes is aligned for every fundamental type, which is all the records hold.
    const size_t blockBytes = std::max(bytes, TILED_PAGE_BYTES);
    pages.push_back(std::make_unique_for_overwrite<std::byte[]>(blockBytes));
    bytesReserved += blockBytes;
    std::byte* block = pages.back().get();
    if (blockBytes - bytes > pageRoom) {
        pageCursor = block + bytes;
        pageRoom = blockBytes - bytes;
    }
    return block;
}

char* TiledStorage::StoreText(const char* text, size_t length) {
    if (length + 1 > textRoom) {
        const size_t blockBytes = std::max(length + 1, TILED_STRING_BLOCK_BYTES);
        textBlocks.push_back(std::make_unique_for_overwrite<char[]>(blockBytes));
        bytesReserved += blockBytes;
        textCursor = textBlocks.back().get();
        textRoom = blockBytes;
    }
    char* stored = textCursor;
    std::memcpy(stored, text, length);
    stored[length] = '\0';
    textCursor += length + 1;
    textRoom -= length + 1;
    return stored;
}

namespace {

// The low bits of an FNV-1a hash depend only on the low bits of the bytes, so texts that differ in their
// high bits would pile up in one run of slots: take the slot from a multiplicative mix of the whole hash.
size_t SlotOf(uint64_t hash, size_t mask) {
    return static_cast<size_t>((hash * 0x9E3779B97F4A7C15ull) >> 32) & mask;
}

}  // namespace

void TiledStorage::GrowSlots() {
    std::vector<StringSlot> old = std::move(slots);
    slots.assign(old.empty() ? TILED_STRING_FIRST_SLOTS : old.size() * 2, StringSlot{0, nullptr, 0});
    bytesReserved += (slots.size() - old.size()) * sizeof(StringSlot);
    const size_t mask = slots.size() - 1;
    for (const StringSlot& slot : old) {
        if (slot.text == nullptr) continue;
        size_t index = SlotOf(slot.hash, mask);
        while (slots[index].text != nullptr)
            index = (index + 1) & mask;
        slots[index] = slot;
    }
}

const char* TiledStorage::Intern(const char* text, size_t length, uint64_t hash) {
    // Kept at most half full, so probing always ends on an empty slot.
    if ((slotsUsed + 1) * 2 > slots.size()) GrowSlots();
    const size_t mask = slots.size() - 1;
    size_t index = SlotOf(hash, mask);
    while (slots[index].text != nullptr) {
        const StringSlot& slot = slots[index];
        if (slot.hash == hash && slot.length == length && std::memcmp(slot.text, text, length) == 0) {
            return slot.text;
        }
        index = (index + 1) & mask;
    }
    slots[index] = StringSlot{hash, StoreText(text, length), length};
    ++slotsUsed;
    return slots[index].text;
}
