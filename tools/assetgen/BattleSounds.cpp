// The battle's sound effects.

#include "AssetGroups.h"
#include "AssetRegistry.h"

void GenerateBattleSounds(AssetWriter&) {}
