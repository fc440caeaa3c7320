#pragma once
// The generators of each family of assets; AssetRegistry.cpp lists them in the order they run.

struct AssetWriter;

void GenerateStudioLogos(AssetWriter& writer);
void GenerateTitleBackground(AssetWriter& writer);
void GenerateMenuButtons(AssetWriter& writer);
void GenerateCreditsArt(AssetWriter& writer);
void GenerateOptionsArt(AssetWriter& writer);
void GeneratePauseMenuArt(AssetWriter& writer);
void GenerateBattleHudPanels(AssetWriter& writer);
void GenerateInterfaceSounds(AssetWriter& writer);
void GenerateTitleMusic(AssetWriter& writer);
void GenerateTileAtlases(AssetWriter& writer);
void GenerateHeroSheets(AssetWriter& writer);
void GenerateTrees(AssetWriter& writer);
void GenerateMapDecor(AssetWriter& writer);
void GenerateWorldMap(AssetWriter& writer);
void GenerateWorldSounds(AssetWriter& writer);
void GenerateRoamingMusic(AssetWriter& writer);
void GenerateSaveSlotButtons(AssetWriter& writer);
void GenerateNpcSheets(AssetWriter& writer);
void GeneratePortraits(AssetWriter& writer);
void GenerateDialogueArt(AssetWriter& writer);
void GenerateItemPictures(AssetWriter& writer);
void GenerateWaterSourceSheets(AssetWriter& writer);
void GenerateKeepsakePictures(AssetWriter& writer);
void GenerateInventoryArt(AssetWriter& writer);
void GenerateShopArt(AssetWriter& writer);
void GenerateContentSounds(AssetWriter& writer);
void GenerateBattlerSheets(AssetWriter& writer);
void GenerateBattlePortraits(AssetWriter& writer);
void GenerateBattleHudArt(AssetWriter& writer);
void GenerateBattleEffects(AssetWriter& writer);
void GenerateBattleBackgrounds(AssetWriter& writer);
void GenerateBattleEndScreens(AssetWriter& writer);
void GenerateBattleSounds(AssetWriter& writer);
void GenerateBattleMusic(AssetWriter& writer);
void GenerateGameOverMusic(AssetWriter& writer);
void GeneratePuzzleArt(AssetWriter& writer);
void GeneratePuzzleSounds(AssetWriter& writer);
void GenerateFishingArt(AssetWriter& writer);
void GenerateFishPictures(AssetWriter& writer);
void GenerateFishdexArt(AssetWriter& writer);
void GenerateFishingSounds(AssetWriter& writer);
