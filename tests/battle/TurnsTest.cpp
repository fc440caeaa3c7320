// What each action does when its turn comes: amounts, multipliers and caps, deaths and the dead counts,
// the messages of the information box, and the fallen skipped.

#include <gtest/gtest.h>

#include "battle/Turns.h"
#include "battle/screen/BattleHud.h"
#include "battle/screen/BattleState.h"
#include "support/Battles.h"

namespace {

std::string Info() {
    return gBattleHud.infoText.getString().toAnsiString();
}

// Gives the fighter the action with these targets and plays its turn.
void Play(Combatant& user, SkillId skill, std::initializer_list<uint32_t> targets) {
    Action action = MakeAction(skill);
    action.targets.assign(targets);
    action.targetCount = static_cast<uint32_t>(action.targets.size());
    user.slots[CHOSEN_SLOT] = action;
    gBattle.phase = PHASE_ACTIONS;
    gBattle.currentTurn = user.timelinePosition;
    ExecuteTurn();
}

class TurnsTest : public ::testing::Test {
protected:
    void Begin(const char* kinds, uint32_t partySize) {
        const std::string count = std::to_string((std::string(kinds).size() + 1) / 2);
        BeginBattle(
            game, "Bridge",
            WriteLevel("Turn", "ENEMY COUNT " + count + "\nENEMY TYPE [" + kinds + "]\nMONEY EARNED 1\n"),
            partySize);
    }
    GameHarness game;
};

TEST_F(TurnsTest, PellsZoneAttackFellsThreeWoundedKnightsInOneTurn) {
    Begin("0,0,0", 1);
    for (Combatant& knight : gBattle.enemies)
        knight.hp = 30;
    Play(gBattle.party[0], SKILL_ZONE_ATTACK, {0, 1, 2});
    EXPECT_EQ(gBattle.deadEnemyCount, 3u);
    for (const Combatant& knight : gBattle.enemies) {
        EXPECT_EQ(knight.hp, 0);
        EXPECT_EQ(knight.state, STATE_DEAD);
        EXPECT_EQ(knight.pendingChange, -40);
        EXPECT_EQ(knight.currentAnimation, ANIM_DEATH);
    }
    EXPECT_EQ(Info(), "Pell uses \nZone Attack on \neveryone.");
    EXPECT_EQ(gBattle.actionDelay, 2.0f);
}

TEST_F(TurnsTest, ADoubleAttackOnOneKnightHitsTwiceAndSkipsItOnceItFell) {
    Begin("0", 1);
    Play(gBattle.party[0], SKILL_DOUBLE_ATTACK, {0, 0});
    EXPECT_EQ(gBattle.enemies[0].hp, 20);
    EXPECT_EQ(gBattle.enemies[0].pendingChange, -80);  // one floating number for both hits
    EXPECT_EQ(Info(), "Pell uses \nDouble Attack on \nKnight.\nPell uses \nDouble Attack on \nKnight.\n");

    gBattle.enemies[0].hp = 30;
    gBattle.enemies[0].pendingChange = 0;
    Play(gBattle.party[0], SKILL_DOUBLE_ATTACK, {0, 0});
    EXPECT_EQ(gBattle.enemies[0].hp, 0);
    EXPECT_EQ(gBattle.enemies[0].pendingChange, -40);
    EXPECT_EQ(gBattle.deadEnemyCount, 1u);
    EXPECT_EQ(Info().find("missed"), std::string::npos);  // two targets: no "missed" line
}

TEST_F(TurnsTest, ASingleActionOnAFallenEnemyMisses) {
    Begin("0,2", 1);
    gBattle.enemies[1].state = STATE_DEAD;
    Play(gBattle.party[0], SKILL_ATTACK, {1});
    EXPECT_EQ(Info(), "Pell missed !");
    EXPECT_EQ(gBattle.enemies[1].pendingChange, 0);
}

TEST_F(TurnsTest, TheBossHealsToItsMaximumAndShowsTheWholeFifty) {
    Begin("1", 1);
    Combatant& boss = gBattle.enemies[0];
    boss.hp = 790;
    Play(boss, SKILL_HEAL, {0});
    EXPECT_EQ(boss.hp, 800);
    EXPECT_EQ(boss.pendingChange, 50);
    EXPECT_EQ(Info(), "Boss uses \nHeal on \nBoss.");
    EXPECT_EQ(boss.currentAnimation, ANIM_BOSS_HEAL);
}

TEST_F(TurnsTest, EnemiesHitWithTheirAttackMultiplierAndTheBossRushCostsItTen) {
    Begin("1", 2);
    Combatant& boss = gBattle.enemies[0];
    Play(boss, SKILL_RUSH, {1});
    EXPECT_EQ(gBattle.party[1].hp, 50);  // Spriti, 150 - 100
    EXPECT_EQ(boss.hp, 790);
    Play(boss, SKILL_ZONE_ATTACK, {0, 1});
    EXPECT_EQ(gBattle.party[0].hp, 210);
    EXPECT_EQ(gBattle.party[1].hp, 10);
    EXPECT_EQ(Info(), "Boss uses \nZone Attack on \neveryone.");
    Play(boss, SKILL_ATTACK, {1});
    EXPECT_EQ(gBattle.party[1].state, STATE_DEAD);
    EXPECT_EQ(gBattle.party[1].hp, 0);
    EXPECT_EQ(gBattle.deadPartyCount, 1u);
}

TEST_F(TurnsTest, ResurrectionBringsGrotoBackAtHalfHealth) {
    Begin("0", 3);
    Combatant& groto = gBattle.party[2];
    groto.hp = 0;
    groto.state = STATE_DEAD;
    gBattle.deadPartyCount = 1;
    Play(gBattle.party[1], SKILL_RESURRECTION, {2});
    EXPECT_EQ(groto.hp, 100);
    EXPECT_EQ(groto.state, STATE_READY);
    EXPECT_EQ(gBattle.deadPartyCount, 0u);
    EXPECT_EQ(Info(), "Spriti uses \nResurrection on \nGroto.");
}

TEST_F(TurnsTest, TransfertTurnsAQuarterOfTheUsersHealthIntoMana) {
    Begin("0", 3);
    Combatant& groto = gBattle.party[2];
    Combatant& spriti = gBattle.party[1];
    groto.hp = 150;
    spriti.mana = 10;
    Play(groto, SKILL_TRANSFERT, {1});
    EXPECT_EQ(groto.hp, 113);
    EXPECT_EQ(groto.pendingChange, -37);
    EXPECT_EQ(spriti.mana, 47);
    spriti.mana = 190;
    Play(groto, SKILL_TRANSFERT, {1});
    EXPECT_EQ(spriti.mana, 200);  // capped
}

TEST_F(TurnsTest, PotionsHealWithinTheMaximumButManaGoesPastIt) {
    Begin("0", 2);
    gBattle.party[0].hp = 230;
    Play(gBattle.party[1], SKILL_HP_POTION, {0});
    EXPECT_EQ(gBattle.party[0].hp, 250);
    EXPECT_EQ(gBattle.party[0].pendingChange, 50);
    Play(gBattle.party[1], SKILL_MANA_POTION, {0});
    EXPECT_EQ(gBattle.party[0].mana, 200);  // 150 + 50, past its 150
}

TEST_F(TurnsTest, InformationTellsAKnightsHealthAndSpeed) {
    Begin("0", 2);
    gBattle.enemies[0].hp = 60;
    Play(gBattle.party[1], SKILL_INFORMATION, {0});
    EXPECT_EQ(Info(), "Knight has\n60 / 100HP.\nKnight speed \nis slow");
    EXPECT_EQ(gBattle.enemies[0].hp, 60);
}

TEST_F(TurnsTest, AParalysedEnemyLosesOneTurnAndKeepsItsAction) {
    Begin("0", 1);
    Combatant& knight = gBattle.enemies[0];
    Play(gBattle.party[0], SKILL_PARALYSIS, {0});
    EXPECT_EQ(knight.state, STATE_PARALYSED);
    EXPECT_EQ(knight.currentAnimation, ANIM_PARALYSED);
    const sf::Vector2f before = knight.sprite.getPosition();
    Play(knight, SKILL_ATTACK, {0});
    EXPECT_EQ(Info(), "Knight is paralyzed !");
    EXPECT_EQ(gBattle.actionDelay, 1.0f);
    EXPECT_EQ(knight.state, STATE_READY);
    EXPECT_EQ(knight.sprite.getPosition(), before);  // it does not step forward
    EXPECT_EQ(gBattle.party[0].hp, 250);
    EXPECT_EQ(knight.slots[CHOSEN_SLOT].id, SKILL_ATTACK);
}

TEST_F(TurnsTest, ThoseWhoActStepForwardTowardsTheOtherSide) {
    Begin("0", 1);
    const sf::Vector2f pell = gBattle.party[0].sprite.getPosition();
    Play(gBattle.party[0], SKILL_ATTACK, {0});
    EXPECT_EQ(gBattle.party[0].sprite.getPosition().x, pell.x + 150.0f);
    EXPECT_EQ(gBattle.party[0].currentAnimation, ANIM_MELEE);
    const sf::Vector2f knight = gBattle.enemies[0].sprite.getPosition();
    Play(gBattle.enemies[0], SKILL_ATTACK, {0});
    EXPECT_EQ(gBattle.enemies[0].sprite.getPosition().x, knight.x - 150.0f);
    EXPECT_EQ(gBattle.party[0].hp, 210);
}

}  // namespace
