#include "battle/screen/BattleLayout.h"

#include "battle/screen/BattleState.h"
#include "battle/screen/Combatants.h"

namespace {

sf::Vector2f PartyHome(const HomeRequest& r, float w, float h, float o) {
    const float i = static_cast<float>(r.index);
    const float zigzag = 100.0f * static_cast<float>(r.index % 2);
    switch (r.count) {
        case 1:
            return {BATTLE_W / 5 - zigzag + w, BATTLE_H / 4 + o + 2 * h};
        case 2:
            return {BATTLE_W / 5 - 100 + w, BATTLE_H / 4 + o + 200 * i + 2 * h};
        case 3:
            return {BATTLE_W / 5 - zigzag + w, BATTLE_H / 5 + o + 150 * i + 2 * h};
        default:
            return {BATTLE_W / 5 - zigzag + w, BATTLE_H / 5 + o + 100 * i + 2 * h};
    }
}

sf::Vector2f EnemyHome(const HomeRequest& r, float w, float h, float o) {
    const float i = static_cast<float>(r.index);
    const float n = static_cast<float>(r.count);
    if (r.count == 1) return {3 * BATTLE_W / 5 + w, BATTLE_H / 4 + o + 2 * h};
    if (r.count == 2) return {3 * BATTLE_W / 5 - 100 + w, BATTLE_H / 6 + o + 200 * i + 2 * h};
    const float base = r.boss ? 2 * BATTLE_W / 3 : 3 * BATTLE_W / 5;
    const float zigzag = 20 * n * static_cast<float>(r.index % 2);
    return {25 * i + base - 150 - zigzag + w, (187 - 17 * n) * i + BATTLE_H / 7 + o + 130 - 8 * n + h};
}

FighterView Place(const Battle& battle, const Fighter& fighter, uint32_t index, uint32_t count) {
    FighterView view = MakeFighterView(fighter, *battle.sheets);
    HomeRequest request;
    request.enemy = fighter.enemy;
    request.count = count;
    request.index = index;
    request.frame = FrameSize(fighter);
    request.boss = IsBoss(fighter);
    request.groundDrop = static_cast<float>(battle.groundDrop);
    view.home = HomePosition(request);

    const sf::Vector2f frame(static_cast<float>(request.frame.x), static_cast<float>(request.frame.y));
    view.sprite.setOrigin(request.boss ? frame.x * 0.75f : frame.x * 0.5f, frame.y);
    const float scale = request.boss ? BOSS_SCALE : BATTLE_SCALE;
    view.sprite.setScale(scale, scale);
    view.sprite.setPosition(view.home);
    view.currentAnimation = ANIM_IDLE;
    for (SpriteSheetAnimation& animation : view.animations) {
        animation.sprite = nullptr;  // aimed at the sprite each time it steps: records move
        RestartAnimation(animation);
    }
    return view;
}

}  // namespace

sf::Vector2f HomePosition(const HomeRequest& request) {
    const float w = static_cast<float>(request.frame.x);
    const float h = static_cast<float>(request.frame.y);
    const float o = request.groundDrop;
    return request.enemy ? EnemyHome(request, w, h, o) : PartyHome(request, w, h, o);
}

void CreateCombatantSprites(Battle& battle) {
    const uint32_t enemies = static_cast<uint32_t>(battle.rules.enemies.size());
    const uint32_t members = static_cast<uint32_t>(battle.rules.party.size());
    battle.enemies.clear();
    battle.party.clear();
    for (uint32_t i = 0; i < enemies; ++i)
        battle.enemies.push_back(Place(battle, battle.rules.enemies[i], i, enemies));
    for (uint32_t i = 0; i < members; ++i)
        battle.party.push_back(Place(battle, battle.rules.party[i], i, members));
}
