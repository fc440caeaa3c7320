#include "battle/CommandMenus.h"

// Empty until battles are built.

void HandleBattleKey(const sf::Event::KeyEvent&) {}
