#pragma once
// The party's command menus and targeting in battle.

#include <SFML/Window/Event.hpp>

void HandleBattleKey(const sf::Event::KeyEvent& keyEvent);
