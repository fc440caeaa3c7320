#include "support/Battles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "battle/screen/BattleScreen.h"
#include "battle/screen/BattleState.h"
#include "core/Screen.h"
#include "core/SoundEffects.h"
#include "frontend/RoamingScreen.h"
#include "support/Scenes.h"
#include "world/GameSession.h"

namespace {

constexpr int32_t KEY_UP = DefaultKeys::UP;
constexpr int32_t KEY_DOWN = DefaultKeys::DOWN;
constexpr int32_t KEY_RIGHT = DefaultKeys::RIGHT;
constexpr int32_t KEY_ENTER = DefaultKeys::ENTER;

void MoveCommandCursorTo(GameHarness& game, unsigned entry) {
    while (TheBattle(game).menuCursor != entry)
        game.PressKey(KEY_DOWN);
}

}  // namespace

void BeginBattle(GameHarness& game, const char* map, const std::string& level, uint32_t partySize) {
    EnterMap(game, map, 2);
    GrowParty(game.Session(), partySize);
    game.Requests().Push(std::make_unique<BattleScreen>(game.Context(), game.Session(), game.Scene().map.look,
                                                        level, game.Find<RoamingScreen>()->Sheets()));
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

void ChooseSkill(GameHarness& game, unsigned entry, const std::vector<uint32_t>& targets) {
    MoveCommandCursorTo(game, 1);
    game.PressKey(KEY_ENTER);
    if (entry >= 2) game.PressKey(KEY_RIGHT);
    if (entry % 2 == 1) game.PressKey(KEY_DOWN);
    game.PressKey(KEY_ENTER);
    for (unsigned target : targets) {
        const Battle& battle = TheBattle(game);
        const unsigned from = battle.menuCursor;
        const size_t side = battle.menuColumn == 1 ? battle.enemies.size() : battle.party.size();
        for (unsigned moved = from; moved != target; moved = static_cast<unsigned>((moved + 1) % side))
            game.PressKey(KEY_DOWN);
        game.PressKey(KEY_ENTER);
    }
}

void ChoosePotion(GameHarness& game, unsigned pouchSlot, unsigned member) {
    MoveCommandCursorTo(game, 2);
    game.PressKey(KEY_ENTER);
    if (TheBattle(game).menuCursor != pouchSlot) game.PressKey(KEY_UP);
    game.PressKey(KEY_ENTER);
    PickTarget(game, member);
}

bool WaitingForCommands(GameHarness& game) {
    const BattleScreen* screen = game.Find<BattleScreen>();
    if (screen == nullptr) return false;
    const Battle& battle = screen->battle;
    return battle.started && battle.running && battle.phase == PHASE_COMMAND &&
           Stage(battle.rules) == BattleStage::COMMANDS;
}

void PlayOutRound(GameHarness& game) {
    for (int frame = 0; frame < 4000; ++frame) {
        if (game.Top() != SCREEN_BATTLE) return;
        if (TheBattle(game).phase == PHASE_VICTORY) return;
        if (TheBattle(game).phase == PHASE_ACTIONS) game.PressKey(sf::Keyboard::Space);
        game.Step(BATTLE_DT);
        if (WaitingForCommands(game)) return;
    }
}

Battle& TheBattle(GameHarness& game) {
    return game.Find<BattleScreen>()->battle;
}

void PressChoice(GameHarness& game, const PartyChoice& choice) {
    const Battle& battle = TheBattle(game);
    if (choice.skill == SKILL_ATTACK) return ChooseAttack(game, choice.targets.at(0));
    if (choice.skill == SKILL_HP_POTION || choice.skill == SKILL_MANA_POTION) {
        const ItemPouch& pouch = battle.rules.session->Pouch();
        const unsigned slot = pouch.slots[0].itemId == choice.skill ? 0 : 1;
        return ChoosePotion(game, slot, choice.targets.at(0));
    }
    const Fighter& member = battle.rules.party[battle.rules.commandingMember];
    unsigned entry = 0;
    while (entry < SKILL_SLOTS && member.slots[entry].id != choice.skill)
        ++entry;
    // The skills that take a whole side ask for no target.
    const bool hitsAll = member.slots[entry].hitsAll != 0;
    std::vector<uint32_t> targets = hitsAll ? std::vector<uint32_t>{} : choice.targets;
    ChooseSkill(game, entry, targets);
}

void CommandLikeAPlayer(GameHarness& game) {
    PressChoice(game, ChooseLikeAPlayer(TheBattle(game).rules));
}

BattleEnd FightItOut(GameHarness& game, float frameDt, bool draw, const std::function<void()>& onCommands) {
    bool asked = false;
    for (int frame = 0; frame < 30 * 60 * 10; ++frame) {
        if (game.Shows(SCREEN_GAME_OVER)) return BattleEnd::LOST;
        if (game.Shows(SCREEN_VICTORY)) return BattleEnd::WON;
        if (!game.Shows(SCREEN_BATTLE)) return BattleEnd::UNENDED;
        if (WaitingForCommands(game)) {
            if (!asked && onCommands) onCommands();
            asked = true;
            CommandLikeAPlayer(game);
            continue;
        }
        if (TheBattle(game).phase == PHASE_ACTIONS) game.PressKey(sf::Keyboard::Space);
        if (draw) {
            game.Step(frameDt);
        } else {
            game.Advance(frameDt);
            ResetSoundEffectPool();  // far faster than the sounds play: they would pile up
        }
    }
    return BattleEnd::UNENDED;
}
