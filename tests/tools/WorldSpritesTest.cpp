// The animated sprites of the world as the game cuts them: the hero's frames stand on their feet inside
// the foot box, every strip really moves, and each tree's trunk sits on the point the game pins it by.

#include "GeneratedTree.h"
#include "assetgen/Palette.h"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <string>

namespace {

sf::Image Load(const std::string& path) {
    sf::Image image;
    EXPECT_TRUE(image.loadFromFile((Generated(0).root / path).string())) << path;
    return image;
}

struct Frame {
    const sf::Image* image;
    int left, top, width, height;
};

// The lowest row holding a fully opaque pixel (the ground shadow is translucent), or -1.
int LowestSolidRow(const Frame& frame) {
    for (int y = frame.height - 1; y >= 0; --y)
        for (int x = 0; x < frame.width; ++x)
            if (frame.image
                    ->getPixel(static_cast<unsigned>(frame.left + x), static_cast<unsigned>(frame.top + y))
                    .a == 255)
                return y;
    return -1;
}

int SolidIn(const Frame& frame, int x0, int y0, int x1, int y1) {
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (frame.image
                    ->getPixel(static_cast<unsigned>(frame.left + x), static_cast<unsigned>(frame.top + y))
                    .a == 255)
                ++count;
    return count;
}

bool SameFrames(const Frame& a, const Frame& b) {
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (a.image->getPixel(static_cast<unsigned>(a.left + x), static_cast<unsigned>(a.top + y)) !=
                b.image->getPixel(static_cast<unsigned>(b.left + x), static_cast<unsigned>(b.top + y)))
                return false;
    return true;
}

Frame FrameOf(const sf::Image& strip, int frames, int index) {
    const int width = static_cast<int>(strip.getSize().x) / frames;
    return {&strip, index * width, 0, width, static_cast<int>(strip.getSize().y)};
}

const char* const HERO_SHEETS[] = {"Sprites/Characters/Player/Sheet_Pello.png",
                                   "Sprites/Characters/Player/sheet_pello_torche Nuit.png"};

}  // namespace

TEST(WorldSprites, EveryHeroFrameStandsOnItsFeetInsideTheFootBox) {
    for (const char* path : HERO_SHEETS) {
        const sf::Image sheet = Load(path);
        for (int row = 0; row < 14; ++row)
            for (int column = 0; column < 7; ++column) {
                const Frame frame{&sheet, column * 64, row * 64, 64, 64};
                const int feet = LowestSolidRow(frame);
                EXPECT_GE(feet, 56) << path << " row " << row << " frame " << column << " floats";
                EXPECT_GT(SolidIn(frame, 16, 48, 48, 64), 80)
                    << path << " row " << row << " frame " << column;
                EXPECT_EQ(SolidIn(frame, 0, 0, 64, 1), 0)
                    << path << " row " << row << " touches the frame's top";
            }
    }
}

TEST(WorldSprites, WalkingRowsMoveAndFishingRowsDifferFromEachOther) {
    const sf::Image sheet = Load(HERO_SHEETS[0]);
    for (int row = 4; row < 8; ++row)
        EXPECT_FALSE(SameFrames({&sheet, 0, row * 64, 64, 64}, {&sheet, 128, row * 64, 64, 64}))
            << "row " << row;
    for (int row = 8; row < 13; ++row)
        EXPECT_FALSE(SameFrames({&sheet, 0, row * 64, 64, 64}, {&sheet, 0, (row + 1) * 64, 64, 64}))
            << "row " << row;
    EXPECT_FALSE(SameFrames({&sheet, 0, 64, 64, 64}, {&sheet, 0, 128, 64, 64}))
        << "left and right look alike";
}

TEST(WorldSprites, TorchSheetCarriesAFlameAndAWarmGlow) {
    const sf::Image day = Load(HERO_SHEETS[0]), torch = Load(HERO_SHEETS[1]);
    int glow = 0, flame = 0;
    for (unsigned y = 0; y < 896; ++y)
        for (unsigned x = 0; x < 448; ++x) {
            const sf::Color colour = torch.getPixel(x, y);
            if (colour.a > 0 && colour.a < 255 && colour.r == Pal(PAL_GOLD_LIGHT).r) ++glow;
            if (colour == Pal(PAL_CLOTH_LIGHT) && day.getPixel(x, y) != colour) ++flame;
        }
    EXPECT_GT(glow, 98 * 200);
    EXPECT_GT(flame, 98 * 4);
}

