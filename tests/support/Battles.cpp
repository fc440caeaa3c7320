#include "content/MapScene.h"
#include "support/Battles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "battle/BattleData.h"
#include "battle/BattleScreen.h"
#include "battle/BattleState.h"
#include "core/Screen.h"
#include "core/SoundEffects.h"
#include "support/Scenes.h"
#include "world/GameSession.h"

namespace {

constexpr int32_t KEY_UP = DefaultKeys::UP;
constexpr int32_t KEY_DOWN = DefaultKeys::DOWN;
constexpr int32_t KEY_RIGHT = DefaultKeys::RIGHT;
constexpr int32_t KEY_ENTER = DefaultKeys::ENTER;

void MoveCommandCursorTo(GameHarness& game, unsigned entry) {
    while (gBattle.menuCursor != entry)
        game.PressKey(KEY_DOWN);
}

}  // namespace

void BeginBattle(GameHarness& game, const char* map, const std::string& level, uint32_t partySize) {
    EnterMap(game, map, 2);
    GrowParty(game.Session(), partySize);
    game.Requests().Push(
        std::make_unique<BattleScreen>(game.Context(), game.Session(), game.Scene().map.look, level));
    game.Apply();
    game.Step(BATTLE_DT);
}

std::string WriteLevel(const std::string& name, const std::string& text) {
    std::filesystem::create_directories("Levels");
    std::ofstream("Levels/" + name + ".txt", std::ios::binary) << text;
    return "Levels/" + name;
}

std::string Level(const char* name) {
    return std::string("Assets/Text/Levels/") + name;
}

void PickTarget(GameHarness& game, unsigned index) {
    for (unsigned i = 0; i < index; ++i)
        game.PressKey(KEY_DOWN);
    game.PressKey(KEY_ENTER);
}

void ChooseAttack(GameHarness& game, unsigned target) {
    MoveCommandCursorTo(game, 0);
    game.PressKey(KEY_ENTER);
    PickTarget(game, target);
}

void ChooseSkill(GameHarness& game, unsigned entry, std::initializer_list<unsigned> targets) {
    MoveCommandCursorTo(game, 1);
    game.PressKey(KEY_ENTER);
    if (entry >= 2) game.PressKey(KEY_RIGHT);
    if (entry % 2 == 1) game.PressKey(KEY_DOWN);
    game.PressKey(KEY_ENTER);
    for (unsigned target : targets) {
        const unsigned from = gBattle.menuCursor;
        const size_t side = gBattle.menuColumn == 1 ? gBattle.enemies.size() : gBattle.party.size();
        for (unsigned moved = from; moved != target; moved = static_cast<unsigned>((moved + 1) % side))
            game.PressKey(KEY_DOWN);
        game.PressKey(KEY_ENTER);
    }
}

void ChoosePotion(GameHarness& game, unsigned pouchSlot, unsigned member) {
    MoveCommandCursorTo(game, 2);
    game.PressKey(KEY_ENTER);
    if (gBattle.menuCursor != pouchSlot) game.PressKey(KEY_UP);
    game.PressKey(KEY_ENTER);
    PickTarget(game, member);
}

bool WaitingForCommands() {
    return gBattle.started && gBattle.running &&
           gBattle.phase == PHASE_COMMAND && gBattle.currentTurn == 0;
}

void PlayOutRound(GameHarness& game) {
    for (int frame = 0; frame < 4000; ++frame) {
        if (game.Top() != SCREEN_BATTLE) return;
        if (gBattle.phase == PHASE_VICTORY) return;
        if (gBattle.phase == PHASE_ACTIONS) game.PressKey(sf::Keyboard::Space);
        game.Step(BATTLE_DT);
        if (WaitingForCommands()) return;
    }
}

