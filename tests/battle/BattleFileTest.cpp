// Battle files as an enemy names them: the kinds and reward they give, the fights of the story starting
// fresh, and what a player sees when a file is broken (a message, and the confirm key back to the map;
// never an empty screen with no way out).

#include <gtest/gtest.h>

#include "battle/screen/BattleScreen.h"
#include "support/Battles.h"
#include "support/Scenes.h"

namespace {

std::optional<BattleFile> Read(const std::string& text, std::string& fault) {
    return ReadBattleFile(WriteLevel("Probe", text), fault);
}

TEST(BattleFiles, ValidFilesGiveTheirEnemiesInOrderAndEveryFaultIsRefusedWithItsReason) {
    ScratchFolder folder;
    std::string fault;
    const auto patrol = Read("ENEMY COUNT 3\nENEMY TYPE [0,2,0]\nMONEY EARNED 40\n", fault);
    ASSERT_TRUE(patrol) << fault;
    EXPECT_EQ(patrol->enemyKinds, (std::vector<int32_t>{0, 2, 0}));
    EXPECT_EQ(patrol->moneyEarned, 40u);
    // One enemy: the bracket line holds just the closing pattern. Blank lines and spaces are skipped.
    const auto boss = Read("ENEMY COUNT 1\n\nENEMY TYPE [1]\n  MONEY EARNED 200", fault);
    ASSERT_TRUE(boss) << fault;
    EXPECT_EQ(boss->enemyKinds, (std::vector<int32_t>{1}));
    const std::pair<const char*, const char*> cases[] = {
        {"ENEMY COUNT 0\nENEMY TYPE []\nMONEY EARNED 5\n", "enemy count 0 is not 1 to 10"},
        {"ENEMY COUNT 11\nENEMY TYPE [0,0,0,0,0,0,0,0,0,0,0]\nMONEY EARNED 5\n", "enemy count 11"},
        {"ENEMY COUNT 2\nENEMY TYPE [0,3]\nMONEY EARNED 5\n", "enemy 2 has a kind other than"},
        {"ENEMY COUNT 1\nENEMY TYPE [-1]\nMONEY EARNED 5\n", "enemy 1 has a kind other than"},
        {"ENEMY COUNT 3\nENEMY TYPE [0,2]\nMONEY EARNED 5\n", "does not list a kind for enemy 3"},
        {"ENEMY COUNT 2\nMONEY EARNED 5\n", "ENEMY TYPE line is missing"},
        {"ENEMY COUNT 1\nENEMY TYPE [0]\n", "MONEY EARNED line is missing"},
        {"ENEMY COUNT 1\nENEMY TYPE [0]\nMONEY EARNED 4294967295\n", "reward"},
        {"", "ENEMY COUNT line is missing"},
    };
    for (const auto& [text, reason] : cases) {
        EXPECT_FALSE(Read(text, fault)) << text;
        EXPECT_NE(fault.find(reason), std::string::npos) << text << " gave: " << fault;
    }
}

// Each fight starts everyone fresh, whatever the one before left them.
TEST(BattleFiles, EveryStoryFightStartsWithFullHealthAndManaAndEveryoneOnTheTimeline) {
    ScratchFolder folder;
    GameSession session;
    GrowParty(session, 3);
    BattleRules rules;
    for (const char* name : {"Knight1", "Dog1", "Patrol", "VillageGuard", "Boss"}) {
        SCOPED_TRACE(name);
        std::string fault;
        const auto file = ReadBattleFile(Level(name), fault);
        ASSERT_TRUE(file) << fault;
        StartRules(rules, session, *file);
        ASSERT_EQ(rules.party.size(), 3u);
        for (const Fighter& member : rules.party) {
            EXPECT_TRUE(member.hp == member.maxHp && member.mana == member.maxMana &&
                        member.state == STATE_READY);
        }
        EXPECT_EQ(rules.timeline.size(), 3u + file->enemyCount);
        EXPECT_EQ(Stage(rules), BattleStage::COMMANDS);
        EXPECT_EQ(rules.deadPartyCount, 0u);
        rules.party[0].hp = rules.party[1].mana = 0;
        rules.party[2].state = STATE_DEAD;
        rules.deadPartyCount = 1;
    }
}

TEST(BattleStart, ABrokenOrMissingFileShowsWhyAndConfirmLeadsBackToTheMap) {
    const struct {
        std::string level, logged;
    } cases[] = {
        {"Broken", "Battle Levels/Broken.txt cannot be fought: its enemy count 12 is not 1 to 10"},
        {"Nowhere", "Battle Levels/Nowhere.txt cannot be fought: it cannot be opened"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.level);
        GameHarness game(FEW_DRAWS);
        WriteLevel("Broken", "ENEMY COUNT 12\nENEMY TYPE [0]\nMONEY EARNED 5\n");
        BeginBattle(game, "Bridge", "Levels/" + c.level);
        EXPECT_FALSE(TheBattle(game).running);
        EXPECT_NE(game.Log().find(c.logged), std::string::npos) << game.Log();
        EXPECT_NE(TheBattle(game).hud.infoText.getString().find("Confirm to go back."), std::string::npos);
        game.Step(BATTLE_DT, 30);  // nothing runs, nothing breaks
        const int32_t gold = game.Session().Gold();
        game.PressKey(DefaultKeys::ENTER);
        EXPECT_EQ(game.Top(), SCREEN_ROAMING);
        EXPECT_EQ(game.Session().Gold(), gold);
    }
}

}  // namespace
