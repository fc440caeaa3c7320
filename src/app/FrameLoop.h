#pragma once
// The entry point and the frame loop: poll events, update the active screen with the frame time, draw.

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Clock.hpp>
#include <SFML/Window/Event.hpp>

// Returns 0 once the window has been closed (1 when there is no asset tree to play with).
int RunGame(int argc, char** argv);

// One polled event: a close request closes the window, key and mouse-button presses are dispatched,
// everything else is ignored. Tests push their events through here too.
void HandleWindowEvent(sf::RenderWindow& window, const sf::Event& event);
void HandleKeyPressed(sf::RenderWindow& window, const sf::Event::KeyEvent& keyEvent);
void HandleMouseButtonPressed(sf::RenderWindow& window, const sf::Event::MouseButtonEvent& buttonEvent);

// Measures the frame time on the clock, then runs AdvanceFrame with it.
void UpdateFrame(sf::Clock& clock, sf::RenderWindow& window);
// The longest frame the game plays. A longer one (a map load, a stall, a window being dragged) is
// played as this long: the world waits instead of jumping, so no step carries the hero through a wall
// and no easing overshoots.
inline constexpr float MAX_FRAME_TIME = 0.05f;

// One update with a given frame time, at most MAX_FRAME_TIME: reap finished effects, then update the
// active screen.
void AdvanceFrame(float dt, sf::RenderWindow& window);
// Clears and draws the active screen without showing it (tests capture the picture here).
void RenderFrame(sf::RenderWindow& window);
// RenderFrame, then display.
void DrawFrame(sf::RenderWindow& window);
