#pragma once
// The save-slot menu behind Play: three rows of slot button, delete button and thumbnail, driven by the
// bindings and the mouse.

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Event.hpp>

#include <cstdint>
#include <string>

inline constexpr int32_t SAVE_SLOT_COUNT = 3;

// One row: the slot's button (New Save or Save N), its delete button, and its thumbnail when used.
struct SaveSlotEntry {
    sf::Texture buttonNormal;
    sf::Sprite button;
    sf::Texture buttonPressed;
    sf::Texture deleteNormal;
    sf::Sprite deleteButton;
    sf::Texture deletePressed;
    sf::Texture thumbnailTexture;
    sf::Sprite thumbnail;
    bool built = false;
};

struct SaveSlotMenu {
    int32_t cursor = 0;        // highlighted slot button
    int32_t column = 0;        // 0 the slot buttons, 1 the delete buttons
    int32_t deleteCursor = 0;  // highlighted delete button
    SaveSlotEntry slots[SAVE_SLOT_COUNT];
    sf::Texture backgroundTexture;
    sf::Sprite background;
    // Why the slot last chosen could not be continued; shown under the slots until the next key.
    sf::Font messageFont;
    sf::Text message;
    bool built = false;
    // Set for every slot folder found while the process runs; cleared only by a deletion.
    int32_t hasSave[SAVE_SLOT_COUNT] = {0, 0, 0};
};

extern SaveSlotMenu gSaveSlots;

// Finds the slots in use; with none, starts a new game in the first slot at once.
void LoadSaveSlotMenu(sf::RenderWindow& window);
// The three rows of the menu, built once some slot is in use.
void BuildSaveSlotScreen();
// Puts a line of text under the slots (replacing the last one); the next key takes it away.
void ShowSlotMessage(const std::string& text);
void HandleSaveSlotKey(sf::RenderWindow& window, const sf::Event::KeyEvent& keyEvent);
void HandleSaveSlotClick(sf::RenderWindow& window);
void UpdateSaveSlotMenu();
void DrawSaveSlotMenu(sf::RenderWindow& window);
void UnloadSaveSlotMenu();
