#pragma once
// A map's content list (Map.txt): its NPC count and the names of the items lying on it.

#include <string>
#include <vector>

struct ContentList {
    int npcCount = 0;
    std::vector<std::string> itemNames;
};

bool ReadContentList(const char* mapName, ContentList& list);
