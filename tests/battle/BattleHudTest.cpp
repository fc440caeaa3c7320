// What the battle shows: everybody standing on the screen in every story battle, the bars and their
// numbers, the blinking portrait frame, the fallen left faded on their last frame, and the timeline.

#include <gtest/gtest.h>

#include "battle/screen/BattleHud.h"
#include "battle/screen/BattleLayout.h"
#include "battle/screen/BattleState.h"
#include "battle/screen/CombatantAnimation.h"
#include "support/Battles.h"

namespace {

TEST(BattleLayout, TheStoryBattlesKeepEveryFighterOnTheScreen) {
    for (const char* name : {"Knight1", "Dog1", "Patrol", "VillageGuard", "Boss"}) {
        GameHarness game;
        BeginBattle(game, name == std::string("Boss") ? "BridgeNight" : "Bridge", Level(name), 3);
        ForEachCombatant([&](const Combatant& c) {
            const sf::FloatRect bounds = c.sprite.getGlobalBounds();
            EXPECT_GE(bounds.left, 0.0f) << name;
            EXPECT_LE(bounds.left + bounds.width, BATTLE_W) << name;
            EXPECT_GE(bounds.top, 0.0f) << name;
            EXPECT_LE(c.home.y, BATTLE_H - 300.0f) << name << ": standing in the panels";
        });
    }
}

TEST(BattleHud, BarsShowTheShareOfHealthAndManaWithTheirNumbers) {
    EXPECT_EQ(BarWidth(125, 250), 40);
    EXPECT_EQ(BarWidth(250, 250), 80);
    EXPECT_EQ(BarWidth(0, 250), 0);
    EXPECT_EQ(BarWidth(200, 150), 106);  // mana past its maximum: a longer bar
    GameHarness game;
    BeginBattle(game, "Bridge", Level("Knight1"), 1);
    gBattle.party[0].hp = 125;
    gBattle.party[0].mana = 200;
    game.Step(BATTLE_DT);
    const MemberBlock& pell = gBattleHud.members[0];
    EXPECT_EQ(pell.hpBar.getGlobalBounds().width, 80.0f);
    EXPECT_EQ(pell.hpText.getString(), "125/250");
    EXPECT_GT(pell.manaBar.getGlobalBounds().width, 160.0f);
    EXPECT_EQ(pell.manaText.getString(), "200/150");
}

TEST(BattleHud, TheCommandingMemberBlinksAndTheFallenAreDarkened) {
    GameHarness game;
    BeginBattle(game, "Bridge", Level("Knight1"), 2);
    gBattle.party[1].state = STATE_DEAD;
    int lowest = 255, highest = 0;
    for (int frame = 0; frame < 150; ++frame) {
        game.Step(BATTLE_DT);
        const int alpha = gBattleHud.members[0].frame.getFillColor().a;
        lowest = std::min(lowest, alpha);
        highest = std::max(highest, alpha);
        EXPECT_EQ(gBattleHud.members[1].frame.getFillColor(), sf::Color(0, 0, 0, 150));
    }
    EXPECT_LE(lowest, 10);
    EXPECT_GE(highest, 190);
}

TEST(BattleHud, AFallenKnightStaysFadedOnTheLastFrameOfItsDeath) {
    GameHarness game;
    BeginBattle(game, "Bridge", Level("Knight1"), 1);
    Combatant& knight = gBattle.enemies[0];
    knight.state = STATE_DEAD;
    PlayAnimation(knight, ANIM_DEATH);
    for (int frame = 0; frame < 240; ++frame)
        AnimateCombatant(knight, BATTLE_DT);
    EXPECT_EQ(knight.sprite.getColor().a, 100);
    EXPECT_EQ(knight.currentAnimation, ANIM_DEATH);
    EXPECT_EQ(knight.sprite.getTextureRect(), sf::IntRect(11 * 64, 384, 64, 128));
}

TEST(BattleHud, AnActionReturnsToIdleWhenItEndsAndEffectsGoAway) {
    GameHarness game;
    BeginBattle(game, "Bridge", Level("Knight1"), 1);
    Combatant& pell = gBattle.party[0];
    PlayAnimation(pell, ANIM_MELEE);
    StartEffect(pell, EFFECT_HEAL, true);
    EXPECT_EQ(pell.effect->sprite.getScale(), sf::Vector2f(-2.0f, 2.0f));
    for (int frame = 0; frame < 120; ++frame)
        AnimateCombatant(pell, BATTLE_DT);
    EXPECT_EQ(pell.currentAnimation, ANIM_IDLE);
    EXPECT_EQ(pell.effectActive, 0);
    EXPECT_FALSE(pell.effect);
}

TEST(BattleHud, TheTargetCursorLightsTheTargetsTimelineTile) {
    GameHarness game;
    BeginBattle(game, "Bridge", Level("Patrol"), 1);
    game.PressKey(sf::Keyboard::Return);  // Attack: choose an enemy
    game.PressKey(sf::Keyboard::S);       // the Dog
    game.Step(BATTLE_DT, 30);
    const size_t lit = gBattle.enemies[1].timelinePosition - 1;
    for (size_t k = 0; k < gBattleHud.timelineHighlights.size(); ++k) {
        const int alpha = gBattleHud.timelineHighlights[k].getColor().a;
        if (k == lit) {
            EXPECT_GT(alpha, 0);
        } else {
            EXPECT_EQ(alpha, 0);
        }
    }
    const sf::FloatRect dog = gBattle.enemies[1].sprite.getGlobalBounds();
    EXPECT_EQ(gBattleHud.dagger.getPosition(), sf::Vector2f(dog.left, dog.top + dog.height / 2));
}

}  // namespace
