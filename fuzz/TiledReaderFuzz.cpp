// Feeds arbitrary bytes to the Tiled map reader and walks every map it accepts, so that a record or
// array the reader got wrong shows up under AddressSanitizer.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "core/Log.h"
#include "world/tiled/TiledMap.h"

namespace {

size_t TouchText(const char* text) {
    return text == nullptr ? 0 : std::strlen(text);
}

size_t TouchProperties(const TiledProperty* properties, int32_t count) {
    size_t sum = 0;
    for (int32_t i = 0; i < count; ++i) {
        sum += TouchText(properties[i].name);
        if (properties[i].kind == PROPERTY_STRING) sum += TouchText(properties[i].value.text);
    }
    return sum;
}

size_t TouchLayers(const TiledLayer* layer) {
    size_t sum = 0;
    for (; layer != nullptr; layer = layer->next) {
        sum += TouchText(layer->name) + TouchText(layer->type) + TouchText(layer->className);
        sum += TouchText(layer->draworder) + TouchText(layer->image);
        for (int32_t i = 0; i < layer->dataCount; ++i)
            sum += static_cast<uint32_t>(layer->data[i]);
        sum += TouchProperties(layer->properties, layer->propertyCount);
        for (const TiledObject* object = layer->objects; object != nullptr; object = object->next) {
            sum += TouchText(object->name) + TouchText(object->type) + TouchText(object->className);
            for (int32_t i = 0; i < object->vertexCount * 2; ++i)
                sum += object->vertices[i] > 0.0f;
            sum += TouchProperties(object->properties, object->propertyCount);
        }
        sum += TouchLayers(layer->layers);
    }
    return sum;
}

size_t TouchTilesets(const TiledTileset* tileset) {
    size_t sum = 0;
    for (; tileset != nullptr; tileset = tileset->next) {
        sum += TouchText(tileset->name) + TouchText(tileset->image) + TouchText(tileset->source);
        sum += TouchText(tileset->tiledversion) + TouchText(tileset->type) + TouchText(tileset->className);
        sum += TouchProperties(tileset->properties, tileset->propertyCount);
        for (const TiledTileDescriptor* tile = tileset->tiles; tile != nullptr; tile = tile->next) {
            sum += TouchText(tile->image) + TouchText(tile->type);
            for (int32_t i = 0; i < tile->frameCount; ++i)
                sum += tile->animation[i].tileid;
            sum += TouchProperties(tile->properties, tile->propertyCount);
            sum += TouchLayers(tile->objectgroup);
        }
    }
    return sum;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool quiet = [] {
        SetLogSink([](std::string_view) {});
        return true;
    }();
    (void)quiet;
    // libFuzzer's buffer is exactly `size` bytes long, so any read past the length is caught.
    std::unique_ptr<TiledMap> map = LoadTiledMapFromMemory(reinterpret_cast<const char*>(data), size);
    if (map != nullptr) {
        volatile size_t sink = TouchLayers(map->layers) + TouchTilesets(map->tilesets);
        sink = sink + TouchProperties(map->properties, map->propertyCount) + TouchText(map->orientation);
        (void)sink;
    }
    FreeTiledMap(map);
    return 0;
}
