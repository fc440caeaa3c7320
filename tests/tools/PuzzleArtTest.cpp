// The pictures and sounds of the burning house's and the night forest's puzzles, checked as the game uses
// them: the sizes it cuts, a fire that flickers in its tile, the points it pins the hook and turns the rope
// about, a barricade solid where it blocks, a broken wall that hides the tile under it and meets the walls
// beside it, an opaque night over the forest, and sounds that are short, clean and tell what happens.

#include "GeneratedTree.h"
#include "assetgen/Palette.h"
#include "assetgen/TileAtlas.h"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::string SETTING = "Sprites/Setting/";

sf::Image Load(const std::string& path) {
    sf::Image image;
    EXPECT_TRUE(image.loadFromFile((Generated(0).root / path).string())) << path;
    return image;
}

bool IsColour(sf::Color colour, PaletteIndex index) {
    const sf::Color wanted = Pal(index);
    return colour.a == 255 && colour.r == wanted.r && colour.g == wanted.g && colour.b == wanted.b;
}

struct Region {
    int left, top, width, height;
};

int CountIn(const sf::Image& image, Region region, bool (*wanted)(sf::Color)) {
    int count = 0;
    for (int y = region.top; y < region.top + region.height; ++y) {
        for (int x = region.left; x < region.left + region.width; ++x)
            if (wanted(image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)))) ++count;
    }
    return count;
}

bool Solid(sf::Color colour) {
    return colour.a == 255;
}
bool Clear(sf::Color colour) {
    return colour.a == 0;
}
bool Flame(sf::Color colour) {
    return IsColour(colour, PAL_CLOTH_LIGHT) || IsColour(colour, PAL_GOLD_LIGHT);
}
bool FlameEdge(sf::Color colour) {
    return IsColour(colour, PAL_CLOTH_DARK);
}
bool NightSky(sf::Color colour) {
    return IsColour(colour, PAL_SKY_DEEP);
}

bool SameRegion(const sf::Image& a, Region first, const sf::Image& b, Region second) {
    for (int y = 0; y < first.height; ++y) {
        for (int x = 0; x < first.width; ++x) {
            if (a.getPixel(static_cast<unsigned>(first.left + x), static_cast<unsigned>(first.top + y)) !=
                b.getPixel(static_cast<unsigned>(second.left + x), static_cast<unsigned>(second.top + y)))
                return false;
        }
    }
    return true;
}

// Clear pixels walled in by opaque ones, as the wall shows through the eye of a ring.
int EnclosedClearPixels(sf::Image image) {
    const int width = static_cast<int>(image.getSize().x), height = static_cast<int>(image.getSize().y);
    std::vector<std::pair<int, int>> open;
    for (int x = 0; x < width; ++x)
        open.insert(open.end(), {{x, 0}, {x, height - 1}});
    for (int y = 0; y < height; ++y)
        open.insert(open.end(), {{0, y}, {width - 1, y}});
    while (!open.empty()) {
        const auto [x, y] = open.back();
        open.pop_back();
        if (x < 0 || y < 0 || x >= width || y >= height) continue;
        if (image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)).a != 0) continue;
        image.setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y), sf::Color::White);  // reached
        open.insert(open.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
    }
    return CountIn(image, {0, 0, width, height}, Clear);
}

// Loudness in dBFS of the samples between two times.
double RmsDbfs(const SoundFacts& sound, double from, double to) {
    const auto first = static_cast<std::size_t>(from * sound.sampleRate);
    const auto last = std::min(sound.samples.size(), static_cast<std::size_t>(to * sound.sampleRate));
    double sum = 0.0;
    for (std::size_t i = first; i < last; ++i)
        sum += static_cast<double>(sound.samples[i]) * sound.samples[i];
    return last > first && sum > 0.0
               ? 10.0 * std::log10(sum / static_cast<double>(last - first) / 32768.0 / 32768.0)
               : -200.0;
}

// Sign changes a second: rises with the pitch of a band of noise.
double CrossingsPerSecond(const SoundFacts& sound, double from, double to) {
    const auto first = static_cast<std::size_t>(from * sound.sampleRate);
    const auto last = std::min(sound.samples.size(), static_cast<std::size_t>(to * sound.sampleRate));
    int crossings = 0;
    for (std::size_t i = first + 1; i < last; ++i)
        if ((sound.samples[i - 1] < 0) != (sound.samples[i] < 0)) ++crossings;
    return crossings / (to - from);
}

const char* const PUZZLE_SOUNDS[] = {"Sounds/Puzzle/FireExtinguish.wav", "Sounds/Puzzle/WaterFill.wav",
                                     "Sounds/Fishing/RodStrain.wav"};

}  // namespace

