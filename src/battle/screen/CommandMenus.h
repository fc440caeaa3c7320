#pragma once
// The party's choices in battle: the command menu (Attack, Skill, Items), the skill and item lists, the
// target selection with the dagger, and the keys that act outside the menus (Space, W, leaving). A choice
// made whole is handed to the rules as a command.

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>

#include "battle/screen/BattleState.h"

inline constexpr const char* SOUND_COMMAND_MOVE = "Assets/Sounds/ChangeMap/ChangePos.wav";
inline constexpr const char* SOUND_LIST_MOVE = "Assets/Sounds/Interface/ChangePos.wav";

// What a key asks of the battle screen beyond the menus.
enum class BattleLeave { STAY, TO_MAP, TO_TITLE };

// The party's keys: the menus, Space to hurry the turns, ESCAPE in the command menu to flee to the
// title; a battle that could not start leaves with ENTER (back to the map) or ESCAPE (the title). W
// wins at once, with the developer's keys only.
BattleLeave HandleBattleKey(Battle& battle, const sf::Event::KeyEvent& keyEvent);
// Puts the dagger beside command entry index (and the entry's help into the information box), or
// beside list entry index.
void PlaceMenuCursor(Battle& battle, int index, BattlePhase mode);
// The command menu for the member choosing now, its cursor on Attack.
void OpenCommandMenu(Battle& battle);
void CreateCommandMenu(Battle& battle);
void DestroyListMenu(Battle& battle);

void DrawCommandMenu(sf::RenderWindow& window, const Battle& battle);
void DrawListMenu(sf::RenderWindow& window, const Battle& battle);
