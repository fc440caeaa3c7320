#pragma once
// The save-slot menu behind Play: three slots to start, continue or delete a game.

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>

#include <cstdint>

inline constexpr int32_t SAVE_SLOT_COUNT = 3;

struct SaveSlotMenu {
    // Set for every slot folder found while the process runs; cleared only by a deletion.
    int32_t hasSave[SAVE_SLOT_COUNT] = {0, 0, 0};
};

extern SaveSlotMenu gSaveSlots;

void LoadSaveSlotMenu(sf::RenderWindow& window);
void HandleSaveSlotKey(sf::RenderWindow& window, const sf::Event::KeyEvent& keyEvent);
void HandleSaveSlotClick(sf::RenderWindow& window);
void UpdateSaveSlotMenu();
void DrawSaveSlotMenu(sf::RenderWindow& window);
void UnloadSaveSlotMenu();

void StartNewSave(sf::RenderWindow& window, int32_t slot);
void ContinueSave(sf::RenderWindow& window, int32_t slot);
void DeleteSaveSlot(int32_t slot);
