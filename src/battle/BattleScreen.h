#pragma once
// A battle over the map it was met on, which it hides: the fighters, the HUD, the party's menus. Won,
// the victory is shown over it; lost, the game over.

#include <string>

#include "core/Screens.h"

class BattleScreen final : public Screen {
public:
    // battlePath: the enemy's battle file without ".txt"; slot: the save a lost battle continues from.
    BattleScreen(ScreenContext context, std::string battlePath, int32_t slot)
        : context_(context), battlePath_(std::move(battlePath)), slot_(slot) {}
    ScreenKind Kind() const override { return SCREEN_BATTLE; }
    void Load() override;
    void Unload(Leaving how) override;
    void Key(const sf::Event::KeyEvent& key) override;
    void Update(float dt) override;
    // Under the victory, the fighters go on breathing.
    void UpdateBeneath(float dt) override;
    void Draw(sf::RenderWindow& window) override;
    MusicWish Music() const override { return MusicWish::BATTLE; }

private:
    ScreenContext context_;
    std::string battlePath_;
    int32_t slot_;
    bool over_ = false;
};
