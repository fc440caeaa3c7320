// The fishing minigame's and the Fishdex's pictures and sounds, checked where the game reads them: the
// sizes the screens cut, a fish sheet whose every frame shows and whose two struggles face apart, nine fish
// that stay told apart as black silhouettes, slots under the places the fish are drawn, post pictures that
// keep to their column, text bands plain enough to read, and sounds that never clip or click.

#include "GeneratedTree.h"
#include "assetgen/Palette.h"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string FISHING = "Sprites/Fishing/";
const std::string DEX = "Sprites/Fishing/Fishdex/";
const char* const FISH[] = {"Crucian_Carp", "Bass",     "Arowana", "Carp", "Koi_Carp",
                            "Golden_Carp",  "Goldfish", "Catfish", "Gar"};
const int DEX_LEFT = 223;  // where the Fishdex background starts on screen
const int FISH_X[] = {710, 960, 1210};
const int FISH_Y[] = {290, 540, 790};

sf::Image Load(const std::string& path) {
    sf::Image image;
    EXPECT_TRUE(image.loadFromFile((Generated(0).root / path).string())) << path;
    return image;
}

bool Shows(const sf::Image& image, int x, int y) {
    return image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)).a > 0;
}

bool IsColour(sf::Color colour, PaletteIndex index) {
    const sf::Color wanted = Pal(index);
    return colour.a == 255 && colour.r == wanted.r && colour.g == wanted.g && colour.b == wanted.b;
}

bool IsOneOf(sf::Color colour, std::initializer_list<PaletteIndex> indices) {
    return std::any_of(indices.begin(), indices.end(),
                       [&](PaletteIndex index) { return IsColour(colour, index); });
}

double Luminance(sf::Color colour) {
    return 0.299 * colour.r + 0.587 * colour.g + 0.114 * colour.b;
}

int CountIn(const sf::Image& image, int left, int top, int width, int height,
            const std::function<bool(sf::Color)>& wanted) {
    int count = 0;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            count += wanted(image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y))) ? 1 : 0;
    return count;
}

struct Box {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
    int area = 0;
};

Box OpaqueBox(const sf::Image& image) {
    Box box;
    for (int y = 0; y < static_cast<int>(image.getSize().y); ++y)
        for (int x = 0; x < static_cast<int>(image.getSize().x); ++x)
            if (Shows(image, x, y)) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
                ++box.area;
            }
    return box;
}

}  // namespace

TEST(FishingArt, EveryPictureHasTheSizeTheScreensCut) {
    struct Expected {
        std::string path;
        unsigned width, height;
    };
    std::vector<Expected> table = {
        {FISHING + "FlecheLeft.png", 32, 32},         {FISHING + "FlecheRight.png", 32, 32},
        {FISHING + "FishSpritesheet.png", 448, 192},  {FISHING + "VictoryBackground.png", 450, 210},
        {DEX + "Fishdex_Background.png", 1200, 1080}, {DEX + "Fishdex_Cursor.png", 220, 180},
    };
    for (int post = 1; post <= 3; ++post)
        table.push_back({DEX + "FishingPost_" + std::to_string(post) + ".png", 1200, 1080});
    for (const char* fish : FISH)
        table.push_back({DEX + fish + ".png", 160, 96});
    for (const Expected& expected : table)
        EXPECT_EQ(Load(expected.path).getSize(), sf::Vector2u(expected.width, expected.height))
            << expected.path;
}

