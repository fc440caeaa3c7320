// Every picture the generator writes, held to what the game and the player rely on: the same bytes from
// every run, palette colours only, pixels either there or not except where softness is the point, the
// sizes the game's code cuts and places, names spelt as the game opens them, and frames that show.

#include "GeneratedTree.h"
#include "assetgen/Palette.h"
#include "support/Files.h"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <fnmatch.h>
#include <algorithm>
#include <string>
#include <vector>

namespace {

bool Matches(const char* pattern, const std::string& path) {
    return fnmatch(pattern, path.c_str(), FNM_PATHNAME) == 0;
}

sf::Image Load(const std::string& path) {
    sf::Image image;
    EXPECT_TRUE(image.loadFromFile((Generated(0).root / path).string())) << path << " does not load";
    return image;
}

std::string Size(const sf::Image& image) {
    return std::to_string(image.getSize().x) + " x " + std::to_string(image.getSize().y);
}

// The pictures whose softness is the point: ground shadows under people, beasts and trees, glows of
// torches, spells and highlights, light that fades, clouds the map shows through. Anywhere else a
// half-clear pixel is a hole the player sees the map through, or a grey smudge where the Fishdex tints
// an uncaught fish black.
const char* const SOFT_PICTURES[] = {
    "Sprites/Characters/*.png",    "Sprites/Characters/Player/*.png",
    "Sprites/Battle/Mate/*.png",   "Sprites/Battle/Enemy/*.png",
    "Sprites/Battle/Fx/*.png",     "Sprites/Battle/BattleHUD/TimelineSurbrillance.png",
    "Sprites/MapAnimations/*.png", "Sprites/Fishing/Bulles_Spritesheet.png",
    "Sprites/Setting/Flames.png",  "Sprites/ChangeMap/Point de selection minimap.png",
};

// How the game's code cuts or places a picture: a grid of columns x rows frames of width x height (0
// where the code divides the picture by its count and takes whatever size comes), or at least that
// large where the game stretches the picture or cuts from its corner. For animations, the frames the game
// plays in each row.
struct Cut {
    const char* pattern;
    int columns, rows, width, height;
    std::vector<int> played = {};
    bool atLeast = false;
};

std::vector<int> Rows(int rows, int frames) {
    return std::vector<int>(static_cast<std::size_t>(rows), frames);
}

const std::vector<Cut>& Cuts() {
    // clang-format off
    static const std::vector<Cut> cuts = {
        // Drawn over the whole 1920 x 1080 reference screen.
        {"Sprites/Menu/Background.png", 1, 1, 1920, 1080},
        {"Sprites/Menu/main_menu Option.png", 1, 1, 1920, 1080},
        {"Sprites/Menu/Cr\xE9" "dits/Cr\xE9" "dits.png", 1, 1, 1920, 1080},
        {"Sprites/Battle/BattleHUD/Background_*.png", 1, 1, 1920, 1080},
        {"Sprites/ChangeMap/BackgroundMap.png", 1, 1, 1920, 1080},
        // The pause veil is stretched 56 times; it must still cover the game area.
        {"Sprites/MenuGame/fondnoir.png", 1, 1, 35, 20, {}, true},
        // The Fishdex page and its posts hang from the top of the screen down to the bottom.
        {"Sprites/Fishing/Fishdex/Fishdex_Background.png", 1, 1, 0, 1080},
        {"Sprites/Fishing/Fishdex/FishingPost_*.png", 1, 1, 0, 1080},
        // Every map's tileset: 144 tiles of 64 in 16 columns.
        {"Text/Maps/*/Tiles_*.png", 16, 9, 64, 64},
        // The darkness lies over the night forest's 40 x 24 tiles; the broken wall and the fire take one.
        {"Sprites/Fog/Fog1.png", 1, 1, 40 * 64, 24 * 64},
        {"Sprites/Setting/BrokenWall.png", 1, 1, 64, 64},
        {"Sprites/Setting/Flames.png", 6, 1, 64, 64, {6}},
        // People stand a tile wide in rows of 7 frames: 8 rows for the others, 14 for the hero.
        {"Sprites/Characters/*.png", 7, 8, 64, 64, Rows(8, 7)},
        {"Sprites/Characters/Player/*.png", 7, 14, 64, 64, Rows(14, 7)},
        // Map decor strips are divided by their frame count; the bubbles play 6 of their 7.
        {"Sprites/MapAnimations/TREE_*.png", 10, 1, 0, 0, {10}},
        {"Sprites/MapAnimations/Flamme sol-Sheet.png", 3, 1, 0, 0, {3}},
        {"Sprites/Fishing/Bulles_Spritesheet.png", 7, 1, 0, 0, {6}},
        {"Sprites/Fishing/FishSpritesheet.png", 7, 3, 64, 64, Rows(3, 7)},
        // The fighters' rows, as the battle reads them; an empty row is one the game never shows.
        {"Sprites/Battle/Mate/Pell.png", 12, 5, 64, 64, {8, 6, 12, 11, 9}},
        {"Sprites/Battle/Mate/Spirit.png", 14, 6, 64, 64, {11, 14, 6, 6, 0, 14}},
        {"Sprites/Battle/Mate/Mate1.png", 14, 5, 64, 64, {9, 12, 9, 14, 13}},
        {"Sprites/Battle/Mate/Green.png", 1, 1, 64, 64, {1}},
        {"Sprites/Battle/Enemy/Enemy1.png", 12, 5, 64, 128, {7, 11, 10, 12, 2}},
        {"Sprites/Battle/Enemy/Boss.png", 21, 7, 256, 128, {17, 12, 10, 10, 14, 21, 13}},
        {"Sprites/Battle/Enemy/Dogo.png", 9, 5, 64, 64, {9, 9, 7, 8, 2}},
        {"Sprites/Battle/Fx/Slash_1-Sheet.png", 6, 1, 64, 128, {6}},
        {"Sprites/Battle/Fx/Heal-Sheet.png", 11, 1, 64, 64, {11}},
        {"Sprites/Battle/Fx/Mana-Sheet.png", 11, 1, 64, 64, {11}},
        {"Sprites/Battle/Fx/Magic-Sheet.png", 15, 1, 64, 128, {15}},
        {"Sprites/Battle/Fx/Revive-Sheet.png", 13, 1, 64, 128, {13}},
        {"Sprites/Battle/Fx/Target-Sheet.png", 21, 1, 64, 128, {21}},
        {"Sprites/Battle/Fx/Paralysis-Sheet.png", 10, 1, 64, 128, {10}},
        // Under the 215 x 232 frame that blinks over a portrait at the battle's scale of 2.
        {"Sprites/Battle/BattleHUD/*Portrait.png", 1, 1, 107, 116},
        // A full life or mana bar is the top-left 80 x 9 of its picture.
        {"Sprites/Battle/BattleHUD/*Bar.png", 1, 1, 80, 9, {}, true},
    };
    // clang-format on
    return cuts;
}

// Whether one side of a picture holds the frames a cut asks for along it.
bool Fits(unsigned side, int frames, int frame, bool atLeast) {
    if (frame == 0) return side > 0 && side % static_cast<unsigned>(frames) == 0;
    return atLeast ? side >= static_cast<unsigned>(frames * frame)
                   : side == static_cast<unsigned>(frames * frame);
}

// Pictures the game swaps on one sprite (a button's normal and pressed looks, the world map's marker and
// its selected glow) or lays over one another (the Fishdex page and its posts).
std::vector<std::pair<std::string, std::string>> Pairs() {
    const std::string menu = "Sprites/Menu/Button/", pause = "Sprites/MenuGame/",
                      dex = "Sprites/Fishing/Fishdex/";
    std::vector<std::pair<std::string, std::string>> pairs = {
        {menu + "New Save.png", menu + "New Save appuy\xE9_.png"},
        {menu + "Supprim\xE9 save.png", menu + "Supprim\xE9 save appuy\xE9.png"},
        {menu + "Retour arri\xE8re.png", menu + "Retour arri\xE8re survoll\xE9.png"},
        {pause + "Continue.png", pause + "Continue appuy\xE9.png"},
        {pause + "Options non appuy\xE9.png", pause + "Options appuy\xE9.png"},
        {pause + "Exit to menu.png", pause + "Exit to menu appuy\xE9.png"},
        {"Sprites/ChangeMap/Cursor.png", "Sprites/ChangeMap/Point de selection minimap.png"},
    };
    for (const char* label : {"Play", "Options", "Credits", "Quit"})
        pairs.emplace_back(menu + label + " non appuy\xE9.png", menu + label + " appuy\xE9.png");
    for (const char* slot : {"1", "2", "3"})
        pairs.emplace_back(menu + "Save " + slot + ".png", menu + "Save " + slot + " appuy\xE9.png");
    for (const char* post : {"1", "2", "3"})
        pairs.emplace_back(dex + "Fishdex_Background.png", dex + "FishingPost_" + post + ".png");
    return pairs;
}

// A frame shows something when more than a speck of it is seen: four pixels of art enlarged twice.
constexpr int FRAME_SHOWS = 16;

int VisiblePixels(const sf::Image& image, unsigned left, unsigned top, unsigned width, unsigned height) {
    int visible = 0;
    for (unsigned i = 0; i < width * height; ++i)
        visible += image.getPixel(left + i % width, top + i / width).a > 0 ? 1 : 0;
    return visible;
}

}  // namespace

