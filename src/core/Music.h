#pragma once
// The one streamed music of the game (title, roaming, battle, game over), looping.

#include <SFML/Audio/Music.hpp>

#include <memory>

struct MusicPlayer {
    std::unique_ptr<sf::Music> currentMusic;  // streams on its own thread: stopped before it is replaced
    float volume = 100.0f;                    // a percentage, as the mixer last set it
};

extern MusicPlayer gMusic;

// Replaces the current music by the file at path, at the music volume, playing and looping.
// A file that cannot be opened leaves the game silent.
void PlayMusic(const char* path);

// Logs "stop music" and stops the current music, as every unload of a screen with music does.
void StopMusic();

// The volume of the music playing and of the ones to come (core/Mixer.h sets it from the settings).
void SetMusicVolume(float percent);

// True while a music is playing (tests, tools).
bool MusicIsPlaying();

void ResetMusicPlayer();
