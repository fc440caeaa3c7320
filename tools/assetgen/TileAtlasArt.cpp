// The atlas of every map in its three paintings. The night painting moves every colour to a cool, darker
// step of the palette (lamplight stays warm); the burnt one starts from the night and adds scorched
// ground, charred walls, embers and small flames on the roofs.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "WorldTiles.h"

#include <array>
#include <string>

namespace {

const std::array<PaletteIndex, PAL_COUNT> NIGHT_OF{{
    PAL_OUTLINE,    PAL_OUTLINE,   PAL_NIGHT,       PAL_SKY_DEEP,   PAL_SKY_MID,    PAL_GOLD_MID,
    PAL_NIGHT,      PAL_NAVY_DARK, PAL_FOREST_DEEP, PAL_GRASS_DARK, PAL_GRASS_MID,  PAL_NIGHT,
    PAL_NAVY_DARK,  PAL_NAVY_MID,  PAL_NIGHT,       PAL_WOOD_DARK,  PAL_STONE_DARK, PAL_NIGHT,
    PAL_WATER_DARK, PAL_WATER_MID, PAL_WATER_LIGHT, PAL_WOOD_DARK,  PAL_SKIN_DARK,  PAL_SKIN_MID,
    PAL_NIGHT,      PAL_WOOD_DARK, PAL_CLOTH_DARK,  PAL_WOOD_DARK,  PAL_GOLD_DARK,  PAL_GOLD_LIGHT,
    PAL_STONE_DARK, PAL_STONE_MID, PAL_STONE_LIGHT, PAL_NIGHT,      PAL_NAVY_DARK,  PAL_SKY_LIGHT,
}};

int PaletteIndexOf(sf::Color colour) {
    const auto& colours = PaletteColours();
    for (int index = 0; index < PAL_COUNT; ++index) {
        if (colours[index].r == colour.r && colours[index].g == colour.g && colours[index].b == colour.b)
            return index;
    }
    return -1;
}

PixelCanvas Nightfall(const PixelCanvas& day) {
    PixelCanvas night = day;
    for (int y = 0; y < day.height; ++y) {
        for (int x = 0; x < day.width; ++x)
            PutPixel(night, x, y, NightColour(PixelAt(day, x, y)));
    }
    return night;
}

bool IsRoof(AtlasTile id) {
    return (id >= TILE_ROOF_EAVE_L && id <= TILE_ROOF_THATCH_R) ||
           (id >= TILE_CABIN_ROOF_L && id <= TILE_CABIN_ROOF_R) || id == TILE_CHIMNEY;
}

// Wood, straw, plaster and grass burn; water and stone only blacken with soot.
bool Burns(sf::Color day) {
    const int index = PaletteIndexOf(day);
    return index >= PAL_FOREST_DEEP && index != PAL_STONE_LIGHT &&
           (index < PAL_WATER_DARK || index > PAL_WATER_FOAM) && index != PAL_SKIN_LIGHT &&
           index != PAL_WHITE;
}

void DrawFlame(PixelCanvas& tile, int x, int baseY, int height) {
    for (int row = 0; row < height; ++row) {
        const int half = (height - row) * 3 / height;
        const PaletteIndex colour = row < height / 3       ? PAL_GOLD_LIGHT
                                    : row < height * 2 / 3 ? PAL_CLOTH_LIGHT
                                                           : PAL_CLOTH_MID;
        FillRect(tile, x - half, baseY - row, 2 * half + 1, 1, Pal(colour));
    }
    PutPixel(tile, x, baseY - 1, Pal(PAL_WHITE));
}

// Night plus fire: soot in ragged patches with embers glowing in the ash, flames licking up from the
// roofs. Patches stay inside their tile so the ground keeps no seam.
PixelCanvas Burn(const PixelCanvas& day, const PixelCanvas& night, AtlasTile id) {
    PixelCanvas burnt = night;
    const std::uint32_t seed = static_cast<std::uint32_t>(id) * 7u + 3u;
    Rng rng = MakeRng(seed);
    for (int patch = 0; patch < 2; ++patch) {
        const int centreX = RandomRange(rng, 6, 25), centreY = RandomRange(rng, 6, 25),
                  radius = RandomRange(rng, 3, 5);
        for (int y = centreY - radius; y <= centreY + radius; ++y) {
            for (int x = centreX - radius; x <= centreX + radius; ++x) {
                const int dx = x - centreX, dy = y - centreY;
                const int reach = dx * dx + dy * dy + static_cast<int>(TileHash(x, y, seed) % 9) - 4;
                if (reach > radius * radius || !Burns(PixelAt(day, x, y))) continue;
                const bool core = reach * 2 < radius * radius;
                if (DitherOn(x, y, core ? 10 : 5)) PutPixel(burnt, x, y, DarkerInRamp(PixelAt(burnt, x, y)));
                if (core && TileHash(x, y, seed) % 13 == 0) PutPixel(burnt, x, y, Pal(PAL_CLOTH_LIGHT));
            }
        }
    }
    for (int ember = 0; ember < 2; ++ember) {
        const int x = RandomRange(rng, 1, 30), y = RandomRange(rng, 1, 30);
        if (Burns(PixelAt(day, x, y)))
            PutPixel(burnt, x, y, Pal(ember == 0 ? PAL_GOLD_LIGHT : PAL_CLOTH_LIGHT));
    }
    if (IsRoof(id) && RandomRange(rng, 0, 2) != 0) {
        const int x = RandomRange(rng, 7, 24), base = RandomRange(rng, 16, 28);
        if (IsOpaque(day, x, base)) DrawFlame(burnt, x, base, RandomRange(rng, 8, 12));
    }
    return burnt;
}

PixelCanvas PaintVariantTile(AtlasTile id, AtlasVariant variant) {
    PixelCanvas day = PaintDayTile(id);
    if (variant == ATLAS_DAY) return day;
    const PixelCanvas night = Nightfall(day);
    return variant == ATLAS_NIGHT ? night : Burn(day, night, id);
}

}  // namespace

