#pragma once
// The seven story pop-ups: narration the game opens by itself, paged with the ENTER binding.

#include <cstdint>
#include <memory>

#include "content/Conversation.h"

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

// A pop-up's text, its first part already typing; ENTER pages on and closes it after its last part.
class PopUpConversation final : public Conversation {
public:
    explicit PopUpConversation(int32_t index);
    void Key(const sf::Event::KeyEvent& key) override;
    Dialogue* Shown() override { return open_ ? &dialogue_ : nullptr; }
    int32_t Index() const { return index_; }

private:
    int32_t index_;
    Dialogue dialogue_;
    bool open_ = false;
};

// The pop-up of that index (nothing for an index outside the seven).
std::unique_ptr<PopUpConversation> OpenPopUp(int32_t index);
