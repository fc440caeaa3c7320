// The battle sheets and HUD portraits as the battle screen cuts and places them: exact file sizes, a
// figure in every frame the game plays and nothing in the cells it never reads, feet on the point the
// sprite is pinned by, an idle that breathes in place, a fallen body lying low, blows aimed at the other
// side, hits that flash and paralysis that crackles.

#include "GeneratedTree.h"
#include "assetgen/BattlerRig.h"
#include "assetgen/Palette.h"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

sf::Image Load(const std::string& path) {
    sf::Image image;
    EXPECT_TRUE(image.loadFromFile((Generated(0).root / path).string())) << path;
    return image;
}

struct Sheet {
    const char* path;
    unsigned width, height;  // of the file
    int frameWidth, frameHeight;
    std::vector<int> rows;  // frames in each row; 0 for a row the game never reads
    double originX;         // where the game pins the feet, as a share of the frame's width
    bool enemy;
    int paralysedRow;  // -1 when the fighter cannot be paralysed
};

const int IDLE_ROW = 0, ATTACK_ROW = 1, HURT_ROW = 2, DEATH_ROW = 3;

const std::vector<Sheet>& Sheets() {
    static const std::vector<Sheet> sheets = {
        {"Sprites/Battle/Mate/Pell.png", 768, 320, 64, 64, {8, 6, 12, 11, 9}, 0.5, false, -1},
        {"Sprites/Battle/Mate/Spirit.png", 896, 384, 64, 64, {11, 14, 6, 6, 0, 14}, 0.5, false, -1},
        {"Sprites/Battle/Mate/Mate1.png", 896, 320, 64, 64, {9, 12, 9, 14, 13}, 0.5, false, -1},
        {"Sprites/Battle/Mate/Green.png", 64, 64, 64, 64, {1}, 0.5, false, -1},
        {"Sprites/Battle/Enemy/Enemy1.png", 768, 640, 64, 128, {7, 11, 10, 12, 2}, 0.5, true, 4},
        {"Sprites/Battle/Enemy/Dogo.png", 576, 320, 64, 64, {9, 9, 7, 8, 2}, 0.5, true, 4},
        {"Sprites/Battle/Enemy/Boss.png", 5376, 896, 256, 128, {17, 12, 10, 10, 14, 21, 13}, 0.75, true, -1},
    };
    return sheets;
}

// The fully opaque pixels of one cell (the ground shadow and glows are translucent).
struct Solid {
    int count = 0;
    int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;
    double feetX = 0.0;  // mean column of the solid pixels in the lowest eight rows
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
    double centreX() const { return (left + right) / 2.0; }
};

// Only the rows above `above` count, when given.
Solid SolidOf(const sf::Image& image, const Sheet& sheet, int row, int column, int above = 1 << 20) {
    Solid solid;
    const unsigned x0 = static_cast<unsigned>(column * sheet.frameWidth);
    const unsigned y0 = static_cast<unsigned>(row * sheet.frameHeight);
    double feetSum = 0.0;
    int feet = 0;
    for (int y = 0; y < std::min(above, sheet.frameHeight); ++y)
        for (int x = 0; x < sheet.frameWidth; ++x) {
            if (image.getPixel(x0 + static_cast<unsigned>(x), y0 + static_cast<unsigned>(y)).a != 255)
                continue;
            ++solid.count;
            solid.left = std::min(solid.left, x);
            solid.right = std::max(solid.right, x);
            solid.top = std::min(solid.top, y);
            solid.bottom = std::max(solid.bottom, y);
            if (y >= sheet.frameHeight - 8) {
                feetSum += x;
                ++feet;
            }
        }
    solid.feetX = feet > 0 ? feetSum / feet : -1.0;
    return solid;
}

int CountInCell(const sf::Image& image, const Sheet& sheet, int row, int column, bool (*wanted)(sf::Color)) {
    int count = 0;
    for (int y = 0; y < sheet.frameHeight; ++y)
        for (int x = 0; x < sheet.frameWidth; ++x)
            if (wanted(image.getPixel(static_cast<unsigned>(column * sheet.frameWidth + x),
                                      static_cast<unsigned>(row * sheet.frameHeight + y))))
                ++count;
    return count;
}

