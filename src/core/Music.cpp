#include "core/Music.h"

#include "core/Log.h"

MusicPlayer gMusic;

void PlayMusic(const char* path) {
    if (gMusic.currentMusic) gMusic.currentMusic->stop();
    gMusic.currentMusic = std::make_unique<sf::Music>();
    sf::Music& music = *gMusic.currentMusic;
    if (!music.openFromFile(path)) return;
    music.setVolume(gMusic.volume);
    music.play();
    music.setLoop(true);
}

void StopMusic() {
    LogDebug("stop music\n");
    if (gMusic.currentMusic) gMusic.currentMusic->stop();
}

void SetMusicVolume(float percent) {
    gMusic.volume = percent;
    if (gMusic.currentMusic) gMusic.currentMusic->setVolume(percent);
}

bool MusicIsPlaying() {
    return gMusic.currentMusic && gMusic.currentMusic->getStatus() == sf::Music::Playing;
}

void ResetMusicPlayer() {
    if (gMusic.currentMusic) gMusic.currentMusic->stop();
    gMusic = MusicPlayer();
}
