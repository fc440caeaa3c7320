#pragma once
// Writes a map as Tiled JSON (the layout Tiled 1.8 itself exports: CSV data arrays, one embedded
// tileset) and its content list.

#include <string>

#include "MapDraft.h"

std::string TiledJson(const MapDraft& map);
// Writes <folder>/<map>/Map.json and Map.txt; returns false (after a message) when a file fails.
bool WriteMapFolder(const MapDraft& map, const std::string& mapsFolder);
