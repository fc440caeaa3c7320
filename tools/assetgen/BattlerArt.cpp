// The party's and the enemies' battle sheets and the HUD portraits.

#include "AssetGroups.h"
#include "AssetRegistry.h"

void GenerateBattlerSheets(AssetWriter&) {}
void GenerateBattlePortraits(AssetWriter&) {}
