// The world map screen: a painted parchment map of the region (the goblin village, the river bridge and the
// dark forest joined by roads; the lands beyond faded under fog), its two markers, and the small key-cap
// prompt shown over people and things the hero can use.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "PixelFont.h"
#include "Scenery.h"

#include <cmath>

namespace {

const int MAP_FACTOR = 2;  // the background is painted at half size, 960 x 540
const int MAP_WIDTH = 960;
const int MAP_HEIGHT = 540;
// Where the screen puts its markers (1920 x 1080 reference), halved into art pixels.
const PixelPoint MAP_VILLAGE{313, 356};
const PixelPoint MAP_FOREST{650, 225};
const PixelPoint MAP_BRIDGE{481, 348};

bool PaperFibre(int x, int y) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return h % 61 == 0;
}

void PaintParchment(PixelCanvas& map) {
    for (int y = 0; y < MAP_HEIGHT; ++y) {
        for (int x = 0; x < MAP_WIDTH; ++x) {
            const float dx = (x - MAP_WIDTH / 2.0f) / (MAP_WIDTH / 2.0f),
                        dy = (y - MAP_HEIGHT / 2.0f) / (MAP_HEIGHT / 2.0f);
            const float edge = std::max(std::fabs(dx), std::fabs(dy));
            const int level = std::clamp(static_cast<int>((edge - 0.72f) * 60.0f), 0, 16);
            sf::Color colour = DitherOn(x, y, level) ? Pal(PAL_PARCH_DARK) : Pal(PAL_PARCH_MID);
            if (PaperFibre(x, y)) colour = Pal(PAL_PARCH_DARK);
            if (edge > 0.985f) colour = Pal(PAL_WOOD_LIGHT);
            PutPixel(map, x, y, colour);
        }
    }
    StrokeRect(map, 0, 0, MAP_WIDTH, MAP_HEIGHT, Pal(PAL_WOOD_DARK));
    StrokeRect(map, 12, 12, MAP_WIDTH - 24, MAP_HEIGHT - 24, Pal(PAL_WOOD_MID));
    StrokeRect(map, 15, 15, MAP_WIDTH - 30, MAP_HEIGHT - 30, Pal(PAL_WOOD_MID));
}

// The river runs north to south under the bridge and widens into a lake in the south.
int RiverX(int y) {
    return MAP_BRIDGE.x +
           static_cast<int>(std::lround(18.0 * std::sin(y / 70.0) + 9.0 * std::sin(y / 23.0 + 1.0) -
                                        18.0 * std::sin(MAP_BRIDGE.y / 70.0) -
                                        9.0 * std::sin(MAP_BRIDGE.y / 23.0 + 1.0)));
}

void PaintRiver(PixelCanvas& map) {
    for (int y = 16; y < MAP_HEIGHT - 16; ++y) {
        const int centre = RiverX(y), half = 4 + y / 120;
        FillRect(map, centre - half - 1, y, 2 * half + 3, 1, Pal(PAL_WATER_DARK));
        FillRect(map, centre - half, y, 2 * half + 1, 1, Pal(PAL_WATER_MID));
        if (y % 9 < 3) PutPixel(map, centre - half / 2 + (y / 9) % 3, y, Pal(PAL_WATER_LIGHT));
    }
    FillEllipse(map, RiverX(470) + 30, 490, 70, 26, Pal(PAL_WATER_DARK));
    FillEllipse(map, RiverX(470) + 30, 490, 68, 24, Pal(PAL_WATER_MID));
    for (int line = 0; line < 5; ++line)
        FillRect(map, RiverX(470) - 10 + line * 17, 478 + (line % 3) * 8, 8, 1, Pal(PAL_WATER_LIGHT));
}

// A dashed road of dots in walking order along a gentle curve.
void PaintRoad(PixelCanvas& map, PixelPoint from, PixelPoint to, int bend) {
    const float length = std::hypot(static_cast<float>(to.x - from.x), static_cast<float>(to.y - from.y));
    const int steps = static_cast<int>(length / 2.0f);
    for (int step = 0; step <= steps; ++step) {
        const float t = static_cast<float>(step) / static_cast<float>(steps);
        const float sag = std::sin(t * 3.14159f) * static_cast<float>(bend);
        const int x = static_cast<int>(from.x + (to.x - from.x) * t - sag * (to.y - from.y) / length);
        const int y = static_cast<int>(from.y + (to.y - from.y) * t + sag * (to.x - from.x) / length);
        if ((step / 3) % 2 == 0) {
            FillRect(map, x - 1, y - 1, 3, 3, Pal(PAL_WOOD_MID));
        } else {
            PutPixel(map, x, y, Pal(PAL_WOOD_LIGHT));
        }
    }
}

