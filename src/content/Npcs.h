#pragma once
// The people standing on a map: each read from one small file, drawn as an animated sprite-sheet row,
// solid like a wall; they talk, fight, trade or join the party.

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "content/Dialogue.h"
#include "core/Animation.h"

inline constexpr int NPC_SHEET_COLUMNS = 7;
inline constexpr int NPC_SHEET_ROWS = 8;

enum NpcType : int32_t { NPC_TALK = 0, NPC_BATTLE = 1, NPC_MERCHANT = 2, NPC_COMPANION = 3 };

struct Npc {
    int32_t id = 0;  // its number in the map's content list: its file is PNJ<id + 1>.txt
    std::unique_ptr<sf::Texture> texture;  // behind a pointer: the list moves records, the sprite stays aimed
    sf::Sprite sprite;
    int32_t state = 0;  // the sheet row shown
    int32_t type = NPC_TALK;
    sf::FloatRect box;  // the solid footprint, recomputed every frame
    std::vector<Dialogue> dialogues;
    int32_t open = 0;
    int32_t currentDialogue = 0;
    std::array<SpriteSheetAnimation, NPC_SHEET_ROWS> animations;
    SpriteSheetAnimation currentAnimation;
    std::string battlePath;  // "Assets/Text/Levels/<name>" for an enemy, empty otherwise
};

struct NpcList {
    std::vector<Npc> npcs;
};

// Reads an NPC file into npc; a file that cannot be opened leaves the record as it was.
void LoadNpc(const char* path, Npc& npc);
void UpdateNpc(float dt, Npc& npc);
// The sprite, in the camera's view.
void DrawNpc(sf::RenderWindow& window, const Npc& npc);
// What the dialogue keys need of an NPC.
DialogueOwner OwnerOf(Npc& npc);
