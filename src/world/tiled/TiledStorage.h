#pragma once
// Memory of one Tiled map: records carved from pages, arrays, and the interned string table.
// Everything is released together when the storage is destroyed; nothing is freed one by one.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <type_traits>
#include <vector>

constexpr size_t TILED_PAGE_BYTES = 10240;
constexpr size_t TILED_STRING_BLOCK_BYTES = size_t{256} * 1024;
constexpr size_t TILED_STRING_FIRST_SLOTS = 4096;

class TiledStorage {
public:
    TiledStorage() = default;
    TiledStorage(const TiledStorage&) = delete;
    TiledStorage& operator=(const TiledStorage&) = delete;

    // A zeroed record from the current page.
    template <typename Record>
    Record* NewRecord() {
        static_assert(std::is_trivially_destructible_v<Record>);
        void* place = Allocate(sizeof(Record), alignof(Record));
        return new (place) Record{};
    }

    // An uninitialised-then-copied array of `count` elements.
    template <typename Element>
    Element* CopyArray(const Element* elements, size_t count) {
        static_assert(std::is_trivially_copyable_v<Element>);
        if (count == 0) return nullptr;
        void* place = Allocate(sizeof(Element) * count, alignof(Element));
        std::memcpy(place, elements, sizeof(Element) * count);
        return static_cast<Element*>(place);
    }

    // The one shared copy of these bytes (a NUL is added after them).
    const char* Intern(const char* text, size_t length, uint64_t hash);

    size_t BytesReserved() const { return bytesReserved_; }

private:
    struct StringSlot {
        uint64_t hash;
        const char* text;
        size_t length;
    };

    void* Allocate(size_t bytes, size_t alignment);
    char* StoreText(const char* text, size_t length);
    void GrowSlots();

    std::vector<std::unique_ptr<std::byte[]>> pages_;
    std::byte* pageCursor_ = nullptr;
    size_t pageRoom_ = 0;
    std::vector<std::unique_ptr<char[]>> textBlocks_;
    char* textCursor_ = nullptr;
    size_t textRoom_ = 0;
    std::vector<StringSlot> slots_;
    size_t slotsUsed_ = 0;
    size_t bytesReserved_ = 0;
};

// FNV-1a, 64 bits, over the bytes and then one NUL, as keys and interned texts are hashed.
constexpr uint64_t TILED_FNV_OFFSET = 14695981039346656037ull;
constexpr uint64_t TILED_FNV_PRIME = 1099511628211ull;

constexpr uint64_t HashTiledText(const char* text, size_t length) {
    uint64_t hash = TILED_FNV_OFFSET;
    for (size_t i = 0; i < length; ++i) {
        hash = (hash ^ static_cast<unsigned char>(text[i])) * TILED_FNV_PRIME;
    }
    return hash * TILED_FNV_PRIME;  // the terminating NUL: xor with 0 changes nothing
}
