#pragma once
// Key presses on the roaming screen, routed to the open overlay, the story, the puzzles and the shop.

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>

void HandleRoamingKey(sf::RenderWindow& window, const sf::Event::KeyEvent& keyEvent);