TEST(PictureContract, RegenerationWritesTheSameFilesByteForByte) {
    const GeneratedTree& built = Generated(0);
    const GeneratedTree& fresh = Generated(1);
    EXPECT_EQ(fresh.writer.failures, 0);
    ASSERT_EQ(built.writer.written, fresh.writer.written);
    for (const std::string& file : built.writer.written) {
        EXPECT_TRUE(ReadWholeFile(built.root / file) == ReadWholeFile(fresh.root / file))
            << file << " differs from one generation to the next";
    }
}

// The game opens "Play non appuyé.png" with é as the single Windows-1252 byte 0xE9 (è as 0xE8); a name
// written in UTF-8 is a file the game never finds.
TEST(PictureContract, AccentedNamesUseTheSingleBytesTheGameOpens) {
    for (const std::string& file : Generated(1).writer.written) {
        const bool single = std::all_of(file.begin(), file.end(), [](char letter) {
            const auto byte = static_cast<unsigned char>(letter);
            return byte < 0x80 || byte == 0xE8 || byte == 0xE9;
        });
        EXPECT_TRUE(single) << file << " spells an accent otherwise than as one Windows-1252 byte";
    }
}

TEST(PictureContract, EveryVisiblePixelIsAPaletteColour) {
    for (const std::string& file : BuiltFiles(".png")) {
        const sf::Image image = Load(file);
        const sf::Uint8* pixel = image.getPixelsPtr();
        const std::size_t count = static_cast<std::size_t>(image.getSize().x) * image.getSize().y;
        sf::Color stranger = sf::Color::Transparent, known = sf::Color::Transparent;
        int strangers = 0;
        for (std::size_t i = 0; i < count; ++i, pixel += 4) {
            const sf::Color colour(pixel[0], pixel[1], pixel[2], 255);
            if (pixel[3] == 0 || colour == known) continue;
            if (IsPaletteColour(colour)) {
                known = colour;
            } else {
                stranger = colour;
                ++strangers;
            }
        }
        EXPECT_EQ(strangers, 0) << file << " has pixels off the palette, such as " << int{stranger.r} << ","
                                << int{stranger.g} << "," << int{stranger.b};
    }
}

