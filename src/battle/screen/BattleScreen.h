#pragma once
// A battle over the map it was met on, which it hides: the rules at work, drawn as fighters, effects,
// floating numbers, the HUD and the party's menus. Won, the victory is shown over it; lost, the game over.

#include <string>

#include "battle/screen/BattleState.h"
#include "core/Screens.h"
#include "world/GameSession.h"
#include "world/MapLook.h"

class BattleScreen final : public Screen {
public:
    // battlePath: the enemy's battle file without ".txt"; look: the map it is fought on; sheets: the
    // game's battle pictures.
    BattleScreen(ScreenContext context, GameSession& session, const MapLook& look, std::string battlePath,
                 const BattleSheets& sheets)
        : context_(context),
          session_(session),
          look_(look),
          battlePath_(std::move(battlePath)),
          sheets_(sheets) {}
    ScreenKind Kind() const override { return SCREEN_BATTLE; }
    // StartBattle: the file read, the fighters built from the roster and the enemy kinds.
    void Load() override;
    void Key(const sf::Event::KeyEvent& key) override;
    // UpdateBattle: time for the rules, and what they tell turned into pictures and sounds.
    void Update(float dt) override;
    // Under the victory, the fighters go on breathing.
    void UpdateBeneath(float dt) override;
    // DrawBattleScene.
    void Draw(sf::RenderWindow& window) override;
    MusicWish Music() const override { return MusicWish::BATTLE; }

    Battle battle;

private:
    void Show(const std::vector<BattleEvent>& events);
    void Show(const BattleEvent& event);
    ScreenContext context_;
    GameSession& session_;
    MapLook look_;
    std::string battlePath_;
    const BattleSheets& sheets_;
    bool over_ = false;
};
