#pragma once
// The entry point and the frame loop: poll events, update the screen stack with the frame time, draw.
// Screen changes asked for during the frame are applied at its safe points: after each event, and after
// the update.

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Clock.hpp>
#include <SFML/Window/Event.hpp>

#include "app/Startup.h"

// Returns 0 once the window has been closed (1 when there is no asset tree to play with). The one
// argument the game knows is --developer, which turns the developer's keys on.
int RunGame(int argc, char** argv);

// One polled event: a close request closes the window, Alt+Enter and F11 switch between full screen and
// a window, other key presses and releases and mouse-button presses go to the screens, the focus lost
// pauses and silences the game until it comes back. Tests push their events through here too.
void HandleWindowEvent(GameContext& context, const sf::Event& event);
void HandleKeyPressed(GameContext& context, const sf::Event::KeyEvent& keyEvent);
void HandleMouseButtonPressed(GameContext& context, const sf::Event::MouseButtonEvent& buttonEvent);

// Measures the frame time on the clock, then runs AdvanceFrame with it.
void UpdateFrame(GameContext& context);
// The longest frame the game plays. A longer one (a map load, a stall, a window being dragged) is
// played as this long: the world waits instead of jumping, so no step carries the hero through a wall
// and no easing overshoots.
inline constexpr float MAX_FRAME_TIME = 0.05f;

// The window lost the focus: the game goes quiet and waits; the top screen may pause (the map does).
void LookAway(GameContext& context);
// One look at the gamepad: its presses and releases reach the screens as the keys they stand for, and
// a pad pulled out is heard as the player looking away.
void FeedPad(GameContext& context, float dt);

// One update with a given frame time, at most MAX_FRAME_TIME: reap finished effects, then (unless the
// window is out of focus) feed the pad's keys, update the screens and apply the changes they asked for.
void AdvanceFrame(GameContext& context, float dt);
// Clears and draws the screens without showing them (tests capture the picture here).
void RenderFrame(GameContext& context);
// RenderFrame, then display.
void DrawFrame(GameContext& context);
