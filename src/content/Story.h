#pragma once
// The story on the roaming screen: the merchant, the companions, the bed and the burning night, the
// forest's passage, the boss and the way home. It changes the session's story flags and tells the
// roaming screen what to do next (content/StoryTurn.h).

#include <SFML/Window/Event.hpp>

#include "content/MapScene.h"
#include "content/StoryTurn.h"
#include "world/GameSession.h"

// A key pressed while the hero roams the map, nothing over it.
StoryTurn HandleStoryKey(MapScene& scene, GameSession& session, const sf::Event::KeyEvent& keyEvent);
// Every roaming frame.
StoryTurn UpdateStory(MapScene& scene, GameSession& session);
