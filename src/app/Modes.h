#pragma once
// The mode machine's table: what entering and leaving each mode, menu screen and game screen loads,
// releases and plays. Installed once before the first state is entered.

inline constexpr const char* MUSIC_TITLE = "Assets/Musics/Title.wav";
inline constexpr const char* MUSIC_ROAMING = "Assets/Musics/Roaming.wav";
inline constexpr const char* MUSIC_BATTLE = "Assets/Musics/Battle.wav";

void InstallModeMachine();