TEST(FishingArt, FishSheetFramesAllShowAndTheTwoStrugglesFaceApart) {
    const sf::Image sheet = Load(FISHING + "FishSpritesheet.png");
    ASSERT_EQ(sheet.getSize(), sf::Vector2u(448, 192));
    auto frameAt = [&](int row, int column, int x, int y) {
        return sheet.getPixel(column * 64 + x, row * 64 + y);
    };
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 7; ++column) {
            int shown = 0, outline = 0, changed = 0;
            for (int y = 0; y < 64; ++y)
                for (int x = 0; x < 64; ++x) {
                    shown += frameAt(row, column, x, y).a > 0 ? 1 : 0;
                    outline += IsColour(frameAt(row, column, x, y), PAL_OUTLINE) ? 1 : 0;
                    changed += frameAt(row, column, x, y) != frameAt(row, (column + 1) % 7, x, y) ? 1 : 0;
                }
            EXPECT_GT(shown, 64 * 64 / 4) << "row " << row << " frame " << column << ": too little water";
            EXPECT_GT(changed, 20) << "row " << row << " stalls from frame " << column << " to the next";
            // Calm, the fish is a shadow under the surface; struggling, it is out of it, outlined.
            if (row == 0)
                EXPECT_EQ(outline, 0) << "frame " << column;
            else
                EXPECT_GT(outline, 40) << "row " << row << " frame " << column;
        }
    // The leftward struggle is the rightward one in a mirror, and the spray flies the way the fish pulls.
    double sprayX[2] = {0, 0};
    int spray[2] = {0, 0}, agree = 0;
    for (int column = 0; column < 7; ++column)
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                agree += (frameAt(1, column, x, y).a > 0) == (frameAt(2, column, 63 - x, y).a > 0) ? 1 : 0;
                for (int side = 0; side < 2; ++side)
                    if (IsOneOf(frameAt(side + 1, column, x, y), {PAL_WATER_FOAM, PAL_WHITE})) {
                        sprayX[side] += x;
                        ++spray[side];
                    }
            }
    EXPECT_GT(agree, 7 * 64 * 64 * 95 / 100);
    ASSERT_GT(spray[0], 0);
    ASSERT_GT(spray[1], 0);
    EXPECT_GT(sprayX[0] / spray[0], 33.0) << "the rightward struggle's spray";
    EXPECT_LT(sprayX[1] / spray[1], 30.0) << "the leftward struggle's spray";
}

TEST(FishingArt, NineFishShareASizeAndStayApartAsBlackSilhouettes) {
    std::vector<sf::Image> pictures;
    std::vector<Box> boxes;
    for (const char* fish : FISH) {
        const sf::Image picture = Load(DEX + fish + ".png");
        ASSERT_EQ(picture.getSize(), sf::Vector2u(160, 96)) << fish;
        // Tinted black by the game, a half-clear pixel would turn into a grey smudge around the shape.
        EXPECT_EQ(CountIn(picture, 0, 0, 160, 96, [](sf::Color c) { return c.a != 0 && c.a != 255; }), 0)
            << fish;
        const Box box = OpaqueBox(picture);
        EXPECT_GT(box.area, 1500) << fish << " is too small to see in its slot";
        EXPECT_GT(box.left, 0) << fish << " is cut at the picture's edge";
        EXPECT_LT(box.right, 159) << fish;
        EXPECT_GT(box.top, 0) << fish;
        EXPECT_LT(box.bottom, 95) << fish;
        EXPECT_NEAR((box.left + box.right) / 2.0, 79.5, 2.0) << fish << " is not centred";
        EXPECT_NEAR((box.top + box.bottom) / 2.0, 47.5, 2.0) << fish << " is not centred";
        pictures.push_back(picture);
        boxes.push_back(box);
    }
    for (std::size_t a = 0; a < pictures.size(); ++a)
        for (std::size_t b = a + 1; b < pictures.size(); ++b) {
            int both = 0, either = 0;
            for (int y = 0; y < 96; ++y)
                for (int x = 0; x < 160; ++x) {
                    both += Shows(pictures[a], x, y) && Shows(pictures[b], x, y) ? 1 : 0;
                    either += Shows(pictures[a], x, y) || Shows(pictures[b], x, y) ? 1 : 0;
                }
            EXPECT_GT(either - both, either / 5) << FISH[a] << " and " << FISH[b] << " share one silhouette";
        }
    auto width = [&](int fish) { return boxes[fish].right - boxes[fish].left; };
    const int carp = 3;
    for (int small : {0, 6})  // the crucian carp and the goldfish are the small ones
        EXPECT_LT(width(small), width(carp) * 3 / 4) << FISH[small];
    EXPECT_LT(boxes[0].area, boxes[carp].area * 2 / 3) << "the crucian carp is the small one";
    for (int longFish : {2, 8})  // the arowana and the gar are the long ones
        EXPECT_GT(width(longFish), width(carp)) << FISH[longFish];
}

