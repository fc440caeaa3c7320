#include "world/tiled/TiledProperties.h"

namespace {

// "#" followed only by hexadecimal digits (at least one).
bool LooksLikeColour(const char* text, int length) {
    if (length < 2 || text[0] != '#') return false;
    for (int i = 1; i < length; ++i) {
        const char c = text[i];
        const bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!hex) return false;
    }
    return true;
}

uint32_t ColourFromText(const char* text, int length) {
    uint32_t colour = 0;
    for (int i = 1; i < length; ++i) {
        const char c = text[i];
        const uint32_t digit = c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
        colour = (colour << 4) | digit;
    }
    return length - 1 < 7 ? colour | 0xFF000000u : colour;
}

bool ReadStringValue(TiledCursor& cursor, TiledProperty& property) {
    if (!ReadTiledString(cursor)) return false;
    if (LooksLikeColour(cursor.scratch, cursor.scratchLength)) {
        property.kind = PROPERTY_COLOR;
        property.value.colour = ColourFromText(cursor.scratch, cursor.scratchLength);
        return true;
    }
    const size_t length = static_cast<size_t>(cursor.scratchLength);
    property.kind = PROPERTY_STRING;
    property.value.text =
        cursor.storage->Intern(cursor.scratch, length, HashTiledText(cursor.scratch, length));
    return true;
}

// The value's own shape decides its kind; the type text only counts by its first letter, for floats.
bool ReadPropertyValue(TiledCursor& cursor, char typeLetter, TiledProperty& property) {
    char first = 0;
    if (!PeekTiled(cursor, first)) return false;
    if (first == 't' || first == 'T' || first == 'f' || first == 'F') {
        property.kind = PROPERTY_BOOL;
        return ReadTiledBool(cursor, property.value.boolean);
    }
    if (first == '"') return ReadStringValue(cursor, property);
    if (typeLetter == 'f' || TiledDotBeforeComma(cursor)) {
        property.kind = PROPERTY_FLOAT;
        return ReadTiledFloat(cursor, property.value.number);
    }
    property.kind = PROPERTY_INT;
    return ReadTiledInt(cursor, property.value.integer);
}

bool ReadProperty(TiledCursor& cursor, TiledProperty& property) {
    if (!ExpectTiled(cursor, '{')) return false;
    if (!SkipTiledPastColon(cursor) || !ReadTiledText(cursor, property.name)) return false;
    if (!SkipTiledPastColon(cursor) || !ExpectTiled(cursor, '"')) return false;
    if (cursor.in == cursor.end) return FailTiled(TILED_REASON_PAST_END);
    const char typeLetter = *cursor.in;
    if (!SkipTiledPastColon(cursor) || !ReadPropertyValue(cursor, typeLetter, property)) return false;
    return ExpectTiled(cursor, '}');
}

}  // namespace

bool ReadTiledProperties(TiledCursor& cursor, TiledProperty*& properties, int32_t& count) {
    std::vector<TiledProperty>& read = cursor.properties;
    read.clear();
    const bool ok = ReadTiledElements(cursor, [&] {
        TiledProperty property{};
        if (!ReadProperty(cursor, property)) return false;
        read.push_back(property);
        return true;
    });
    if (!ok) return false;
    properties = cursor.storage->CopyArray(read.data(), read.size());
    count = static_cast<int32_t>(read.size());
    return true;
}
