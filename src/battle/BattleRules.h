#pragma once
// The rules of a battle, with no picture and no key: the fighters, the round's counters and the speed
// timeline; the party's commands, the enemies' choices, the turns and what they do, the pouch's potions,
// victory and defeat. Driven by commands (a member's choice, time going by, a hurried turn) and telling
// what happened as events (battle/BattleEvents.h). Every random draw comes from the seeded standard
// generator, in the order the rounds make them, so a seed replays the same battle.

#include <cstdint>
#include <vector>

#include "battle/BattleEvents.h"
#include "battle/BattleFile.h"
#include "battle/Fighters.h"
#include "world/GameSession.h"

// Timeline codes: a party member's id (0 to 3), or an enemy's kind + 4.
inline constexpr uint32_t TIMELINE_ENEMY_CODE = 4;

enum class BattleStage : int32_t { COMMANDS, ACTIONS, WON, LOST };

struct BattleRules {
    GameSession* session = nullptr;  // the game fought in: its party, and its pouch the potions come from
    uint32_t enemyCount = 0;
    std::vector<int32_t> enemyKinds;
    uint32_t moneyEarned = 0;
    std::vector<Fighter> enemies;
    std::vector<Fighter> party;  // the first party-size roster members

    uint32_t currentTurn = 0;  // 0 while the party chooses; then the next turn to play, from 1
    float actionDelay = 0.0f;  // seconds before the next turn may run
    uint32_t deadPartyCount = 0;
    uint32_t deadEnemyCount = 0;
    uint32_t commandingMember = 0;   // the member choosing now; the party's size once all have chosen
    std::vector<uint32_t> timeline;  // one code per living fighter, in turn order
    bool over = false;               // won or lost: nothing moves any more
    bool won = false;

    std::vector<BattleEvent> events;  // what happened since they were last taken
};

// The fighters of the file (enemies in its order, the first party-size roster members), full health and
// mana, and the first round's timeline. The party is the session's.
void StartRules(BattleRules& rules, GameSession& session, const BattleFile& file);

BattleStage Stage(const BattleRules& rules);
uint32_t PartySize(const BattleRules& rules);
// The side an action of this fighter's aims at: the opposite side, or its own.
std::vector<Fighter>& SideAimedAt(BattleRules& rules, const Fighter& user, const Action& action);

// Why the skill cannot be aimed at this target of the side it aims at, or nullptr when it can: the target
// is dead (or, for Resurrection, alive). The text names the skill with %s.
const char* TargetRefusal(const BattleRules& rules, SkillId skill, uint32_t target);
// Why the commanding member cannot take this skill on these targets, or nullptr when it can: its mana
// falls short, a target is refused, a potion is not in the pouch.
const char* CommandRefusal(const BattleRules& rules, SkillId skill, const std::vector<uint32_t>& targets);
// The commanding member's action: a skill (or a potion) on its targets, indices into the side it aims at
// (the skills that take a whole side take it whatever is given). The mana is paid and a potion used up at
// once; the next living member chooses, and once the last has, the turns begin. False when refused.
bool ChooseCommand(BattleRules& rules, SkillId skill, const std::vector<uint32_t>& targets);

// Time goes by: the enemies choose, the turns run one by one, each followed by its pause, and a new
// round begins. Defeat is found before victory; victory waits for the pause of the last blow.
void AdvanceBattle(BattleRules& rules, float dt);
// The pause of the turn being shown ends now (Space).
void HurryTurn(BattleRules& rules);
// Every enemy counts as beaten (the developer's W).
void WinAtOnce(BattleRules& rules);

// The turn order of the round: fast fighters first, then normal, then slow, shuffled within each class.
void RollTimeline(BattleRules& rules);
// Each living enemy picks its targets, and a skill unless a paralysis kept the one it had chosen.
void ChooseEnemyActions(BattleRules& rules);
// The fighters whose timeline position is the current turn act.
void ExecuteTurn(BattleRules& rules);

std::vector<BattleEvent> TakeEvents(BattleRules& rules);
