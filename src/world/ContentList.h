#pragma once
// A map's content list (Map.txt): its NPC count and the names of the items lying on it.

#include <string>
#include <vector>

// No map holds more NPCs or more items than this; a list counting more is refused as damaged.
inline constexpr int MAX_CONTENT_COUNT = 100;

struct ContentList {
    int npcCount = 0;
    std::vector<std::string> itemNames;
};

// "Assets/Text/Maps/<map>/Map.txt".
std::string ContentListPath(const char* mapName);
// False (and logged) when the file is missing or its counts are out of range.
bool ReadContentList(const char* mapName, ContentList& list);