TEST(PuzzleArt, PicturesHaveTheSizesTheGameCuts) {
    struct Expected {
        std::string path;
        unsigned width, height;
    };
    const Expected table[] = {
        {SETTING + "Flames.png", 384, 64},  {SETTING + "BrokenWall.png", 64, 64},
        {SETTING + "Hook.png", 16, 16},     {SETTING + "Night_Fence.png", 128, 80},
        {SETTING + "Rope_Long.png", 8, 80}, {"Sprites/Fog/Fog1.png", 40 * 64, 24 * 64},
    };
    for (const Expected& expected : table) {
        EXPECT_EQ(Load(expected.path).getSize(), sf::Vector2u(expected.width, expected.height))
            << expected.path;
    }
}

TEST(PuzzleArt, FlamesFlickerInSixFramesThatStayInTheirTile) {
    const sf::Image strip = Load(SETTING + "Flames.png");
    ASSERT_EQ(strip.getSize(), sf::Vector2u(384, 64));
    std::vector<int> areas;
    for (int frame = 0; frame < 6; ++frame) {
        const Region tile{frame * 64, 0, 64, 64};
        const int area = CountIn(strip, tile, Solid);
        EXPECT_GT(area, 800) << "frame " << frame << " is nearly empty";
        EXPECT_GT(CountIn(strip, tile, Flame), 300) << "frame " << frame << " is not orange and yellow";
        EXPECT_GT(CountIn(strip, tile, FlameEdge), 60) << "frame " << frame << " has no dark edge";
        // Neighbouring fires must not run into each other, nor the fire float off the floor.
        EXPECT_EQ(CountIn(strip, {tile.left, 0, 64, 2}, Clear), 128)
            << "frame " << frame << " touches the top";
        EXPECT_EQ(CountIn(strip, {tile.left, 0, 2, 64}, Clear), 128) << "frame " << frame << " spills left";
        EXPECT_EQ(CountIn(strip, {tile.left + 62, 0, 2, 64}, Clear), 128)
            << "frame " << frame << " spills right";
        EXPECT_GT(CountIn(strip, {tile.left, 52, 64, 12}, Solid), 400) << "frame " << frame << " floats";
        areas.push_back(area);
    }
    for (int a = 0; a < 6; ++a) {
        for (int b = a + 1; b < 6; ++b) {
            EXPECT_FALSE(SameRegion(strip, {a * 64, 0, 64, 64}, strip, {b * 64, 0, 64, 64}))
                << "frames " << a << " and " << b << " are alike";
        }
    }
    const auto [smallest, largest] = std::minmax_element(areas.begin(), areas.end());
    EXPECT_LT(*largest, *smallest * 3 / 2) << "the fire jumps instead of flickering";
}

TEST(PuzzleArt, HookAndRopeHoldThePointsTheGamePinsThemBy) {
    const sf::Image hook = Load(SETTING + "Hook.png");
    EXPECT_EQ(hook.getPixel(1, 8).a, 255) << "the hook's origin lies off the iron";
    EXPECT_GE(EnclosedClearPixels(hook), 4) << "the ring has no eye to tie the rope through";

    const sf::Image rope = Load(SETTING + "Rope_Long.png");
    EXPECT_EQ(rope.getPixel(4, 5).a, 255) << "the rope is not tied at its turning point";
    EXPECT_EQ(CountIn(rope, {0, 0, 8, 2}, Solid), 0) << "the rope reaches above its knot";
    for (int y = 5; y < 76; ++y)
        EXPECT_EQ(CountIn(rope, {3, y, 2, 1}, Solid), 2) << "the rope breaks at row " << y;
    EXPECT_EQ(CountIn(rope, {0, 0, 8, 80}, [](sf::Color colour) { return colour.a > 0 && colour.a < 255; }),
              0)
        << "the rope is see-through";
}

TEST(PuzzleArt, BarricadeIsSolidBelowAndDarkInTheNight) {
    const sf::Image fence = Load(SETTING + "Night_Fence.png");
    ASSERT_EQ(fence.getSize(), sf::Vector2u(128, 80));
    EXPECT_GT(CountIn(fence, {0, 40, 128, 40}, Solid), 128 * 40 * 95 / 100) << "the hero would see through";
    EXPECT_GT(CountIn(fence, {0, 0, 128, 16}, Clear), 128 * 16 / 10) << "no sharpened tops against the sky";
    int opaque = 0;
    long brightness = 0;
    for (unsigned y = 0; y < 80; ++y) {
        for (unsigned x = 0; x < 128; ++x) {
            const sf::Color colour = fence.getPixel(x, y);
            if (colour.a == 0) continue;
            EXPECT_FALSE(IsColour(colour, PAL_WOOD_MID) || IsColour(colour, PAL_WOOD_LIGHT) ||
                         IsColour(colour, PAL_PARCH_MID))
                << "day-lit wood at " << x << "," << y;
            ++opaque;
            brightness += colour.r + colour.g + colour.b;
        }
    }
    ASSERT_GT(opaque, 0);
    EXPECT_LT(brightness / opaque / 3, 80) << "too bright for the night forest";
}