TEST(FishingArt, FishdexSlotsLieUnderTheFishAndTheCursorFramesThem) {
    const sf::Image background = Load(DEX + "Fishdex_Background.png");
    const sf::Image cursor = Load(DEX + "Fishdex_Cursor.png");
    ASSERT_EQ(background.getSize(), sf::Vector2u(1200, 1080));
    ASSERT_EQ(cursor.getSize(), sf::Vector2u(220, 180));
    EXPECT_EQ(CountIn(background, 0, 0, 1200, 1080, [](sf::Color c) { return c.a != 255; }), 0);
    const auto water = [](sf::Color c) {
        return IsOneOf(c, {PAL_WATER_MID, PAL_WATER_DARK, PAL_WATER_LIGHT});
    };
    const int holeHalfWidth = 110 - 20, holeHalfHeight = 90 - 20;
    EXPECT_EQ(CountIn(cursor, 110 - holeHalfWidth, 90 - holeHalfHeight, 2 * holeHalfWidth, 2 * holeHalfHeight,
                      [](sf::Color c) { return c.a != 0; }),
              0)
        << "the cursor hides the fish it frames";
    EXPECT_GT(CountIn(cursor, 0, 0, 220, 180, [](sf::Color c) { return IsColour(c, PAL_GOLD_LIGHT); }), 600);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            const int x = FISH_X[column] - DEX_LEFT, y = FISH_Y[row];
            // Water under the whole fish picture...
            for (const auto& [dx, dy] : {std::pair{0, 0}, {-78, -46}, {78, -46}, {-78, 46}, {78, 46}})
                EXPECT_TRUE(water(background.getPixel(x + dx, y + dy)))
                    << column << "," << row << " at " << dx << "," << dy;
            // ...and the slot's water ends inside the cursor's opening, so the gold frames it.
            int reachX = 0, reachY = 0;
            while (water(background.getPixel(x + reachX + 1, y)))
                ++reachX;
            while (water(background.getPixel(x, y + reachY + 1)))
                ++reachY;
            EXPECT_LE(reachX + 1, holeHalfWidth + 4) << column << "," << row;
            EXPECT_LE(reachY + 1, holeHalfHeight + 4) << column << "," << row;
            EXPECT_GE(reachX, 80) << column << "," << row;
            EXPECT_GE(reachY, 48) << column << "," << row;
        }
}

TEST(FishingArt, PostPicturesKeepToThePlainLeftColumn) {
    const int columnRight = 590 - DEX_LEFT;
    const sf::Image background = Load(DEX + "Fishdex_Background.png");
    // The column is the panel's bare interior, so any post picture sits on the same quiet ground.
    EXPECT_EQ(CountIn(background, 20, 20, columnRight - 30, 1040,
                      [](sf::Color c) {
                          return !IsOneOf(c, {PAL_NAVY_DARK, PAL_NIGHT, PAL_NAVY_MID});
                      }),
              0);
    double brightness[3] = {0, 0, 0};
    std::vector<sf::Image> posts;
    for (int post = 0; post < 3; ++post) {
        const sf::Image overlay = Load(DEX + "FishingPost_" + std::to_string(post + 1) + ".png");
        ASSERT_EQ(overlay.getSize(), background.getSize()) << post;
        EXPECT_EQ(CountIn(overlay, columnRight + 1, 0, 1200 - columnRight - 1, 1080,
                          [](sf::Color c) { return c.a != 0; }),
                  0)
            << "post " << post + 1 << " spills over the fish";
        int shown = 0;
        for (int y = 0; y < 1080; ++y)
            for (int x = 0; x <= columnRight; ++x)
                if (overlay.getPixel(x, y).a > 0) {
                    ++shown;
                    brightness[post] += Luminance(overlay.getPixel(x, y));
                }
        ASSERT_GT(shown, columnRight * 1080 / 4) << "post " << post + 1 << " shows too little";
        brightness[post] /= shown;
        for (const sf::Image& other : posts)
            EXPECT_NE(std::memcmp(other.getPixelsPtr(), overlay.getPixelsPtr(), 1200 * 1080 * 4), 0) << post;
        posts.push_back(overlay);
    }
    EXPECT_LT(brightness[2], brightness[0] * 0.8) << "the forest lake is by night";
    EXPECT_LT(brightness[2], brightness[1] * 0.8) << "the forest lake is by night";
}

TEST(FishingArt, ResultPanelKeepsItsTextBandsPlainAndDark) {
    const sf::Image panel = Load(FISHING + "VictoryBackground.png");
    ASSERT_EQ(panel.getSize(), sf::Vector2u(450, 210));
    EXPECT_EQ(CountIn(panel, 0, 0, 450, 210, [](sf::Color c) { return c.a != 255; }), 0);
    // Shown at scale 2: two lines of size-45 text from (75, 75) and the hint at 300, screen pixels.
    struct Band {
        int left, top, right, bottom;
    };
    for (const Band& band : {Band{75, 75, 640, 200}, Band{75, 300, 640, 360}}) {
        std::set<std::uint32_t> colours;
        for (int y = band.top / 2; y < band.bottom / 2; ++y)
            for (int x = band.left / 2; x < band.right / 2; ++x) {
                const sf::Color colour = panel.getPixel(x, y);
                EXPECT_LT(Luminance(colour), 60.0) << x << "," << y << " is too bright under white text";
                colours.insert(colour.toInteger());
            }
        EXPECT_LE(colours.size(), 2u) << "the band at " << band.top << " is busy";
    }
    // The motif keeps to the right-hand end, where no text runs.
    EXPECT_GT(CountIn(panel, 330, 20, 110, 180,
                      [](sf::Color c) {
                          return IsOneOf(c, {PAL_WATER_MID, PAL_WATER_FOAM, PAL_CLOTH_MID});
                      }),
              300);
}

