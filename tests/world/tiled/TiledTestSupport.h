#pragma once
// Loads a map from a text held in a buffer of exactly its length (no terminator after it), so that
// AddressSanitizer catches any read past the length, and captures the warnings printed meanwhile.

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "core/Log.h"
#include "world/tiled/TiledMap.h"

struct TiledLoadResult {
    std::unique_ptr<TiledMap> map;
    std::string log;
};

// Parses the first `length` bytes of the text (all of it by default).
inline TiledLoadResult LoadTiledText(std::string_view text, size_t length = std::string_view::npos) {
    ResetTiledReader();
    std::unique_ptr<char[]> exact = std::make_unique<char[]>(text.size());
    std::memcpy(exact.get(), text.data(), text.size());
    LogCapture capture;
    TiledLoadResult result;
    result.map = LoadTiledMapFromMemory(exact.get(), std::min(length, text.size()));
    result.log = capture.text;
    return result;
}

// The warning line of a failed parse of text in memory.
inline std::string TiledFailure(const std::string& reason, int line) {
    return "WARNING (tiled_reader.h:2985): " + reason + " (MEMORY:" + std::to_string(line) + ")\n";
}

inline std::string TiledDataPath(const char* name) {
    return std::string(VELMORIA_TEST_DATA) + "/tiled/" + name;
}
