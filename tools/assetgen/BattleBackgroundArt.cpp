// The battle backdrops' shared sky, moon and nightfall, and the goblin village: by day its huts stand on
// the far edge of a meadow crossed by the dirt road the fighters meet on; at night the same huts burn
// under a red sky. The bridge is painted in BattleBridgeArt.cpp.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "BattleBackdrop.h"
#include "Scenery.h"
#include "WorldTiles.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const int VILLAGE_HORIZON = 84;  // the meadow's far edge, where the huts stand

struct Hut {
    int x;
    int foot;
    int width;
    RoofStyle roof;
    bool burns;
};

const std::vector<Hut>& VillageHuts() {
    static const std::vector<Hut> huts{
        {6, 90, 22, ROOF_THATCH, true},   {52, 88, 16, ROOF_TILES, false},   {92, 91, 24, ROOF_TILES, true},
        {150, 87, 14, ROOF_THATCH, true}, {196, 90, 20, ROOF_THATCH, false}, {248, 88, 16, ROOF_TILES, true},
        {300, 91, 24, ROOF_THATCH, true}, {362, 88, 18, ROOF_TILES, false},  {414, 90, 22, ROOF_THATCH, true},
        {458, 87, 14, ROOF_TILES, true},
    };
    return huts;
}

// The road the fighters stand on: its middle line wanders gently across the meadow.
int RoadCentre(int x) {
    return 140 + static_cast<int>(std::lround(5.0 * std::sin(x / 70.0) + 2.0 * std::sin(x / 23.0)));
}
int RoadHalfHeight(int x) {
    return 15 + static_cast<int>(std::lround(2.0 * std::sin(x / 37.0 + 1.0)));
}

// Packed earth mottled by wheels and feet; the pattern never repeats across the wide picture.
sf::Color RoadAt(int x, int y) {
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    const float patch = std::sin(fx / 11.0f + std::sin(fy / 6.0f) * 2.0f) + std::sin(fy / 4.0f + fx / 29.0f);
    std::uint32_t grit =
        static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u;
    grit = (grit ^ (grit >> 13)) * 0x5bd1e995u;
    if ((grit >> 7) % 47 == 0) return Pal(PAL_PARCH_MID);
    if ((grit >> 9) % 53 == 0) return Pal(PAL_WOOD_MID);
    if (patch < -1.2f && DitherOn(x, y, 6)) return Pal(PAL_WOOD_LIGHT);
    if (patch > 1.4f && DitherOn(x, y, 4)) return Pal(PAL_PARCH_MID);
    return Pal(PAL_PARCH_DARK);
}

void PaintMeadow(PixelCanvas& land) {
    for (int y = VILLAGE_HORIZON; y < BACKDROP_HEIGHT; ++y) {
        for (int x = 0; x < BACKDROP_WIDTH; ++x) {
            const int distance = y - VILLAGE_HORIZON;
            const bool far = distance < 14 && !DitherOn(x, y, distance + 2);
            const bool near = y > 190 && DitherOn(x, y, std::min(16, (y - 190) / 2));
            const sf::Color grass = GrassAt(x, y, 5);
            PutPixel(land, x, y, far ? DarkGrassAt(x, y) : near ? DarkerInRamp(grass) : grass);
        }
    }
    for (int x = 0; x < BACKDROP_WIDTH; ++x) {
        const int top = RoadCentre(x) - RoadHalfHeight(x), bottom = RoadCentre(x) + RoadHalfHeight(x);
        for (int y = top; y <= bottom; ++y)
            PutPixel(land, x, y, RoadAt(x, y));
        PutPixel(land, x, top, Pal(PAL_GRASS_DARK));  // the verge overhangs the far edge
        PutPixel(land, x, bottom + 1, Pal(PAL_GRASS_LIGHT));
        // Cart ruts, broken where the grass creeps back in.
        for (int rut : {-6, 5})
            if ((x / 9) % 5 != 0) PutPixel(land, x, RoadCentre(x) + rut, Pal(PAL_WOOD_LIGHT));
    }
}

