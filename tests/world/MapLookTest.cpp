// A map's look comes from what its author wrote in its properties, never from its name: a copy of a map
// under another name looks the same, a name with "Night" in it lights no torch, and a property added
// to an indoor map brings clouds or the night.

#include <gtest/gtest.h>

#include <filesystem>

#include "frontend/RoamingScreen.h"
#include "support/Files.h"
#include "support/Scenes.h"
#include "world/MapLook.h"

namespace fs = std::filesystem;

namespace {

// The map `from` copied whole as `to`, the given properties added to its own ("" for none). The Text
// folder must be a copy of its own (DetachAssetFolder).
void CopyMap(const std::string& from, const std::string& to, const std::string& properties = "") {
    const fs::path maps = "Assets/Text/Maps";
    fs::copy(maps / from, maps / to, fs::copy_options::recursive);
    std::string json = ReadWholeFile(maps / to / "Map.json");
    const size_t list = json.find("\"properties\":[");
    ASSERT_NE(list, std::string::npos);
    if (!properties.empty()) json.insert(list + 14, properties + ",");
    WriteWholeFile(maps / to / "Map.json", json);
}

std::string Flag(const char* name) {
    return std::string("{\"name\":\"") + name + "\",\"type\":\"bool\",\"value\":true}";
}

TEST(MapLook, TheLookAndTheWorldMapsArrivalsFollowThePropertiesNotTheName) {
    ScratchFolder folder;
    folder.DetachAssetFolder("Text");
    CopyMap("GoblinVillage", "ParkNight");
    CopyMap("HOUSE_ENTER_1", "Cellar", Flag("clouds") + "," + Flag("darkness"));
    const MapLook village = ReadMapLookOf("GoblinVillage");
    const MapLook park = ReadMapLookOf("ParkNight");
    EXPECT_TRUE(park.clouds);
    EXPECT_FALSE(park.torch || park.smoke || park.burntTrees || park.darkness);
    EXPECT_EQ(park.displayName, village.displayName);
    EXPECT_EQ(park.battleBackground, DEFAULT_BATTLE_BACKGROUND);
    EXPECT_EQ(WorldMapArrival("ParkNight", "BridgeNight"), "GoblinVillageBurn");
    EXPECT_EQ(WorldMapArrival("ParkNight", "Bridge"), "ParkNight");

    const MapLook cellar = ReadMapLookOf("Cellar");
    EXPECT_TRUE(cellar.clouds && cellar.darkness);
    EXPECT_FALSE(cellar.grass || cellar.torch);
    EXPECT_FALSE(ReadMapLookOf("Bridge").torch);
    EXPECT_TRUE(ReadMapLookOf("BridgeNight").torch);
    EXPECT_EQ(WorldMapArrival("Bridge", "GoblinVillageBurn"), "BridgeNight");
    EXPECT_EQ(ReadMapLookOf("Nowhere").battleBackground, DEFAULT_BATTLE_BACKGROUND);
}

// From the Bridge through a door onto `map`, seeded alike each time, and the picture then.
sf::Image Arrive(const std::string& map, GameHarness& game) {
    game.Folder().DetachAssetFolder("Text");
    CopyMap("GoblinVillage", "VillageCopy");
    CopyMap("Bridge", "Ford", Flag("torch") + "," + Flag("smoke"));
    game.Init();
    EnterMap(game, "Bridge", 5);
    game.Find<RoamingScreen>()->ChangeMap(map);
    game.Step(FRAME_DT, 30);
    return game.Capture();
}

bool Torchlit(GameHarness& game) {
    const PlayerCharacter& hero = game.Scene().hero;
    return hero.sprite.getTexture() == &hero.torchSheet;
}

TEST(MapLook, AVillageCopyShowsTheVillageAndTheAuthorsPropertiesLightTheTorch) {
    sf::Image village, copy;
    {
        GameHarness game({.seed = 5, .initialise = false, .drawEvery = 30});
        village = Arrive("GoblinVillage", game);
        EXPECT_FALSE(Torchlit(game));
    }
    {
        GameHarness game({.seed = 5, .initialise = false, .drawEvery = 30});
        copy = Arrive("VillageCopy", game);
        ASSERT_STREQ(game.Session().CurrentMap(), "VillageCopy");
        EXPECT_TRUE(game.Scene().clouds.held);
    }
    EXPECT_LT(ShareOfDifferentPixels(village, copy), 0.001);

    GameHarness game({.seed = 5, .initialise = false, .drawEvery = 30});
    Arrive("Bridge", game);
    EXPECT_FALSE(Torchlit(game));
    EXPECT_EQ(game.Scene().clouds.sprites[0].getColor(), sf::Color::White);
    game.Find<RoamingScreen>()->ChangeMap("Ford");
    ASSERT_STREQ(game.Session().CurrentMap(), "Ford");
    EXPECT_TRUE(Torchlit(game));
    EXPECT_NE(game.Scene().clouds.sprites[0].getColor(), sf::Color::White);  // dark smoke
}

}  // namespace
