#pragma once
// The world map: one marker per region, travel between the ones reachable from where the hero came.

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Event.hpp>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/Screens.h"
#include "world/GameSession.h"

inline constexpr int WORLD_LOCATION_COUNT = 8;
inline constexpr const char* WORLD_MARKER = "Assets/Sprites/ChangeMap/Cursor.png";
inline constexpr const char* WORLD_MARKER_SELECTED =
    "Assets/Sprites/ChangeMap/Point de selection minimap.png";
inline constexpr const char* WORLD_BACKGROUND = "Assets/Sprites/ChangeMap/BackgroundMap.png";
inline constexpr const char* SOUND_WORLD_STEP = "Assets/Sounds/ChangeMap/ChangePos.wav";

struct WorldMapLocation {
    sf::Texture texture;  // its own copy of the marker
    sf::Sprite sprite;
    std::array<int32_t, WORLD_LOCATION_COUNT> links{};
    const char* name = nullptr;
};

struct WorldMap {
    std::array<WorldMapLocation, WORLD_LOCATION_COUNT> locations;
    sf::Texture markerTexture;
    sf::Texture selectedTexture;
    sf::Texture backgroundTexture;
    sf::Sprite background;
    int32_t here = 0;    // where the hero came from
    int32_t cursor = 0;  // the selected location
    bool loaded = false;
};

// The cursor on the marker of the map the hero came from (the map's own property).
void LoadWorldMap(WorldMap& map, const GameSession& session);
// The camera eases towards the selected marker, faster across than down.
void UpdateWorldMap(WorldMap& map, float dt, sf::RenderWindow& window);
void DrawWorldMap(sf::RenderWindow& window, const WorldMap& map);

// Over the roaming screen (which it hides): D and Q step between the places reachable from here,
// Enter travels. Choosing the place the hero came from goes back to it as it was; another place is
// handed to `travel` (the story's version of it, once the night has fallen), and the map goes.
class WorldMapScreen final : public Screen {
public:
    using TravelTo = std::function<void(const std::string& destination)>;
    WorldMapScreen(ScreenContext context, const GameSession& session, TravelTo travel)
        : context_(context), session_(session), travel_(std::move(travel)) {}
    ScreenKind Kind() const override { return SCREEN_WORLD_MAP; }
    void Load() override { LoadWorldMap(map, session_); }
    void Key(const sf::Event::KeyEvent& key) override;  // HandleWorldMapKey
    void Update(float dt) override { UpdateWorldMap(map, dt, context_.window); }
    void Draw(sf::RenderWindow& window) override { DrawWorldMap(window, map); }
    MusicWish Music() const override { return MusicWish::SILENCE; }

    WorldMap map;

private:
    void Travel();
    ScreenContext context_;
    const GameSession& session_;
    TravelTo travel_;
};
