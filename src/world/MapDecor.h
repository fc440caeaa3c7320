#pragma once
// The animated decor standing on a map's named points: trees (burnt at night), fires, fishing bubbles,
// and a marker on every other point. Steps of reading a map, exposed for tests.

// Gives each point of gMap its sprite and animation, each decor kind's picture loaded once.
void BuildMapDecor();
// Orders the points by depth, so the scene can draw them top to bottom around the hero.
void SortMapPoints();
