// The save as a file: its head and progress lines written and read back, a map's section rewritten in
// place, damaged files told from sound ones (never a crash, the backup taking over), atomic writes, and a
// door writing the save once with the save before it kept as the backup.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "frontend/RoamingScreen.h"
#include "support/Files.h"
#include "support/Saves.h"
#include "support/Scenes.h"
#include "world/SaveCheck.h"
#include "world/SaveFormat.h"
#include "world/SaveText.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* FRESH_PROGRESS =
    "Story 0 0 0 0 0 0 0 0 0 0 0\nParty 1\nFish 0 0 0 0 0 0 0 0 0\nFences 0 0 0 0 0\nPouch 14 0 14 0\n";

std::string Header(const char* map, const std::string& gold, std::vector<std::string> items = {},
                   const char* progress = FRESH_PROGRESS) {
    std::string text = std::string("CurrentMap ") + map + "\nGold " + gold + "\n";
    for (size_t place = 0; place < INVENTORY_PLACES; ++place)
        text += "Inv " + (place < items.size() ? items[place] : "") + "\n";
    return text + progress;
}

// The Bridge's content list has three people and two items.
const std::string BRIDGE = "\nMap : Bridge\nPNJ 0 0\nPNJ 1 1\nPNJ 2 0\nItem 0 1\nItem 1 0\n";

TEST(SaveText, TheMapsSectionIsRewrittenInPlaceAndEveryOtherStaysWhole) {
    std::string old = Header("M0", "1", {}, "");
    for (int map = 0; map < 60; ++map)
        old += "\nMap : M" + std::to_string(map) + "\nPNJ 0 0\nItem 0 0\n";
    old += "\nMap : M3Burn\nPNJ 0 0\n";
    GameSession session;
    session.EarnGold(40);
    session.Carry("Rope");
    const std::string rewritten = RewriteSaveText(session, old, "M3", "PNJ 0 1\nItem 0 1\n");
    EXPECT_EQ(rewritten.rfind(Header("M3", "40", {"Rope"}), 0), 0u);
    for (int map = 0; map < 60; ++map) {
        const std::string flags = map == 3 ? "PNJ 0 1\nItem 0 1\n" : "PNJ 0 0\nItem 0 0\n";
        EXPECT_NE(rewritten.find("Map : M" + std::to_string(map) + "\n" + flags), std::string::npos) << map;
    }
    EXPECT_NE(rewritten.find("Map : M3Burn\nPNJ 0 0\n"), std::string::npos);
    // An item whose name holds the section mark is no section (found by the save's fuzzer).
    const std::string marked = Header("M0", "1", {"Rope Map : M0"}, "") + "\nMap : M0\nPNJ 0 0\n";
    session.Carry("Rope Map : M0");
    EXPECT_EQ(RewriteSaveText(session, marked, "M0", "PNJ 0 1\n"),
              Header("M0", "40", {"Rope", "Rope Map : M0"}) + "Played 0\n\nMap : M0\nPNJ 0 1\n\n");
}

TEST(SaveFormat, ProgressLinesAreReadBackAndWrittenAgainByteForByte) {
    const char* progress =
        "Story 1 1 1 1 1 1 0 1 0 0 1\nParty 2\nFish 0 0 0 0 0 1 0 0 0\nFences 1 1 0 0 1\nPouch 13 3 14 0\n"
        "Played 5423\n";
    const std::string text = Header("Bridge", "2147483647", {"Rope", "Stick"}, progress);
    ScratchFolder folder;
    ASSERT_TRUE(IsSaveTextSound(text + BRIDGE));
    GameSession session;
    ReadSaveHead(SaveLinesWithoutFeeds(text), session);
    EXPECT_STREQ(session.CurrentMap(), "Bridge");
    EXPECT_EQ(session.Gold(), MOST_GOLD);
    EXPECT_EQ(session.Inventory(), (std::vector<std::string>{"Rope", "Stick"}));
    EXPECT_EQ(session.Story().nightStarted, 1);
    EXPECT_EQ(session.Story().grotoJoined, 0);
    EXPECT_EQ(session.PartySize(), 2u);
    EXPECT_TRUE(session.FishCaught(5));
    EXPECT_TRUE(session.FenceDown(4));
    EXPECT_EQ(session.Pouch().slots[0].itemId, ITEM_MANA_POTION);  // the potions bought are not lost
    EXPECT_EQ(session.Pouch().slots[0].count, 3);
    EXPECT_EQ(SaveHeaderText(session, "Bridge"), text);
    // The slot menu's place and time: 5423 s is 1:30 played.
    const std::optional<SaveSummary> summary = ReadSaveSummary(text + BRIDGE);
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->mapName, "Bridge");
    EXPECT_EQ(PlayTimeText(summary->secondsPlayed.value_or(0)), "1:30");
    EXPECT_EQ(PlayTimeText(59), "0:00");
    EXPECT_EQ(PlayTimeText(36000 + 9 * 60), "10:09");
    // A save written before the progress lines existed is still sound: its story starts over, and the
    // slot menu shows its place without a time.
    const std::string old = Header("HOUSE_ENTER_1", "0", {}, "");
    EXPECT_TRUE(IsSaveTextSound(old));
    EXPECT_FALSE(ReadSaveSummary(old).value().secondsPlayed);
}

