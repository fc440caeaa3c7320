#pragma once
// Where the settings' volumes reach the players: the music, the pooled effects and the sounds the map
// and the fishing own. The settings only hold the values; the players only hold a level.

// The music at music x general, the effects at sounds x general (100 with the default volumes of 10).
void ApplyVolumes();

// Everything the game plays goes quiet while the player looks away, and comes back as it was.
void MuteMix(bool muted);
bool IsMixMuted();
