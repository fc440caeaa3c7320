#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "content/Items.h"
#include "content/MapContent.h"
#include "core/GameStates.h"
#include "core/SoundEffects.h"
#include "core/StateMachine.h"
#include "frontend/RoamingScreen.h"
#include "frontend/SaveSlotMenu.h"
#include "frontend/SaveSlots.h"
#include "support/Files.h"
#include "support/PlayedSounds.h"
#include "world/ContentList.h"
#include "world/GameSession.h"
#include "world/SaveCheck.h"
#include "world/SaveFiles.h"
#include "world/SaveProgress.h"
#include "world/SaveText.h"
#include "world/WorldFixture.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* FRESH_PROGRESS =
    "Story 0 0 0 0 0 0 0 0 0 0 0\nParty 1\nFish 0 0 0 0 0 0 0 0 0\nFences 0 0 0 0 0\nPouch 14 0 14 0\n";

std::string Header(const char* map, int gold, std::vector<std::string> items = {},
                   const char* progress = FRESH_PROGRESS) {
    std::string text = std::string("CurrentMap ") + map + "\nGold " + std::to_string(gold) + "\n";
    for (int place = 0; place < 20; ++place) {
        text +=
            "Inv " + (place < static_cast<int>(items.size()) ? items[static_cast<size_t>(place)] : "") + "\n";
    }
    return text + progress;
}

// A plain map; tests that need people and items on it write its content list.
TestMap Meadow() {
    TestMap map;
    map.layers = {FilledLayer("Ground", 8, 6, 1), ObjectLayer("Point", {Point("Meadow", 200, 200)})};
    return map;
}

TEST(SaveText, TheMapsSectionIsRewrittenInPlaceAndOthersStayWhole) {
    const std::string old = Header("A", 5, {}, "") +
                            "\nMap : GoblinVillage\nPNJ 0 0\nItem 0 0\n\nMap : GoblinVillageBurn\n" +
                            "PNJ 0 0\nPNJ 1 1\n\nMap : Bridge\nItem 0 1\n";
    gSession.inventory.clear();
    gSession.gold = 40;
    const std::string rewritten = RewriteSaveText(old, "GoblinVillage", "PNJ 0 1\nItem 0 1\n");
    EXPECT_EQ(rewritten, Header("GoblinVillage", 40) + "\nMap : GoblinVillage\nPNJ 0 1\nItem 0 1\n\n" +
                             "Map : GoblinVillageBurn\nPNJ 0 0\nPNJ 1 1\nMap : Bridge\nItem 0 1\n");
    EXPECT_TRUE(IsSaveTextSound(rewritten));
}

TEST(SaveText, TheStorysProgressLinesAreReadBackAndBrokenOnesMakeTheSaveDamaged) {
    const char* progress =
        "Story 1 1 1 1 1 1 0 1 0 0 1\nParty 2\nFish 0 0 0 0 0 1 0 0 0\nFences 1 1 0 0 1\nPouch 12 3 14 0\n";
    EXPECT_TRUE(IsSaveTextSound(Header("Bridge", 3, {}, progress) +
                                "\nMap : Bridge\nPNJ 0 0\nPNJ 1 0\nPNJ 2 0\nItem 0 0\nItem 1 0\n"));
    // A save written before the progress lines existed is still sound: its story starts over.
    EXPECT_TRUE(IsSaveTextSound(Header("HOUSE_ENTER_1", 0, {}, "")));
    for (const char* broken : {"Story 1 1\n", "Story 1 1 1 1 1 1 0 1 0 0 2\n", "Party 5\n", "Party 0\n",
                               "Fish 1 0 0\n", "Fish 0 0 0 0 0 7 0 0 0\n", "Fences 1 1\n", "Stories 1\n",
                               "Pouch 12 3\n", "Pouch 7 1 14 0\n", "Pouch 12 70000 14 0\n"}) {
        EXPECT_FALSE(IsSaveTextSound(Header("HOUSE_ENTER_1", 0, {}, broken))) << broken;
    }
    GameSession session;
    for (const char* line : {"Story 1 1 1 1 1 1 0 1 0 0 1", "Party 2", "Fish 0 0 0 0 0 1 0 0 0",
                             "Fences 1 1 0 0 1", "Pouch 12 3 14 0"})
        ReadProgressLine(line, session);
    EXPECT_EQ(session.story.nightStarted, 1);
    EXPECT_EQ(session.story.grotoJoined, 0);
    EXPECT_EQ(session.story.spritiJoined, 1);
    EXPECT_EQ(session.partySize, 2u);
    EXPECT_EQ(session.fishCaught[5], 1);
    EXPECT_EQ(session.fenceDone[4], 1);
    EXPECT_EQ(session.pouch.slots[0].itemId, ITEM_HP_POTION);  // the potions bought are not lost
    EXPECT_EQ(session.pouch.slots[0].count, 3);
    EXPECT_EQ(ProgressLines(session), progress);
}