// Every head the game cannot hold is damage, told before anything is read: never an exception.
TEST(SaveFormat, AHeadOutOfRangeOrOutOfShapeIsDamaged) {
    ScratchFolder folder;
    for (const char* gold : {"2147483648", "99999999999999999999999", "-5", "12abc", "", "+7", "0x10"}) {
        EXPECT_FALSE(IsSaveTextSound(Header("Bridge", gold))) << gold;
    }
    for (const char* line :
         {"Story 1 1\n", "Story 1 1 1 1 1 1 0 1 0 0 2\n", "Party 5\n", "Party 0\n", "Fish 1 0 0\n",
          "Fish 0 0 0 0 0 7 0 0 0\n", "Fences 1 1\n", "Stories 1\n", "Pouch 12 3\n", "Pouch 7 1 14 0\n",
          "Pouch 12 70000 14 0\n",
          // Nothing in a slot that claims potions, or one potion in both slots.
          "Pouch 14 3 14 0\n", "Pouch 12 1 12 2\n", "Pouch 13 1 13 0\n", "Played -1\n", "Played 3 4\n"}) {
        EXPECT_FALSE(IsSaveTextSound(Header("HOUSE_ENTER_1", "0", {}, line))) << line;
    }
    // A map name with a zero byte in it would be read cut short (found by the save head's fuzzer).
    EXPECT_FALSE(IsSaveTextSound(std::string("CurrentMap \0Bridge", 18) + Header("Bridge", "3").substr(17)));
    const std::string good = Header("Bridge", "3", {"Rope"}) + BRIDGE;
    EXPECT_TRUE(IsSaveTextSound(good));
    for (const std::string& bad :
         {std::string(), good.substr(0, good.size() - 1), good.substr(0, 60),
          std::string("\x89PNG\r\n\x1a\n x\n"), Header("A map name far too long to be a map", "0"),
          Header("Bridge", "0") + "PNJ 0 0\n", Header("Bridge", "0") + "\nMap : Bridge\nPNJ 0 7\n",
          // A map named twice, or a section named with a control byte (found by the save's fuzzer).
          good + "\nMap : Lost\n" + BRIDGE, good + "\nMap : Lo\x01st\n"}) {
        EXPECT_FALSE(IsSaveTextSound(bad)) << bad;
    }
}

// A crash in the middle of a write can leave the last section short of lines; its count is checked
// against the map's content list.
TEST(SaveFormat, ASaveCutInsideItsLastSectionIsDamagedAndItsBackupTakesOver) {
    ScratchFolder folder;
    const std::string whole = Header("Bridge", "9") + "\nMap : Gone\nPNJ 0 0\n" + BRIDGE;
    ASSERT_TRUE(IsSaveTextSound(whole));
    const size_t section = whole.find("Map : Bridge\n");
    for (size_t cut = whole.find('\n', section) + 1; cut < whole.size(); cut = whole.find('\n', cut) + 1)
        EXPECT_FALSE(IsSaveTextSound(whole.substr(0, cut))) << whole.substr(cut);
    EXPECT_FALSE(IsSaveTextSound(whole + "Item 2 0\n"));  // one line too many

    SaveFile save(0);
    fs::create_directories(save.Folder());
    WriteWholeFile(save.Path(), whole.substr(0, whole.rfind("Item 1 0\n")));
    WriteWholeFile(save.Path() + ".bak", whole);
    std::string text;
    ASSERT_TRUE(ReadSoundSaveText(save, 0, text));
    EXPECT_EQ(text, whole);
    EXPECT_EQ(ReadWholeFile(save.Path()), whole);  // the backup took its place

    WriteWholeFile(save.Path(), Header("Bridge", "99999999999"));
    fs::remove(save.Path() + ".bak");
    LogCapture log;
    EXPECT_FALSE(ReadSoundSaveText(save, 0, text));
    EXPECT_NE(log.text.find("Save 1 cannot be continued"), std::string::npos) << log.text;
}

TEST(SaveFiles, AWriteTheDiskRefusesKeepsTheOldSave) {
    ScratchFolder folder;
    SaveFile save(0);
    fs::create_directories(save.Folder());
    ASSERT_TRUE(save.Write("old\n"));
    // A folder (not empty, so it cannot be cleared away) where the new file would be written.
    WriteWholeFile(save.Path() + ".tmp/in the way", "");
    EXPECT_FALSE(save.Write("new\n"));
    EXPECT_EQ(ReadWholeFile(save.Path()), "old\n");
}