void DrawMeadowDetails(PixelCanvas& land, Rng& rng) {
    const PaletteIndex petals[] = {PAL_CLOTH_LIGHT, PAL_GOLD_LIGHT, PAL_WHITE, PAL_WATER_LIGHT};
    for (int flower = 0; flower < 170; ++flower) {
        const int x = RandomRange(rng, 0, BACKDROP_WIDTH - 1),
                  y = RandomRange(rng, VILLAGE_HORIZON + 10, 230);
        if (std::abs(y - RoadCentre(x)) <= RoadHalfHeight(x) + 2) continue;
        PutPixel(land, x, y, Pal(petals[flower % 4]));
        PutPixel(land, x, y + 1, Pal(PAL_GRASS_DARK));
    }
    for (int stone = 0; stone < 9; ++stone) {
        const int x = RandomRange(rng, 8, BACKDROP_WIDTH - 8);
        const int y =
            RoadCentre(x) + (stone % 2 == 0 ? -1 : 1) * (RoadHalfHeight(x) + RandomRange(rng, 2, 5));
        PixelCanvas rock = MakeCanvas(10, 7);
        FillEllipse(rock, 5, 4, RandomRange(rng, 2, 3), 2, Pal(PAL_STONE_MID));
        PlaceShadedLayer(land, rock, x - 5, y - 4, {RAMP_STONE});
    }
}

void DrawFence(PixelCanvas& land, int x, int y, int length) {
    for (int step = 0; step < length; ++step) {
        PutPixel(land, x + step, y - 4, Pal(PAL_WOOD_LIGHT));
        PutPixel(land, x + step, y - 3, Pal(PAL_WOOD_DARK));
        if (step % 5 == 0) FillRect(land, x + step, y - 6, 1, 6, Pal(PAL_WOOD_MID));
    }
}

// The village along the meadow's far edge: hills and forest behind, then huts, trees and fences.
PixelCanvas PaintVillageLand(Rng& rng) {
    PixelCanvas land = MakeCanvas(BACKDROP_WIDTH, BACKDROP_HEIGHT);
    FillRidge(land, 58, 7, 44.0f, 0.8f, Pal(PAL_SKY_MID));
    FillRidge(land, 70, 5, 31.0f, 2.4f, Pal(PAL_FOREST_DEEP));
    for (int x = -2; x < BACKDROP_WIDTH + 6; x += 6 + RandomRange(rng, 0, 3))
        DrawPineTree(land, x, RidgeY(x, 70, 5, 31.0f, 2.4f) + 8, 11 + RandomRange(rng, 0, 5), rng);
    PaintMeadow(land);
    const int treeX[] = {38, 132, 230, 282, 344, 398};
    for (int tree = 0; tree < 6; ++tree)
        DrawRoundTree(land, treeX[tree], 86 + tree % 2 * 2, 6 + tree % 3, rng);
    for (const Hut& hut : VillageHuts())
        DrawGoblinHut(land, hut.x, hut.foot, hut.width, hut.roof, rng);
    DrawFence(land, 120, 96, 26);
    DrawFence(land, 320, 97, 34);
    DrawMeadowDetails(land, rng);
    return land;
}

// Tongues of fire over a hut's roof: red outside, orange, then a golden core.
void DrawRoofFire(PixelCanvas& scene, const Hut& hut, Rng& rng) {
    const int eaves = hut.foot - hut.width / 2 - 1, peak = eaves - hut.width * 3 / 4;
    const PaletteIndex layers[] = {PAL_CLOTH_MID, PAL_CLOTH_LIGHT, PAL_GOLD_LIGHT};
    for (int tongue = 0; tongue < hut.width / 4 + 1; ++tongue) {
        const int base = hut.x + 2 + tongue * 4 + RandomRange(rng, -1, 1);
        const int slope = std::abs(base - (hut.x + hut.width / 2)) * 3 / 4;
        const int foot = peak + slope + 4, tip = peak + slope - RandomRange(rng, 6, 13);
        const int sway = RandomRange(rng, -2, 2);
        for (int layer = 0; layer < 3; ++layer) {
            const int inset = layer, drop = layer * 3;
            FillPolygon(scene,
                        {{base - 3 + inset, foot}, {base + sway, tip + drop}, {base + 4 - inset, foot}},
                        Pal(layers[layer]));
        }
    }
}