TEST(WorldSprites, TreeTrunksStandOnThePointTheGamePinsThem) {
    for (int tree = 1; tree <= 4; ++tree)
        for (const char* suffix : {".png", "_BURN.png"}) {
            const std::string path = "Sprites/MapAnimations/TREE_" + std::to_string(tree) + suffix;
            const sf::Image strip = Load(path);
            const int height = static_cast<int>(strip.getSize().y);
            const int originY =
                tree == 4 ? static_cast<int>(2.0f * height / 3.5f + 10.0f) : 2 * height / 3 + 10;
            for (int index = 0; index < 10; ++index) {
                const Frame frame = FrameOf(strip, 10, index);
                const int foot = LowestSolidRow(frame);
                EXPECT_GE(foot, originY - 8) << path << " frame " << index;
                EXPECT_LE(foot, originY + 16) << path << " frame " << index;
                EXPECT_GT(SolidIn(frame, frame.width / 2 - 8, originY - 24, frame.width / 2 + 8, originY),
                          100)
                    << path << " has no trunk over its foot";
            }
            EXPECT_FALSE(SameFrames(FrameOf(strip, 10, 0), FrameOf(strip, 10, 3)))
                << path << " does not move";
        }
}

TEST(WorldSprites, FireAndBubblesAnimateInTheirFrames) {
    const sf::Image fire = Load("Sprites/MapAnimations/Flamme sol-Sheet.png");
    const sf::Image bubbles = Load("Sprites/Fishing/Bulles_Spritesheet.png");
    for (int index = 0; index < 3; ++index)
        EXPECT_FALSE(SameFrames(FrameOf(fire, 3, index), FrameOf(fire, 3, (index + 1) % 3))) << index;
    for (int index = 0; index < 6; ++index)
        EXPECT_FALSE(SameFrames(FrameOf(bubbles, 7, index), FrameOf(bubbles, 7, index + 1))) << index;
    const int originY = static_cast<int>(2.0f * 64 / 3.5f + 10.0f);
    EXPECT_GT(SolidIn(FrameOf(fire, 3, 0), 16, originY - 12, 48, originY + 4), 200)
        << "the fire floats off its point";
}

TEST(WorldSprites, PromptHasALightCapForTheBlackKeyName) {
    const sf::Image prompt = Load("Sprites/Dialogues/Interact.png");
    int light = 0;
    for (unsigned y = 10; y < 30; ++y)
        for (unsigned x = 30; x < 150; ++x) {
            const sf::Color colour = prompt.getPixel(x, y);
            if (colour.a == 255 && colour.r + colour.g + colour.b > 600) ++light;
        }
    EXPECT_GT(light, 120 * 20 * 3 / 4);
    EXPECT_EQ(prompt.getPixel(0, 89).a, 0) << "only the tail reaches the bottom";
    EXPECT_GT(prompt.getPixel(90, 80).a, 0) << "the tail points at the bottom centre";
}

TEST(WorldSprites, SelectedMarkerGlowsGold) {
    const sf::Image normal = Load("Sprites/ChangeMap/Cursor.png");
    const sf::Image selected = Load("Sprites/ChangeMap/Point de selection minimap.png");
    auto gold = [](const sf::Image& image) {
        int count = 0;
        for (unsigned y = 0; y < 48; ++y)
            for (unsigned x = 0; x < 48; ++x) {
                const sf::Color colour = image.getPixel(x, y);
                if (colour.a > 0 && (colour.r == Pal(PAL_GOLD_MID).r || colour.r == Pal(PAL_GOLD_LIGHT).r))
                    ++count;
            }
        return count;
    };
    EXPECT_GT(gold(selected), gold(normal) + 200);
}
