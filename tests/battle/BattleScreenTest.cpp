// The battle screen as a player sees and works it: the bars and their numbers, the blinking portrait
// frame and the fallen darkened, the target's timeline tile lit; the information box; the menus by their
// keys, refusals in words, potions used up as they are chosen, and the keys outside the menus.

#include <gtest/gtest.h>

#include "battle/screen/BattleHud.h"
#include "battle/screen/CommandMenus.h"
#include "support/Battles.h"
#include "support/Journey.h"
#include "support/PlayedSounds.h"
#include "support/Scenes.h"
#include "world/GameSession.h"

namespace {

using namespace DefaultKeys;

std::string Info(GameHarness& game) {
    return TheBattle(game).hud.infoText.getString().toAnsiString();
}

TEST(BattleHud, BarsAndNumbersFollowTheFightersTheCommandingFrameBlinksAndTheTargetsTileIsLit) {
    GameHarness game(FEW_DRAWS);
    BeginBattle(game, "Bridge", Level("Patrol"), 3);
    Battle& battle = TheBattle(game);
    battle.rules.party[0].hp = 125;
    battle.rules.party[0].mana = 200;
    battle.rules.party[2].state = STATE_DEAD;
    int lowest = 255, highest = 0;
    for (int frame = 0; frame < 150; ++frame) {
        game.Step(BATTLE_DT);
        const int alpha = battle.hud.members[0].frame.getFillColor().a;
        lowest = std::min(lowest, alpha);
        highest = std::max(highest, alpha);
        EXPECT_EQ(battle.hud.members[2].frame.getFillColor(), sf::Color(0, 0, 0, 150));
    }
    EXPECT_LE(lowest, 10);
    EXPECT_GE(highest, 190);
    const MemberBlock& pell = battle.hud.members[0];
    EXPECT_EQ(pell.hpText.getString(), "125/250");
    EXPECT_EQ(pell.manaText.getString(), "200/150");
    const MemberBlock& spriti = battle.hud.members[1];
    EXPECT_FLOAT_EQ(pell.hpBar.getGlobalBounds().width * 2, spriti.hpBar.getGlobalBounds().width);
    EXPECT_GT(pell.manaBar.getGlobalBounds().width, spriti.manaBar.getGlobalBounds().width);  // past full

    game.PressKey(ENTER);  // Attack: choose an enemy
    game.PressKey(DOWN);   // the Dog
    game.Step(BATTLE_DT, 30);
    const size_t lit = battle.rules.enemies[1].timelinePosition - 1;
    for (size_t k = 0; k < battle.hud.timelineHighlights.size(); ++k)
        EXPECT_EQ(battle.hud.timelineHighlights[k].getColor().a > 0, k == lit) << k;
}

TEST(InfoBox, ATextOfAHundredCharactersOrMoreIsCutNotBlanked) {
    const auto battle = std::make_unique<Battle>();
    const std::string words =
        "Groto uses Transfert on Spriti, then again, and again, and again, until the "
        "story runs out of room in the box.";
    ASSERT_GE(words.size(), 100u);
    ShowInfo(*battle, "%s", words.c_str());
    EXPECT_EQ(battle->hud.infoText.getString().toAnsiString(), words.substr(0, 99));
}

class BattleMenuKeys : public ::testing::Test {
protected:
    void Begin(uint32_t partySize, const char* level = "Patrol") {
        BeginBattle(game, "Bridge", Level(level), partySize);
    }
    int Entry() { return TheBattle(game).menuCursor + 2 * TheBattle(game).menuColumn; }
    GameHarness game{FEW_DRAWS};
};

TEST_F(BattleMenuKeys, TheCommandMenuWrapsAndPellsSkillGridMovesOnlyOntoSkillsHeHas) {
    Begin(1);
    game.PressKey(UP);
    EXPECT_EQ(Info(game), "Item selection.");
    game.PressKey(DOWN);
    game.PressKey(DOWN);
    game.PressKey(ENTER);
    ASSERT_EQ(TheBattle(game).phase, PHASE_SKILL_LIST);
    EXPECT_EQ(Info(game), SkillDescription(SKILL_DOUBLE_ATTACK));
    EXPECT_EQ(TheBattle(game).hud.manaCostText.getString(), "Mana Cost : 25");
    // Double Attack, Zone Attack / Paralysis, nothing: each key and the entry it leads to.
    const std::pair<int32_t, int> moves[] = {{RIGHT, 2}, {DOWN, 2},  {LEFT, 0}, {DOWN, 1},
                                             {LEFT, 1},  {RIGHT, 1}, {UP, 0}};
    for (const auto& [key, entry] : moves) {
        game.PressKey(key);
        EXPECT_EQ(Entry(), entry) << "after key " << key;
    }
    game.PressKey(ESCAPE);
    EXPECT_EQ(TheBattle(game).phase, PHASE_COMMAND);
    EXPECT_EQ(Info(game), SkillDescription(SKILL_ATTACK));
}

TEST_F(BattleMenuKeys, TargetsAreCountedDownPaidForWhenWholeAndRefusalsNameTheSkill) {
    Begin(2);
    Battle& battle = TheBattle(game);
    battle.rules.enemies[1].state = STATE_DEAD;
    game.PressKey(ENTER);  // Attack
    game.PressKey(UP);     // wraps to the fallen Dog: it is not skipped
    game.PressKey(ENTER);
    EXPECT_EQ(Info(game), "You can't use Attack\non this enemy; \nhe is dead.");
    EXPECT_EQ(battle.phase, PHASE_TARGET);
    game.PressKey(ESCAPE);
    EXPECT_EQ(battle.phase, PHASE_COMMAND);

    game.PressKey(DOWN);
    game.PressKey(ENTER);
    game.PressKey(ENTER);  // Double Attack, from the skill list
    EXPECT_EQ(Info(game), "Choose 2 more \ntarget.");
    game.PressKey(ENTER);
    EXPECT_EQ(Info(game), "Choose 1 more \ntarget.");
    EXPECT_EQ(battle.rules.party[0].mana, 150);  // paid when the choice is whole
    game.PressKey(ENTER);
    EXPECT_EQ(battle.rules.party[0].mana, 125);
    EXPECT_EQ(battle.rules.commandingMember, 1u);
}

TEST_F(BattleMenuKeys, PotionsAreListedFromThePouchAndUsedUpAsTheyAreChosen) {
    Begin(2);
    GameSession& session = game.Session();
    session.EmptyPouch();
    game.PressKey(UP);
    game.PressKey(ENTER);
    EXPECT_EQ(Info(game), "You don't have any\nitems.");
    EXPECT_EQ(TheBattle(game).phase, PHASE_COMMAND);

    session.FillPouchForGame();
    session.AddToPouch(ITEM_HP_POTION);
    session.AddToPouch(ITEM_MANA_POTION);
    session.AddToPouch(ITEM_MANA_POTION);
    game.PressKey(ENTER);
    const BattleMenus& menus = TheBattle(game).menus;
    ASSERT_EQ(TheBattle(game).phase, PHASE_ITEM_LIST);
    ASSERT_TRUE(menus.listTexts[0] && menus.listTexts[1]);
    EXPECT_EQ(menus.listTexts[0]->getString(), "HP Potion x1");
    EXPECT_EQ(menus.listTexts[1]->getString(), "Mana Potion x2");
    game.PressKey(ENTER);
    EXPECT_EQ(Info(game), "Choose 1 more \ntarget.");
    game.PressKey(ENTER);
    EXPECT_EQ(session.Pouch().slots[0].itemId, ITEM_MANA_POTION);  // the HP slot closed up
    EXPECT_EQ(session.Pouch().slots[0].count, 2);

    // Only Mana Potions left: the list opens on them and down has nothing to move to, not even a sound.
    game.PressKey(UP);
    game.PressKey(ENTER);
    EXPECT_EQ(Info(game), SkillDescription(SKILL_MANA_POTION));
    const size_t sounds = EffectsPlaying(SOUND_LIST_MOVE);
    game.PressKey(DOWN);
    EXPECT_EQ(EffectsPlaying(SOUND_LIST_MOVE), sounds);
}

TEST_F(BattleMenuKeys, SpaceHurriesTheTurnsAndWWinsAtOnce) {
    Begin(1, "Knight1");
    Battle& battle = TheBattle(game);
    battle.rules.enemies[0].maxHp = battle.rules.enemies[0].hp = 10000;
    ChooseAttack(game, 0);
    game.Step(BATTLE_DT, 3);
    ASSERT_EQ(battle.rules.currentTurn, 2u);
    game.PressKey(sf::Keyboard::Space);
    game.Step(BATTLE_DT);
    EXPECT_EQ(battle.rules.currentTurn, 3u);
    game.PressKey(sf::Keyboard::W);
    game.Step(BATTLE_DT, 200);
    EXPECT_TRUE(game.Shows(SCREEN_VICTORY));
    EXPECT_EQ(battle.rules.enemies[0].state, STATE_READY);  // still standing behind the victory screen
}

// The enemy walked into is gone from the map while the battle runs; fleeing to the title saves nothing
// of that, so the enemy stands there again when the slot is continued.
TEST(BattleEscape, EscapeInTheCommandMenuLeavesForTheTitleAndTheEnemyWaitsInTheSave) {
    GameHarness game(FEW_DRAWS);
    EnterMap(game, "Bridge");
    const std::string before = SavedSection("Bridge");
    ASSERT_NE(before.find("PNJ 0 0"), std::string::npos) << before;
    ASSERT_EQ(WalkIntoEnemy(game), "");
    game.PressKey(ESCAPE);
    EXPECT_EQ(game.Mode(), MODE_MENU);
    EXPECT_FALSE(game.Shows(SCREEN_BATTLE));
    EXPECT_EQ(SavedSection("Bridge"), before);
}

}  // namespace
