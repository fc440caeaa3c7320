#pragma once
// The one palette of Velmoria: every generated pixel takes one of these colours (alpha may vary), so maps,
// characters, menus and HUDs drawn by different generators still look like one game.

#include <SFML/Graphics/Color.hpp>

#include <array>
#include <cstdint>

enum PaletteIndex : std::uint8_t {
    PAL_OUTLINE,  // the dark line around every shape
    PAL_NIGHT,    // deepest sky and forest shadow
    PAL_SKY_DEEP,
    PAL_SKY_MID,
    PAL_SKY_LIGHT,
    PAL_SKY_GLOW,  // warm dawn near the horizon
    PAL_FOREST_DEEP,
    PAL_GRASS_DARK,
    PAL_GRASS_MID,
    PAL_GRASS_LIGHT,
    PAL_GRASS_PALE,
    PAL_STONE_DARK,
    PAL_STONE_MID,
    PAL_STONE_LIGHT,
    PAL_WOOD_DARK,
    PAL_WOOD_MID,
    PAL_WOOD_LIGHT,
    PAL_WATER_DARK,
    PAL_WATER_MID,
    PAL_WATER_LIGHT,
    PAL_WATER_FOAM,
    PAL_SKIN_DARK,
    PAL_SKIN_MID,
    PAL_SKIN_LIGHT,
    PAL_CLOTH_DARK,  // red cloth, roof tiles, banners
    PAL_CLOTH_MID,
    PAL_CLOTH_LIGHT,
    PAL_GOLD_DARK,
    PAL_GOLD_MID,
    PAL_GOLD_LIGHT,
    PAL_PARCH_DARK,  // parchment of dialogue and HUD interiors
    PAL_PARCH_MID,
    PAL_PARCH_LIGHT,
    PAL_NAVY_DARK,  // deep-blue panel interiors
    PAL_NAVY_MID,
    PAL_WHITE,
    PAL_COUNT
};

// Every palette colour, fully opaque, in PaletteIndex order.
const std::array<sf::Color, PAL_COUNT>& PaletteColours();

// The colour of one palette entry with the given opacity.
sf::Color Pal(PaletteIndex index, std::uint8_t alpha = 255);

// True when the colour's red, green and blue are a palette entry (its alpha is not looked at).
bool IsPaletteColour(sf::Color colour);

// One step darker or lighter along the colour's own ramp (grass stays grass); the outline has no darker step.
// Used by soft shadows and dithered light so that they never leave the palette.
sf::Color DarkerInRamp(sf::Color colour);
sf::Color LighterInRamp(sf::Color colour);

// Three steps of one material: shadow, base and highlight.
struct Ramp {
    PaletteIndex dark;
    PaletteIndex mid;
    PaletteIndex light;
};

inline constexpr Ramp RAMP_GRASS{PAL_GRASS_DARK, PAL_GRASS_MID, PAL_GRASS_LIGHT};
inline constexpr Ramp RAMP_STONE{PAL_STONE_DARK, PAL_STONE_MID, PAL_STONE_LIGHT};
inline constexpr Ramp RAMP_WOOD{PAL_WOOD_DARK, PAL_WOOD_MID, PAL_WOOD_LIGHT};
inline constexpr Ramp RAMP_WATER{PAL_WATER_DARK, PAL_WATER_MID, PAL_WATER_LIGHT};
inline constexpr Ramp RAMP_SKIN{PAL_SKIN_DARK, PAL_SKIN_MID, PAL_SKIN_LIGHT};
inline constexpr Ramp RAMP_CLOTH{PAL_CLOTH_DARK, PAL_CLOTH_MID, PAL_CLOTH_LIGHT};
inline constexpr Ramp RAMP_GOLD{PAL_GOLD_DARK, PAL_GOLD_MID, PAL_GOLD_LIGHT};
inline constexpr Ramp RAMP_PARCH{PAL_PARCH_DARK, PAL_PARCH_MID, PAL_PARCH_LIGHT};
inline constexpr Ramp RAMP_SKY{PAL_SKY_DEEP, PAL_SKY_MID, PAL_SKY_LIGHT};
inline constexpr Ramp RAMP_NAVY{PAL_NIGHT, PAL_NAVY_DARK, PAL_NAVY_MID};