TEST(SaveText, ALongSaveKeepsEverySectionWhole) {
    std::string old = Header("M0", 1);
    for (int map = 0; map < 60; ++map)
        old += "\nMap : M" + std::to_string(map) + "\nPNJ 0 0\nPNJ 1 0\nItem 0 0\n";
    ASSERT_GT(old.size(), 2000u);
    const std::string rewritten = RewriteSaveText(old, "M30", "PNJ 0 1\nPNJ 1 1\nItem 0 1\n");
    for (int map = 0; map < 60; ++map) {
        const std::string section = "Map : M" + std::to_string(map) + "\n";
        EXPECT_NE(rewritten.find(section + (map == 30 ? "PNJ 0 1\nPNJ 1 1\nItem 0 1\n"
                                                      : "PNJ 0 0\nPNJ 1 0\nItem 0 0\n")),
                  std::string::npos)
            << map;
    }
}

TEST(SaveText, OnlyWholeSavesInTheFormatAreSound) {
    const std::string good = Header("Bridge", 3, {"Rope", "Stick"}) + "\nMap : Bridge\nPNJ 0 0\nItem 0 1\n";
    EXPECT_TRUE(IsSaveTextSound(good));
    EXPECT_TRUE(IsSaveTextSound(Header("HOUSE_ENTER_1", 0)));
    EXPECT_FALSE(IsSaveTextSound(""));
    EXPECT_FALSE(IsSaveTextSound(good.substr(0, good.size() - 1)));  // the last line cut
    EXPECT_FALSE(IsSaveTextSound(good.substr(0, 60)));
    EXPECT_FALSE(IsSaveTextSound("\x89PNG\r\n\x1a\n garbage\n"));
    EXPECT_FALSE(IsSaveTextSound(Header("A map name far too long to be a map", 0)));
    EXPECT_FALSE(IsSaveTextSound(Header("Bridge", 0) + "PNJ 0 0\n"));  // flags outside a section
    EXPECT_FALSE(IsSaveTextSound(Header("Bridge", 0) + "Map : Bridge\nPNJ 0 7\n"));
}

TEST(SaveFiles, FirstVisitLeavingAndComingBackFollowTheContentList) {
    RoamingGame game({{"Meadow", Meadow()}, {"Hall", Meadow()}}, "Hall");
    WriteMapContent("Meadow", {Talker(200, 200), Talker(400, 200)},
                    {{"Rope", 100, 300}, {"Stick", 200, 300}, {"Straw", 300, 300}});
    SetCurrentMapName("Meadow");
    ChangeMap("Meadow", game.Window());
    std::string save = ReadWholeFile("Saves/Save0/save.txt");
    EXPECT_NE(save.find("\nMap : Meadow\nPNJ 0 0\nPNJ 1 0\nItem 0 0\nItem 1 0\nItem 2 0\n"),
              std::string::npos);
    // NPC 1 beaten, item 0 taken, then out through a door.
    gMapContent.npcList.npcs.erase(gMapContent.npcList.npcs.begin() + 1);
    gMapContent.mapItemList.items.erase(gMapContent.mapItemList.items.begin());
    ChangeMap("Hall", game.Window());
    save = ReadWholeFile("Saves/Save0/save.txt");
    EXPECT_NE(save.find("\nMap : Meadow\nPNJ 0 0\nPNJ 1 1\nItem 0 1\nItem 1 0\nItem 2 0\n"),
              std::string::npos);
    EXPECT_NE(save.find("\nMap : Hall\n"), std::string::npos);
    ChangeMap("Meadow", game.Window());
    ASSERT_EQ(gMapContent.npcList.npcs.size(), 1u);
    EXPECT_EQ(gMapContent.npcList.npcs[0].id, 0);
    ASSERT_EQ(gMapContent.mapItemList.items.size(), 2u);
    EXPECT_EQ(gMapContent.mapItemList.items[0].id, 1);
    EXPECT_EQ(gMapContent.mapItemList.items[1].name, "Straw");
    EXPECT_TRUE(fs::is_regular_file("Saves/Save0/save.txt.bak"));
}

