// What each action does when its turn comes, by the rules alone: amounts, multipliers and caps, deaths
// and the dead counts, the information box's messages, the fallen passed over, paralysis and revival.

#include <gtest/gtest.h>

#include "battle/Fight.h"

namespace {

const std::string PELL_DOUBLE_ON_KNIGHT = "Pell uses \nDouble Attack on \nKnight.\n";

TEST(Turns, PellsZoneAttackFellsThreeWoundedKnightsInOneTurn) {
    Fight f({ENEMY_KNIGHT, ENEMY_KNIGHT, ENEMY_KNIGHT}, 1);
    for (Fighter& knight : f.rules.enemies)
        knight.hp = 30;
    EXPECT_EQ(f.Play(f.Member(0), SKILL_ZONE_ATTACK, {0, 1, 2}),
              Texts{"Pell uses \nZone Attack on \neveryone."});
    EXPECT_EQ(f.rules.deadEnemyCount, 3u);
    for (uint32_t k = 0; k < 3; ++k) {
        EXPECT_EQ(f.Foe(k).state, STATE_DEAD);
        EXPECT_EQ(f.Foe(k).pendingChange, -40);
        EXPECT_TRUE(f.Saw(BattleEventType::FALLS, true, k));
    }
    EXPECT_EQ(f.rules.actionDelay, 2.0f);
}

TEST(Turns, ADoubleAttackOnALoneEnemyHitsItTwiceAndPassesOverItOnceItFell) {
    Fight f({ENEMY_KNIGHT}, 1);
    EXPECT_EQ(f.Play(f.Member(0), SKILL_DOUBLE_ATTACK, {0, 0}),
              Texts{PELL_DOUBLE_ON_KNIGHT + PELL_DOUBLE_ON_KNIGHT});
    EXPECT_EQ(f.Foe(0).hp, 20);
    EXPECT_EQ(f.Foe(0).pendingChange, -80);  // one floating number for both hits

    f.Foe(0).hp = 30;
    f.Foe(0).pendingChange = 0;
    f.Play(f.Member(0), SKILL_DOUBLE_ATTACK, {0, 0});
    EXPECT_EQ(f.Foe(0).hp, 0);
    EXPECT_EQ(f.Foe(0).pendingChange, -40);
    EXPECT_EQ(f.rules.deadEnemyCount, 1u);
}

// A whole action's message passes over entries out of range; Information tells what is left; a single
// action on a fallen fighter misses.
TEST(Turns, TargetsOutOfRangeOrFallenArePassedOver) {
    Fight f({ENEMY_KNIGHT, ENEMY_DOG}, 2);
    EXPECT_EQ(f.Play(f.Member(0), SKILL_DOUBLE_ATTACK, {7, 0}), Texts{PELL_DOUBLE_ON_KNIGHT});
    EXPECT_EQ(f.Play(f.Member(1), SKILL_INFORMATION, {0}).back(),
              "Knight has\n60 / 100HP.\nKnight speed \nis slow");
    EXPECT_EQ(f.Play(f.Member(1), SKILL_INFORMATION, {1}).back(), "Dog has\n50 / 50HP.\nDog speed \nis fast");
    f.Foe(1).state = STATE_DEAD;
    EXPECT_EQ(f.Play(f.Member(0), SKILL_ATTACK, {1}).back(), "Pell missed !");
    EXPECT_EQ(f.Foe(1).pendingChange, 0);
    f.Fell(0);
    EXPECT_EQ(f.Play(f.Member(1), SKILL_HEAL, {0}), Texts{"Spriti missed !"});
    EXPECT_EQ(f.Member(0).hp, 0);
}

TEST(Turns, TheBossHitsWithItsMultiplierPaysForItsRushAndHealsItselfToItsMaximum) {
    Fight f({ENEMY_BOSS}, 2);
    Fighter& boss = f.Foe(0);
    f.Play(boss, SKILL_RUSH, {1});
    EXPECT_EQ(f.Member(1).hp, 50);  // Spriti, 150 - 100
    EXPECT_EQ(boss.hp, 790);
    EXPECT_EQ(f.Play(boss, SKILL_ZONE_ATTACK, {0, 1}).back(), "Boss uses \nZone Attack on \neveryone.");
    EXPECT_EQ(f.Member(0).hp, 210);
    EXPECT_EQ(f.Member(1).hp, 10);
    f.Play(boss, SKILL_ATTACK, {1});
    EXPECT_EQ(f.Member(1).state, STATE_DEAD);
    EXPECT_EQ(f.Member(1).hp, 0);
    EXPECT_EQ(f.rules.deadPartyCount, 1u);

    boss.pendingChange = 0;
    EXPECT_EQ(f.Play(boss, SKILL_HEAL, {0}), Texts{"Boss uses \nHeal on \nBoss."});
    EXPECT_EQ(boss.hp, 800);
    EXPECT_EQ(boss.pendingChange, 50);  // the whole fifty floats up
}

// Revived, a member plays nothing left over from the round he fell in.
TEST(Turns, ResurrectionBringsAMateBackAtHalfHealthWithNoLeftoverAction) {
    Fight f({ENEMY_KNIGHT}, 3);
    Fighter& groto = f.Member(2);
    Action magic = MakeAction(SKILL_MAGIC);
    magic.targets = {0};
    groto.slots[CHOSEN_SLOT] = magic;
    groto.hp = 10;
    f.Play(f.Foe(0), SKILL_ATTACK, {2});
    ASSERT_EQ(groto.state, STATE_DEAD);
    EXPECT_EQ(f.Play(f.Member(1), SKILL_RESURRECTION, {2}), Texts{"Spriti uses \nResurrection on \nGroto."});
    EXPECT_EQ(groto.hp, 100);
    EXPECT_EQ(groto.state, STATE_READY);
    EXPECT_EQ(f.rules.deadPartyCount, 0u);
    EXPECT_EQ(f.Turn(groto), Texts{});
    EXPECT_EQ(f.Foe(0).hp, 100);
}

// Potions heal within the maximum but give mana past it; Transfert turns a quarter of the user's health
// into mana up to the maximum, and never takes away what a potion gave past it.
TEST(Turns, PotionsAndTransfertGiveManaAndHealthWithinTheirLimits) {
    Fight f({ENEMY_KNIGHT}, 3);
    Fighter& groto = f.Member(2);
    Fighter& spriti = f.Member(1);
    f.Member(0).hp = 230;
    f.Play(spriti, SKILL_HP_POTION, {0});
    EXPECT_EQ(f.Member(0).hp, 250);
    EXPECT_EQ(f.Member(0).pendingChange, 50);
    groto.hp = 150;
    spriti.mana = 10;
    EXPECT_EQ(f.Play(groto, SKILL_TRANSFERT, {1}), Texts{"Groto uses \nTransfert on \nSpriti."});
    EXPECT_EQ(groto.hp, 113);
    EXPECT_EQ(groto.pendingChange, -37);
    EXPECT_EQ(spriti.mana, 47);
    spriti.mana = 190;
    f.Play(groto, SKILL_TRANSFERT, {1});
    EXPECT_EQ(spriti.mana, 200);  // capped
    f.Play(spriti, SKILL_MANA_POTION, {0});
    ASSERT_EQ(f.Member(0).mana, 200);  // 150 + 50, past its 150
    f.Play(groto, SKILL_TRANSFERT, {0});
    EXPECT_EQ(f.Member(0).mana, 200);
}

// Paralysed, an enemy loses its next turn and keeps its skill for the round after; its targets are drawn
// anew then, since whoever it aimed at may have fallen meanwhile.
TEST(Turns, AParalysedEnemyLosesOneTurnAndAimsAtTheLivingWhenItActsAgain) {
    Fight f({ENEMY_KNIGHT}, 2);
    Fighter& knight = f.Foe(0);
    Action attack = MakeAction(SKILL_ATTACK);
    attack.targets = {1};
    knight.slots[CHOSEN_SLOT] = attack;
    f.Play(f.Member(0), SKILL_PARALYSIS, {0});
    EXPECT_EQ(knight.state, STATE_PARALYSED);
    EXPECT_TRUE(f.Saw(BattleEventType::PARALYSED, true, 0));

    EXPECT_EQ(f.Turn(knight), Texts{"Knight is paralyzed !"});
    EXPECT_FALSE(f.Saw(BattleEventType::ACTS, true, 0));  // it does not step forward
    EXPECT_EQ(f.rules.actionDelay, 1.0f);
    EXPECT_EQ(knight.state, STATE_READY);
    EXPECT_EQ(f.Member(1).hp, 150);
    EXPECT_EQ(knight.slots[CHOSEN_SLOT].id, SKILL_ATTACK);

    f.Fell(1);  // Spriti, whom it aimed at, falls meanwhile
    ChooseEnemyActions(f.rules);
    EXPECT_EQ(f.Turn(knight).back(), "Knight uses \nAttack on \nPell.\n");
    EXPECT_EQ(f.Member(0).hp, 210);
}

}  // namespace
