#pragma once
// The animated decor standing on a map's named points: trees (burnt at night), fires, fishing bubbles,
// and a marker on every other point. Steps of reading a map, exposed for tests.

#include <SFML/Graphics/Texture.hpp>

#include <memory>
#include <string>
#include <vector>

// The decor pictures loaded so far. The trees are large sheets shared by most outdoor maps: they are
// decoded once per game, not at every door.
struct DecorPictures {
    std::vector<std::string> paths;
    std::vector<std::unique_ptr<sf::Texture>> textures;
};

extern DecorPictures gDecorPictures;

// Gives each point of gMap its sprite and animation, each decor kind's picture loaded once.
void BuildMapDecor();
// Lets the decor pictures go (leaving the game).
void ReleaseDecorPictures();
// Orders the points by depth, so the scene can draw them top to bottom around the hero.
void SortMapPoints();