TEST(SaveFiles, TheInventoryIsSavedInItsOrderAndContinuingRebuildsIt) {
    RoamingGame game({{"Meadow", Meadow()}, {"Hall", Meadow()}}, "Hall");
    MapItemList found;
    for (const char* name : {"Rope", "Stick", "Paint"})
        AddMapItem(found, name, {0, 0});
    while (!found.items.empty())
        PickUpItem(found, 0);
    ChangeMap("Meadow", game.Window());
    const std::vector<std::string> lines = SplitSaveLines(ReadWholeFile("Saves/Save0/save.txt"));
    ASSERT_GE(lines.size(), 28u);
    EXPECT_EQ(lines[2] + lines[3] + lines[4], "Inv Rope\nInv Stick\nInv Paint\n");
    for (size_t line = 5; line < 22; ++line)
        EXPECT_EQ(lines[line], "Inv \n") << line;
    // A game's pouch starts with a slot for each potion, none in them yet.
    EXPECT_EQ(lines[22] + lines[23] + lines[24] + lines[25] + lines[26] + lines[27],
              "Story 0 0 0 0 0 0 0 0 0 0 0\nParty 1\nFish 0 0 0 0 0 0 0 0 0\nFences 0 0 0 0 0\nPouch 12 0 13 "
              "0\n\n");

    // Continuing brings them back through their item files, each with its pick-up sound.
    for (const char* name : {"Rope", "Stick", "Paint"})
        WriteWholeFile(std::string("Assets/Text/Items/") + name + ".txt",
                       std::string("pos 0 0\n") + name + "\n");
    SetGameMode(MODE_MENU, game.Window());
    ResetSoundEffectPool();
    ContinueSave(game.Window(), 0);
    ASSERT_EQ(gSession.inventory.size(), 3u);
    EXPECT_EQ(gSession.inventory[2].name, "Paint");
    EXPECT_NE(gSession.inventory[2].texture, nullptr);
    EXPECT_EQ(EffectsPlaying(SOUND_ITEM_PICKUP), 3u);
}

TEST(SaveFiles, ContinuingASaveWithNoItemsLeavesTheInventoryEmpty) {
    RoamingGame game({{"Meadow", Meadow()}}, "Meadow");
    SetGameMode(MODE_MENU, game.Window());
    WriteWholeFile("Saves/Save0/save.txt", Header("Meadow", 12) + "\nMap : Meadow\n");
    MapItemList carried;
    AddMapItem(carried, "Rope", {0, 0});
    PickUpItem(carried, 0);  // what the last game carried
    ContinueSave(game.Window(), 0);
    EXPECT_EQ(gStates.gameMode, MODE_GAME);
    EXPECT_TRUE(gSession.inventory.empty());
    EXPECT_EQ(gSession.gold, 12);
}

TEST(SaveFiles, AWriteTheDiskRefusesKeepsTheOldSaveAndSaysSo) {
    RoamingGame game({{"Meadow", Meadow()}, {"Hall", Meadow()}}, "Hall");
    const std::string before = ReadWholeFile("Saves/Save0/save.txt");
    // A folder (not empty, so it cannot be cleared away) where the new file would be written.
    WriteWholeFile("Saves/Save0/save.txt.tmp/in the way", "");
    ChangeMap("Meadow", game.Window());
    EXPECT_EQ(ReadWholeFile("Saves/Save0/save.txt"), before);
    EXPECT_NE(game.Log().find("Cannot write Saves/Save0/save.txt: the previous save is kept"),
              std::string::npos);
}

