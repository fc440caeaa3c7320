#pragma once
// A battle over the map it was met on, which it hides: the fighters, the HUD, the party's menus. Won,
// the victory is shown over it; lost, the game over.

#include <string>

#include "core/Screens.h"
#include "world/GameSession.h"
#include "world/MapLook.h"

class BattleScreen final : public Screen {
public:
    // battlePath: the enemy's battle file without ".txt"; look: the map it is fought on.
    BattleScreen(ScreenContext context, GameSession& session, const MapLook& look, std::string battlePath)
        : context_(context), session_(session), look_(look), battlePath_(std::move(battlePath)) {}
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
    GameSession& session_;
    MapLook look_;
    std::string battlePath_;
    bool over_ = false;
};
