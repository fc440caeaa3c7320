#pragma once
// The seven story pop-ups: narration the game opens by itself, paged with the ENTER binding.

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>

#include <array>

#include "content/Dialogue.h"

enum PopUpIndex : int32_t {
    POPUP_START = 0,
    POPUP_SAVE_SPRITI,
    POPUP_HOUSE_ON_FIRE,
    POPUP_SAVE_GROTO,
    POPUP_ENEMY_ON_BRIDGE,
    POPUP_BOSS_HERE,
    POPUP_END,
    POPUP_COUNT
};

struct PopUpDialogue {
    Dialogue dialogue;
    int32_t active = 0;
};

struct PopUps {
    std::array<PopUpDialogue, POPUP_COUNT> table;
};

extern PopUps gPopUps;

// Loads the pop-up's text, opens its first part already typing, and gives it the keys.
void OpenPopUp(int32_t index);
// ENTER advances each active pop-up, or closes it after its last part.
void HandlePopUpKey(const sf::Event::KeyEvent& keyEvent);
void UpdatePopUps(float dt);
void DrawPopUps(sf::RenderWindow& window);
void ResetPopUps();
