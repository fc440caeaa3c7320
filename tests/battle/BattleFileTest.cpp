// Battle files as an enemy names them: the kinds and reward they give, the backgrounds by map, and what a
// player sees when a file is broken (a message, and the confirm key back to the map; never an empty
// screen with no way out).

#include <gtest/gtest.h>

#include "battle/BattleData.h"
#include "battle/BattleFile.h"
#include "battle/screen/BattleHud.h"
#include "battle/screen/BattleState.h"
#include "core/GameStates.h"
#include "core/StateMachine.h"
#include "support/Battles.h"
#include "world/GameSession.h"

namespace {

std::optional<BattleFile> Read(const std::string& text, std::string& fault) {
    return ReadBattleFile(WriteLevel("Probe", text), fault);
}

TEST(BattleFiles, ValidFilesGiveTheirEnemiesInOrderAndTheirReward) {
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
    EXPECT_EQ(boss->moneyEarned, 200u);
}

TEST(BattleFiles, EveryFaultIsRefusedWithItsReason) {
    ScratchFolder folder;
    struct Case {
        const char* text;
        const char* reason;
    };
    const Case cases[] = {
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
    for (const Case& c : cases) {
        std::string fault;
        EXPECT_FALSE(Read(c.text, fault)) << c.text;
        EXPECT_NE(fault.find(c.reason), std::string::npos) << c.text << " gave: " << fault;
    }
}

TEST(BattleStart, EveryStoryBattleFileStartsAFightWithFullHealthAndMana) {
    for (const char* name : {"Knight1", "Dog1", "Patrol", "VillageGuard", "Boss"}) {
        GameHarness game;
        BeginBattle(game, "Bridge", Level(name), 3);
        ASSERT_TRUE(gBattle.running) << name << ": " << gBattle.fault;
        EXPECT_EQ(gBattle.party.size(), 3u);
        for (const Combatant& member : gBattle.party) {
            EXPECT_EQ(member.hp, member.maxHp) << name;
            EXPECT_EQ(member.mana, member.maxMana) << name;
        }
        EXPECT_EQ(gBattle.timeline.size(), 3u + gBattle.enemyCount) << name;
        EXPECT_EQ(gBattle.phase, PHASE_COMMAND);
    }
}

TEST(BattleStart, ABrokenFileShowsWhyAndConfirmLeadsBackToTheMap) {
    GameHarness game;
    BeginBattle(game, "Bridge", WriteLevel("Broken", "ENEMY COUNT 12\nENEMY TYPE [0]\nMONEY EARNED 5\n"));
    EXPECT_FALSE(gBattle.running);
    EXPECT_NE(game.Log().find("Battle Levels/Broken.txt cannot be fought: its enemy count 12 is not 1 to 10"),
              std::string::npos);
    EXPECT_NE(gBattleHud.infoText.getString().find("Confirm to go back."), std::string::npos);
    game.Step(BATTLE_DT, 30);  // nothing runs, nothing breaks
    const int32_t gold = gSession.gold;
    game.PressKey(sf::Keyboard::Return);
    EXPECT_EQ(gStates.gameScreen, SCREEN_ROAMING);
    EXPECT_EQ(gSession.gold, gold);
    EXPECT_FALSE(gBattle.started);
}

TEST(BattleStart, AMissingFileIsLoggedAsTheGameAlwaysHasAndLeadsBackToo) {
    GameHarness game;
    BeginBattle(game, "Bridge", "Levels/Nowhere");
    EXPECT_NE(game.Log().find("Erreur d'ouverture du fichier Battle!\n"), std::string::npos);
    EXPECT_NE(game.Log().find("Battle Levels/Nowhere.txt cannot be fought: it cannot be opened"),
              std::string::npos);
    game.PressKey(sf::Keyboard::Return);
    EXPECT_EQ(gStates.gameScreen, SCREEN_ROAMING);
}

TEST(BattleStart, ABattleRightAfterAnotherStartsEveryoneFresh) {
    GameHarness game;
    BeginBattle(game, "Bridge", Level("Knight1"), 2);
    gBattle.party[0].hp = 3;
    gBattle.party[1].mana = 0;
    gBattle.party[1].state = STATE_DEAD;
    game.PressKey(sf::Keyboard::W);  // won at once
    game.Step(BATTLE_DT, 2);
    ASSERT_EQ(gBattle.phase, PHASE_VICTORY);
    game.PressKey(sf::Keyboard::Return);
    SetGameScreen(SCREEN_BATTLE);
    StartBattle(Level("Dog1").c_str());
    EXPECT_EQ(gBattle.party[0].hp, 250);
    EXPECT_EQ(gBattle.party[1].mana, 200);
    EXPECT_EQ(gBattle.party[1].state, STATE_READY);
    EXPECT_EQ(gBattle.deadPartyCount, 0u);
}

}  // namespace
