#pragma once
// The text of a slot's save.txt beyond its head (world/SaveFormat): one section per visited map
// ("Map : <name>") holding the flag lines of its NPCs and items.

#include <string>

#include "world/GameSession.h"

// The rewritten text of a save: the session's head for mapName, then every section as it was, mapName's
// flags replaced by flagLines. Pure, so the format can be checked byte for byte.
std::string RewriteSaveText(const GameSession& session, const std::string& oldText,
                            const std::string& mapName, const std::string& flagLines);
// Whether a line (with or without its feed) is exactly the header of map's section, so the sections of
// GoblinVillage and GoblinVillageBurn are told apart.
bool IsSectionHeaderOf(const std::string& line, const std::string& map);

// The first step of every map load: a new first line naming the current map, or, for a new game, a new
// file (the story starts over with it).
void PrepareSaveHeader(GameSession& session);
// Whether save.txt already holds the section of the current map.
bool HasMapSection(GameSession& session);
