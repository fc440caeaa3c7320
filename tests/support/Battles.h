#pragma once
// Battles in the real game, reached the short way, the party's choices made with the menu keys a
// player presses (the default bindings), and a battle fought out the way a player might fight it.

#include <functional>
#include <string>
#include <vector>

#include "battle/screen/BattleState.h"
#include "support/BattlePolicy.h"
#include "support/GameHarness.h"

inline constexpr float BATTLE_DT = 1.0f / 60.0f;
// A battle watched through its state, not its pixels: one frame in thirty drawn.
inline constexpr HarnessOptions FEW_DRAWS{.drawEvery = 30};

// On the map (a new save in slot 0), with partySize members, the battle of the file at `level` (a path
// without ".txt") starts as an enemy's touch starts it.
void BeginBattle(GameHarness& game, const char* map, const std::string& level, uint32_t partySize = 1);
// Writes a battle file into the scratch folder and gives the path to start it from.
std::string WriteLevel(const std::string& name, const std::string& text);
// The real level files, by name: "Assets/Text/Levels/<name>".
std::string Level(const char* name);

// The commanding member's choice. Targets are indices into the side the action aims at.
void ChooseAttack(GameHarness& game, unsigned target);
// entry: the skill's place in the member's list (0 to 3); targets: one per target to choose (none for
// the skills that take a whole side).
void ChooseSkill(GameHarness& game, unsigned entry, const std::vector<uint32_t>& targets);
// pouchSlot: 0 or 1; member: the party member to give it to.
void ChoosePotion(GameHarness& game, unsigned pouchSlot, unsigned member);
// Moves the target cursor from the first fighter of the side to `index` and confirms.
void PickTarget(GameHarness& game, unsigned index);
// Plays the turns of the round (hurried with Space) until the party chooses again, or the battle ends.
void PlayOutRound(GameHarness& game);
// The battle screen's record (the rules and what is drawn of them); the battle must be on the stack.
Battle& TheBattle(GameHarness& game);
// True while the battle asks the party for commands.
bool WaitingForCommands(GameHarness& game);

// The choice of ChooseLikeAPlayer, pressed through the menus.
void PressChoice(GameHarness& game, const PartyChoice& choice);
void CommandLikeAPlayer(GameHarness& game);

// The battle played with CommandLikeAPlayer, turns hurried with Space, until it is won (the victory
// screen is up) or lost (the game is over). `frameDt`: the frames between choices; `draw`: whether
// those frames are drawn (a simulation needs only the updates). onCommands runs the first time the party
// is asked for its commands.
BattleEnd FightItOut(GameHarness& game, float frameDt = 1.0f / 30.0f, bool draw = true,
                     const std::function<void()>& onCommands = {});
