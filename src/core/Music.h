#pragma once
// The one streamed music of the game (title, roaming, battle, game over), looping.

#include <SFML/Audio/Music.hpp>

#include <memory>

struct MusicPlayer {
    std::unique_ptr<sf::Music> currentMusic;  // streams on its own thread: stopped before it is replaced
};

extern MusicPlayer gMusic;

// Replaces the current music by the file at path, at the music volume, playing and looping.
// A file that cannot be opened leaves the game silent.
void PlayMusic(const char* path);

// Logs "stop music" and stops the current music, as every unload of a screen with music does.
void StopMusic();

// Sets the current music to the music volume of the settings.
void ApplyMusicVolume();

// True while a music is playing (tests, tools).
bool MusicIsPlaying();

void ResetMusicPlayer();
