#include "world/TileSheets.h"

#include <cmath>
#include <cstring>
#include <filesystem>

#include "core/Log.h"

namespace {

bool IsOrthogonal(const TiledMap& map) {
    return map.orientation == nullptr || std::strcmp(map.orientation, "orthogonal") == 0;
}

std::string NameOf(const TiledTileset& tileset) {
    return tileset.name != nullptr ? tileset.name : std::string("without a name");
}

std::string WhyTilesetCannotBeDrawn(const TiledTileset& tileset, const std::string& folder) {
    if (tileset.source != nullptr) {
        return "its tileset " + std::string(tileset.source) +
               " is in a file of its own (embed it in the map in Tiled)";
    }
    if (tileset.image == nullptr) return "its tileset " + NameOf(tileset) + " has no single sheet picture";
    if (!std::filesystem::is_regular_file(folder + tileset.image)) {
        return std::string("its tile sheet ") + tileset.image + " is missing";
    }
    return {};
}

// Tiles that fit along one side of the sheet, given the tileset's grid.
int32_t FitAlong(int32_t length, int32_t tile, int32_t margin, int32_t spacing) {
    if (tile <= 0) return 0;
    return std::max(0, (length - 2 * margin + spacing) / (tile + spacing));
}

void ReadAnimations(const TiledTileset& tileset, TileSheet& sheet) {
    for (const TiledTileDescriptor* tile = tileset.tiles; tile != nullptr; tile = tile->next) {
        if (tile->animation == nullptr || tile->frameCount <= 0) continue;
        std::vector<TileFrame> frames;
        for (int32_t i = 0; i < tile->frameCount; ++i) {
            const TiledFrame& frame = tile->animation[i];
            frames.push_back({frame.tileid, static_cast<float>(std::max(frame.duration, 1)) / 1000.0f});
        }
        sheet.animations[tile->id] = std::move(frames);
    }
}

std::unique_ptr<TileSheet> LoadSheet(const TiledTileset& tileset, const TiledMap& map,
                                     const std::string& folder) {
    auto sheet = std::make_unique<TileSheet>();
    sheet->name = NameOf(tileset);
    sheet->firstgid = tileset.firstgid > 0 ? tileset.firstgid : 1;
    sheet->margin = std::max(tileset.margin, 0);
    sheet->spacing = std::max(tileset.spacing, 0);
    sheet->tileSize = {tileset.tilewidth > 0 ? tileset.tilewidth : map.tilewidth,
                       tileset.tileheight > 0 ? tileset.tileheight : map.tileheight};
    sheet->offset = {static_cast<float>(tileset.tileoffset.x), static_cast<float>(tileset.tileoffset.y)};
    sheet->image.loadFromFile(folder + tileset.image);
    const uint32_t key = tileset.transparentcolor;
    if ((key & 0xFF000000u) != 0) {
        sheet->image.createMaskFromColor(sf::Color((key >> 16) & 0xFF, (key >> 8) & 0xFF, key & 0xFF), 0);
    }
    sheet->texture.loadFromImage(sheet->image);
    const sf::Vector2u size = sheet->image.getSize();
    const int32_t across =
        FitAlong(static_cast<int32_t>(size.x), sheet->tileSize.x, sheet->margin, sheet->spacing);
    const int32_t down =
        FitAlong(static_cast<int32_t>(size.y), sheet->tileSize.y, sheet->margin, sheet->spacing);
    sheet->columns = tileset.columns > 0 ? tileset.columns : std::max(across, 1);
    // Never more tiles than the picture holds, whatever the file says.
    sheet->tileCount = tileset.tilecount > 0 ? std::min(tileset.tilecount, across * down) : across * down;
    ReadAnimations(tileset, *sheet);
    return sheet;
}

}  // namespace

std::string WhyMapCannotBeDrawn(const TiledMap& map, const std::string& folder) {
    if (!IsOrthogonal(map)) {
        return "its orientation is " + std::string(map.orientation) +
               ", and the game draws orthogonal maps only";
    }
    if (map.tilesets == nullptr) return "its Map.json holds no tileset";
    for (const TiledTileset* tileset = map.tilesets; tileset != nullptr; tileset = tileset->next) {
        std::string reason = WhyTilesetCannotBeDrawn(*tileset, folder);
        if (!reason.empty()) return reason;
    }
    return {};
}

bool LoadTileSheets(const TiledMap& map, const std::string& folder, const std::string& mapName,
                    TileSheets& sheets, std::string& reason) {
    sheets = TileSheets{};
    sheets.mapName = mapName;
    reason = WhyMapCannotBeDrawn(map, folder);
    if (!reason.empty()) return false;
    for (const TiledTileset* tileset = map.tilesets; tileset != nullptr; tileset = tileset->next)
        sheets.sheets.push_back(LoadSheet(*tileset, map, folder));
    return true;
}

std::optional<TileRef> ResolveTile(TileSheets& sheets, int32_t layerId) {
    const uint32_t raw = static_cast<uint32_t>(layerId);
    const int32_t gid = static_cast<int32_t>(raw & TILE_ID_BITS);
    if (gid == 0) return std::nullopt;
    // The tileset with the largest firstgid not above the id.
    std::optional<size_t> owner;
    for (size_t i = 0; i < sheets.sheets.size(); ++i) {
        const int32_t first = sheets.sheets[i]->firstgid;
        if (first <= gid && (!owner || first > sheets.sheets[*owner]->firstgid)) owner = i;
    }
    const int32_t tile = owner ? gid - sheets.sheets[*owner]->firstgid : -1;
    if (!owner || tile >= sheets.sheets[*owner]->tileCount) {
        if (sheets.reported.insert(raw & TILE_ID_BITS).second) {
            LogDebug("Map %s: tile %d is beyond the tiles of its tilesets and is not drawn\n",
                     sheets.mapName.c_str(), gid);
        }
        return std::nullopt;
    }
    return TileRef{*owner, tile, (raw & TILE_FLIP_HORIZONTAL) != 0, (raw & TILE_FLIP_VERTICAL) != 0,
                   (raw & TILE_FLIP_DIAGONAL) != 0};
}

sf::IntRect SheetCell(const TileSheet& sheet, int32_t tile) {
    const int32_t column = tile % sheet.columns;
    const int32_t row = tile / sheet.columns;
    return {sheet.margin + column * (sheet.tileSize.x + sheet.spacing),
            sheet.margin + row * (sheet.tileSize.y + sheet.spacing), sheet.tileSize.x, sheet.tileSize.y};
}

int32_t AnimatedTile(const TileSheet& sheet, int32_t tile, float seconds) {
    const auto found = sheet.animations.find(tile);
    if (found == sheet.animations.end()) return tile;
    float total = 0.0f;
    for (const TileFrame& frame : found->second)
        total += frame.seconds;
    float into = std::fmod(std::max(seconds, 0.0f), total);
    for (const TileFrame& frame : found->second) {
        if (into < frame.seconds) return frame.tile;
        into -= frame.seconds;
    }
    return found->second.back().tile;
}
