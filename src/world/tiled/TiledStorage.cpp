#include "world/tiled/TiledStorage.h"

#include <algorithm>

void* TiledStorage::Allocate(size_t bytes, size_t alignment) {
    const size_t misalignment = reinterpret_cast<uintptr_t>(pageCursor_) % alignment;
    const size_t padding = misalignment == 0 ? 0 : alignment - misalignment;
    if (pageCursor_ != nullptr && padding + bytes <= pageRoom_) {
        std::byte* place = pageCursor_ + padding;
        pageCursor_ = place + bytes;
        pageRoom_ -= padding + bytes;
        return place;
    }
    // Large arrays (tile data) get a block of their own so that the current page keeps its room.
    // new[] of bytes is aligned for every fundamental type, which is all the records hold.
    const size_t blockBytes = std::max(bytes, TILED_PAGE_BYTES);
    pages_.push_back(std::make_unique_for_overwrite<std::byte[]>(blockBytes));
    bytesReserved_ += blockBytes;
    std::byte* block = pages_.back().get();
    if (blockBytes - bytes > pageRoom_) {
        pageCursor_ = block + bytes;
        pageRoom_ = blockBytes - bytes;
    }
    return block;
}

char* TiledStorage::StoreText(const char* text, size_t length) {
    if (length + 1 > textRoom_) {
        const size_t blockBytes = std::max(length + 1, TILED_STRING_BLOCK_BYTES);
        textBlocks_.push_back(std::make_unique_for_overwrite<char[]>(blockBytes));
        bytesReserved_ += blockBytes;
        textCursor_ = textBlocks_.back().get();
        textRoom_ = blockBytes;
    }
    char* stored = textCursor_;
    std::memcpy(stored, text, length);
    stored[length] = '\0';
    textCursor_ += length + 1;
    textRoom_ -= length + 1;
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
    std::vector<StringSlot> old = std::move(slots_);
    slots_.assign(old.empty() ? TILED_STRING_FIRST_SLOTS : old.size() * 2, StringSlot{0, nullptr, 0});
    bytesReserved_ += (slots_.size() - old.size()) * sizeof(StringSlot);
    const size_t mask = slots_.size() - 1;
    for (const StringSlot& slot : old) {
        if (slot.text == nullptr) continue;
        size_t index = SlotOf(slot.hash, mask);
        while (slots_[index].text != nullptr)
            index = (index + 1) & mask;
        slots_[index] = slot;
    }
}

const char* TiledStorage::Intern(const char* text, size_t length, uint64_t hash) {
    // Kept at most half full, so probing always ends on an empty slot.
    if ((slotsUsed_ + 1) * 2 > slots_.size()) GrowSlots();
    const size_t mask = slots_.size() - 1;
    size_t index = SlotOf(hash, mask);
    while (slots_[index].text != nullptr) {
        const StringSlot& slot = slots_[index];
        if (slot.hash == hash && slot.length == length && std::memcmp(slot.text, text, length) == 0) {
            return slot.text;
        }
        index = (index + 1) & mask;
    }
    slots_[index] = StringSlot{hash, StoreText(text, length), length};
    ++slotsUsed_;
    return slots_[index].text;
}
