#pragma once
// Loads a map from a text held in a buffer of exactly its length (no terminator after it), so that
// AddressSanitizer catches any read past the length, and captures the warnings printed meanwhile; and
// lists what the reader built in a line that a test compares at a glance.

#include <algorithm>
#include <cstring>
#include <memory>
#include <sstream>
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

// A list in the order the reader delivers it, one field of each record, joined by commas.
template <typename Record, typename Field>
std::string Listed(const Record* head, Field field) {
    std::ostringstream out;
    for (const Record* at = head; at != nullptr; at = at->next)
        out << (at == head ? "" : ",") << field(*at);
    return out.str();
}

template <typename Record>
std::string Names(const Record* head) {
    return Listed(head, [](const Record& r) { return r.name == nullptr ? "" : r.name; });
}

// Properties as "name kind value", joined by commas: colours in hexadecimal, booleans as 0 or 1.
inline std::string Properties(const TiledProperty* properties, int count) {
    std::ostringstream out;
    for (int i = 0; i < count; ++i) {
        const TiledProperty& p = properties[i];
        out << (i == 0 ? "" : ",") << p.name;
        if (p.kind == PROPERTY_INT) out << " int " << p.value.integer;
        if (p.kind == PROPERTY_BOOL) out << " bool " << p.value.boolean;
        if (p.kind == PROPERTY_FLOAT) out << " float " << p.value.number;
        if (p.kind == PROPERTY_STRING) out << " string " << p.value.text;
        if (p.kind == PROPERTY_COLOR) out << " color " << std::hex << p.value.colour << std::dec;
    }
    return out.str();
}

// Animation frames as "duration/tile", joined by commas.
inline std::string Frames(const TiledTileDescriptor& tile) {
    std::ostringstream out;
    for (int i = 0; i < tile.frameCount; ++i)
        out << (i == 0 ? "" : ",") << tile.animation[i].duration << "/" << tile.animation[i].tileid;
    return out.str();
}
