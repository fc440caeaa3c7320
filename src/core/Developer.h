#pragma once
// The developer's keys (win a battle at once, open every road, fill every bucket) exist only in a game
// started with --developer, and in the test harness. The player's game ignores them, so a player may
// bind any of those letters to a move.

bool DeveloperKeysOn();
void EnableDeveloperKeys(bool on);
