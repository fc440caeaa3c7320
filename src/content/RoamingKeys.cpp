#include "content/RoamingKeys.h"

// Empty until the roaming overlays exist.

void HandleRoamingKey(sf::RenderWindow&, const sf::Event::KeyEvent&) {}
