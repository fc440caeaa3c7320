// The pictures and sounds of the people, dialogues, items, inventory and shop, checked where the game
// will read them: exact file names and sizes, sheets that cut into the 7 x 8 frames the NPC loader makes,
// and the places the screens write texts and draw goods landing on the right part of each panel.

#include "GeneratedTree.h"
#include "assetgen/Palette.h"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

namespace {

sf::Image Load(const std::string& path) {
    sf::Image image;
    EXPECT_TRUE(image.loadFromFile((Generated(0).root / path).string())) << path;
    return image;
}

sf::Color At(const sf::Image& image, double x, double y) {
    return image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
}

bool IsOneOf(sf::Color colour, std::initializer_list<PaletteIndex> indices) {
    for (PaletteIndex index : indices) {
        const sf::Color wanted = Pal(index);
        if (colour.a == 255 && colour.r == wanted.r && colour.g == wanted.g && colour.b == wanted.b)
            return true;
    }
    return false;
}

bool IsColour(sf::Color colour, PaletteIndex index) {
    const sf::Color wanted = Pal(index);
    return colour.a == 255 && colour.r == wanted.r && colour.g == wanted.g && colour.b == wanted.b;
}

const char* const NPC_SHEETS[] = {"Merchant", "Villager1", "Villager2", "Villager3", "Villager4",
                                  "Spriti",   "Groto",     "Knight",    "Dog",       "Boss"};
const char* const PORTRAITS[] = {"Pell",      "Narrator", "Merchant", "Villager1", "Villager2", "Villager3",
                                 "Villager4", "Spriti",   "Groto",    "Knight",    "Boss"};
const char* const ITEMS[] = {"Rope",  "Stick", "Straw",      "Bucket_Empty", "Bucket_Full", "Pumpkin",
                             "Paint", "Burse", "FishingRod", "Decoy",        "HP Potion",   "Mana Potion"};

struct Solid {
    int count = 0;
    int lowest = -1;
};

Solid SolidIn(const sf::Image& sheet, int left, int top, int x0, int y0, int x1, int y1) {
    Solid solid;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (sheet.getPixel(static_cast<unsigned>(left + x), static_cast<unsigned>(top + y)).a == 255) {
                ++solid.count;
                solid.lowest = std::max(solid.lowest, y);
            }
    return solid;
}

bool SameFrame(const sf::Image& sheet, int row, int a, int b) {
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            if (sheet.getPixel(static_cast<unsigned>(a * 64 + x), static_cast<unsigned>(row * 64 + y)) !=
                sheet.getPixel(static_cast<unsigned>(b * 64 + x), static_cast<unsigned>(row * 64 + y)))
                return false;
    return true;
}

}  // namespace

TEST(ContentArt, EveryFileHasItsExactNameAndSize) {
    struct Expected {
        std::string path;
        unsigned width, height;
    };
    std::vector<Expected> table = {
        {"Sprites/Menu/Button/New Save.png", 320, 76},
        {"Sprites/Menu/Button/New Save appuy\xE9_.png", 320, 76},
        {"Sprites/Menu/Button/Supprim\xE9 save.png", 76, 76},
        {"Sprites/Menu/Button/Supprim\xE9 save appuy\xE9.png", 76, 76},
        {"Sprites/Dialogues/Frame.png", 960, 136},
        {"Sprites/Items/Inventory/Inventory.png", 320, 304},
        {"Sprites/Items/Inventory/Grid.png", 600, 800},
        {"Sprites/Shop/Hud/Full_Shop.png", 740, 340},
        {"Sprites/Shop/Hud/Cursor.png", 56, 56},
        {"Sprites/Shop/Items/Item1.png", 64, 64},
        {"Sprites/Shop/Items/Item2.png", 64, 64},
    };
    for (int slot = 1; slot <= 3; ++slot) {
        table.push_back({"Sprites/Menu/Button/Save " + std::to_string(slot) + ".png", 320, 76});
        table.push_back({"Sprites/Menu/Button/Save " + std::to_string(slot) + " appuy\xE9.png", 320, 76});
    }
    for (const char* name : NPC_SHEETS)
        table.push_back({std::string("Sprites/Characters/") + name + ".png", 448, 512});
    for (const char* name : PORTRAITS)
        table.push_back({std::string("Sprites/Characters/Portraits/") + name + ".png", 64, 64});
    for (const char* name : ITEMS)
        table.push_back({std::string("Sprites/Items/") + name + ".png", 64, 64});
    for (const Expected& expected : table) {
        const sf::Image image = Load(expected.path);
        EXPECT_EQ(image.getSize().x, expected.width) << expected.path;
        EXPECT_EQ(image.getSize().y, expected.height) << expected.path;
    }
}

