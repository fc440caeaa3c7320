#pragma once
// The window the game plays in: the whole desktop (full screen), or a resizable window on it, first
// opened at two thirds of the desktop's width in 16:9 and centred. The game area keeps the size the
// desktop gives it; a window of any size shows it scaled between black bands (core/Screen.h).

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>

#include "core/Screen.h"

// Two thirds of the desktop's width, 16:9, never taller than the desktop.
sf::Vector2u WindowedSize(const DesktopMode& desktop);
// (Re)makes the window in place, so every reference to it stays good: full screen, or a window.
void OpenGameWindow(sf::RenderWindow& window, bool windowed);
// Alt+Enter and F11 switch between the two.
bool IsWindowModeKey(const sf::Event::KeyEvent& key);
// The other of the two, kept in the settings file for the next start.
void SwitchWindowMode(sf::RenderWindow& window);
