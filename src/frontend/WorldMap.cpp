#include "frontend/WorldMap.h"

#include "content/StoryMaps.h"
#include "core/Log.h"
#include "core/Pictures.h"
#include "core/Screen.h"
#include "core/SoundEffects.h"
#include "core/Text.h"
#include "world/MapLoading.h"
#include "world/MapLook.h"

namespace {

// The fixed keys of the world map, whatever the bindings say.
constexpr int32_t WORLD_KEY_NEXT = 3;       // D
constexpr int32_t WORLD_KEY_PREVIOUS = 16;  // Q
constexpr int32_t WORLD_KEY_TRAVEL = 58;    // Enter

struct LocationPlace {
    const char* name;
    float x;
    float y;
    std::array<int32_t, WORLD_LOCATION_COUNT> links;
};

constexpr int32_t WORLD_BRIDGE = 2;

// The three regions; locations 3 to 7 exist but can never be reached from them.
constexpr LocationPlace WORLD_PLACES[3] = {
    {MAP_VILLAGE, 626.0f, 713.0f, {1, 0, 1, 0, 0, 0, 0, 0}},
    {MAP_FOREST, 1300.0f, 450.0f, {0, 1, 1, 0, 0, 0, 0, 0}},
    {MAP_BRIDGE, 962.0f, 696.0f, {1, 1, 1, 0, 0, 0, 0, 0}},
};

void BuildLocation(WorldMap& map, int index) {
    WorldMapLocation& location = map.locations[static_cast<size_t>(index)];
    location.texture = map.markerTexture;
    location.sprite = sf::Sprite(location.texture);
    CentreOrigin(location.sprite);
    location.links.fill(0);
    location.links[0] = 1;
    location.links[static_cast<size_t>(index)] = 1;
    if (index < 3) {
        const LocationPlace& place = WORLD_PLACES[index];
        location.links = place.links;
        location.name = place.name;
        location.sprite.setPosition(place.x, place.y);
    }
}

// Steps the cursor one way until it lands on a place reachable from here, a sound per step.
void StepCursor(WorldMap& map, int32_t direction) {
    const auto& links = map.locations[static_cast<size_t>(map.here)].links;
    do {
        map.cursor = (map.cursor + direction + WORLD_LOCATION_COUNT) % WORLD_LOCATION_COUNT;
        PlaySoundEffect(SOUND_WORLD_STEP);
    } while (links[static_cast<size_t>(map.cursor)] != 1);
}

}  // namespace

void LoadWorldMap(WorldMap& map, const GameSession& session) {
    const int32_t marker = ReadMapLookOf(session.CurrentMap()).worldMapMarker;
    map.here = marker >= 0 && marker < WORLD_LOCATION_COUNT ? marker : 0;
    map.cursor = map.here;
    map.backgroundTexture.loadFromFile(WORLD_BACKGROUND);
    map.background = sf::Sprite(map.backgroundTexture);
    map.markerTexture.loadFromFile(WORLD_MARKER);
    map.selectedTexture.loadFromFile(WORLD_MARKER_SELECTED);
    for (int i = 0; i < WORLD_LOCATION_COUNT; ++i)
        BuildLocation(map, i);
    // The map's own pixels, through the same camera as the roaming maps; the first update shows it.
    gMainView = sf::View(sf::FloatRect(0.0f, 0.0f, MAP_VIEW_WIDTH, MAP_VIEW_HEIGHT));
    map.loaded = true;
}

void UpdateWorldMap(WorldMap& map, float dt, sf::RenderWindow& window) {
    if (!map.loaded) return;
    for (WorldMapLocation& location : map.locations)
        location.sprite.setTexture(map.markerTexture, true);
    WorldMapLocation& selected = map.locations[static_cast<size_t>(map.cursor)];
    selected.sprite.setTexture(map.selectedTexture, true);
    const sf::FloatRect bounds = selected.sprite.getGlobalBounds();
    const sf::Vector2f target(bounds.left + bounds.width * 0.5f, bounds.top + bounds.height * 0.5f);
    const sf::Vector2f centre = gMainView.getCenter();
    gMainView.move((target.x - centre.x) * 20.0f * dt, (target.y - centre.y) * 10.0f * dt);
    ApplyMainView(window);
}

void DrawWorldMap(sf::RenderWindow& window, const WorldMap& map) {
    if (!map.loaded) return;
    ApplyMainView(window);
    window.draw(map.background);
    for (const WorldMapLocation& location : map.locations)
        window.draw(location.sprite);
}

void WorldMapScreen::Key(const sf::Event::KeyEvent& keyEvent) {
    if (keyEvent.code == WORLD_KEY_NEXT) {
        StepCursor(map, +1);
    } else if (keyEvent.code == WORLD_KEY_PREVIOUS) {
        StepCursor(map, -1);
    } else if (keyEvent.code == WORLD_KEY_TRAVEL) {
        Travel();
    }
}

void WorldMapScreen::Travel() {
    if (map.cursor == map.here) {
        context_.requests.Pop();  // the map left is still loaded: play goes on where it stopped
        return;
    }
    const std::string chosen = map.locations[static_cast<size_t>(map.cursor)].name;
    // The story's later versions of a place, by where the hero comes from (the place's own property).
    const std::string destination = WorldMapArrival(chosen, session_.PreviousMap());
    if (destination != chosen) LogDebug("%s", map.cursor == WORLD_BRIDGE ? "bridge" : "village");
    std::string reason;
    if (!MapCanBeEntered(destination.c_str(), reason)) {
        // The journey does not start: the hero stays where he is and the save is untouched.
        LogDebug("Cannot travel to map %s: %s\n", destination.c_str(), reason.c_str());
        return;
    }
    map.here = map.cursor;
    LogDebug("setcurrentMap : %s\n", destination.c_str());
    travel_(destination);
    context_.requests.Pop();
}