void PaintForest(PixelCanvas& map, Rng& rng) {
    for (int tree = 0; tree < 120; ++tree) {
        const float angle = RandomUnit(rng) * 6.2831853f, reach = std::sqrt(RandomUnit(rng));
        const int x = MAP_FOREST.x + static_cast<int>(std::cos(angle) * reach * 130.0f);
        const int y = MAP_FOREST.y + static_cast<int>(std::sin(angle) * reach * 75.0f);
        if (std::abs(x - MAP_FOREST.x) < 14 && std::abs(y - MAP_FOREST.y) < 12) continue;  // the clearing
        DrawPineTree(map, x, y, RandomRange(rng, 12, 18), rng);
    }
}

void PaintVillage(PixelCanvas& map, Rng& rng) {
    const int huts[][3] = {{-40, -14, 18}, {-14, -26, 16}, {16, -18, 20},
                           {-30, 14, 16},  {26, 10, 16},   {0, 24, 18}};
    for (int index = 0; index < 6; ++index) {
        const auto& hut = huts[index];
        DrawGoblinHut(map, MAP_VILLAGE.x + hut[0] - hut[2] / 2, MAP_VILLAGE.y + hut[1] + 10, hut[2],
                      index % 2 ? ROOF_TILES : ROOF_THATCH, rng);
    }
    for (int tree = 0; tree < 8; ++tree) {
        DrawRoundTree(map, MAP_VILLAGE.x - 70 + tree * 20 + RandomRange(rng, -4, 4),
                      MAP_VILLAGE.y + 52 + RandomRange(rng, -8, 8), 5, rng);
    }
}

void PaintBridgeIcon(PixelCanvas& map) {
    PixelCanvas layer = MakeCanvas(40, 20);
    FillRect(layer, 4, 6, 32, 8, Pal(PAL_STONE_MID));
    FillEllipse(layer, 20, 14, 7, 4, sf::Color::Transparent);
    FillRect(layer, 4, 6, 32, 2, Pal(PAL_STONE_LIGHT));
    for (int x = 6; x < 36; x += 5)
        PutPixel(layer, x, 4, Pal(PAL_STONE_MID));
    FillRect(layer, 4, 5, 32, 1, Pal(PAL_STONE_MID));
    PlaceShadedLayer(map, layer, MAP_BRIDGE.x - 20, MAP_BRIDGE.y - 10, {RAMP_STONE});
}

// Unexplored lands: faint hills and mountains drawn in thin lines, half hidden under fog.
void PaintFadedLands(PixelCanvas& map, Rng& rng) {
    for (int mountain = 0; mountain < 14; ++mountain) {
        const int x = 720 + mountain * 16 + RandomRange(rng, -6, 6), y = 90 + (mountain % 3) * 14,
                  size = RandomRange(rng, 14, 24);
        DrawLine(map, x - size, y + size, x, y, Pal(PAL_PARCH_DARK));
        DrawLine(map, x, y, x + size, y + size, Pal(PAL_WOOD_LIGHT));
    }
    for (int hill = 0; hill < 18; ++hill) {
        const int x = 60 + RandomRange(rng, 0, 200), y = 80 + RandomRange(rng, 0, 180);
        for (int dx = -10; dx <= 10; ++dx)
            PutPixel(map, x + dx, y - static_cast<int>(std::sqrt(100.0f - dx * dx) / 2), Pal(PAL_PARCH_DARK));
    }
    for (int y = 20; y < MAP_HEIGHT - 20; ++y) {
        for (int x = 20; x < MAP_WIDTH - 20; ++x) {
            const float near = std::min({std::hypot(x - MAP_VILLAGE.x, (y - MAP_VILLAGE.y) * 1.6f),
                                         std::hypot(x - MAP_BRIDGE.x, (y - MAP_BRIDGE.y) * 1.6f),
                                         std::hypot(x - MAP_FOREST.x, (y - MAP_FOREST.y) * 1.6f) - 80.0f});
            const int level = std::clamp(static_cast<int>((near - 150.0f) / 14.0f), 0, 9);
            if (level > 0 && DitherOn(x, y, level)) PutPixel(map, x, y, Pal(PAL_PARCH_LIGHT));
        }
    }
}

void PaintCompassAndTitle(PixelCanvas& map) {
    const PixelPoint centre{880, 460};
    FillPolygon(map,
                {{centre.x, centre.y - 30},
                 {centre.x + 6, centre.y},
                 {centre.x, centre.y + 30},
                 {centre.x - 6, centre.y}},
                Pal(PAL_WOOD_DARK));
    FillPolygon(map,
                {{centre.x - 30, centre.y},
                 {centre.x, centre.y - 6},
                 {centre.x + 30, centre.y},
                 {centre.x, centre.y + 6}},
                Pal(PAL_WOOD_MID));
    FillPolygon(map, {{centre.x, centre.y - 30}, {centre.x + 6, centre.y}, {centre.x, centre.y}},
                Pal(PAL_CLOTH_MID));
    FillCircle(map, centre.x, centre.y, 3, Pal(PAL_GOLD_MID));
    TextStyle style;
    style.fill = Pal(PAL_WOOD_DARK);
    DrawText(map, centre.x - 2, centre.y - 44, "N", style);
    PixelCanvas title = RenderDisplayText("Velmoria", 3, RAMP_GOLD);
    Blit(map, title, 34, 30);
    style.fill = Pal(PAL_WOOD_MID);
    DrawText(map, 40, 30 + title.height + 2, "The goblin lands", style);
}

