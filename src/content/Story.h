#pragma once
// The story's key handling on the roaming screen.

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>

void HandleStoryKey(sf::RenderWindow& window, const sf::Event::KeyEvent& keyEvent);
// Every roaming frame: types the open pop-ups.
void UpdateStory(sf::RenderWindow& window, float dt);