TEST(PuzzleArt, BrokenWallHidesItsTileShowsTheNightAndMeetsTheWallsBeside) {
    const sf::Image wall = Load(SETTING + "BrokenWall.png");
    ASSERT_EQ(wall.getSize(), sf::Vector2u(64, 64));
    EXPECT_EQ(CountIn(wall, {0, 0, 64, 64}, Solid), 64 * 64) << "the standing wall would show through";
    EXPECT_GT(CountIn(wall, {16, 8, 32, 32}, NightSky), 80) << "no night sky through the hole";
    // Beside it stand the inner walls of the night painting: the outer columns must carry on their pattern.
    const sf::Image atlas = Load("Text/Maps/ForestNight/Tiles_Night.png");
    const Region inner{(TILE_INNER_WALL % ATLAS_COLUMNS) * ATLAS_TILE,
                       (TILE_INNER_WALL / ATLAS_COLUMNS) * ATLAS_TILE, ATLAS_TILE, ATLAS_TILE};
    for (int x : {0, 62}) {
        EXPECT_TRUE(SameRegion(wall, {x, 0, 2, 48}, atlas, {inner.left + x, inner.top, 2, 48}))
            << "a seam at column " << x;
    }
}

TEST(PuzzleArt, ForestDarknessIsOpaqueDeepNightEverywhere) {
    const sf::Image fog = Load("Sprites/Fog/Fog1.png");
    int strangers = 0;
    for (unsigned y = 0; y < fog.getSize().y; ++y) {
        for (unsigned x = 0; x < fog.getSize().x; ++x) {
            const sf::Color colour = fog.getPixel(x, y);
            if (!IsColour(colour, PAL_NIGHT) && !IsColour(colour, PAL_OUTLINE)) ++strangers;
        }
    }
    EXPECT_EQ(strangers, 0) << "pixels of the fog that are see-through or lighter than the night";
}

TEST(PuzzleArt, PuzzleSoundsAreShortCleanAndDistinct) {
    std::vector<SoundFacts> sounds;
    const double shortest[] = {0.6, 0.6, 0.8}, longest[] = {1.2, 1.2, 1.5};
    for (int index = 0; index < 3; ++index) {
        const char* path = PUZZLE_SOUNDS[index];
        const SoundFacts sound = ReadSound(Generated(0).root / path);
        ASSERT_GE(sound.samples.size(), 100u) << path;
        EXPECT_EQ(sound.sampleRate, 44100u) << path;
        EXPECT_GE(sound.seconds, shortest[index]) << path;
        EXPECT_LE(sound.seconds, longest[index]) << path;
        EXPECT_LE(PeakDbfs(sound.samples), -1.0) << path << " clips";
        EXPECT_GE(PeakDbfs(sound.samples), -12.0) << path << " is too quiet to hear";
        EXPECT_LE(std::abs(sound.samples.front()), 64) << path << " starts with a click";
        EXPECT_LE(std::abs(sound.samples.back()), 64) << path << " ends with a click";
        sounds.push_back(sound);
    }
    for (int a = 0; a < 3; ++a) {
        for (int b = a + 1; b < 3; ++b) {
            EXPECT_NE(sounds[a].samples, sounds[b].samples)
                << PUZZLE_SOUNDS[a] << " and " << PUZZLE_SOUNDS[b];
        }
    }
}

TEST(PuzzleArt, PuzzleSoundsSplashThenDieRiseAsTheBucketFillsAndCreakInAndOut) {
    const SoundFacts fire = ReadSound(Generated(0).root / PUZZLE_SOUNDS[0]);
    const SoundFacts fill = ReadSound(Generated(0).root / PUZZLE_SOUNDS[1]);
    const SoundFacts strain = ReadSound(Generated(0).root / PUZZLE_SOUNDS[2]);
    ASSERT_EQ(fire.channels, 1u);
    ASSERT_EQ(fill.channels, 1u);
    ASSERT_EQ(strain.channels, 1u);

    EXPECT_GT(RmsDbfs(fire, 0.0, 0.15), RmsDbfs(fire, fire.seconds - 0.2, fire.seconds) + 20.0)
        << "the hiss does not die away after the splash";
    EXPECT_GT(RmsDbfs(fire, 0.0, 0.05), RmsDbfs(fire, 0.3, 0.35) + 6.0) << "no splash before the hiss";

    const double third = fill.seconds / 3.0;
    EXPECT_GT(CrossingsPerSecond(fill, 2.0 * third, fill.seconds), 1.3 * CrossingsPerSecond(fill, 0.0, third))
        << "the pour does not climb as the bucket fills";

    // Replayed while the hero pulls, the creak must swell from hush and sink back, or every repeat clicks.
    double loudest = -200.0;
    for (double from = 0.0; from + 0.05 <= strain.seconds; from += 0.05)
        loudest = std::max(loudest, RmsDbfs(strain, from, from + 0.05));
    EXPECT_LT(RmsDbfs(strain, 0.0, 0.05), loudest - 15.0) << "the creak starts abruptly";
    EXPECT_LT(RmsDbfs(strain, strain.seconds - 0.05, strain.seconds), loudest - 15.0)
        << "the creak stops abruptly";
}