bool SameCells(const sf::Image& image, const Sheet& sheet, int row, int a, int b) {
    for (int y = 0; y < sheet.frameHeight; ++y)
        for (int x = 0; x < sheet.frameWidth; ++x)
            if (image.getPixel(static_cast<unsigned>(a * sheet.frameWidth + x),
                               static_cast<unsigned>(row * sheet.frameHeight + y)) !=
                image.getPixel(static_cast<unsigned>(b * sheet.frameWidth + x),
                               static_cast<unsigned>(row * sheet.frameHeight + y)))
                return false;
    return true;
}

bool IsSolidWhite(sf::Color colour) {
    return colour == Pal(PAL_WHITE);
}
bool IsSpark(sf::Color colour) {
    return colour == Pal(PAL_GOLD_LIGHT);
}
bool IsAnything(sf::Color colour) {
    return colour.a > 0;
}

}  // namespace

TEST(BattlerArt, SheetsAndPortraitsHaveTheSizesTheGameCuts) {
    for (const Sheet& sheet : Sheets()) {
        const sf::Image image = Load(sheet.path);
        EXPECT_EQ(image.getSize(), sf::Vector2u(sheet.width, sheet.height)) << sheet.path;
        const int columns = *std::max_element(sheet.rows.begin(), sheet.rows.end());
        EXPECT_EQ(sheet.width, static_cast<unsigned>(columns * sheet.frameWidth)) << sheet.path;
        EXPECT_EQ(sheet.height, static_cast<unsigned>(sheet.rows.size() * sheet.frameHeight)) << sheet.path;
    }
    for (const char* name : {"PellPortrait", "SpiritPortrait", "Mate1Portrait", "Mate3Portrait"}) {
        const std::string path = std::string("Sprites/Battle/BattleHUD/") + name + ".png";
        const sf::Image portrait = Load(path);
        ASSERT_EQ(portrait.getSize(), sf::Vector2u(107, 116)) << path;
        int opaque = 0;
        std::vector<sf::Uint32> colours;
        for (unsigned y = 0; y < 116; ++y)
            for (unsigned x = 0; x < 107; ++x) {
                const sf::Color colour = portrait.getPixel(x, y);
                if (colour.a == 255) ++opaque;
                if (std::find(colours.begin(), colours.end(), colour.toInteger()) == colours.end())
                    colours.push_back(colour.toInteger());
            }
        EXPECT_GT(opaque, 107 * 116 * 9 / 10) << path << ": the HUD would show through";
        EXPECT_GE(colours.size(), 10u) << path << " is a bare panel, nobody in it";
    }
}

TEST(BattlerArt, EveryPlayedFrameShowsAFigureAndUnplayedCellsStayEmpty) {
    for (const Sheet& sheet : Sheets()) {
        const sf::Image image = Load(sheet.path);
        const int columns = static_cast<int>(sheet.width) / sheet.frameWidth;
        const int enough = sheet.frameWidth * sheet.frameHeight * 3 / 100;
        for (int row = 0; row < static_cast<int>(sheet.rows.size()); ++row)
            for (int column = 0; column < columns; ++column) {
                if (column < sheet.rows[row])
                    EXPECT_GT(SolidOf(image, sheet, row, column).count, enough)
                        << sheet.path << " row " << row << " frame " << column << " is empty";
                else
                    EXPECT_EQ(CountInCell(image, sheet, row, column, IsAnything), 0)
                        << sheet.path << " row " << row << " cell " << column << " past the row's end";
            }
    }
}

TEST(BattlerArt, FeetStandOnTheGameOriginAndTheIdleBreathesInPlace) {
    for (const Sheet& sheet : Sheets()) {
        const sf::Image image = Load(sheet.path);
        const double origin = sheet.originX * sheet.frameWidth;
        const Solid first = SolidOf(image, sheet, IDLE_ROW, 0);
        int distinct = 0;
        for (int column = 0; column < sheet.rows[IDLE_ROW]; ++column) {
            const Solid idle = SolidOf(image, sheet, IDLE_ROW, column);
            EXPECT_GE(idle.bottom, sheet.frameHeight - 4) << sheet.path << " idle " << column << " floats";
            EXPECT_NEAR(idle.feetX, origin, 10.0)
                << sheet.path << " idle " << column << " stands off its origin";
            EXPECT_NEAR(idle.feetX, first.feetX, 2.0) << sheet.path << " idle " << column << " drifts";
            if (column > 0 && !SameCells(image, sheet, IDLE_ROW, column - 1, column)) ++distinct;
        }
        if (sheet.rows[IDLE_ROW] > 1) {
            EXPECT_GE(distinct, 2) << sheet.path << " idle does not breathe";
        }
        for (std::size_t row = 1; row < sheet.rows.size(); ++row) {
            if (sheet.rows[row] == 0) continue;
            EXPECT_NEAR(SolidOf(image, sheet, static_cast<int>(row), 0).feetX, origin, sheet.frameWidth / 8.0)
                << sheet.path << " row " << row << " starts away from the fighter's place";
        }
    }
}

