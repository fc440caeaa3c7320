#include "content/RoamingKeys.h"

#include "content/Story.h"

// The overlays (dialogues, inventory, shop, pause, fishing) take their keys here as they are built.
void HandleRoamingKey(sf::RenderWindow& window, const sf::Event::KeyEvent& keyEvent) {
    HandleStoryKey(window, keyEvent);
}
