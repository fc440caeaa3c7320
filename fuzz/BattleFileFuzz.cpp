// Feeds arbitrary bytes to the game as a battle file (Assets/Text/Levels/<name>.txt): a file it takes
// holds 1 to 10 enemies of the three kinds and a reward of at most a million, and the battle it starts
// is fought to an end, won or lost, by a party that attacks the first enemy standing; a file it refuses
// says why in words.
#include <cstddef>
#include <cstdint>

#include "FuzzFolder.h"
#include "battle/BattleFile.h"
#include "battle/BattleRules.h"
#include "battle/Fighters.h"
#include "core/Random.h"
#include "world/GameSession.h"

namespace {

constexpr int MOST_STEPS = 100000;

uint32_t FirstStanding(const std::vector<Fighter>& enemies) {
    for (uint32_t i = 0; i < enemies.size(); ++i)
        if (enemies[i].state != STATE_DEAD) return i;
    return 0;
}

bool FightsToAnEnd(BattleRules& rules) {
    for (int step = 0; step < MOST_STEPS; ++step) {
        switch (Stage(rules)) {
            case BattleStage::WON:
            case BattleStage::LOST:
                return true;
            case BattleStage::COMMANDS:
                if (!ChooseCommand(rules, SKILL_ATTACK, {FirstStanding(rules.enemies)})) return false;
                break;
            case BattleStage::ACTIONS:
                HurryTurn(rules);
                AdvanceBattle(rules, 1.0f / 30.0f);
                break;
        }
        rules.events.clear();
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EnterFuzzFolder("battle-file");
    WriteFuzzInput("Assets/Text/Levels/Fuzz.txt", data, size);
    std::string fault;
    const std::optional<BattleFile> file = ReadBattleFile("Assets/Text/Levels/Fuzz", fault);
    if (!file) {
        Check(!fault.empty());
        return 0;
    }
    Check(file->enemyCount >= 1 && file->enemyCount <= MAX_ENEMIES);
    Check(file->enemyKinds.size() == file->enemyCount && file->moneyEarned <= MAX_MONEY_EARNED);
    for (const int32_t kind : file->enemyKinds)
        Check(kind >= 0 && kind < ENEMY_KIND_COUNT);
    SeedRandom(1);  // the same input fights the same battle
    GameSession session;
    BattleRules rules;
    StartRules(rules, session, *file);
    Check(FightsToAnEnd(rules));
    return 0;
}
