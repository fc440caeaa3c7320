#include "content/Story.h"

#include "content/PopUps.h"
#include "core/GameState.h"
#include "world/StoryFlags.h"

namespace {

constexpr int32_t STORY_KEY_WORLD_MAP = 10;  // K, a fixed key: opens the world map's roads

}  // namespace

// The story's events (pop-ups, companions, the night) join this handler with the story's own work.
void HandleStoryKey(sf::RenderWindow&, const sf::Event::KeyEvent& keyEvent) {
    if (gStates.roamingOverlay == OVERLAY_DIALOGUE) HandlePopUpKey(keyEvent);
    if (keyEvent.code == STORY_KEY_WORLD_MAP) gStory.worldMapOpen = 1;
}

void UpdateStory(sf::RenderWindow&, float dt) {
    UpdatePopUps(dt);
}
