#pragma once
// What happened in a battle, as the rules tell it: the battle screen turns each event into what the
// player sees and hears (a message in the box, a fighter stepping forward, an effect and its sound on a
// target, a fall, a number floating up), in the order they happened.

#include <cstdint>
#include <string>

#include "battle/Skills.h"

enum class BattleEventType : int32_t {
    MESSAGE,      // text: the information box says it
    TIMELINE,     // a new turn order is rolled
    COMMANDS,     // a new round: the party chooses again
    TURN_BEGINS,  // a turn starts: the last turn's numbers go
    HOME,         // everybody back at rest
    ACTS,         // the fighter steps forward to play skill
    STRUCK,       // skill lands on the fighter (its effect and sound); user: the kind of enemy that used it,
                  // or -1 for the party
    PARALYSED,    // the fighter is held in place
    LOSES_TURN,   // the fighter stands still, paralysed
    REVIVED,
    FALLS,         // the fighter is down; animated false: he keeps the pose he fell in
    CHANGE_SHOWN,  // amount: the health the fighter lost (negative) or won in the turn
};

struct BattleEvent {
    BattleEventType type = BattleEventType::MESSAGE;
    bool enemy = false;  // the fighter's side
    uint32_t index = 0;  // and place in it
    int32_t skill = SKILL_NONE;
    int32_t user = -1;
    int32_t amount = 0;
    bool animated = true;
    std::string text;
};
