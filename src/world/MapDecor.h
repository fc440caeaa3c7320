#pragma once
// The animated decor standing on a map's named points: trees (burnt at night), fires, fishing bubbles,
// and a marker on every other point. Steps of reading a map, exposed for tests.

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <memory>
#include <string>
#include <vector>

// The decor pictures loaded so far. The trees are large sheets shared by most outdoor maps: they are
// decoded once per game, not at every door (the roaming screen keeps them while the game lasts).
struct DecorPictures {
    std::vector<std::string> paths;
    std::vector<std::unique_ptr<sf::Texture>> textures;
    // The darkness of the dark maps as it is before a torch lights it, decoded at the first dark map.
    sf::Image darkness;
};

struct MapState;

// Gives each point of the map its sprite and animation, each decor kind's picture loaded once (trees are
// burnt where the map says so).
void BuildMapDecor(MapState& map, DecorPictures& pictures);
// Orders the points by depth, so the scene can draw them top to bottom around the hero.
void SortMapPoints(MapState& map);