// A process killed at any moment of a save leaves the old save or the new one, whole.
TEST(SaveFiles, KillingTheGameWhileItSavesNeverLeavesAHalfFile) {
    ScratchFolder folder;
    fs::create_directories("Saves/Save0");
    std::vector<std::string> versions;
    for (int v = 0; v < 8; ++v) {
        std::string text = Header("Meadow", std::to_string(v));
        for (int map = 0; map < 40 * (v + 1); ++map)
            text += "\nMap : M" + std::to_string(map) + "\nPNJ 0 " + std::to_string(v % 2) + "\n";
        versions.push_back(text);
    }
    ASSERT_TRUE(WriteFileAtomically("Saves/Save0/save.txt", versions[0]));
    std::mt19937 random(7);
    for (int cycle = 0; cycle < 200; ++cycle) {
        const pid_t child = fork();
        if (child == 0) {
            for (int v = 1;; v = v % 7 + 1)
                WriteFileAtomically("Saves/Save0/save.txt", versions[static_cast<size_t>(v)]);
        }
        usleep(static_cast<useconds_t>(random() % 4000));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::string now = ReadWholeFile("Saves/Save0/save.txt");
        ASSERT_NE(std::find(versions.begin(), versions.end(), now), versions.end()) << "cycle " << cycle;
        const std::string backup = ReadWholeFile("Saves/Save0/save.txt.bak");
        if (!backup.empty()) {
            ASSERT_NE(std::find(versions.begin(), versions.end(), backup), versions.end())
                << "cycle " << cycle;
        }
    }
}

// A door is one write: the backup it leaves is the save before the door; what was beaten or taken on the
// map left is in its section and stays gone when the hero comes back.
TEST(SaveFiles, ADoorWritesTheSaveOnceAndWhatWasBeatenOrTakenStaysGone) {
    GameHarness game({.drawEvery = 30});
    EnterMap(game, "Bridge", 5);
    EXPECT_EQ(SaveText().rfind("CurrentMap Bridge\nGold 20\n", 0), 0u) << SaveText();
    EXPECT_EQ(SavedSection("Bridge"), "Map : Bridge\nPNJ 0 0\nPNJ 1 0\nPNJ 2 0\nItem 0 0\nItem 1 0\n");
    MapScene& scene = game.Scene();
    scene.npcList.npcs.erase(scene.npcList.npcs.begin() + 1);
    scene.mapItemList.items.erase(scene.mapItemList.items.begin());
    const std::string before = SaveText();
    RoamingScreen& roaming = *game.Find<RoamingScreen>();
    roaming.ChangeMap("GoblinVillage");
    EXPECT_EQ(ReadWholeFile("Saves/Save0/save.txt.bak"), before);
    EXPECT_EQ(SaveText().rfind("CurrentMap GoblinVillage\n", 0), 0u);
    EXPECT_EQ(SavedSection("Bridge"), "Map : Bridge\nPNJ 0 0\nPNJ 1 1\nPNJ 2 0\nItem 0 1\nItem 1 0\n\n");
    EXPECT_NE(SavedSection("GoblinVillage"), "");
    EXPECT_TRUE(IsSaveTextSound(SaveText()));
    EXPECT_FALSE(fs::exists("Saves/Save0/save.txt.tmp"));

    roaming.ChangeMap("Bridge");
    ASSERT_EQ(game.Scene().npcList.npcs.size(), 2u);
    EXPECT_EQ(game.Scene().npcList.npcs[1].id, 2);
    ASSERT_EQ(game.Scene().mapItemList.items.size(), 1u);
    EXPECT_EQ(game.Scene().mapItemList.items[0].id, 1);
}

// Continuing a damaged save loads its backup, the gold and the carried items with it.
TEST(SaveFiles, ContinuingADamagedSaveContinuesItsBackup) {
    GameHarness game({.initialise = false, .drawEvery = 30});
    fs::create_directories("Saves/Save0");
    WriteWholeFile("Saves/Save0/save.txt", Header("Bridge", "99999999999", {"Rope"}) + BRIDGE);
    WriteWholeFile("Saves/Save0/save.txt.bak", Header("Bridge", "77", {"Rope", "Stick"}) + BRIDGE);
    game.Init();
    ASSERT_EQ(ContinueFirstSlot(game), "");
    EXPECT_EQ(game.Session().Gold(), 77);
    EXPECT_EQ(game.Session().Inventory(), (std::vector<std::string>{"Rope", "Stick"}));
    EXPECT_EQ(game.Scene().npcList.npcs.size(), 2u);
}

}  // namespace
