#include "frontend/SaveSlotMenu.h"

// The slots, thumbnails and new-game start arrive with the save files; until then the screen is empty.

void LoadSaveSlotMenu(sf::RenderWindow&) {}
void HandleSaveSlotKey(sf::RenderWindow&, const sf::Event::KeyEvent&) {}
void HandleSaveSlotClick(sf::RenderWindow&) {}
void UpdateSaveSlotMenu() {}
void DrawSaveSlotMenu(sf::RenderWindow&) {}
void UnloadSaveSlotMenu() {}

void StartNewSave(sf::RenderWindow&, int32_t) {}
void ContinueSave(sf::RenderWindow&, int32_t) {}
void DeleteSaveSlot(int32_t) {}
