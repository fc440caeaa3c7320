#include "battle/screen/Combatants.h"

namespace {

struct AnimationRow {
    uint32_t frames = 0;
    int top = 0;
    uint32_t framesPerSecond = 8;
};

struct Look {
    const char* sheet = nullptr;
    sf::Vector2i frame;
    std::array<AnimationRow, ANIMATION_SLOTS> rows;
};

// clang-format off
const Look PARTY_LOOKS[ROSTER_SIZE] = {
    {"Assets/Sprites/Battle/Mate/Pell.png", {64, 64},
     {{{8, 0}, {6, 64}, {12, 128, 10}, {11, 192}, {0, 0}, {0, 0}, {9, 256}, {0, 0}}}},
    {"Assets/Sprites/Battle/Mate/Spirit.png", {64, 64},
     {{{11, 0}, {14, 64}, {6, 128}, {6, 192}, {0, 0}, {0, 0}, {14, 320}, {0, 0}}}},
    {"Assets/Sprites/Battle/Mate/Mate1.png", {64, 64},
     {{{9, 0}, {12, 64}, {9, 128}, {14, 192}, {0, 0}, {0, 0}, {13, 256}, {0, 0}}}},
    {"Assets/Sprites/Battle/Mate/Green.png", {64, 64},
     {{{1, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}}},
};

const Look ENEMY_LOOKS[ENEMY_KIND_COUNT] = {
    {"Assets/Sprites/Battle/Enemy/Enemy1.png", {64, 128},
     {{{7, 0}, {11, 128}, {10, 256}, {12, 384}, {2, 512, 2}, {0, 0}, {0, 0}, {0, 0}}}},
    {"Assets/Sprites/Battle/Enemy/Boss.png", {256, 128},
     {{{17, 0}, {12, 128}, {10, 256}, {10, 384}, {0, 0}, {14, 512}, {21, 640}, {13, 768}}}},
    {"Assets/Sprites/Battle/Enemy/Dogo.png", {64, 64},
     {{{9, 0}, {9, 64}, {7, 128}, {8, 192}, {2, 256, 2}, {0, 0}, {0, 0}, {0, 0}}}},
};
// clang-format on

const Look& LookOf(const Fighter& fighter) {
    return fighter.enemy ? ENEMY_LOOKS[fighter.id] : PARTY_LOOKS[fighter.id];
}

}  // namespace

void DecodeFighterSheets(BattleSheetPictures& pictures) {
    for (size_t i = 0; i < ROSTER_SIZE; ++i)
        pictures.party[i].loadFromFile(PARTY_LOOKS[i].sheet);
    for (size_t kind = 0; kind < ENEMY_KIND_COUNT; ++kind)
        pictures.enemies[kind].loadFromFile(ENEMY_LOOKS[kind].sheet);
}

FighterView MakeFighterView(const Fighter& fighter, const BattleSheets& sheets) {
    FighterView view;
    const Look& look = LookOf(fighter);
    for (size_t row = 0; row < look.rows.size(); ++row) {
        SpriteSheetAnimation& animation = view.animations[row];
        animation.frameCount = look.rows[row].frames;
        animation.framesPerSecond = look.rows[row].framesPerSecond;
        animation.frameRect = {0, look.rows[row].top, look.frame.x, look.frame.y};
        animation.loop = (row == ANIM_IDLE || row == ANIM_PARALYSED) ? 1 : 0;
    }
    const auto index = static_cast<size_t>(fighter.id);
    view.sprite.setTexture(fighter.enemy ? sheets.enemies[index] : sheets.party[index]);
    view.sprite.setTextureRect(view.animations[ANIM_IDLE].frameRect);
    return view;
}

sf::Vector2i FrameSize(const Fighter& fighter) {
    return LookOf(fighter).frame;
}
