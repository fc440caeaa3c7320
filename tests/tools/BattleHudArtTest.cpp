// The battle screen's pictures as the player meets them: the sizes the battle cuts and places, white text
// landing on plain dark panel interiors, effect sheets that rise from the feet, move every frame and die
// away, the dagger pointing at its word, timeline tiles telling every fighter apart, backdrops whose top
// strip stays calm under the timeline while night visibly falls on the fighters' ground, and a game-over
// screen that reads on its black veil.

#include "GeneratedTree.h"
#include "assetgen/Palette.h"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string HUD = "Sprites/Battle/BattleHUD/";
const std::string FX = "Sprites/Battle/Fx/";
const char* const TILE_COLOURS[] = {"Cyan", "Green", "Purple", "Blue", "Red", "Orange", "Yellow"};
const char* const BACKDROPS[] = {"Village", "Bridge"};

sf::Image Load(const std::string& path) {
    sf::Image image;
    EXPECT_TRUE(image.loadFromFile((Generated(0).root / path).string())) << path;
    return image;
}

double Luminance(sf::Color colour) {
    return 0.299 * colour.r + 0.587 * colour.g + 0.114 * colour.b;
}

struct ScreenRect {
    double left, top, right, bottom;  // screen pixels, relative to the picture's top-left on screen
};

// Where white text goes: every pixel under it solid, dark, and close in tone to its neighbours.
void ExpectPlainDark(const sf::Image& picture, double scale, const ScreenRect& rect,
                     const std::string& what) {
    double darkest = 255.0, brightest = 0.0;
    int holes = 0;
    for (double y = rect.top; y < rect.bottom; y += scale)
        for (double x = rect.left; x < rect.right; x += scale) {
            const sf::Color colour =
                picture.getPixel(static_cast<unsigned>(x / scale), static_cast<unsigned>(y / scale));
            if (colour.a < 255) ++holes;
            darkest = std::min(darkest, Luminance(colour));
            brightest = std::max(brightest, Luminance(colour));
        }
    EXPECT_EQ(holes, 0) << what;
    EXPECT_LE(brightest, 90.0) << what << " is too bright for white text";
    EXPECT_LE(brightest - darkest, 40.0) << what << " is too busy for text";
}

struct FrameInk {
    long alpha = 0;  // summed opacity: fades and shrinking both lower it
    int visible = 0;
};

FrameInk InkOf(const sf::Image& sheet, int frame, int width) {
    FrameInk ink;
    for (unsigned y = 0; y < sheet.getSize().y; ++y)
        for (int x = 0; x < width; ++x) {
            const sf::Uint8 alpha = sheet.getPixel(static_cast<unsigned>(frame * width + x), y).a;
            ink.alpha += alpha;
            if (alpha > 0) ++ink.visible;
        }
    return ink;
}

bool SameFrame(const sf::Image& sheet, int a, int b, int width) {
    for (unsigned y = 0; y < sheet.getSize().y; ++y)
        for (int x = 0; x < width; ++x)
            if (sheet.getPixel(static_cast<unsigned>(a * width + x), y) !=
                sheet.getPixel(static_cast<unsigned>(b * width + x), y))
                return false;
    return true;
}

double MeanLuminance(const sf::Image& image, unsigned top, unsigned bottom) {
    double sum = 0.0;
    long count = 0;
    for (unsigned y = top; y < bottom; y += 2)
        for (unsigned x = 0; x < image.getSize().x; x += 2, ++count)
            sum += Luminance(image.getPixel(x, y));
    return sum / static_cast<double>(count);
}

}  // namespace

