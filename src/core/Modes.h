#pragma once
// Switching modes and screens: each switch releases what the old state loaded before loading the new
// one, and the music follows.

#include <SFML/Graphics/RenderWindow.hpp>

#include <cstdint>

inline constexpr const char* MUSIC_TITLE = "Assets/Musics/Title.wav";
inline constexpr const char* MUSIC_ROAMING = "Assets/Musics/Roaming.wav";
inline constexpr const char* MUSIC_BATTLE = "Assets/Musics/Battle.wav";

void SetGameMode(int32_t mode, sf::RenderWindow& window);
void UnloadCurrentMode(sf::RenderWindow& window);
void SetGameScreen(int32_t screen);
void SetMenuScreen(sf::RenderWindow& window, int32_t screen);
void UnloadMenuScreen();

// Back to the title menu from another front-end screen: release it, then load the title.
void ReturnToTitleMenu();
