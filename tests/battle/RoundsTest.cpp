// Rounds by the rules alone: the speed timeline, how the enemies choose, the party's commands and what
// they cost, how a battle ends, and a seed replaying a whole battle.

#include <gtest/gtest.h>

#include <algorithm>

#include "battle/Fight.h"
#include "core/Random.h"

namespace {

TEST(SpeedTimeline, TwoFastFightersGoFirstHalfTheTimeEach) {
    SeedRandom(5);
    Fight f({ENEMY_DOG}, 2);
    int dogFirst = 0;
    const int rounds = 4000;
    for (int round = 0; round < rounds; ++round) {
        RollTimeline(f.rules);
        // Spriti and the Dog are fast and take turns 1 and 2; Pell (normal) always comes third.
        EXPECT_EQ(f.Member(0).timelinePosition, 3u);
        if (f.Foe(0).timelinePosition == 1) ++dogFirst;
    }
    EXPECT_NEAR(static_cast<double>(dogFirst) / rounds, 0.5, 0.04);
}

TEST(SpeedTimeline, TheDeadAllHoldTheLastNumberAndTheirTurnsPassAtOnce) {
    Fight f({ENEMY_KNIGHT, ENEMY_KNIGHT, ENEMY_KNIGHT}, 3);
    f.Foe(1).state = STATE_DEAD;
    f.rules.deadEnemyCount = 1;
    RollTimeline(f.rules);
    EXPECT_EQ(f.rules.timeline.size(), 5u);
    EXPECT_EQ(f.Foe(1).timelinePosition, 6u);
    std::vector<uint32_t> living;
    for (const std::vector<Fighter>* side : {&f.rules.party, &f.rules.enemies}) {
        for (const Fighter& fighter : *side)
            if (fighter.state != STATE_DEAD) living.push_back(fighter.timelinePosition);
    }
    std::sort(living.begin(), living.end());
    EXPECT_EQ(living, (std::vector<uint32_t>{1, 2, 3, 4, 5}));

    // Turn 6 belongs to the dead alone: it passes at once.
    f.rules.currentTurn = 6;
    ExecuteTurn(f.rules);
    EXPECT_EQ(f.rules.actionDelay, 0.0f);
    // With two dead, nobody holds turn 5: an empty pause of the full two seconds.
    f.Foe(2).state = STATE_DEAD;
    f.rules.deadEnemyCount = 2;
    RollTimeline(f.rules);
    EXPECT_EQ(f.rules.timeline.size(), 4u);
    f.rules.currentTurn = 5;
    ExecuteTurn(f.rules);
    EXPECT_EQ(f.rules.actionDelay, 2.0f);
}

TEST(EnemyChoices, TheBossKeepsHealingForWhenItIsHalfDown) {
    Fight f({ENEMY_BOSS}, 2);
    Fighter& boss = f.Foe(0);
    auto healsIn = [&](int32_t hp) {
        boss.hp = hp;
        int heals = 0;
        for (int round = 0; round < 400; ++round) {
            ClearAction(boss.slots[CHOSEN_SLOT]);
            ChooseEnemyActions(f.rules);
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

TEST(EnemyChoices, EnemiesAimOnlyAtTheLiving) {
    Fight f({ENEMY_KNIGHT, ENEMY_BOSS}, 3);
    f.Fell(0);
    f.Fell(2);
    for (int round = 0; round < 100; ++round) {
        for (Fighter& enemy : f.rules.enemies)
            ClearAction(enemy.slots[CHOSEN_SLOT]);
        ChooseEnemyActions(f.rules);
        EXPECT_EQ(f.Foe(0).slots[CHOSEN_SLOT].targets, std::vector<uint32_t>{1});
        const Action& boss = f.Foe(1).slots[CHOSEN_SLOT];
        EXPECT_TRUE(boss.targetsOpponents != 1 || boss.targets == std::vector<uint32_t>{1}) << boss.id;
    }
}

TEST(Commands, EachMemberPaysForHisChoiceAndTheRefusedChooseAgain) {
    Fight f({ENEMY_KNIGHT, ENEMY_DOG}, 3);
    f.Foe(1).state = STATE_DEAD;
    f.Member(2).mana = 100;
    const struct {
        SkillId skill;
        std::vector<uint32_t> targets;
        const char* refusal;  // nullptr: taken
    } choices[] = {
        {SKILL_ATTACK, {1}, "You can't use %s\non this enemy; \nhe is dead."},
        {SKILL_ATTACK, {0, 0}, ""},
        {SKILL_HP_POTION, {0}, "You don't have any\nitems."},
        {SKILL_DOUBLE_ATTACK, {0, 0}, nullptr},  // Pell, 25 mana
        {SKILL_RESURRECTION, {0}, "You can't use %s \non this mate; \nhe is not dead."},
        {SKILL_MEGA_HEAL, {}, nullptr},  // Spriti, 100 mana, everyone
        {SKILL_DOUBLE_MAGIC, {0, 0}, "You don't have \nenough mana !"},
        {SKILL_MAGIC, {0}, nullptr},  // Groto, all his 100
    };
    uint32_t commanding = 0;
    for (const auto& c : choices) {
        SCOPED_TRACE(SkillName(c.skill));
        ASSERT_EQ(Stage(f.rules), BattleStage::COMMANDS);
        ASSERT_EQ(f.rules.commandingMember, commanding);
        const int32_t mana = f.Member(commanding).mana;
        const char* refusal = CommandRefusal(f.rules, c.skill, c.targets);
        EXPECT_EQ(ChooseCommand(f.rules, c.skill, c.targets), c.refusal == nullptr);
        if (c.refusal != nullptr) {
            EXPECT_STREQ(refusal, c.refusal);
            EXPECT_EQ(f.Member(commanding).mana, mana);
            continue;
        }
        const Action& chosen = f.Member(commanding).slots[CHOSEN_SLOT];
        EXPECT_EQ(chosen.id, c.skill);
        EXPECT_EQ(f.Member(commanding).mana, mana - static_cast<int32_t>(chosen.manaCost));
        ++commanding;
    }
    EXPECT_EQ(f.Member(2).mana, 0);
    EXPECT_EQ(Stage(f.rules), BattleStage::ACTIONS);
}

TEST(Commands, ARoundStartsWithTheFirstLivingMember) {
    Fight f({ENEMY_KNIGHT}, 3);
    f.Foe(0).maxHp = f.Foe(0).hp = 10000;
    for (int member = 0; member < 3; ++member)
        ASSERT_TRUE(ChooseCommand(f.rules, SKILL_ATTACK, {0}));
    f.Fell(0);
    ASSERT_EQ(f.PlayOut(), BattleStage::COMMANDS);
    EXPECT_EQ(f.rules.commandingMember, 1u);
}

TEST(BattleEnd, DefeatIsFoundBeforeVictoryWhenTheBossRushFellsEveryoneAndItself) {
    Fight f({ENEMY_BOSS}, 1);
    f.Foe(0).hp = 10;
    f.Member(0).hp = 100;
    f.Play(f.Foe(0), SKILL_RUSH, {0});
    EXPECT_EQ(f.rules.deadPartyCount, 1u);
    EXPECT_EQ(f.rules.deadEnemyCount, 1u);
    f.rules.currentTurn = 0;
    f.rules.commandingMember = 1;
    AdvanceBattle(f.rules, 0.0f);
    EXPECT_EQ(Stage(f.rules), BattleStage::LOST);
}

TEST(BattleEnd, TheLastEnemyFallingWinsOnlyAfterThePauseOfItsBlow) {
    Fight f({ENEMY_KNIGHT}, 1);
    f.Foe(0).hp = 10;
    ASSERT_TRUE(ChooseCommand(f.rules, SKILL_ATTACK, {0}));
    const auto advance = [&](int frames) {
        while (frames-- > 0)
            AdvanceBattle(f.rules, 1.0f / 60.0f);
    };
    advance(3);  // the enemy chooses, then Pell's turn fells the Knight
    ASSERT_EQ(f.rules.deadEnemyCount, 1u);
    advance(100);  // most of the two seconds
    EXPECT_EQ(Stage(f.rules), BattleStage::ACTIONS);
    advance(25);
    EXPECT_EQ(Stage(f.rules), BattleStage::WON);
    EXPECT_EQ(f.rules.moneyEarned, 1u);
}

// Everything the information box says in one battle, the party attacking the first enemy standing.
Texts PlayWholeBattle(unsigned seed) {
    SeedRandom(seed);
    Fight f({ENEMY_KNIGHT, ENEMY_DOG}, 3);  // the Patrol
    Texts story;
    for (int round = 0; round < 30 && Stage(f.rules) == BattleStage::COMMANDS; ++round) {
        while (Stage(f.rules) == BattleStage::COMMANDS) {
            const uint32_t target = f.Foe(0).state == STATE_DEAD ? 1 : 0;
            if (!ChooseCommand(f.rules, SKILL_ATTACK, {target})) return {"refused"};
        }
        f.PlayOut(&story);
    }
    story.push_back(Stage(f.rules) == BattleStage::WON ? "won" : "not won");
    return story;
}

TEST(BattleReplay, ABattleReplaysIdenticallyFromItsSeed) {
    const Texts first = PlayWholeBattle(11);
    EXPECT_EQ(first.back(), "won");
    EXPECT_GT(first.size(), 4u);
    EXPECT_EQ(PlayWholeBattle(11), first);
    EXPECT_NE(PlayWholeBattle(12), first);
}

}  // namespace
