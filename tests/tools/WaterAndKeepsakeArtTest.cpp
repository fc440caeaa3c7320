// The puzzles' water sources and the home's keepsakes, checked where the game reads them: sheets that cut
// into the 7 x 8 frames of a person and never turn or walk, but shimmer; pictures of the inventory's size.

#include "GeneratedTree.h"
#include "assetgen/Palette.h"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

namespace {

sf::Image Load(const std::string& path) {
    sf::Image image;
    EXPECT_TRUE(image.loadFromFile((Generated(0).root / path).string())) << path;
    return image;
}

bool SameCell(const sf::Image& sheet, int rowA, int columnA, int rowB, int columnB) {
    for (unsigned y = 0; y < 64; ++y) {
        for (unsigned x = 0; x < 64; ++x) {
            if (sheet.getPixel(columnA * 64 + x, rowA * 64 + y) !=
                sheet.getPixel(columnB * 64 + x, rowB * 64 + y))
                return false;
        }
    }
    return true;
}

// The highest and lowest rows of the frame holding a visible pixel.
std::pair<int, int> OpaqueRows(const sf::Image& sheet, int row, int column) {
    int top = 64, bottom = -1;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            if (sheet.getPixel(column * 64 + x, row * 64 + y).a == 0) continue;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return {top, bottom};
}

}  // namespace

TEST(WaterAndKeepsakeArt, WaterSourcesStayStillButShimmer) {
    for (const char* name : {"ForestWater", "Bathtub"}) {
        const sf::Image sheet = Load(std::string("Sprites/Characters/") + name + ".png");
        ASSERT_EQ(sheet.getSize(), sf::Vector2u(448, 512)) << name;
        for (int row = 1; row < 8; ++row) {
            for (int column = 0; column < 7; ++column)
                EXPECT_TRUE(SameCell(sheet, row, column, 0, column)) << name << " row " << row << " moves";
        }
        int changes = 0;
        for (int column = 1; column < 7; ++column)
            changes += SameCell(sheet, 0, column - 1, 0, column) ? 0 : 1;
        EXPECT_GE(changes, 4) << name << ": the water hardly moves";
    }
    // The spring sits on the ground where its solid box (the frame's lowest quarter) blocks the hero.
    const auto [springTop, springBottom] = OpaqueRows(Load("Sprites/Characters/ForestWater.png"), 0, 3);
    EXPECT_GE(springBottom, 48);
    EXPECT_LT(springTop, 32) << "the spring should reach up into the lake";
    // The bathtub's light lies over the tub's water, above where the hero walks: the upper frame only.
    for (int column = 0; column < 7; ++column) {
        const auto [top, bottom] = OpaqueRows(Load("Sprites/Characters/Bathtub.png"), 0, column);
        EXPECT_LT(bottom, 24) << "Bathtub frame " << column << " spills onto the floor";
    }
}

TEST(WaterAndKeepsakeArt, KeepsakesAreOutlinedInventoryPictures) {
    for (const char* name : {"Apple", "Flute"}) {
        const sf::Image picture = Load(std::string("Sprites/Items/") + name + ".png");
        ASSERT_EQ(picture.getSize(), sf::Vector2u(64, 64)) << name;
        int opaque = 0, outline = 0;
        for (unsigned y = 0; y < 64; ++y) {
            for (unsigned x = 0; x < 64; ++x) {
                const sf::Color colour = picture.getPixel(x, y);
                opaque += colour.a == 255 ? 1 : 0;
                outline += colour == Pal(PAL_OUTLINE) ? 1 : 0;
            }
        }
        EXPECT_GT(opaque, 64 * 64 / 8) << name << " is too small to find on the floor";
        EXPECT_GT(outline, 40) << name << " has no dark outline";
    }
}