void PaintLabels(PixelCanvas& map) {
    TextStyle style;
    style.fill = Pal(PAL_WOOD_DARK);
    style.outline = Pal(PAL_PARCH_LIGHT);
    DrawTextCentred(map, MAP_VILLAGE.x, MAP_VILLAGE.y + 74, "Goblin Village", style);
    DrawTextCentred(map, MAP_BRIDGE.x + 4, MAP_BRIDGE.y + 26, "Old Bridge", style);
    DrawTextCentred(map, MAP_FOREST.x, MAP_FOREST.y - 92, "Dark Forest", style);
}

PixelCanvas PaintWorldMap() {
    PixelCanvas map = MakeCanvas(MAP_WIDTH, MAP_HEIGHT);
    Rng rng = MakeRng(1237);
    PaintParchment(map);
    PaintFadedLands(map, rng);
    PaintRiver(map);
    PaintRoad(map, MAP_VILLAGE, MAP_BRIDGE, 18);
    PaintRoad(map, MAP_BRIDGE, MAP_FOREST, -30);
    PaintForest(map, rng);
    PaintVillage(map, rng);
    PaintBridgeIcon(map);
    PaintCompassAndTitle(map);
    PaintLabels(map);
    return map;
}

// A round medallion pinned on the map; the selected one is gold, brighter and haloed.
PixelCanvas Marker(bool selected) {
    PixelCanvas canvas = MakeCanvas(24, 24);
    if (selected) {
        FillCircle(canvas, 12, 12, 11, Pal(PAL_GOLD_LIGHT, 50));
        FillCircle(canvas, 12, 12, 9, Pal(PAL_GOLD_LIGHT, 100));
    }
    PixelCanvas layer = MakeCanvas(24, 24);
    const Ramp rim = selected ? RAMP_GOLD : RAMP_WOOD;
    FillCircle(layer, 12, 12, selected ? 7 : 6, Pal(rim.mid));
    ShadeFromTopLeft(layer, rim);
    FillCircle(layer, 12, 12, selected ? 4 : 3, Pal(selected ? PAL_WHITE : PAL_PARCH_LIGHT));
    FillCircle(layer, 12, 12, 1, Pal(selected ? PAL_GOLD_MID : PAL_CLOTH_MID));
    OutlineOpaque(layer, Pal(PAL_OUTLINE));
    Blit(canvas, layer, 0, 0);
    if (selected) {
        for (const PixelPoint& spark :
             {PixelPoint{12, 1}, PixelPoint{22, 12}, PixelPoint{12, 22}, PixelPoint{1, 12}})
            PutPixel(canvas, spark.x, spark.y, Pal(PAL_WHITE));
    }
    return canvas;
}

// The key-cap prompt: a light parchment cap in the wood-and-gold frame with a tail pointing down at what
// can be used. The game writes the key's name in black across the cap.
PixelCanvas InteractPrompt() {
    PixelCanvas canvas = MakeCanvas(30, 15);
    FillPolygon(canvas, {{11, 10}, {15, 15}, {19, 10}}, Pal(PAL_WOOD_MID));
    FillRect(canvas, 1, 0, 28, 11, Pal(PAL_WOOD_MID));
    OutlineOpaque(canvas, Pal(PAL_OUTLINE));
    FillRect(canvas, 1, 0, 28, 1, Pal(PAL_OUTLINE));
    FillRect(canvas, 2, 1, 26, 1, Pal(PAL_WOOD_LIGHT));
    FillRect(canvas, 2, 1, 1, 8, Pal(PAL_WOOD_LIGHT));
    FillRect(canvas, 3, 2, 24, 7, Pal(PAL_PARCH_LIGHT));
    FillRect(canvas, 3, 8, 24, 1, Pal(PAL_PARCH_MID));
    FillRect(canvas, 2, 9, 26, 1, Pal(PAL_WOOD_DARK));
    for (const PixelPoint& stud : {PixelPoint{2, 1}, PixelPoint{27, 1}, PixelPoint{2, 9}, PixelPoint{27, 9}})
        PutPixel(canvas, stud.x, stud.y, Pal(PAL_GOLD_LIGHT));
    FillRect(canvas, 13, 11, 5, 1, Pal(PAL_WOOD_MID));
    return canvas;
}

}  // namespace

void GenerateWorldMap(AssetWriter& writer) {
    WritePixelArt(writer, "Sprites/ChangeMap/BackgroundMap.png", PaintWorldMap(), MAP_FACTOR);
    WritePixelArt(writer, "Sprites/ChangeMap/Cursor.png", Marker(false), 2);
    WritePixelArt(writer, "Sprites/ChangeMap/Point de selection minimap.png", Marker(true), 2);
    WritePixelArt(writer, "Sprites/Dialogues/Interact.png", InteractPrompt(), 6);
}
