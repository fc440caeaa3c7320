#include "battle/BattleFile.h"

#include <memory>

#include "battle/Fighters.h"
#include "core/Format.h"
#include "core/FormattedFile.h"
#include "core/Log.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::string Words(const char* format, uint32_t value) {
    char text[120];
    FormatText(text, sizeof text, format, value);
    return text;
}

bool ReadKinds(std::FILE* file, BattleFile& battle, std::string& fault) {
    char bracket[2] = {};
    if (ReadFormatted(file, "ENEMY TYPE %1[[]", bracket) != 1) {
        fault = "its ENEMY TYPE line is missing";
        return false;
    }
    battle.enemyKinds.assign(battle.enemyCount, -1);
    for (uint32_t i = 0; i < battle.enemyCount; ++i) {
        const bool last = i + 1 == battle.enemyCount;
        int32_t& kind = battle.enemyKinds[i];
        if (ReadFormatted(file, last ? "%d]\n" : "%d,", &kind) != 1) {
            fault = Words("its ENEMY TYPE line does not list a kind for enemy %u", i + 1);
            return false;
        }
        if (kind < 0 || kind >= ENEMY_KIND_COUNT) {
            fault = Words("enemy %u has a kind other than 0 (Knight), 1 (Boss) or 2 (Dog)", i + 1);
            return false;
        }
    }
    return true;
}

bool ReadBattle(std::FILE* file, BattleFile& battle, std::string& fault) {
    if (ReadFormatted(file, "ENEMY COUNT %u\n", &battle.enemyCount) != 1) {
        fault = "its ENEMY COUNT line is missing";
        return false;
    }
    if (battle.enemyCount == 0 || battle.enemyCount > MAX_ENEMIES) {
        fault = Words("its enemy count %u is not 1 to 10", battle.enemyCount);
        return false;
    }
    if (!ReadKinds(file, battle, fault)) return false;
    if (ReadFormatted(file, "MONEY EARNED %u\n", &battle.moneyEarned) != 1) {
        fault = "its MONEY EARNED line is missing";
        return false;
    }
    if (battle.moneyEarned > MAX_MONEY_EARNED) {
        fault = Words("its reward %u is more than 1000000", battle.moneyEarned);
        return false;
    }
    return true;
}

}  // namespace

std::optional<BattleFile> ReadBattleFile(const std::string& path, std::string& fault) {
    char name[100];
    std::unique_ptr<std::FILE, FileCloser> file;
    if (FormatText(name, sizeof name, "%s.txt", path.c_str()) >= 0) file.reset(std::fopen(name, "r"));
    if (!file) {
        LogDebug("Erreur d'ouverture du fichier Battle!\n");
        fault = "it cannot be opened";
        return std::nullopt;
    }
    BattleFile battle;
    if (!ReadBattle(file.get(), battle, fault)) return std::nullopt;
    return battle;
}
