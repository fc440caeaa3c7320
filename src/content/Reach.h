#pragma once
// What the hero can reach (people to talk to, items to take, enemies close enough to fight), and the
// key prompt that stands over whatever friendly thing is in reach.

#include <SFML/Graphics/RenderWindow.hpp>

#include <cstdint>

#include "content/MapScene.h"

// Whether the hero's feet are within reach of an NPC (80 map pixels for an enemy, 20 otherwise);
// for anyone but an enemy the key prompt then stands over the NPC.
int32_t InNpcReach(MapScene& scene, const Npc& npc);
// Whether the hero's feet are within 20 map pixels of an item; the prompt then stands over it.
int32_t InItemReach(MapScene& scene, const MapItem& item);
// Whether the hero's feet are within the zone (a puzzle's hook, fire or fence); the prompt stands there.
bool InZone(MapScene& scene, const sf::FloatRect& zone);

void BuildInteractionPrompt(InteractionPrompt& prompt);
void DrawInteractionPrompt(sf::RenderWindow& window, const InteractionPrompt& prompt);
// Off every view, where the prompt waits while nothing is in reach.
void ParkInteractionPrompt(InteractionPrompt& prompt);