// Smoke billows from the fire and leans east with the wind, thinning as it climbs so it is gone before
// the timeline strip.
void DrawSmokeColumn(PixelCanvas& scene, const Hut& hut) {
    const int top = hut.foot - hut.width / 2 - hut.width * 3 / 4 - 8;
    for (int puff = 0; puff < 12; ++puff) {
        const int radius = 3 + puff / 2, y = top - puff * 4, x = hut.x + hut.width / 2 + puff * puff / 4;
        const int density = 16 - std::max(0, (BACKDROP_CALM_ROWS + 24 - (y - radius)) / 2);
        if (density <= 1) break;
        for (int dy = -radius; dy <= radius; ++dy) {
            for (int dx = -radius; dx <= radius; ++dx) {
                if (dx * dx + dy * dy > radius * radius || y + dy <= BACKDROP_CALM_ROWS + 1) continue;
                const bool edge = dx * dx + dy * dy > (radius - 1) * (radius - 1);
                if (!DitherOn(x + dx, y + dy, edge ? density / 2 : density)) continue;
                PutPixel(scene, x + dx, y + dy,
                         Pal(dy < -radius / 3 && dx < radius / 3 ? PAL_STONE_MID : PAL_STONE_DARK));
            }
        }
    }
}

// Firelight reddens the night sky above the village and the ground in front of each burning hut.
void DrawFireGlow(PixelCanvas& scene) {
    for (int y = 30; y < VILLAGE_HORIZON; ++y) {
        for (int x = 0; x < BACKDROP_WIDTH; ++x) {
            const sf::Color here = PixelAt(scene, x, y);
            const bool sky = here == Pal(PAL_NIGHT) || here == Pal(PAL_SKY_DEEP) || here == Pal(PAL_OUTLINE);
            if (sky && DitherOn(x, y, std::min(12, (y - 30) / 4))) PutPixel(scene, x, y, Pal(PAL_CLOTH_DARK));
        }
    }
    for (const Hut& hut : VillageHuts()) {
        if (!hut.burns) continue;
        const int centreX = hut.x + hut.width / 2;
        for (int y = hut.foot; y < hut.foot + 14; ++y) {
            for (int x = centreX - hut.width; x < centreX + hut.width; ++x) {
                const float reach =
                    std::hypot((x - centreX) / static_cast<float>(hut.width), (y - hut.foot) / 14.0f);
                if (reach < 1.0f && DitherOn(x, y, static_cast<int>((1.0f - reach) * 12)))
                    PutPixel(scene, x, y, Pal(reach < 0.5f ? PAL_CLOTH_DARK : PAL_WOOD_DARK));
            }
        }
    }
}

PixelCanvas PaintVillageBackdrop(bool night) {
    // The land has its own random numbers, so day and night paint the very same village.
    Rng skyRng = MakeRng(0x5C1E5u), rng = MakeRng(0xB477E1u);
    PixelCanvas scene = MakeCanvas(BACKDROP_WIDTH, BACKDROP_HEIGHT);
    PaintBackdropSky(scene, VILLAGE_HORIZON, night, skyRng);
    PixelCanvas land = PaintVillageLand(rng);
    if (!night) {
        Blit(scene, land, 0, 0);
        return scene;
    }
    TurnBackdropToNight(land);
    Blit(scene, land, 0, 0);
    DrawFireGlow(scene);
    for (const Hut& hut : VillageHuts())
        if (hut.burns) DrawSmokeColumn(scene, hut);
    for (const Hut& hut : VillageHuts())
        if (hut.burns) DrawRoofFire(scene, hut, rng);
    for (int ember = 0; ember < 70; ++ember) {
        PutPixel(scene, RandomRange(rng, 0, BACKDROP_WIDTH - 1), RandomRange(rng, 28, VILLAGE_HORIZON),
                 Pal(ember % 3 == 0 ? PAL_GOLD_LIGHT : PAL_CLOTH_LIGHT));
    }
    return scene;
}

}  // namespace

