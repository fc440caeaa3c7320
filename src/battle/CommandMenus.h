#pragma once
// The party's choices in battle: the command menu (Attack, Skill, Items), the skill and item lists, the
// target selection with the dagger, and the keys that act outside the menus (Space, W, leaving).

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Window/Event.hpp>

#include <array>
#include <optional>

#include "battle/BattleHud.h"
#include "battle/BattleState.h"

inline constexpr const char* SOUND_COMMAND_MOVE = "Assets/Sounds/ChangeMap/ChangePos.wav";
inline constexpr const char* SOUND_LIST_MOVE = "Assets/Sounds/Interface/ChangePos.wav";

struct BattleMenus {
    bool commandMenu = false;
    sf::Sprite commandBackground;
    std::array<sf::Text, 3> commandTexts;  // "Attack", "Skill", "Items"
    bool listMenu = false;
    bool itemList = false;  // the list shows the pouch instead of the member's skills
    sf::Sprite listBackground;
    std::array<std::optional<sf::Text>, 4> listTexts;  // cell (column j, row r) is entry 2j + r
    std::optional<MemberBlock> listMember;             // the skill list's portrait and bars
};

extern BattleMenus gBattleMenus;

// What a key asks of the battle screen beyond the menus.
enum class BattleLeave { STAY, TO_MAP, TO_TITLE };

// The party's keys: the menus, Space to hurry the turns, ESCAPE in the command menu to flee to the
// title; a battle that could not start leaves with ENTER (back to the map) or ESCAPE (the title). W
// wins at once, with the developer's keys only.
BattleLeave HandleBattleKey(const sf::Event::KeyEvent& keyEvent);
// Puts the dagger beside command entry index (and the entry's help into the information box), or
// beside list entry index.
void PlaceMenuCursor(int index, BattlePhase mode);
void CreateCommandMenu();
void CreateSkillList(const Combatant& member);
void CreateItemList();
void DestroyListMenu();
void DestroyMenus();

void DrawCommandMenu(sf::RenderWindow& window);
void DrawListMenu(sf::RenderWindow& window);
