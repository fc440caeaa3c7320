#include "frontend/WorldMap.h"

#include "core/GameStates.h"
#include "core/Log.h"
#include "core/Pictures.h"
#include "core/Screen.h"
#include "core/SoundEffects.h"
#include "core/StateMachine.h"
#include "core/Text.h"
#include "frontend/RoamingScreen.h"
#include "world/GameSession.h"
#include "world/MapLoading.h"
#include "world/MapNames.h"
#include "world/SaveFiles.h"

WorldMap gWorldMap;

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

// The three regions; locations 3 to 7 exist but can never be reached from them.
constexpr LocationPlace WORLD_PLACES[3] = {
    {"GoblinVillage", 626.0f, 713.0f, {1, 0, 1, 0, 0, 0, 0, 0}},
    {"ForestNight", 1300.0f, 450.0f, {0, 1, 1, 0, 0, 0, 0, 0}},
    {"Bridge", 962.0f, 696.0f, {1, 1, 1, 0, 0, 0, 0, 0}},
};

void BuildLocation(int index) {
    WorldMapLocation& location = gWorldMap.locations[static_cast<size_t>(index)];
    location.texture = gWorldMap.markerTexture;
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
void StepCursor(int32_t direction) {
    const auto& links = gWorldMap.locations[static_cast<size_t>(gWorldMap.here)].links;
    do {
        gWorldMap.cursor = (gWorldMap.cursor + direction + WORLD_LOCATION_COUNT) % WORLD_LOCATION_COUNT;
        PlaySoundEffect(SOUND_WORLD_STEP);
    } while (links[static_cast<size_t>(gWorldMap.cursor)] != 1);
}

// The story's later versions of a place, by where the hero comes from.
void SubstituteDestination(char* destination, size_t size) {
    const char* arrival = WorldMapArrival(destination, gSession.previousMapName);
    if (arrival == destination) return;
    LogDebug("%s", Contains(arrival, "Bridge") ? "bridge" : "village");
    FormatText(destination, size, "%s", arrival);
}

void Travel(sf::RenderWindow& window) {
    if (gWorldMap.cursor == gWorldMap.here) {
        SetGameScreen(SCREEN_ROAMING);  // the map left is still loaded: play goes on where it stopped
        return;
    }
    char destination[100];
    FormatText(destination, sizeof destination, "%s",
               gWorldMap.locations[static_cast<size_t>(gWorldMap.cursor)].name);
    SubstituteDestination(destination, sizeof destination);
    std::string reason;
    if (!MapCanBeEntered(destination, reason)) {
        // The journey does not start: the hero stays where he is and the save is untouched.
        LogDebug("Cannot travel to map %s: %s\n", destination, reason.c_str());
        return;
    }
    gWorldMap.here = gWorldMap.cursor;
    LogDebug("setcurrentMap : %s\n", destination);
    SetCurrentMapName(destination);
    OpenSaveBatch();  // the map left and the destination in one write
    UnloadRoamingScreen(window);
    SetGameScreen(SCREEN_ROAMING);
    LoadRoamingScreen(window);
    if (!CommitSaveBatch()) LogDebug("Cannot write %s: the previous save is kept\n", SaveFilePath().c_str());
}

}  // namespace

void LoadWorldMap() {
    gWorldMap.here = WorldMapLocationOf(gSession.currentMapName);
    gWorldMap.cursor = gWorldMap.here;
    gWorldMap.backgroundTexture.loadFromFile(WORLD_BACKGROUND);
    gWorldMap.background = sf::Sprite(gWorldMap.backgroundTexture);
    gWorldMap.markerTexture.loadFromFile(WORLD_MARKER);
    gWorldMap.selectedTexture.loadFromFile(WORLD_MARKER_SELECTED);
    for (int i = 0; i < WORLD_LOCATION_COUNT; ++i)
        BuildLocation(i);
    // The map's own pixels, through the same camera as the roaming maps; the first update shows it.
    gMainView = sf::View(sf::FloatRect(0.0f, 0.0f, MAP_VIEW_WIDTH, MAP_VIEW_HEIGHT));
    gWorldMap.loaded = true;
}

void HandleWorldMapKey(sf::RenderWindow& window, const sf::Event::KeyEvent& keyEvent) {
    if (keyEvent.code == WORLD_KEY_NEXT) {
        StepCursor(+1);
    } else if (keyEvent.code == WORLD_KEY_PREVIOUS) {
        StepCursor(-1);
    } else if (keyEvent.code == WORLD_KEY_TRAVEL) {
        Travel(window);
    }
}

// The camera eases towards the selected marker, faster across than down.
void UpdateWorldMap(float dt, sf::RenderWindow& window) {
    if (!gWorldMap.loaded) return;
    for (WorldMapLocation& location : gWorldMap.locations)
        location.sprite.setTexture(gWorldMap.markerTexture, true);
    WorldMapLocation& selected = gWorldMap.locations[static_cast<size_t>(gWorldMap.cursor)];
    selected.sprite.setTexture(gWorldMap.selectedTexture, true);
    const sf::FloatRect bounds = selected.sprite.getGlobalBounds();
    const sf::Vector2f target(bounds.left + bounds.width * 0.5f, bounds.top + bounds.height * 0.5f);
    const sf::Vector2f centre = gMainView.getCenter();
    gMainView.move((target.x - centre.x) * 20.0f * dt, (target.y - centre.y) * 10.0f * dt);
    ApplyMainView(window);
}

void DrawWorldMap(sf::RenderWindow& window) {
    if (!gWorldMap.loaded) return;
    window.draw(gWorldMap.background);
    for (const WorldMapLocation& location : gWorldMap.locations)
        window.draw(location.sprite);
}

void ReleaseWorldMap() {
    gWorldMap = WorldMap{};
}