TEST(BattlerArt, TheLastDeathFrameLiesLowAndFlatOnTheGround) {
    for (const Sheet& sheet : Sheets()) {
        if (sheet.rows.size() <= DEATH_ROW) continue;
        const sf::Image image = Load(sheet.path);
        const Solid idle = SolidOf(image, sheet, IDLE_ROW, 0);
        const Solid dead = SolidOf(image, sheet, DEATH_ROW, sheet.rows[DEATH_ROW] - 1);
        EXPECT_GE(dead.bottom, sheet.frameHeight - 4) << sheet.path << ": the body floats";
        EXPECT_LE(dead.height() * 4, idle.height() * 3) << sheet.path << ": still standing";
        const double idleShape = static_cast<double>(idle.width()) / idle.height();
        const double deadShape = static_cast<double>(dead.width()) / dead.height();
        EXPECT_GT(deadShape, idleShape * 1.3) << sheet.path << ": the body is not laid out";
        EXPECT_TRUE(SameCells(image, sheet, DEATH_ROW, sheet.rows[DEATH_ROW] - 2, sheet.rows[DEATH_ROW] - 1))
            << sheet.path << ": the body should lie still before the last frame is held";
    }
}

// Every blow leaves a white trail (a sword's arc, the hound's snapping jaws) on the side it is aimed at:
// the party's to the right of their feet, the enemies' to the left.
TEST(BattlerArt, BlowsAreAimedAtTheOtherSide) {
    for (const Sheet& sheet : Sheets()) {
        if (sheet.rows.size() <= ATTACK_ROW) continue;
        const sf::Image image = Load(sheet.path);
        double sum = 0.0, feet = 0.0;
        int trail = 0;
        for (int column = 0; column < sheet.rows[ATTACK_ROW]; ++column) {
            feet += SolidOf(image, sheet, ATTACK_ROW, column).feetX / sheet.rows[ATTACK_ROW];
            for (int y = 0; y < sheet.frameHeight; ++y)
                for (int x = 0; x < sheet.frameWidth; ++x)
                    if (IsSolidWhite(
                            image.getPixel(static_cast<unsigned>(column * sheet.frameWidth + x),
                                           static_cast<unsigned>(ATTACK_ROW * sheet.frameHeight + y)))) {
                        sum += x;
                        ++trail;
                    }
        }
        ASSERT_GT(trail, 4) << sheet.path << ": the blow leaves no trail";
        const double aim = sum / trail - feet;
        if (sheet.enemy)
            EXPECT_LT(aim, -4.0) << sheet.path << ": enemies strike to the left";
        else
            EXPECT_GT(aim, 4.0) << sheet.path << ": the party strikes to the right";
    }
}

TEST(BattlerArt, HitsFlashWhiteAndParalysisCracklesWithSparks) {
    for (const Sheet& sheet : Sheets()) {
        if (sheet.rows.size() <= HURT_ROW) continue;
        const sf::Image image = Load(sheet.path);
        bool flashed = false;
        for (int column = 0; column < sheet.rows[HURT_ROW]; ++column) {
            const int solid = SolidOf(image, sheet, HURT_ROW, column).count;
            if (CountInCell(image, sheet, HURT_ROW, column, IsSolidWhite) * 2 > solid) flashed = true;
        }
        EXPECT_TRUE(flashed) << sheet.path << ": no frame of the hit flashes";
        if (sheet.paralysedRow < 0) continue;
        ASSERT_EQ(sheet.rows[sheet.paralysedRow], 2) << sheet.path;
        EXPECT_FALSE(SameCells(image, sheet, sheet.paralysedRow, 0, 1))
            << sheet.path << ": the sparks do not flicker";
        const int calm = CountInCell(image, sheet, IDLE_ROW, 0, IsSpark);
        for (int column = 0; column < 2; ++column)
            EXPECT_GE(CountInCell(image, sheet, sheet.paralysedRow, column, IsSpark), calm + 12)
                << sheet.path << " paralysed frame " << column << " has no yellow sparks";
    }
}