TEST(PictureContract, OnlyTheSoftPicturesArePartlySeeThrough) {
    std::vector<int> softFound(std::size(SOFT_PICTURES), 0);
    for (const std::string& file : BuiltFiles(".png")) {
        const sf::Image image = Load(file);
        const sf::Uint8* pixel = image.getPixelsPtr();
        const std::size_t count = static_cast<std::size_t>(image.getSize().x) * image.getSize().y;
        int soft = 0;
        for (std::size_t i = 0; i < count; ++i)
            soft += pixel[i * 4 + 3] != 0 && pixel[i * 4 + 3] != 255 ? 1 : 0;
        bool named = false;
        for (std::size_t entry = 0; entry < std::size(SOFT_PICTURES); ++entry) {
            if (!Matches(SOFT_PICTURES[entry], file)) continue;
            named = true;
            softFound[entry] += soft > 0 ? 1 : 0;
        }
        EXPECT_TRUE(named || soft == 0) << file << " has " << soft << " half-clear pixels";
    }
    // A name left on the list after its picture turned solid would let the next stray glow through.
    for (std::size_t entry = 0; entry < std::size(SOFT_PICTURES); ++entry)
        EXPECT_GT(softFound[entry], 0) << SOFT_PICTURES[entry] << " is listed as soft but has no soft pixel";
}

