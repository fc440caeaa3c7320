#pragma once
// A party that fights the way a player might, and the story's fights, played by the rules alone: no
// window, no picture, no key. The battle screen's tests press the same choices through the menus.

#include <cstdint>
#include <vector>

#include "battle/BattleRules.h"

// One member's command: a skill or potion and its targets, indices into the side it aims at.
struct PartyChoice {
    SkillId skill = SKILL_ATTACK;
    std::vector<uint32_t> targets;
};

// The commanding member's choice: a potion for whoever is badly hurt or the mage run dry; then spread
// damage while there are several enemies, finish the weakest, heal whoever is low, raise the fallen.
PartyChoice ChooseLikeAPlayer(const BattleRules& rules);

enum class BattleEnd { WON, LOST, UNENDED };

// The rules played to their end with ChooseLikeAPlayer, every turn hurried.
BattleEnd SimulateBattle(BattleRules& rules);

// A fight of the story, with the party it has at that point and the potions its gold can buy by then.
struct StoryFight {
    const char* when;
    const char* level;  // the file's name in "Assets/Text/Levels"
    uint32_t partySize;
    uint16_t hpPotions;
    uint16_t manaPotions;
    int minimumPercent;  // how often it must be won
};

const std::vector<StoryFight>& StoryFights();

// The fight played once with the random generator seeded; the level files are read from the working
// directory's Assets. UNENDED when the file cannot be read.
BattleEnd PlayStoryFight(const StoryFight& fight, unsigned seed);