TEST(BattleHudArt, EveryPictureHasTheSizeTheBattleScreenCuts) {
    struct Expected {
        std::string path;
        unsigned width, height;
    };
    std::vector<Expected> table = {
        {HUD + "HPBackground.png", 535, 170},
        {"Sprites/battle/BattleHUD/InfoBackground.png", 175, 170},
        {HUD + "ActionsBackground.png", 210, 170},
        {HUD + "SkillBackground.png", 950, 170},
        {HUD + "DaggerCursor.png", 24, 12},
        {HUD + "LifeBar.png", 160, 9},
        {HUD + "ManaBar.png", 160, 9},
        {HUD + "TimelineSurbrillance.png", 28, 28},
        {HUD + "VictoryBackground.png", 450, 260},
        {"Sprites/Game Over/GameOver.png", 960, 320},
        {"Sprites/Game Over/XFailed.png", 400, 100},
        {FX + "Slash_1-Sheet.png", 384, 128},
        {FX + "Heal-Sheet.png", 704, 64},
        {FX + "Mana-Sheet.png", 704, 64},
        {FX + "Magic-Sheet.png", 960, 128},
        {FX + "Revive-Sheet.png", 832, 128},
        {FX + "Target-Sheet.png", 1344, 128},
        {FX + "Paralysis-Sheet.png", 640, 128},
    };
    for (const char* colour : TILE_COLOURS)
        table.push_back({HUD + "Timeline" + colour + ".png", 28, 28});
    for (const char* place : BACKDROPS)
        for (const char* time : {"_Day.png", "_Night.png"})
            table.push_back({HUD + "Background_" + place + time, 1920, 1080});
    for (const Expected& expected : table) {
        const sf::Image image = Load(expected.path);
        EXPECT_EQ(image.getSize(), sf::Vector2u(expected.width, expected.height)) << expected.path;
    }
}

TEST(BattleHudArt, TextAndPortraitsLandOnPlainDarkInteriors) {
    struct Place {
        std::string path;
        std::vector<ScreenRect> rects;
    };
    std::vector<Place> places = {
        // Up to six lines of size 25 from (20, 10), the mana cost at 200: glyphs start a few pixels lower.
        {"Sprites/battle/BattleHUD/InfoBackground.png", {{20, 18, 330, 232}}},
        // Three words of size 50 centred 10 pixels right of the middle, the dagger left of them.
        {HUD + "ActionsBackground.png", {{80, 26, 340, 74}, {80, 126, 340, 174}, {80, 226, 340, 274}}},
        // Four names of size 40, and the chosen member's portrait with its two bars.
        {HUD + "SkillBackground.png",
         {{100, 40, 420, 88},
          {100, 190, 420, 238},
          {700, 40, 1020, 88},
          {700, 190, 1020, 238},
          {1510, 30, 1730, 316}}},
        // Victory lines of size 50 centred at y 180, 360 and 540 on a banner whose top is at y 100.
        {HUD + "VictoryBackground.png", {{210, 56, 690, 104}, {210, 236, 690, 284}, {210, 416, 690, 464}}},
    };
    // Each party member's portrait (214 x 232 at 60 + 364 i, 30) and the two bars under it.
    Place party{HUD + "HPBackground.png", {}};
    for (int member = 0; member < 3; ++member)
        party.rects.push_back({60.0 + 364 * member, 30, 274.0 + 364 * member, 316});
    places.push_back(party);
    for (const Place& place : places) {
        const sf::Image picture = Load(place.path);
        for (const ScreenRect& rect : place.rects)
            ExpectPlainDark(picture, 2.0, rect,
                            place.path + " at " + std::to_string(static_cast<int>(rect.left)) + "," +
                                std::to_string(static_cast<int>(rect.top)));
    }
}

TEST(BattleHudArt, EffectFramesShowMoveEveryFrameAndDieAway) {
    struct Sheet {
        const char* name;
        int frameWidth;
        int frames;
    };
    const Sheet sheets[] = {{"Slash_1", 64, 6}, {"Heal", 64, 11},   {"Mana", 64, 11},     {"Magic", 64, 15},
                            {"Revive", 64, 13}, {"Target", 64, 21}, {"Paralysis", 64, 10}};
    for (const Sheet& expected : sheets) {
        const sf::Image sheet = Load(FX + expected.name + "-Sheet.png");
        ASSERT_EQ(sheet.getSize().x, static_cast<unsigned>(expected.frameWidth * expected.frames))
            << expected.name;
        long brightest = 0;
        for (int frame = 0; frame < expected.frames; ++frame) {
            const FrameInk ink = InkOf(sheet, frame, expected.frameWidth);
            EXPECT_GE(ink.visible, 8) << expected.name << " frame " << frame << " shows nothing";
            brightest = std::max(brightest, ink.alpha);
            if (frame > 0) {
                EXPECT_FALSE(SameFrame(sheet, frame - 1, frame, expected.frameWidth))
                    << expected.name << " frame " << frame << " repeats the one before";
            }
        }
        const long last = InkOf(sheet, expected.frames - 1, expected.frameWidth).alpha;
        EXPECT_LT(last * 10, brightest * 6) << expected.name << " ends as strong as it peaks";
    }
}