// The battle sheets dress the people as the roaming sheets do: each signature colour of the map's sprite
// is worn in battle too.
TEST(BattlerArt, FightersWearTheColoursTheyWearOnTheMap) {
    struct Dress {
        const char* battle;
        const char* roaming;
        std::vector<PaletteIndex> colours;
    };
    const Dress table[] = {
        {"Sprites/Battle/Mate/Pell.png",
         "Sprites/Characters/Player/Sheet_Pello.png",
         {PAL_GRASS_MID, PAL_GRASS_PALE, PAL_CLOTH_MID}},
        {"Sprites/Battle/Mate/Spirit.png",
         "Sprites/Characters/Spriti.png",
         {PAL_SKY_DEEP, PAL_SKY_MID, PAL_GRASS_PALE, PAL_GOLD_LIGHT}},
        {"Sprites/Battle/Mate/Mate1.png",
         "Sprites/Characters/Groto.png",
         {PAL_STONE_MID, PAL_GRASS_MID, PAL_CLOTH_MID}},
        {"Sprites/Battle/Enemy/Enemy1.png", "Sprites/Characters/Knight.png", {PAL_STONE_MID, PAL_CLOTH_MID}},
        {"Sprites/Battle/Enemy/Dogo.png", "Sprites/Characters/Dog.png", {PAL_WOOD_MID, PAL_CLOTH_MID}},
        {"Sprites/Battle/Enemy/Boss.png",
         "Sprites/Characters/Boss.png",
         {PAL_NAVY_DARK, PAL_PARCH_MID, PAL_CLOTH_DARK, PAL_GOLD_MID}},
    };
    for (const Dress& dress : table) {
        const sf::Image battle = Load(dress.battle), roaming = Load(dress.roaming);
        const Sheet& sheet = *std::find_if(Sheets().begin(), Sheets().end(), [&](const Sheet& s) {
            return std::string(s.path) == dress.battle;
        });
        for (PaletteIndex colour : dress.colours) {
            int onMap = 0, inBattle = 0;
            for (unsigned y = 0; y < 64; ++y)
                for (unsigned x = 0; x < 64; ++x)
                    onMap += roaming.getPixel(x, y) == Pal(colour) ? 1 : 0;
            for (int y = 0; y < sheet.frameHeight; ++y)
                for (int x = 0; x < sheet.frameWidth; ++x)
                    inBattle +=
                        battle.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)) == Pal(colour);
            EXPECT_GT(onMap, 0) << dress.roaming << " colour " << colour;
            EXPECT_GE(inBattle, 4) << dress.battle << " lacks colour " << colour << " worn on the map";
        }
    }
}

// The black knight's big moves: the charge carries him far towards the party and brings him home, the
// slam throws a shock wave along the ground far from his feet, and the heal wraps him in green light.
TEST(BattlerArt, TheBlackKnightChargesSlamsAndHeals) {
    const Sheet& boss = Sheets().back();
    const sf::Image image = Load(boss.path);
    const int rush = 4, slam = 5, heal = 6;
    const double home = SolidOf(image, boss, rush, 0).feetX;
    double furthest = home;
    for (int column = 0; column < boss.rows[rush]; ++column)
        furthest = std::min(furthest, SolidOf(image, boss, rush, column).feetX);
    EXPECT_LT(furthest, home - 60.0) << "the charge does not cross the field";
    EXPECT_NEAR(SolidOf(image, boss, rush, boss.rows[rush] - 1).feetX, boss.originX * boss.frameWidth, 10.0)
        << "the charge does not come back";
    int wave = 0;
    for (int column = 0; column < boss.rows[slam]; ++column)
        for (int y = boss.frameHeight - 12; y < boss.frameHeight; ++y)
            for (int x = 0; x < boss.frameWidth; ++x)
                if (std::abs(x - home) > 70.0)
                    wave +=
                        image.getPixel(static_cast<unsigned>(column * boss.frameWidth + x),
                                       static_cast<unsigned>(slam * boss.frameHeight + y)) == Pal(PAL_WHITE);
    EXPECT_GT(wave, 40) << "no shock wave runs along the ground away from him";
    int green = 0;
    for (int column = 0; column < boss.rows[heal]; ++column)
        for (int y = 0; y < boss.frameHeight; ++y)
            for (int x = 0; x < boss.frameWidth; ++x) {
                const sf::Color colour = image.getPixel(static_cast<unsigned>(column * boss.frameWidth + x),
                                                        static_cast<unsigned>(heal * boss.frameHeight + y));
                green +=
                    colour.a > 0 && colour.r == Pal(PAL_GRASS_PALE).r && colour.g == Pal(PAL_GRASS_PALE).g;
            }
    EXPECT_GT(green, 2000) << "the heal gives off no green light";
}

