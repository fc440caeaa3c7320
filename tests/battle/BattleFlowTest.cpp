// Rounds and the speed timeline: who acts when, how the enemies choose, how turns are numbered with the
// dead among them, and how a battle ends.

#include <gtest/gtest.h>

#include <algorithm>

#include "battle/BattleFlow.h"
#include "battle/Turns.h"
#include "battle/screen/BattleState.h"
#include "core/GameStates.h"
#include "core/Random.h"
#include "support/Battles.h"

namespace {

// Member 0 and enemy 0's turn numbers after a fresh draw.
uint32_t TurnOf(const Combatant& combatant) {
    return combatant.timelinePosition;
}

TEST(SpeedTimeline, PellAlwaysActsBeforeAKnight) {
    GameHarness game;
    BeginBattle(game, "Bridge", Level("Knight1"), 1);
    for (unsigned seed = 0; seed < 200; ++seed) {
        SeedRandom(seed);
        RollTimeline();
        EXPECT_EQ(TurnOf(gBattle.party[0]), 1u);
        EXPECT_EQ(TurnOf(gBattle.enemies[0]), 2u);
        EXPECT_EQ(gBattle.timeline, (std::vector<uint32_t>{0, 4}));
    }
}

TEST(SpeedTimeline, TwoFastFightersGoFirstHalfTheTimeEach) {
    GameHarness game;
    BeginBattle(game, "Bridge", Level("Dog1"), 2);
    int dogFirst = 0;
    const int rounds = 4000;
    for (int round = 0; round < rounds; ++round) {
        RollTimeline();
        // Spriti and the Dog are fast and take turns 1 and 2; Pell (normal) always comes third.
        EXPECT_EQ(TurnOf(gBattle.party[0]), 3u);
        if (TurnOf(gBattle.enemies[0]) == 1) ++dogFirst;
    }
    EXPECT_NEAR(static_cast<double>(dogFirst) / rounds, 0.5, 0.04);
}

TEST(SpeedTimeline, TheDeadAllHoldTheLastNumberAndLeaveTheStripShorter) {
    GameHarness game;
    BeginBattle(game, "Bridge", WriteLevel("Three", "ENEMY COUNT 3\nENEMY TYPE [0,0,0]\nMONEY EARNED 1\n"),
                3);
    gBattle.enemies[1].state = STATE_DEAD;
    gBattle.deadEnemyCount = 1;
    RollTimeline();
    EXPECT_EQ(gBattle.timeline.size(), 5u);
    EXPECT_EQ(gBattle.enemies[1].timelinePosition, 6u);
    std::vector<uint32_t> living;
    ForEachCombatant([&](const Combatant& c) {
        if (c.state != STATE_DEAD) living.push_back(c.timelinePosition);
    });
    std::sort(living.begin(), living.end());
    EXPECT_EQ(living, (std::vector<uint32_t>{1, 2, 3, 4, 5}));

    // Turn 6 belongs to the dead alone: it passes at once.
    gBattle.currentTurn = 6;
    ExecuteTurn();
    EXPECT_EQ(gBattle.actionDelay, 0.0f);

    // With two dead, nobody holds turn 5: an empty pause of the full two seconds.
    gBattle.enemies[2].state = STATE_DEAD;
    gBattle.deadEnemyCount = 2;
    RollTimeline();
    EXPECT_EQ(gBattle.timeline.size(), 4u);
    gBattle.currentTurn = 5;
    ExecuteTurn();
    EXPECT_EQ(gBattle.actionDelay, 2.0f);
}

TEST(EnemyChoices, TheBossKeepsHealingForWhenItIsHalfDown) {
    GameHarness game;
    BeginBattle(game, "BridgeNight", WriteLevel("Boss", "ENEMY COUNT 1\nENEMY TYPE [1]\nMONEY EARNED 1\n"),
                2);
    Combatant& boss = gBattle.enemies[0];
    auto healsIn = [&](int32_t hp) {
        boss.hp = hp;
        int heals = 0;
        for (int round = 0; round < 400; ++round) {
            ClearAction(boss.slots[CHOSEN_SLOT]);
            ChooseEnemyActions();
            if (boss.slots[CHOSEN_SLOT].id == SKILL_HEAL) {
                ++heals;
                EXPECT_EQ(boss.slots[CHOSEN_SLOT].targets[0], 0u);  // it heals itself
            }
        }
        return heals;
    };
    EXPECT_EQ(healsIn(401), 0);
    EXPECT_GT(healsIn(400), 50);
}

TEST(EnemyChoices, AttacksAimOnlyAtTheLivingAndAParalysedEnemyKeepsItsAction) {
    GameHarness game;
    BeginBattle(game, "Bridge", WriteLevel("Two", "ENEMY COUNT 2\nENEMY TYPE [0,2]\nMONEY EARNED 1\n"), 3);
    gBattle.party[0].state = STATE_DEAD;
    gBattle.party[2].state = STATE_DEAD;
    for (int round = 0; round < 50; ++round) {
        for (Combatant& enemy : gBattle.enemies)
            ClearAction(enemy.slots[CHOSEN_SLOT]);
        ChooseEnemyActions();
        EXPECT_EQ(gBattle.enemies[0].slots[CHOSEN_SLOT].targets[0], 1u);
    }
    Action kept = MakeAction(SKILL_ATTACK);
    kept.targets[0] = 2;  // aimed before its target fell: kept as it was, no new draw
    gBattle.enemies[1].slots[CHOSEN_SLOT] = kept;
    ChooseEnemyActions();
    EXPECT_EQ(gBattle.enemies[1].slots[CHOSEN_SLOT].targets[0], 2u);
}

TEST(BattleEnd, DefeatIsTestedBeforeVictoryWhenTheBossRushKillsEveryoneAndItself) {
    GameHarness game;
    BeginBattle(game, "BridgeNight", WriteLevel("Boss", "ENEMY COUNT 1\nENEMY TYPE [1]\nMONEY EARNED 9\n"),
                1);
    Combatant& boss = gBattle.enemies[0];
    boss.hp = 10;
    gBattle.party[0].hp = 100;
    Action rush = MakeAction(SKILL_RUSH);
    rush.targets[0] = 0;
    boss.slots[CHOSEN_SLOT] = rush;
    gBattle.currentTurn = boss.timelinePosition;
    gBattle.phase = PHASE_ACTIONS;
    ExecuteTurn();
    EXPECT_EQ(gBattle.deadPartyCount, 1u);
    EXPECT_EQ(gBattle.deadEnemyCount, 1u);
    EXPECT_EQ(boss.currentAnimation, ANIM_DEATH);  // the Boss falls with its own death
    gBattle.actionDelay = 0.0f;
    game.Step(BATTLE_DT);
    EXPECT_EQ(gStates.gameMode, MODE_GAME_OVER);
}

TEST(BattleEnd, TheLastEnemyFallingWinsOnlyAfterThePauseOfItsAction) {
    GameHarness game;
    BeginBattle(game, "Bridge", Level("Knight1"), 1);
    gBattle.enemies[0].hp = 10;
    ChooseAttack(game, 0);
    ASSERT_EQ(gBattle.phase, PHASE_ACTIONS);
    game.Step(BATTLE_DT, 3);  // the enemy chooses, then Pell's turn kills the Knight
    ASSERT_EQ(gBattle.deadEnemyCount, 1u);
    game.Step(BATTLE_DT, 100);  // most of the two seconds
    EXPECT_EQ(gBattle.phase, PHASE_ACTIONS);
    game.Step(BATTLE_DT, 25);
    EXPECT_EQ(gBattle.phase, PHASE_VICTORY);
}

TEST(BattleEnd, ARoundStartsWithTheFirstLivingMember) {
    GameHarness game;
    BeginBattle(game, "Bridge", Level("Knight1"), 3);
    gBattle.party[0].state = STATE_DEAD;
    gBattle.party[0].hp = 0;
    gBattle.deadPartyCount = 1;
    gBattle.enemies[0].hp = 10000;
    gBattle.enemies[0].maxHp = 10000;
    ChooseAttack(game, 0);  // the opening round's member 0 still chooses
    ChooseAttack(game, 0);
    ChooseAttack(game, 0);
    PlayOutRound(game);
    ASSERT_TRUE(WaitingForCommands());
    EXPECT_EQ(gBattle.commandingMember, 1u);
}

}  // namespace
