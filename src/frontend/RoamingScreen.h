#pragma once
// The roaming screen: walking a map, its doors and its per-frame order of work. It is the bottom of a
// game's stack: the battle, the world map, the pause menu and the overlays (inventory, dialogues and
// pop-ups, shop, fishing, fish collection) are pushed over it and close back onto it.

#include <SFML/Graphics/RenderWindow.hpp>

#include <future>
#include <memory>
#include <string>

#include "battle/screen/BattleState.h"
#include "content/MapScene.h"
#include "content/StoryTurn.h"
#include "core/Screens.h"
#include "world/GameSession.h"

enum class GameStart { NEW_GAME, CONTINUED };

class RoamingScreen final : public Screen {
public:
    // The game of `session`, on its current map. NEW_GAME opens the Start pop-up over the bedroom and
    // writes the slot's first thumbnail.
    RoamingScreen(ScreenContext context, std::unique_ptr<GameSession> session, GameStart start)
        : context_(context), session_(std::move(session)), start_(start) {}
    ScreenKind Kind() const override { return SCREEN_ROAMING; }
    // Entering the game: the battle's sheets, the pouch, the hero, the map.
    void Load() override;
    // Leaving the game: saves the map left when asked to (Exit to menu), then lets everything go.
    void Unload(Leaving how) override;
    // Back on top: a journey chosen on the world map is made now.
    void Reveal() override;
    void Key(const sf::Event::KeyEvent& key) override { HandleRoamingKey(key); }
    void Update(float dt) override { UpdateRoaming(dt); }
    // The player looked away: the pause menu waits for them, as ESCAPE opens it.
    void FocusLost() override;
    void TimePasses(float dt) override;
    // Under an overlay the map lives on (people, decor, clouds, the hero's animation) but nobody moves.
    void UpdateBeneath(float dt) override;
    void Draw(sf::RenderWindow& window) override;
    MusicWish Music() const override { return MusicWish::ROAMING; }

    // The map left is saved and the new one loaded with the hero on its point named after the map left,
    // in one write of the save; a map that cannot be entered leaves the hero where he is. For the
    // night, the inventory is emptied first.
    void ChangeMap(const std::string& destination, bool emptyInventory = false);
    // The world map over this screen, as the "MAP" trigger opens it once the roads are open.
    void OpenWorldMap();

    GameSession& Session() { return *session_; }
    MapScene& Scene() { return *scene_; }
    // The battle sheets, made into textures now if their pictures are still being decoded, with the
    // background of a battle on this map.
    const BattleSheets& Sheets();

private:
    void HandleRoamingKey(const sf::Event::KeyEvent& key);
    void UpdateRoaming(float dt);
    // LoadRoamingScreen: a fresh scene of the session's current map (its people and items, puzzles,
    // clouds, the hero on his point, the camera), the last one let go as a whole.
    void BuildScene(sf::Vector2f standing);
    void Animate(float dt);
    void WriteThumbnail();
    // The battle sheets' pictures, once decoded, made into textures (at once if still being decoded).
    void FinishSheets();
    // What the story or a puzzle asked for: a conversation, a move, a pop-up.
    void Act(StoryTurn turn);
    // True when an enemy in reach started its battle (the others wait for another frame).
    bool UpdateMapNpcs(float dt);
    void HandleTriggers();
    bool TalkToNpcs(const sf::Event::KeyEvent& key, bool& near);
    bool PickUpInReach(const sf::Event::KeyEvent& key, bool& near);

    ScreenContext context_;
    std::unique_ptr<GameSession> session_;
    std::unique_ptr<MapScene> scene_;
    DecorPictures pictures_;                      // the decor's pictures, decoded once for the whole game
    std::unique_ptr<BattleSheets> battleSheets_;  // the fighters' and effects' sheets, loaded with the game
    // Their pictures, decoded by a worker while the game's first frames show: no battle comes that soon.
    std::future<BattleSheetPictures> sheetPictures_;
    GameStart start_;
    bool loaded_ = false;
    std::string pendingTravel_;  // the world map's destination, made when it closes
};

// The roaming scene as the player sees it, in the camera's view (also the slot's thumbnail).
void DrawRoamingScreen(sf::RenderWindow& window, MapScene& scene, const GameSession& session);
