#pragma once
// The battle file an enemy names: how many enemies, their kinds left to right, and the reward.
//
//   ENEMY COUNT 3
//   ENEMY TYPE [0,2,0]
//   MONEY EARNED 40

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

inline constexpr uint32_t MAX_ENEMIES = 10;
inline constexpr uint32_t MAX_MONEY_EARNED = 1000000;

struct BattleFile {
    uint32_t enemyCount = 0;
    std::vector<int32_t> enemyKinds;
    uint32_t moneyEarned = 0;
};

// Reads "<path>.txt". A file that cannot be opened, or that holds anything but 1 to 10 enemies of the
// kinds 0 (Knight), 1 (Boss) and 2 (Dog), one kind per enemy, and a reward, gives nothing and the fault
// in words.
std::optional<BattleFile> ReadBattleFile(const std::string& path, std::string& fault);