namespace {

std::vector<uint32_t> Living(const std::vector<Combatant>& side) {
    std::vector<uint32_t> living;
    for (uint32_t i = 0; i < side.size(); ++i)
        if (side[i].state != STATE_DEAD) living.push_back(i);
    return living;
}

uint32_t Weakest(const std::vector<Combatant>& side) {
    const std::vector<uint32_t> living = Living(side);
    return *std::min_element(living.begin(), living.end(),
                             [&](uint32_t a, uint32_t b) { return side[a].hp < side[b].hp; });
}

uint32_t MostHurt(const std::vector<Combatant>& side) {
    const std::vector<uint32_t> living = Living(side);
    return *std::min_element(living.begin(), living.end(), [&](uint32_t a, uint32_t b) {
        return side[a].hp * side[b].maxHp < side[b].hp * side[a].maxHp;
    });
}

bool Low(const Combatant& member, int percent) {
    return member.hp * 100 < member.maxHp * percent;
}

int PouchSlotOf(int32_t itemId) {
    for (int slot = 0; slot < 2; ++slot) {
        const PouchSlot& held = gBattle.session->Pouch().slots[slot];
        if (held.itemId == itemId && held.count > 0) return slot;
    }
    return -1;
}

// A healing potion for whoever is badly hurt; a mana potion for the mage who ran dry.
bool TryPotion(GameHarness& game) {
    const uint32_t hurt = MostHurt(gBattle.party);
    const int hpSlot = PouchSlotOf(ITEM_HP_POTION);
    if (Low(gBattle.party[hurt], 40) && hpSlot >= 0) {
        ChoosePotion(game, static_cast<unsigned>(hpSlot), hurt);
        return true;
    }
    const Combatant& member = gBattle.party[gBattle.commandingMember];
    const int manaSlot = PouchSlotOf(ITEM_MANA_POTION);
    if (member.id == 2 && member.mana < 100 && manaSlot >= 0) {
        ChoosePotion(game, static_cast<unsigned>(manaSlot), gBattle.commandingMember);
        return true;
    }
    return false;
}

void CommandPell(GameHarness& game, const Combatant& pell) {
    const uint32_t weakest = Weakest(gBattle.enemies);
    if (Living(gBattle.enemies).size() >= 2 && pell.mana >= 50) {
        ChooseSkill(game, 1, {});
    } else if (pell.mana >= 25) {
        ChooseSkill(game, 0, {weakest, weakest});
    } else {
        ChooseAttack(game, weakest);
    }
}

void CommandSpriti(GameHarness& game, const Combatant& spriti) {
    const std::vector<uint32_t> fallen = [] {
        std::vector<uint32_t> dead;
        for (uint32_t i = 0; i < gBattle.party.size(); ++i)
            if (gBattle.party[i].state == STATE_DEAD) dead.push_back(i);
        return dead;
    }();
    int low = 0;
    for (const Combatant& member : gBattle.party)
        low += member.state != STATE_DEAD && Low(member, 60) ? 1 : 0;
    if (!fallen.empty() && spriti.mana >= 150) {
        ChooseSkill(game, 2, {fallen[0]});
    } else if (low >= 2 && spriti.mana >= 100) {
        ChooseSkill(game, 1, {});
    } else if (Low(gBattle.party[MostHurt(gBattle.party)], 60) && spriti.mana >= 50) {
        ChooseSkill(game, 0, {MostHurt(gBattle.party)});
    } else {
        ChooseAttack(game, Weakest(gBattle.enemies));
    }
}

void CommandGroto(GameHarness& game, const Combatant& groto) {
    std::vector<uint32_t> living = Living(gBattle.enemies);
    std::sort(living.begin(), living.end(),
              [](uint32_t a, uint32_t b) { return gBattle.enemies[a].hp < gBattle.enemies[b].hp; });
    if (groto.mana >= 150 && living.size() >= 2) {
        ChooseSkill(game, 1, {living[0], living[1]});  // the two weakest: a Knight falls to each bolt
    } else if (groto.mana >= 100) {
        const uint32_t strongest = *std::max_element(
            living.begin(), living.end(),
            [](uint32_t a, uint32_t b) { return gBattle.enemies[a].hp < gBattle.enemies[b].hp; });
        ChooseSkill(game, 0, {strongest});
    } else {
        ChooseAttack(game, Weakest(gBattle.enemies));
    }
}

}  // namespace

void CommandLikeAPlayer(GameHarness& game) {
    if (TryPotion(game)) return;
    const Combatant& member = gBattle.party[gBattle.commandingMember];
    if (member.id == 0) CommandPell(game, member);
    if (member.id == 1) CommandSpriti(game, member);
    if (member.id == 2) CommandGroto(game, member);
}

BattleEnd FightItOut(GameHarness& game, float frameDt, bool draw, const std::function<void()>& onCommands) {
    bool asked = false;
    for (int frame = 0; frame < 30 * 60 * 10; ++frame) {
        if (game.Shows(SCREEN_GAME_OVER)) return BattleEnd::LOST;
        if (game.Shows(SCREEN_VICTORY)) return BattleEnd::WON;
        if (!game.Shows(SCREEN_BATTLE)) return BattleEnd::UNENDED;
        if (WaitingForCommands()) {
            if (!asked && onCommands) onCommands();
            asked = true;
            CommandLikeAPlayer(game);
            continue;
        }
        if (gBattle.phase == PHASE_ACTIONS) game.PressKey(sf::Keyboard::Space);
        if (draw) {
            game.Step(frameDt);
        } else {
            game.Advance(frameDt);
            ResetSoundEffectPool();  // far faster than the sounds play: they would pile up
        }
    }
    return BattleEnd::UNENDED;
}