TEST(BattleHudArt, DaggerPointsAtItsWordAndBarsAreLitFromAbove) {
    const sf::Image dagger = Load(HUD + "DaggerCursor.png");
    const unsigned right = dagger.getSize().x - 1, middle = dagger.getSize().y / 2;
    EXPECT_TRUE(dagger.getPixel(right, middle).a == 255 || dagger.getPixel(right, middle - 1).a == 255);
    for (unsigned y = 0; y < dagger.getSize().y; ++y) {
        if (y + 2 < middle || y > middle + 2) {
            EXPECT_EQ(dagger.getPixel(right, y).a, 0) << "blunt tip at row " << y;
        }
    }
    for (const char* bar : {"LifeBar.png", "ManaBar.png"}) {
        const sf::Image fill = Load(HUD + bar);
        for (unsigned x = 0; x < fill.getSize().x; ++x) {
            for (unsigned y = 0; y < fill.getSize().y; ++y)
                ASSERT_EQ(fill.getPixel(x, y).a, 255) << bar << " " << x;
            EXPECT_GT(Luminance(fill.getPixel(x, 0)), Luminance(fill.getPixel(x, 8)))
                << bar << " column " << x;
        }
    }
    const sf::Image life = Load(HUD + "LifeBar.png"), mana = Load(HUD + "ManaBar.png");
    EXPECT_GT(life.getPixel(40, 4).r, life.getPixel(40, 4).b) << "life reads red";
    EXPECT_GT(mana.getPixel(40, 4).b, mana.getPixel(40, 4).r) << "mana reads blue";
}

TEST(BattleHudArt, TimelineTilesTellEveryFighterAndBothSidesApart) {
    std::vector<sf::Image> tiles;
    for (const char* colour : TILE_COLOURS)
        tiles.push_back(Load(HUD + "Timeline" + colour + ".png"));
    for (std::size_t a = 0; a < tiles.size(); ++a)
        for (std::size_t b = a + 1; b < tiles.size(); ++b) {
            int differing = 0;
            for (unsigned y = 0; y < 28; ++y)
                for (unsigned x = 0; x < 28; ++x)
                    differing += tiles[a].getPixel(x, y) != tiles[b].getPixel(x, y);
            EXPECT_GT(differing, 28 * 28 / 4)
                << TILE_COLOURS[a] << " and " << TILE_COLOURS[b] << " look alike";
        }
    // The party's tiles (hero, Spriti, Groto, the fourth companion) fill their corners; the enemies' are cut.
    for (std::size_t tile = 0; tile < tiles.size(); ++tile)
        EXPECT_EQ(tiles[tile].getPixel(2, 2).a > 0, tile < 4) << TILE_COLOURS[tile];
    const sf::Image glow = Load(HUD + "TimelineSurbrillance.png");
    EXPECT_EQ(glow.getPixel(14, 14).a, 0) << "the highlight hides the emblem";
    for (const sf::Vector2u& rim :
         {sf::Vector2u(14, 2), sf::Vector2u(2, 14), sf::Vector2u(25, 14), sf::Vector2u(14, 25)}) {
        const sf::Color colour = glow.getPixel(rim.x, rim.y);
        EXPECT_GE(colour.a, 200) << rim.x << "," << rim.y;
        EXPECT_GE(Luminance(colour), 230.0) << rim.x << "," << rim.y;
    }
}

