// The battle's HUD pieces, effect sheets, backgrounds, and the victory and game-over pictures.

#include "AssetGroups.h"
#include "AssetRegistry.h"

void GenerateBattleHudArt(AssetWriter&) {}
void GenerateBattleEffects(AssetWriter&) {}
void GenerateBattleBackgrounds(AssetWriter&) {}
void GenerateBattleEndScreens(AssetWriter&) {}