void PaintBackdropSky(PixelCanvas& scene, int horizon, bool night, Rng& rng) {
    const PaletteIndex top = night ? PAL_NIGHT : PAL_SKY_MID;
    const PaletteIndex middle = night ? PAL_SKY_DEEP : PAL_SKY_LIGHT;
    const PaletteIndex haze = night ? PAL_SKY_MID : PAL_WATER_FOAM;
    FillRect(scene, 0, 0, scene.width, horizon, Pal(top));
    const int fall = (horizon - BACKDROP_CALM_ROWS) * 3 / 5;
    DitherGradient(scene, 0, BACKDROP_CALM_ROWS, scene.width, fall, Pal(top), Pal(middle));
    DitherGradient(scene, 0, BACKDROP_CALM_ROWS + fall, scene.width, horizon - BACKDROP_CALM_ROWS - fall,
                   Pal(middle), Pal(haze));
    if (night) {
        for (int star = 0; star < 60; ++star) {
            PutPixel(scene, RandomRange(rng, 0, scene.width - 1),
                     RandomRange(rng, BACKDROP_CALM_ROWS + 3, horizon - 30),
                     Pal(star % 4 == 0 ? PAL_WHITE : PAL_SKY_LIGHT));
        }
        return;
    }
    const int cloudX[] = {24, 120, 212, 330, 420};
    const int cloudY[] = {24, 36, 22, 30, 40};
    const int cloudW[] = {34, 26, 44, 30, 24};
    for (int cloud = 0; cloud < 5; ++cloud)
        DrawCloud(scene, cloudX[cloud], cloudY[cloud], cloudW[cloud], rng);
}

void TurnBackdropToNight(PixelCanvas& layer) {
    for (int y = 0; y < layer.height; ++y) {
        for (int x = 0; x < layer.width; ++x)
            PutPixel(layer, x, y, NightColour(PixelAt(layer, x, y)));
    }
}

void DrawBackdropMoon(PixelCanvas& scene, int x, int y, int radius) {
    for (int ring = 3; ring >= 1; --ring) {
        for (int dy = -radius - ring * 2; dy <= radius + ring * 2; ++dy) {
            for (int dx = -radius - ring * 2; dx <= radius + ring * 2; ++dx) {
                if (dx * dx + dy * dy <= (radius + ring * 2) * (radius + ring * 2) &&
                    DitherOn(x + dx, y + dy, 10 - ring * 3))
                    PutPixel(scene, x + dx, y + dy, Pal(PAL_SKY_MID));
            }
        }
    }
    FillCircle(scene, x, y, radius, Pal(PAL_PARCH_LIGHT));
    FillCircle(scene, x - 1, y - 1, radius - 2, Pal(PAL_WHITE));
    FillCircle(scene, x + radius / 3, y + radius / 4, radius / 4, Pal(PAL_PARCH_MID));  // the seas
    FillCircle(scene, x - radius / 3, y + radius / 2, radius / 5, Pal(PAL_PARCH_MID));
}

void GenerateBattleBackgrounds(AssetWriter& writer) {
    const std::string folder = "Sprites/Battle/BattleHUD/";
    WritePixelArt(writer, folder + "Background_Village_Day.png", PaintVillageBackdrop(false),
                  BACKDROP_FACTOR);
    WritePixelArt(writer, folder + "Background_Village_Night.png", PaintVillageBackdrop(true),
                  BACKDROP_FACTOR);
    WritePixelArt(writer, folder + "Background_Bridge_Day.png", PaintBridgeBackdrop(false), BACKDROP_FACTOR);
    WritePixelArt(writer, folder + "Background_Bridge_Night.png", PaintBridgeBackdrop(true), BACKDROP_FACTOR);
}
