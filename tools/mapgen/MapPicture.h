#pragma once
// A review picture of a map at half size: its tile layers composited from the atlas painting (or, while
// the painting is missing, a flat colour per tile with the edges of paths and water marked), with the
// collision rectangles in red, triggers in yellow, spawn points in magenta and decor points in cyan.

#include <string>

#include "MapDraft.h"

// `atlasPath` may name a missing file: the flat colours stand in. Returns false when the picture
// cannot be saved.
bool SaveMapPicture(const MapDraft& map, const std::string& atlasPath, const std::string& outPath);
