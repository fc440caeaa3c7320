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

#include "core/Screens.h"

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
    sf::Text place;  // where the save continues and how long it has been played, left of the thumbnail
    sf::Text time;
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
    // The slots whose folder exists (found when the menu opens; a deletion clears one).
    int32_t hasSave[SAVE_SLOT_COUNT] = {0, 0, 0};
};

// Finds the slots in use; false when there is none (Play then starts a new game in the first slot).
bool FindSaveSlots(SaveSlotMenu& menu);
// The three rows of the menu, built once some slot is in use.
void BuildSaveSlotScreen(SaveSlotMenu& menu);
// Puts a line of text under the slots (replacing the last one); the next key takes it away.
void ShowSlotMessage(SaveSlotMenu& menu, const std::string& text);
void UpdateSaveSlotMenu(SaveSlotMenu& menu);
void DrawSaveSlotMenu(sf::RenderWindow& window, const SaveSlotMenu& menu);

// The screen behind Play: it is left only by starting or continuing a game.
class SaveSlotScreen final : public Screen {
public:
    explicit SaveSlotScreen(ScreenContext context) : context_(context) {}
    ScreenKind Kind() const override { return SCREEN_SAVES; }
    // LoadSaveSlotMenu: with no slot in use, a new game in the first slot at once.
    void Load() override;
    void Key(const sf::Event::KeyEvent& key) override;                    // HandleSaveSlotKey
    void Click(sf::Vector2f pointer, sf::Mouse::Button button) override;  // HandleSaveSlotClick
    void Update(float) override { UpdateSaveSlotMenu(menu); }
    void Draw(sf::RenderWindow& window) override { DrawSaveSlotMenu(window, menu); }
    MusicWish Music() const override { return MusicWish::TITLE; }

    SaveSlotMenu menu;

private:
    void ChooseSlot(int slot);
    ScreenContext context_;
};