TEST(BattleHudArt, BackdropsKeepTheTimelineStripCalmAndNightFallsOnTheGround) {
    const std::set<PaletteIndex> skies = {PAL_SKY_DEEP, PAL_SKY_MID, PAL_SKY_LIGHT, PAL_SKY_GLOW,
                                          PAL_WATER_FOAM};
    for (const char* place : BACKDROPS) {
        const sf::Image day = Load(HUD + "Background_" + place + "_Day.png");
        const sf::Image night = Load(HUD + "Background_" + place + "_Night.png");
        for (const sf::Image* picture : {&day, &night}) {
            std::set<sf::Uint32> colours;
            for (unsigned y = 0; y < 70; y += 2)
                for (unsigned x = 0; x < 1920; x += 2)
                    colours.insert(picture->getPixel(x, y).toInteger());
            EXPECT_LE(colours.size(), 2u) << place << ": the timeline strip is busy";
        }
        EXPECT_LT(MeanLuminance(night, 300, 730), MeanLuminance(day, 300, 730) * 0.7) << place;
        // By day the fighters' feet (y 350 to 700) land on ground, never on sky.
        for (unsigned y = 350; y <= 700; y += 10)
            for (unsigned x = 0; x < 1920; x += 16) {
                const sf::Color colour = day.getPixel(x, y);
                for (PaletteIndex sky : skies)
                    ASSERT_FALSE(colour == Pal(sky)) << place << " shows sky at " << x << "," << y;
            }
    }
}

TEST(BattleHudArt, EffectsRiseFromTheFeetAndCutAcrossTheBody) {
    // Where a frame's ink lies, as a share of the frame's height from its top.
    const auto inkCentre = [](const sf::Image& sheet, int frame, int width) {
        double weighted = 0.0, total = 0.0;
        for (unsigned y = 0; y < sheet.getSize().y; ++y)
            for (int x = 0; x < width; ++x) {
                const double alpha = sheet.getPixel(static_cast<unsigned>(frame * width + x), y).a;
                weighted += alpha * y;
                total += alpha;
            }
        return total > 0.0 ? weighted / total / sheet.getSize().y : -1.0;
    };
    // Healing and mana start on the ground around the feet, then climb.
    for (const char* name : {"Heal", "Mana"}) {
        const sf::Image sheet = Load(FX + name + "-Sheet.png");
        EXPECT_GT(inkCentre(sheet, 0, 64), 0.7) << name << " does not start at the feet";
        EXPECT_LT(inkCentre(sheet, 8, 64), inkCentre(sheet, 1, 64)) << name << " does not rise";
    }
    // The revival pillar reaches the ground it falls on; the slash crosses the body, not the feet or sky.
    const sf::Image revive = Load(FX + "Revive-Sheet.png");
    EXPECT_GT(revive.getPixel(32, 127).a + revive.getPixel(6 * 64 + 32, 127).a, 0);
    const sf::Image slash = Load(FX + "Slash_1-Sheet.png");
    for (int frame = 0; frame < 6; ++frame) {
        const double centre = inkCentre(slash, frame, 64);
        EXPECT_GT(centre, 0.35) << "slash frame " << frame;
        EXPECT_LT(centre, 0.75) << "slash frame " << frame;
    }
}

TEST(BattleHudArt, GameOverLetteringAndButtonStandOutOnTheBlackVeil) {
    const sf::Image lettering = Load("Sprites/Game Over/GameOver.png");
    int opaque = 0, bright = 0;
    for (unsigned y = 0; y < lettering.getSize().y; y += 2)
        for (unsigned x = 0; x < lettering.getSize().x; x += 2) {
            const sf::Color colour = lettering.getPixel(x, y);
            if (colour.a == 0) continue;
            ++opaque;
            if (Luminance(colour) > 100.0) ++bright;
        }
    const int samples = static_cast<int>(lettering.getSize().x * lettering.getSize().y / 4);
    EXPECT_GT(opaque, samples / 10) << "the lettering is too small to read";
    EXPECT_LT(opaque, samples / 2) << "the veil should show around the lettering";
    EXPECT_GT(bright, opaque / 5) << "the lettering is lost on black";
    const sf::Image button = Load("Sprites/Game Over/XFailed.png");
    const sf::Image title = Load("Sprites/Menu/Button/Play appuy\xE9.png");
    EXPECT_EQ(button.getPixel(0, 0), title.getPixel(0, 0)) << "not the title buttons' frame";
    EXPECT_EQ(button.getPixel(20, 6), title.getPixel(20, 6)) << "not the title buttons' frame";
    int labelPixels = 0;
    for (unsigned x = 40; x < 360; ++x)
        labelPixels += Luminance(button.getPixel(x, 50)) > 180.0;
    EXPECT_GT(labelPixels, 20) << "the button's label is missing";
}