// A one-shot move hands back to the idle loop: its last frame is the idle's first, so nothing jumps.
TEST(BattlerArt, EveryMoveEndsOnTheIdlesFirstFrame) {
    for (const Sheet& sheet : Sheets()) {
        const sf::Image image = Load(sheet.path);
        for (int row = ATTACK_ROW; row < static_cast<int>(sheet.rows.size()); ++row) {
            if (row == DEATH_ROW || row == sheet.paralysedRow || sheet.rows[row] == 0) continue;
            const int last = sheet.rows[row] - 1;
            bool same = true;
            for (int y = 0; y < sheet.frameHeight && same; ++y)
                for (int x = 0; x < sheet.frameWidth && same; ++x)
                    same = image.getPixel(static_cast<unsigned>(last * sheet.frameWidth + x),
                                          static_cast<unsigned>(row * sheet.frameHeight + y)) ==
                           image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
            EXPECT_TRUE(same) << sheet.path << " row " << row << " ends away from the idle pose";
        }
    }
}

// A spell gathers in a halo that grows for a few frames before it is let go.
TEST(BattlerArt, SpellsGatherAGrowingGlowBeforeTheRelease) {
    const int castRow[] = {4, 5, 4};  // Pell, Spriti (after her empty row), Groto
    for (int mate = 0; mate < 3; ++mate) {
        const Sheet& sheet = Sheets()[static_cast<std::size_t>(mate)];
        const sf::Image image = Load(sheet.path);
        const int row = castRow[mate];
        std::vector<int> glow;
        for (int column = 0; column < sheet.rows[row]; ++column) {
            int halo = 0;
            for (int y = 0; y < sheet.frameHeight; ++y)
                for (int x = 0; x < sheet.frameWidth; ++x) {
                    const sf::Color colour =
                        image.getPixel(static_cast<unsigned>(column * sheet.frameWidth + x),
                                       static_cast<unsigned>(row * sheet.frameHeight + y));
                    halo += colour.a > 100 && colour.a < 160 ? 1 : 0;  // the glow, not the ground shadow
                }
            glow.push_back(halo);
        }
        const auto brightest = std::max_element(glow.begin(), glow.end());
        const auto first = std::find_if(glow.begin(), glow.end(), [](int halo) { return halo > 0; });
        EXPECT_GT(*brightest, 60) << sheet.path << ": no spell gathers";
        EXPECT_LT(first, brightest) << sheet.path << ": the glow does not grow";
        EXPECT_EQ(glow.back(), 0) << sheet.path << ": the spell is still glowing at the end";
    }
}

// A row of any length passes through every key of its move, the first on its first frame and the last on
// its last, in order; the frames between are on their way from one key to the next.
TEST(BattlerArt, RowsOfAnyLengthShowEveryKey) {
    const std::vector<std::vector<int>> moves = {
        {1, 2, 1, 2, 2, 1}, {2, 2, 1, 2, 1, 1}, {1, 1, 1, 1}, {3, 1}};
    for (const std::vector<int>& weights : moves)
        for (int frames = static_cast<int>(weights.size()); frames <= 21; ++frames) {
            std::vector<int> shown(weights.size(), 0);
            int previous = -1;
            for (int frame = 0; frame < frames; ++frame) {
                const KeySpan span = LocateFrame(weights, frame, frames);
                EXPECT_GE(span.key, previous) << frames << " frames, frame " << frame;
                EXPECT_GE(span.fraction, 0.0f);
                EXPECT_LT(span.fraction, 1.0f);
                if (span.fraction == 0.0f) ++shown[static_cast<std::size_t>(span.key)];
                previous = span.key;
            }
            for (std::size_t key = 0; key < weights.size(); ++key)
                EXPECT_EQ(shown[key], 1) << frames << " frames: key " << key;
            EXPECT_EQ(LocateFrame(weights, 0, frames).key, 0);
            EXPECT_EQ(LocateFrame(weights, frames - 1, frames).key, static_cast<int>(weights.size()) - 1);
        }
}
