#include "Palette.h"

namespace {

// Warm fantasy colours: slightly purple shadows, golden light, nothing fully saturated.
const std::array<sf::Color, PAL_COUNT> PAL_COLOURS{{
    {20, 16, 26},    {26, 28, 52},    {44, 54, 98},    {74, 102, 156}, {136, 170, 208}, {242, 200, 146},
    {24, 48, 46},    {38, 76, 54},    {66, 116, 62},   {114, 158, 72}, {172, 198, 98},  {64, 62, 78},
    {106, 104, 118}, {160, 154, 158}, {70, 42, 36},    {116, 70, 46},  {164, 110, 66},  {30, 62, 104},
    {48, 104, 152},  {94, 158, 198},  {196, 230, 234}, {150, 92, 72},  {212, 148, 110}, {242, 198, 158},
    {112, 36, 46},   {170, 60, 58},   {218, 108, 76},  {152, 98, 36},  {216, 162, 54},  {250, 222, 124},
    {186, 152, 106}, {224, 198, 148}, {246, 230, 192}, {30, 34, 60},   {46, 56, 92},    {250, 246, 236},
}};

// Each entry's darker and lighter neighbour in its ramp, so shading never invents a colour.
struct RampStep {
    PaletteIndex darker;
    PaletteIndex lighter;
};

const std::array<RampStep, PAL_COUNT> PAL_STEPS{{
    {PAL_OUTLINE, PAL_NIGHT},          {PAL_OUTLINE, PAL_SKY_DEEP},        {PAL_NIGHT, PAL_SKY_MID},
    {PAL_SKY_DEEP, PAL_SKY_LIGHT},     {PAL_SKY_MID, PAL_SKY_GLOW},        {PAL_SKY_LIGHT, PAL_WHITE},
    {PAL_OUTLINE, PAL_GRASS_DARK},     {PAL_FOREST_DEEP, PAL_GRASS_MID},   {PAL_GRASS_DARK, PAL_GRASS_LIGHT},
    {PAL_GRASS_MID, PAL_GRASS_PALE},   {PAL_GRASS_LIGHT, PAL_PARCH_LIGHT}, {PAL_NIGHT, PAL_STONE_MID},
    {PAL_STONE_DARK, PAL_STONE_LIGHT}, {PAL_STONE_MID, PAL_WHITE},         {PAL_OUTLINE, PAL_WOOD_MID},
    {PAL_WOOD_DARK, PAL_WOOD_LIGHT},   {PAL_WOOD_MID, PAL_PARCH_DARK},     {PAL_NIGHT, PAL_WATER_MID},
    {PAL_WATER_DARK, PAL_WATER_LIGHT}, {PAL_WATER_MID, PAL_WATER_FOAM},    {PAL_WATER_LIGHT, PAL_WHITE},
    {PAL_WOOD_DARK, PAL_SKIN_MID},     {PAL_SKIN_DARK, PAL_SKIN_LIGHT},    {PAL_SKIN_MID, PAL_PARCH_LIGHT},
    {PAL_WOOD_DARK, PAL_CLOTH_MID},    {PAL_CLOTH_DARK, PAL_CLOTH_LIGHT},  {PAL_CLOTH_MID, PAL_SKIN_LIGHT},
    {PAL_WOOD_DARK, PAL_GOLD_MID},     {PAL_GOLD_DARK, PAL_GOLD_LIGHT},    {PAL_GOLD_MID, PAL_WHITE},
    {PAL_WOOD_LIGHT, PAL_PARCH_MID},   {PAL_PARCH_DARK, PAL_PARCH_LIGHT},  {PAL_PARCH_MID, PAL_WHITE},
    {PAL_NIGHT, PAL_NAVY_MID},         {PAL_NAVY_DARK, PAL_SKY_DEEP},      {PAL_PARCH_LIGHT, PAL_WHITE},
}};

int FindPaletteIndex(sf::Color colour) {
    for (int index = 0; index < PAL_COUNT; ++index) {
        const sf::Color& entry = PAL_COLOURS[index];
        if (entry.r == colour.r && entry.g == colour.g && entry.b == colour.b) return index;
    }
    return -1;
}

sf::Color WithAlpha(PaletteIndex index, std::uint8_t alpha) {
    sf::Color colour = PAL_COLOURS[index];
    colour.a = alpha;
    return colour;
}

}  // namespace

const std::array<sf::Color, PAL_COUNT>& PaletteColours() {
    return PAL_COLOURS;
}

sf::Color Pal(PaletteIndex index, std::uint8_t alpha) {
    return WithAlpha(index, alpha);
}

bool IsPaletteColour(sf::Color colour) {
    return FindPaletteIndex(colour) >= 0;
}

sf::Color DarkerInRamp(sf::Color colour) {
    const int index = FindPaletteIndex(colour);
    return index < 0 ? colour : WithAlpha(PAL_STEPS[index].darker, colour.a);
}

sf::Color LighterInRamp(sf::Color colour) {
    const int index = FindPaletteIndex(colour);
    return index < 0 ? colour : WithAlpha(PAL_STEPS[index].lighter, colour.a);
}