TEST(FishingArt, ArrowsPointTheWayTheirNamesSay) {
    for (const bool right : {false, true}) {
        const std::string path = FISHING + (right ? "FlecheRight.png" : "FlecheLeft.png");
        const sf::Image arrow = Load(path);
        ASSERT_EQ(arrow.getSize(), sf::Vector2u(32, 32));
        // It narrows to a point at the end it points to, the shaft's blunt end at the other.
        int firstColumn = -1, lastColumn = -1;
        for (int x = 0; x < 32; ++x)
            if (CountIn(arrow, x, 0, 1, 32, [](sf::Color c) { return c.a > 0; }) > 0) {
                if (firstColumn < 0) firstColumn = x;
                lastColumn = x;
            }
        ASSERT_GE(firstColumn, 0) << path;
        const auto height = [&](int x) {
            return CountIn(arrow, x, 0, 1, 32, [](sf::Color c) { return c.a > 0; });
        };
        const int tip = height(right ? lastColumn : firstColumn),
                  tail = height(right ? firstColumn : lastColumn);
        EXPECT_GT(tail, 2 * tip) << path;
        EXPECT_GT(CountIn(arrow, 0, 0, 32, 32, [](sf::Color c) { return IsColour(c, PAL_OUTLINE); }), 60)
            << path;
        EXPECT_GT(CountIn(arrow, 0, 0, 32, 32, [](sf::Color c) { return IsColour(c, PAL_GOLD_MID); }), 100)
            << path;
        // Lit from the top-left whichever way it points: a highlight on its top edge, shadow on the bottom.
        EXPECT_GT(CountIn(arrow, 0, 0, 32, 16, [](sf::Color c) { return IsColour(c, PAL_GOLD_LIGHT); }),
                  CountIn(arrow, 0, 16, 32, 16, [](sf::Color c) { return IsColour(c, PAL_GOLD_LIGHT); }))
            << path;
    }
}

TEST(FishingArt, SoundsAreShortCleanAndTellApart) {
    struct Expected {
        const char* path;
        double minSeconds, maxSeconds;
    };
    std::vector<SoundFacts> sounds;
    for (const Expected& expected : {Expected{"Sounds/Fishing/FishStruggle.wav", 0.6, 1.2},
                                     Expected{"Sounds/Fishing/FishGot.wav", 0.6, 1.5}}) {
        const SoundFacts sound = ReadSound(Generated(0).root / expected.path);
        ASSERT_GE(sound.samples.size(), 100u) << expected.path;
        EXPECT_EQ(sound.sampleRate, 44100u) << expected.path;
        EXPECT_GE(sound.seconds, expected.minSeconds) << expected.path;
        EXPECT_LE(sound.seconds, expected.maxSeconds) << expected.path;
        EXPECT_LE(PeakDbfs(sound.samples), -1.0) << expected.path;
        EXPECT_GE(PeakDbfs(sound.samples), -12.0) << expected.path << " is too quiet to hear";
        EXPECT_LE(std::abs(sound.samples.front()), 64) << expected.path;
        EXPECT_LE(std::abs(sound.samples.back()), 64) << expected.path;
        sounds.push_back(sound);
    }
    EXPECT_NE(sounds[0].samples, sounds[1].samples);
    // The struggle is splash after splash, not one long hiss: count the times it swells back up.
    const SoundFacts& struggle = sounds[0];
    const std::size_t window = struggle.sampleRate / 100 * struggle.channels;
    std::vector<double> loudness;
    for (std::size_t start = 0; start + window <= struggle.samples.size(); start += window) {
        double sum = 0.0;
        for (std::size_t i = start; i < start + window; ++i)
            sum += static_cast<double>(struggle.samples[i]) * struggle.samples[i];
        loudness.push_back(std::sqrt(sum / window));
    }
    const double loudest = *std::max_element(loudness.begin(), loudness.end());
    int splashes = 0;
    bool quiet = true;
    for (double level : loudness) {
        if (quiet && level > loudest * 0.4) ++splashes;
        if (level > loudest * 0.4) quiet = false;
        if (level < loudest * 0.15) quiet = true;
    }
    EXPECT_GE(splashes, 4);
}