TEST(PictureContract, PicturesHaveTheSizesTheGameCutsAndPlaces) {
    for (const Cut& cut : Cuts()) {
        int found = 0;
        for (const std::string& file : BuiltFiles(".png")) {
            if (!Matches(cut.pattern, file)) continue;
            ++found;
            const sf::Image image = Load(file);
            EXPECT_TRUE(Fits(image.getSize().x, cut.columns, cut.width, cut.atLeast) &&
                        Fits(image.getSize().y, cut.rows, cut.height, cut.atLeast))
                << file << " is " << Size(image) << ", the game needs " << cut.columns << " x " << cut.rows
                << " frames of " << cut.width << " x " << cut.height << (cut.atLeast ? " or more" : "");
        }
        EXPECT_GT(found, 0) << "no picture " << cut.pattern;
    }
}

// A frame the game plays that shows nothing makes a person blink out of sight or an effect stutter.
TEST(PictureContract, EveryFrameTheGamePlaysShowsSomething) {
    for (const Cut& cut : Cuts()) {
        if (cut.played.empty()) continue;
        for (const std::string& file : BuiltFiles(".png")) {
            if (!Matches(cut.pattern, file)) continue;
            const sf::Image image = Load(file);
            const unsigned width = image.getSize().x / static_cast<unsigned>(cut.columns);
            const unsigned height = image.getSize().y / static_cast<unsigned>(cut.rows);
            for (std::size_t row = 0; row < cut.played.size(); ++row) {
                for (int column = 0; column < cut.played[row]; ++column) {
                    const int visible = VisiblePixels(image, static_cast<unsigned>(column) * width,
                                                      static_cast<unsigned>(row) * height, width, height);
                    EXPECT_GE(visible, FRAME_SHOWS)
                        << file << " row " << row << " frame " << column << " shows " << visible << " pixels";
                }
            }
        }
    }
    // The bare points of a map and the puzzles' zones are markers, never seen.
    const sf::Image marker = Load("Sprites/Setting/Collision.png");
    EXPECT_EQ(VisiblePixels(marker, 0, 0, marker.getSize().x, marker.getSize().y), 0)
        << "Sprites/Setting/Collision.png shows on the map";
}

// Swapped or overlaid, the two must keep one size or the picture jumps, and must differ or the player
// cannot see which button the cursor is on.
TEST(PictureContract, HighlightedButtonsMatchTheirNormalOnesInSizeButNotInLook) {
    for (const auto& [normal, other] : Pairs()) {
        const sf::Image first = Load(normal), second = Load(other);
        EXPECT_EQ(first.getSize(), second.getSize())
            << other << " is " << Size(second) << ", " << normal << " " << Size(first);
        EXPECT_NE(ReadWholeFile(Generated(0).root / normal), ReadWholeFile(Generated(0).root / other))
            << other << " looks exactly like " << normal;
    }
}
