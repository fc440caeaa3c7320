#pragma once
// The running battle: its fighters, the round's counters and cursors, and the speed timeline. Everything
// here is built by StartBattle and let go, back to these defaults, by ReleaseBattle.

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <cstdint>
#include <string>
#include <vector>

#include "battle/Combatants.h"
#include "world/GameSession.h"

enum BattlePhase : int32_t {
    PHASE_COMMAND = 0,
    PHASE_SKILL_LIST = 1,
    PHASE_TARGET = 2,
    PHASE_ACTIONS = 3,
    PHASE_ITEM_LIST = 4,
    PHASE_VICTORY = 5,
};

// Timeline codes: a party member's id (0 to 3), or an enemy's kind + 4.
inline constexpr uint32_t TIMELINE_ENEMY_CODE = 4;

struct Battle {
    bool started = false;  // StartBattle ran and nothing has released it yet
    GameSession* session = nullptr;  // the game the battle is fought in: its party, pouch and gold
    float groundDrop = 0.0f;         // how much lower everybody stands (the map says)
    bool running = false;  // the fighters are built and rounds are played
    std::string fault;     // why the battle file could not be used; the screen says so
    uint32_t enemyCount = 0;
    std::vector<int32_t> enemyKinds;
    uint32_t moneyEarned = 0;
    std::vector<EnemyCombatant> enemies;
    std::vector<PartyCombatant> party;  // the first party-size roster members, copied
    sf::Texture backgroundTexture;
    sf::Sprite background;

    BattlePhase phase = PHASE_COMMAND;
    uint32_t currentTurn = 0;  // 0 while the party chooses; then the next turn to play, from 1
    float actionDelay = 0.0f;  // seconds before the next turn may run
    uint32_t deadPartyCount = 0;
    uint32_t deadEnemyCount = 0;
    uint32_t commandingMember = 0;
    uint16_t menuCursor = 0;
    uint16_t menuColumn = 0;  // list column; in target selection 0 the party, 1 the enemies
    uint32_t targetsToChoose = 0;
    std::vector<uint32_t> timeline;  // one code per living combatant, in turn order

    float blinkAlpha = 0.0f;  // 0 to 200, shared by the timeline highlight and the portrait frame
    bool blinkRising = true;
};

extern Battle gBattle;

// PartySize as battles see it: never more than the roster.
uint32_t BattlePartySize();
// Every combatant, enemies in list order first, then the party in order.
template <typename Visit>
void ForEachCombatant(Visit visit) {
    for (EnemyCombatant& enemy : gBattle.enemies)
        visit(enemy);
    for (PartyCombatant& member : gBattle.party)
        visit(member);
}