sf::Color NightColour(sf::Color day) {
    const int index = PaletteIndexOf(day);
    if (day.a == 0 || index < 0) return day;
    return Pal(NIGHT_OF[static_cast<std::size_t>(index)], day.a);
}

PixelCanvas PaintDayTile(AtlasTile id) {
    PixelCanvas tile = MakeCanvas(TILE_ART, TILE_ART);
    if (id == TILE_VOID) {
        FillCanvas(tile, Pal(PAL_OUTLINE));
        return tile;
    }
    const bool painted = PaintGroundTile(id, tile) || PaintPathOrWaterTile(id, tile) ||
                         PaintOutdoorPropTile(id, tile) || PaintHouseTile(id, tile) ||
                         PaintRoofTile(id, tile) || PaintForestTile(id, tile) ||
                         PaintInteriorTile(id, tile) || PaintFurnitureTile(id, tile);
    if (!painted) FillCanvas(tile, Pal(PAL_CLOTH_MID));
    return tile;
}

PixelCanvas PaintAtlas(AtlasVariant variant) {
    PixelCanvas atlas = MakeCanvas(ATLAS_COLUMNS * TILE_ART, ATLAS_ROWS * TILE_ART);
    for (int index = 0; index < ATLAS_TILE_COUNT; ++index) {
        const PixelCanvas tile = PaintVariantTile(static_cast<AtlasTile>(index), variant);
        Blit(atlas, tile, (index % ATLAS_COLUMNS) * TILE_ART, (index / ATLAS_COLUMNS) * TILE_ART);
    }
    return atlas;
}

void GenerateTileAtlases(AssetWriter& writer) {
    const PixelCanvas paintings[] = {PaintAtlas(ATLAS_DAY), PaintAtlas(ATLAS_NIGHT), PaintAtlas(ATLAS_BURN)};
    for (const MapAtlas& entry : MAP_ATLASES) {
        WritePixelArt(writer, std::string("Text/Maps/") + entry.map + "/" + ATLAS_IMAGES[entry.variant],
                      paintings[entry.variant], 2);
    }
}