TEST(ContentArt, SaveSlotButtonsMatchTheTitleButtonsAndChangeWhenPressed) {
    const sf::Image title = Load("Sprites/Menu/Button/Play non appuy\xE9.png");
    const std::string pairs[][2] = {{"New Save.png", "New Save appuy\xE9_.png"},
                                    {"Save 2.png", "Save 2 appuy\xE9.png"},
                                    {"Supprim\xE9 save.png", "Supprim\xE9 save appuy\xE9.png"}};
    for (const auto& pair : pairs) {
        const sf::Image normal = Load("Sprites/Menu/Button/" + pair[0]);
        const sf::Image pressed = Load("Sprites/Menu/Button/" + pair[1]);
        EXPECT_EQ(normal.getSize().y, title.getSize().y) << pair[0];  // the delete button shares the row
        EXPECT_EQ(At(normal, 0, 0), At(title, 0, 0)) << pair[0] << " has another frame";
        EXPECT_NE(std::memcmp(normal.getPixelsPtr(), pressed.getPixelsPtr(),
                              normal.getSize().x * normal.getSize().y * 4),
                  0)
            << pair[1] << " looks like " << pair[0];
    }
}

TEST(ContentArt, NpcSheetsCutIntoStandingAnimatedFrames) {
    for (const char* name : NPC_SHEETS) {
        const sf::Image sheet = Load(std::string("Sprites/Characters/") + name + ".png");
        ASSERT_EQ(sheet.getSize().x % 7, 0u) << name;
        ASSERT_EQ(sheet.getSize().y % 8, 0u) << name;
        for (int row = 0; row < 8; ++row) {
            int distinct = 0;
            for (int column = 0; column < 7; ++column) {
                const Solid feet = SolidIn(sheet, column * 64, row * 64, 0, 0, 64, 64);
                EXPECT_GE(feet.lowest, 56) << name << " row " << row << " frame " << column << " floats";
                // The game's solid box is the picture's lowest quarter, middle half: the body must fill it.
                EXPECT_GT(SolidIn(sheet, column * 64, row * 64, 16, 48, 48, 64).count, 60)
                    << name << " row " << row << " frame " << column;
                if (column > 0 && !SameFrame(sheet, row, column - 1, column)) ++distinct;
            }
            EXPECT_GE(distinct, 2) << name << " row " << row << " does not move";
        }
    }
}

TEST(ContentArt, DialogueTextAndPortraitFitTheBoxWhereTheGamePutsThem) {
    const sf::Image frame = Load("Sprites/Dialogues/Frame.png");
    const double scale = 1.6, width = frame.getSize().x * scale, height = frame.getSize().y * scale;
    EXPECT_LE(width, 1920.0 - 200.0);
    // The game sets the box's origin to its drawn height, in its own unscaled units: the box hangs
    // 1.6 times its drawn height above 1050.
    const double top = 1050.0 - height * scale;
    const double bottom = top + height;
    ASSERT_LT(top, 760.0 - 10.0) << "the first line of text would start above the box";
    ASSERT_GT(bottom, 760.0 + 3 * 42.0) << "three lines of text would run off the box";
    // Black text is written from (left + 70, 760): parchment there, three lines down and at the far end.
    for (double x : {70.0, width - 80.0})
        for (double y : {775.0, 760.0 + 3 * 42.0 - 5.0})
            EXPECT_TRUE(IsOneOf(At(frame, x / scale, (y - top) / scale),
                                {PAL_PARCH_LIGHT, PAL_PARCH_MID, PAL_PARCH_DARK}))
                << x << "," << y;
    // The portrait stands at 1050 - drawn height - 250 and must end above the box.
    const double portraitTop = 1050.0 - height - 250.0;
    for (const char* name : PORTRAITS) {
        const sf::Image portrait = Load(std::string("Sprites/Characters/Portraits/") + name + ".png");
        EXPECT_LE(portraitTop + portrait.getSize().y * scale, top) << name << " would cover the box";
        EXPECT_EQ(At(portrait, 32, 32).a, 255) << name;  // opaque: the map never shows through a face
    }
}

