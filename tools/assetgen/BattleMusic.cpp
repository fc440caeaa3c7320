// The battle and game-over music.

#include "AssetGroups.h"
#include "AssetRegistry.h"

void GenerateBattleMusic(AssetWriter&) {}