// Damaged files: continuing never loads garbage; a sound backup takes over, or the menu stays.
TEST(SaveFiles, ContinuingADamagedSaveUsesItsBackupOrStaysOnTheMenu) {
    const std::string good = Header("Meadow", 77, {"Rope"}) + "\nMap : Meadow\n";
    const struct {
        const char* name;
        std::string save;
        bool backup;
        bool continues;
    } cases[] = {
        {"empty", "", true, true},
        {"truncated", good.substr(0, 50), true, true},
        {"foreign", "not a save\n", true, true},
        {"empty without backup", "", false, false},
        {"missing without backup", "-", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RoamingGame game({{"Meadow", Meadow()}}, "Meadow");
        SetGameMode(MODE_MENU, game.Window());
        if (std::string(c.save) == "-") {
            fs::remove("Saves/Save0/save.txt");
        } else {
            WriteWholeFile("Saves/Save0/save.txt", c.save);
        }
        fs::remove("Saves/Save0/save.txt.bak");
        if (c.backup) WriteWholeFile("Saves/Save0/save.txt.bak", good);
        WriteWholeFile("Assets/Text/Items/Rope.txt", "pos 0 0\nRope\n");
        gSession.gold = 0;
        ContinueSave(game.Window(), 0);
        EXPECT_EQ(gStates.gameMode, c.continues ? MODE_GAME : MODE_MENU);
        if (c.continues) {
            EXPECT_EQ(gSession.gold, 77);
            ASSERT_EQ(gSession.inventory.size(), 1u);
            EXPECT_EQ(gSession.inventory[0].name, "Rope");
            EXPECT_TRUE(IsSaveTextSound(ReadWholeFile("Saves/Save0/save.txt")));
        } else {
            EXPECT_NE(game.Log().find("Save 1 cannot be continued"), std::string::npos);
        }
    }
}

// Gold the game cannot hold, or no number at all, makes the save damaged: never a crash.
TEST(SaveFiles, GoldOutOfRangeIsDamageAndTheBackupTakesOver) {
    for (const char* gold : {"2147483648", "99999999999", "-5", "12abc", "", "+7"}) {
        SCOPED_TRACE(gold);
        std::string damaged = Header("Meadow", 0);
        damaged.replace(damaged.find("Gold 0"), 6, std::string("Gold ") + gold);
        EXPECT_FALSE(IsSaveTextSound(damaged));
        RoamingGame game({{"Meadow", Meadow()}}, "Meadow");
        SetGameMode(MODE_MENU, game.Window());
        WriteWholeFile("Saves/Save0/save.txt", damaged);
        WriteWholeFile("Saves/Save0/save.txt.bak", Header("Meadow", 2147483647));
        ContinueSave(game.Window(), 0);
        EXPECT_EQ(gStates.gameMode, MODE_GAME);
        EXPECT_EQ(gSession.gold, 2147483647);
    }
}

TEST(SaveFiles, ASaveCutInsideItsLastSectionIsDamagedAndItsBackupTakesOver) {
    RoamingGame game({{"Meadow", Meadow()}, {"Hall", Meadow()}}, "Hall");
    WriteMapContent("Meadow", {Talker(200, 200)}, {{"Rope", 100, 300}, {"Stick", 200, 300}});
    ChangeMap("Meadow", game.Window());
    gMapContent.mapItemList.items.erase(gMapContent.mapItemList.items.begin());  // the rope taken
    ChangeMap("Hall", game.Window());
    const std::string whole = ReadWholeFile("Saves/Save0/save.txt");
    ASSERT_TRUE(IsSaveTextSound(whole)) << whole;
    // Cut at each line end inside the Meadow section (the last one): its last flag lines missing.
    const size_t section = whole.find("Map : Meadow\n");
    ASSERT_NE(section, std::string::npos);
    ASSERT_EQ(whole.find("Map : ", section + 1), std::string::npos) << "Meadow is not the last section";
    const size_t lastFlag = whole.rfind("Item 1 0\n");
    ASSERT_NE(lastFlag, std::string::npos);
    for (size_t cut = whole.find('\n', section) + 1; cut <= lastFlag; cut = whole.find('\n', cut) + 1) {
        EXPECT_FALSE(IsSaveTextSound(whole.substr(0, cut))) << whole.substr(0, cut);
    }
    EXPECT_FALSE(IsSaveTextSound(whole + "Item 2 0\n"));  // one line too many
    // Continued, the cut file gives way to the backup, and the rope stays taken.
    SetGameMode(MODE_MENU, game.Window());
    WriteWholeFile("Saves/Save0/save.txt.bak", whole);
    WriteWholeFile("Saves/Save0/save.txt", whole.substr(0, whole.rfind("Item 0 1\n") + 9));
    ContinueSave(game.Window(), 0);
    EXPECT_EQ(ReadWholeFile("Saves/Save0/save.txt"), whole);
}

TEST(SaveFiles, ANewSaveHoldsTheStartingGoldFromItsFirstLine) {
    GameHarness game({1920, 1080, 1, false});
    game.Init();
    game.PressKey(sf::Keyboard::Return);  // past the logos
    game.PressKey(sf::Keyboard::Return);  // Play: no save yet, a new game in slot 1
    ASSERT_EQ(gStates.gameMode, MODE_GAME);
    const std::string save = ReadWholeFile("Saves/Save0/save.txt");
    EXPECT_EQ(save.rfind("CurrentMap HOUSE_ENTER_1\nGold 20\n", 0), 0u) << save;
    EXPECT_TRUE(IsSaveTextSound(save));
}

// A door is one write: the backup it leaves is the save as it was before the door, whole.
TEST(SaveFiles, ADoorWritesTheSaveOnceAndItsBackupIsTheSaveBeforeTheDoor) {
    RoamingGame game({{"Meadow", Meadow()}, {"Hall", Meadow()}}, "Hall");
    WriteMapContent("Meadow", {Talker(200, 200)}, {{"Rope", 100, 300}});
    const std::string before = ReadWholeFile("Saves/Save0/save.txt");
    ChangeMap("Meadow", game.Window());  // first visit: the map left, the new first line and a section
    EXPECT_EQ(ReadWholeFile("Saves/Save0/save.txt.bak"), before);
    const std::string after = ReadWholeFile("Saves/Save0/save.txt");
    EXPECT_EQ(after.rfind("CurrentMap Meadow\n", 0), 0u);
    EXPECT_NE(after.find("\nMap : Meadow\nPNJ 0 0\nItem 0 0\n"), std::string::npos);
    ChangeMap("Hall", game.Window());
    EXPECT_EQ(ReadWholeFile("Saves/Save0/save.txt.bak"), after);
    EXPECT_FALSE(fs::exists("Saves/Save0/save.txt.tmp"));
}

TEST(SaveFiles, DeletingASlotRemovesItsBackupAndFolder) {
    RoamingGame game({{"Meadow", Meadow()}, {"Hall", Meadow()}}, "Hall");
    ChangeMap("Meadow", game.Window());
    ASSERT_TRUE(fs::exists("Saves/Save0/save.txt.bak"));
    gSaveSlots.hasSave[0] = 1;
    DeleteSaveSlot(0);
    EXPECT_FALSE(fs::exists("Saves/Save0"));
    EXPECT_EQ(gSaveSlots.hasSave[0], 0);
}

// A process killed at any moment of a save leaves the old save or the new one, whole.
TEST(SaveFiles, KillingTheGameWhileItSavesNeverLeavesAHalfFile) {
    ScratchFolder folder;
    fs::create_directories("Saves/Save0");
    std::vector<std::string> versions;
    for (int v = 0; v < 8; ++v) {
        std::string text = Header("Meadow", v);
        for (int map = 0; map < 40 * (v + 1); ++map)
            text += "\nMap : M" + std::to_string(map) + "\nPNJ 0 " + std::to_string(v % 2) + "\n";
        versions.push_back(text);
    }
    ASSERT_TRUE(WriteFileAtomically("Saves/Save0/save.txt", versions[0]));
    std::mt19937 random(7);
    for (int cycle = 0; cycle < 200; ++cycle) {
        const pid_t child = fork();
        if (child == 0) {
            for (int v = 1;; v = v % 7 + 1) {
                WriteFileAtomically("Saves/Save0/save.txt", versions[static_cast<size_t>(v)]);
            }
        }
        usleep(static_cast<useconds_t>(random() % 4000));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::string now = ReadWholeFile("Saves/Save0/save.txt");
        ASSERT_NE(std::find(versions.begin(), versions.end(), now), versions.end()) << "cycle " << cycle;
        const std::string backup = ReadWholeFile("Saves/Save0/save.txt.bak");
        if (!backup.empty()) {
            ASSERT_TRUE(IsSaveTextSound(backup)) << "cycle " << cycle;
        }
    }
}

}  // namespace