TEST(ContentArt, InventoryCellsSitUnderTheItemPlacesOnASolidBackdrop) {
    const sf::Image grid = Load("Sprites/Items/Inventory/Grid.png");
    const int gridLeft = 725, gridTop = 165;  // where the inventory screen draws it, unscaled
    for (unsigned y = 0; y < grid.getSize().y; ++y)
        for (unsigned x = 0; x < grid.getSize().x; ++x)
            ASSERT_EQ(grid.getPixel(x, y).a, 255) << x << "," << y;
    for (int place = 0; place < 20; ++place) {
        const int x = 815 + (place % 4) * 140 - gridLeft, y = 315 + (place / 4) * 140 - gridTop;
        for (int d : {-28, 0, 28})
            EXPECT_TRUE(IsColour(At(grid, x + d, y + d), PAL_NIGHT)) << "place " << place << " offset " << d;
    }
    const sf::Image purse = Load("Sprites/Items/Inventory/Inventory.png");
    // The gold number is written at (W/12, H/1.1) over the panel placed at (W/20, H/1.5).
    const double goldX = 1920.0 / 12 - 1920.0 / 20, goldY = 1080.0 / 1.1 - 1080.0 / 1.5;
    EXPECT_TRUE(IsColour(At(purse, goldX + 4, goldY + 6), PAL_NIGHT));
    EXPECT_TRUE(IsColour(At(purse, goldX + 30, goldY + 12), PAL_NIGHT));
}

TEST(ContentArt, ShopGoodsCursorAndTextsLandInsideTheirPlaces) {
    const sf::Image frame = Load("Sprites/Shop/Hud/Full_Shop.png");
    const double scale = 1.8, left = 960 - frame.getSize().x * scale / 2,
                 top = 450 - frame.getSize().y * scale / 2;
    const auto onFrame = [&](double x, double y) { return At(frame, (x - left) / scale, (y - top) / scale); };
    const sf::Image cursor = Load("Sprites/Shop/Hud/Cursor.png");
    for (int good = 0; good < 2; ++good) {
        const sf::Image picture = Load("Sprites/Shop/Items/Item" + std::to_string(good + 1) + ".png");
        const double x = 960 + 390 * good, half = picture.getSize().x * 2.3 / 2,
                     cursorHalf = cursor.getSize().x * 3.1 / 2;
        EXPECT_GT(cursorHalf, half) << "the cursor must frame good " << good;
        for (double d : {-cursorHalf + 2, cursorHalf - 2})  // pedestal floor under the cursor's corners
            EXPECT_TRUE(IsColour(onFrame(x + d, 520 + d), PAL_NIGHT)) << "good " << good;
    }
    for (const auto& [x, y] :
         {std::pair{360.0, 350.0}, {700.0, 620.0}, {400.0, 530.0}})  // description, price
        EXPECT_TRUE(IsOneOf(onFrame(x, y), {PAL_NIGHT, PAL_NAVY_DARK, PAL_NAVY_MID})) << x << "," << y;
    EXPECT_TRUE(IsColour(onFrame(1370, 230), PAL_NIGHT)) << "the gold number's box";
}

TEST(ContentArt, PickUpPurchaseAndCursorSoundsAreShortCleanAndDistinct) {
    const char* paths[] = {"Sounds/Outside/ItemPickup.wav", "Sounds/Shop/BuyConfirm.wav",
                           "Sounds/Interface/ChangePos.wav"};
    std::vector<SoundFacts> sounds;
    for (const char* path : paths) {
        const SoundFacts sound = ReadSound(Generated(0).root / path);
        ASSERT_GE(sound.samples.size(), 100u) << path;
        EXPECT_LE(PeakDbfs(sound.samples), -1.0) << path;
        EXPECT_GE(PeakDbfs(sound.samples), -12.0) << path << " is too quiet to hear";
        EXPECT_LE(sound.seconds, 0.5) << path;
        EXPECT_LE(std::abs(sound.samples.front()), 64) << path;
        EXPECT_LE(std::abs(sound.samples.back()), 64) << path;
        sounds.push_back(sound);
    }
    const SoundFacts menuBlip = ReadSound(Generated(0).root / "Sounds/Interface/Button.wav");
    EXPECT_NE(sounds[2].samples, menuBlip.samples) << "the shop cursor must not sound like the menu";
    EXPECT_LT(sounds[2].seconds, sounds[0].seconds);
}
