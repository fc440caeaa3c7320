// The party's menus as a player uses them: the skill grid, refusals, mana paid when the choice is made,
// target selection, the potion pouch, and the keys outside the menus.

#include <gtest/gtest.h>

#include "battle/BattleData.h"
#include "battle/screen/BattleHud.h"
#include "battle/screen/BattleState.h"
#include "battle/screen/CommandMenus.h"
#include "core/GameStates.h"
#include "support/Battles.h"
#include "support/Journey.h"
#include "support/PlayedSounds.h"
#include "support/Scenes.h"
#include "world/GameSession.h"

namespace {

using namespace DefaultKeys;

std::string Info() {
    return gBattleHud.infoText.getString().toAnsiString();
}

int Entry() {
    return gBattle.menuCursor + 2 * gBattle.menuColumn;
}

class BattleMenus : public ::testing::Test {
protected:
    void Begin(uint32_t partySize, const char* kinds = "0,2") {
        const std::string count = std::to_string((std::string(kinds).size() + 1) / 2);
        BeginBattle(
            game, "Bridge",
            WriteLevel("Menu", "ENEMY COUNT " + count + "\nENEMY TYPE [" + kinds + "]\nMONEY EARNED 1\n"),
            partySize);
    }
    void OpenSkills() {
        game.PressKey(DOWN);
        game.PressKey(ENTER);
    }
    GameHarness game;
};

TEST_F(BattleMenus, TheCommandMenuWrapsAndExplainsEachEntry) {
    Begin(1);
    EXPECT_EQ(Info(), SkillDescription(SKILL_ATTACK));
    game.PressKey(UP);
    EXPECT_EQ(gBattle.menuCursor, 2);
    EXPECT_EQ(Info(), "Item selection.");
    game.PressKey(DOWN);
    game.PressKey(DOWN);
    EXPECT_EQ(gBattle.menuCursor, 1);
    EXPECT_EQ(Info(), "Skill selection.");
}

TEST_F(BattleMenus, PellsSkillGridMovesOnlyOntoSkillsHeHas) {
    Begin(1);
    OpenSkills();
    ASSERT_EQ(gBattle.phase, PHASE_SKILL_LIST);
    EXPECT_EQ(Info(), SkillDescription(SKILL_DOUBLE_ATTACK));
    EXPECT_EQ(gBattleHud.manaCostText.getString(), "Mana Cost : 25");
    game.PressKey(RIGHT);
    EXPECT_EQ(Entry(), 2);  // Paralysis
    EXPECT_EQ(gBattleHud.manaCostText.getString(), "Mana Cost : 50");
    game.PressKey(DOWN);
    EXPECT_EQ(Entry(), 2);  // slot 3 is empty: nothing moves
    game.PressKey(LEFT);
    game.PressKey(DOWN);
    EXPECT_EQ(Entry(), 1);  // Zone Attack
    game.PressKey(LEFT);
    EXPECT_EQ(Entry(), 1);  // column 1 has nothing on that row
    game.PressKey(RIGHT);
    EXPECT_EQ(Entry(), 1);
    game.PressKey(UP);
    EXPECT_EQ(Entry(), 0);
    EXPECT_EQ(Info(), SkillDescription(SKILL_DOUBLE_ATTACK));
    game.PressKey(ESCAPE);
    EXPECT_EQ(gBattle.phase, PHASE_COMMAND);
    EXPECT_EQ(Info(), SkillDescription(SKILL_ATTACK));
}

TEST_F(BattleMenus, ASkillBeyondTheMembersManaIsRefusedAtTheList) {
    Begin(3);
    ChooseAttack(game, 0);
    ChooseAttack(game, 0);
    ASSERT_EQ(gBattle.commandingMember, 2u);  // Groto
    gBattle.party[2].mana = 100;
    OpenSkills();
    game.PressKey(DOWN);  // Double Magic
    game.PressKey(ENTER);
    EXPECT_EQ(Info(), "You don't have \nenough mana !");
    EXPECT_EQ(gBattle.phase, PHASE_SKILL_LIST);
    EXPECT_EQ(gBattle.party[2].mana, 100);
}

TEST_F(BattleMenus, DoubleAttackCountsItsTargetsDownAndTakesOneTwice) {
    Begin(1);
    OpenSkills();
    game.PressKey(ENTER);
    ASSERT_EQ(gBattle.phase, PHASE_TARGET);
    EXPECT_EQ(Info(), "Choose 2 more \ntarget.");
    EXPECT_EQ(gBattle.menuColumn, 1);
    game.PressKey(ENTER);
    EXPECT_EQ(Info(), "Choose 1 more \ntarget.");
    EXPECT_EQ(gBattle.party[0].mana, 150);  // paid when the choice is complete
    game.PressKey(ENTER);
    EXPECT_EQ(Info(), "Choose 0 more \ntarget.");
    EXPECT_EQ(gBattle.party[0].slots[CHOSEN_SLOT].targets, (std::vector<uint32_t>{0, 0}));
    EXPECT_EQ(gBattle.party[0].mana, 125);
    EXPECT_EQ(gBattle.phase, PHASE_ACTIONS);
}

TEST_F(BattleMenus, ZoneAttackIsPaidInTheListAndNeedsNoTarget) {
    Begin(2);
    OpenSkills();
    game.PressKey(DOWN);
    game.PressKey(ENTER);
    EXPECT_EQ(gBattle.party[0].mana, 100);
    EXPECT_EQ(gBattle.commandingMember, 1u);
    EXPECT_EQ(gBattle.phase, PHASE_COMMAND);
    EXPECT_FALSE(gBattleMenus.listMenu);
}

TEST_F(BattleMenus, TargetsWrapAndTheFallenAreRefusedWithTheSkillsName) {
    Begin(2, "0,2,0");
    gBattle.enemies[1].state = STATE_DEAD;
    game.PressKey(ENTER);  // Attack
    game.PressKey(UP);
    EXPECT_EQ(gBattle.menuCursor, 2);
    game.PressKey(UP);
    EXPECT_EQ(gBattle.menuCursor, 1);  // the fallen are not skipped
    game.PressKey(ENTER);
    EXPECT_EQ(Info(), "You can't use Attack\non this enemy; \nhe is dead.");
    EXPECT_EQ(gBattle.phase, PHASE_TARGET);
    EXPECT_EQ(gBattle.targetsToChoose, 1u);
    game.PressKey(ESCAPE);
    EXPECT_EQ(gBattle.phase, PHASE_COMMAND);
    EXPECT_EQ(gBattle.targetsToChoose, 0u);
}

TEST_F(BattleMenus, ResurrectionAndHealRefuseTheWrongMate) {
    Begin(3);
    gBattle.party[2].state = STATE_DEAD;
    ChooseAttack(game, 0);
    OpenSkills();
    game.PressKey(RIGHT);  // Resurrection
    game.PressKey(ENTER);
    game.PressKey(ENTER);  // Pell, alive
    EXPECT_EQ(Info(), "You can't use Resurrection \non this mate; \nhe is not dead.");
    game.PressKey(ESCAPE);
    OpenSkills();
    game.PressKey(ENTER);  // Heal
    game.PressKey(UP);     // wraps to Groto, fallen
    game.PressKey(ENTER);
    EXPECT_EQ(Info(), "You can't use Heal \non this mate; \nhe is dead.");
}

TEST_F(BattleMenus, AnEmptyPouchSaysSoAndPotionsAreUsedUpAsTheyAreChosen) {
    Begin(2);
    game.PressKey(UP);
    game.PressKey(ENTER);
    EXPECT_EQ(Info(), "You don't have any\nitems.");
    EXPECT_EQ(gBattle.phase, PHASE_COMMAND);

    gSession.pouch.slots[0] = {ITEM_HP_POTION, 1};
    gSession.pouch.slots[1] = {ITEM_MANA_POTION, 2};
    game.PressKey(ENTER);
    ASSERT_EQ(gBattle.phase, PHASE_ITEM_LIST);
    ASSERT_TRUE(gBattleMenus.listTexts[0]);
    EXPECT_EQ(gBattleMenus.listTexts[0]->getString(), "HP Potion x1");
    EXPECT_EQ(gBattleMenus.listTexts[1]->getString(), "Mana Potion x2");
    game.PressKey(ENTER);
    EXPECT_EQ(Info(), "Choose 1 more \ntarget.");
    game.PressKey(ENTER);
    // The last HP potion gone: the Mana potions move up, the second slot is empty.
    EXPECT_EQ(gSession.pouch.slots[0].itemId, ITEM_MANA_POTION);
    EXPECT_EQ(gSession.pouch.slots[0].count, 2);
    EXPECT_EQ(gSession.pouch.slots[1].itemId, ITEM_NONE);
    EXPECT_EQ(gBattle.party[0].slots[CHOSEN_SLOT].id, SKILL_HP_POTION);
}

TEST_F(BattleMenus, WithOnlyManaPotionsTheListOpensOnThemAndDownStaysSilent) {
    Begin(1);
    gSession.pouch.slots[0] = {ITEM_HP_POTION, 0};
    gSession.pouch.slots[1] = {ITEM_MANA_POTION, 1};
    game.PressKey(UP);
    game.PressKey(ENTER);
    EXPECT_EQ(gBattle.menuCursor, 1);
    EXPECT_EQ(Info(), SkillDescription(SKILL_MANA_POTION));
    const size_t before = EffectsPlaying(SOUND_LIST_MOVE);
    game.PressKey(DOWN);
    EXPECT_EQ(EffectsPlaying(SOUND_LIST_MOVE), before);
    game.PressKey(UP);
    EXPECT_EQ(gBattle.menuCursor, 1);
    EXPECT_EQ(EffectsPlaying(SOUND_LIST_MOVE), before + 1);
    game.PressKey(ENTER);
    game.PressKey(ENTER);
    EXPECT_EQ(gSession.pouch.slots[0].itemId, ITEM_NONE);
    EXPECT_EQ(gSession.pouch.slots[1].itemId, ITEM_NONE);
}

TEST(Pouch, UsedUpKindsCloseUpAndTheShopCanStillFillTheEmptySlot) {
    ResetGameRecords();
    gSession.pouch.slots[0] = {ITEM_HP_POTION, 0};
    gSession.pouch.slots[1] = {ITEM_MANA_POTION, 3};
    ConsumePotion(ITEM_MANA_POTION);
    EXPECT_EQ(gSession.pouch.slots[0].itemId, ITEM_MANA_POTION);
    EXPECT_EQ(gSession.pouch.slots[0].count, 2);
    EXPECT_EQ(gSession.pouch.slots[1].itemId, ITEM_NONE);
    // The HP potion's slot is gone; a bought one takes the empty slot instead of vanishing.
    EXPECT_TRUE(AddToPouch(gSession.pouch, ITEM_HP_POTION));
    EXPECT_EQ(gSession.pouch.slots[1].itemId, ITEM_HP_POTION);
    EXPECT_EQ(gSession.pouch.slots[1].count, 1);
}

// The enemy walked into is gone from the map while the battle runs; leaving for the title saves nothing
// of that, so the enemy stands there again when the slot is continued.
TEST(BattleEscape, EscapeInTheCommandMenuLeavesForTheTitleAndTheEnemyWaitsInTheSave) {
    GameHarness game;
    EnterMap(game, "Bridge");
    const std::string before = SavedSection("Bridge");
    ASSERT_NE(before.find("PNJ 0 0"), std::string::npos) << before;
    ASSERT_EQ(WalkIntoEnemy(game), "");
    game.PressKey(ESCAPE);
    EXPECT_EQ(gStates.gameMode, MODE_MENU);
    EXPECT_EQ(gStates.menuScreen, MENU_MAIN);
    EXPECT_FALSE(gBattle.started);
    EXPECT_EQ(SavedSection("Bridge"), before);
}

TEST_F(BattleMenus, SpaceHurriesTheTurnsAndWWinsAtOnce) {
    Begin(1);
    gBattle.enemies[0].maxHp = gBattle.enemies[0].hp = 10000;
    ChooseAttack(game, 0);
    game.Step(BATTLE_DT, 3);
    ASSERT_EQ(gBattle.currentTurn, 2u);
    game.PressKey(sf::Keyboard::Space);
    EXPECT_EQ(gBattle.actionDelay, 0.0f);
    game.Step(BATTLE_DT);
    EXPECT_EQ(gBattle.currentTurn, 3u);
    game.PressKey(sf::Keyboard::W);
    game.Step(BATTLE_DT, 200);
    EXPECT_EQ(gBattle.phase, PHASE_VICTORY);
    EXPECT_EQ(gBattle.enemies[0].state, STATE_READY);  // still standing behind the victory screen
}

}  // namespace
