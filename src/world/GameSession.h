#pragma once
// One played game: where the hero is, the save slot it is written to, the gold, the carried items, the
// battle pouch, the story's progress, the party, the fish caught and the forest's fences. Everything
// changes through the operations below, which keep the game's rules: the gold never passes what a save
// holds, the inventory holds twenty things, a companion joins once, potions go into the pouch by one rule.
// A new game and a continued game each begin with a session of their own.

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "world/SaveFiles.h"
#include "world/StoryFlags.h"

inline constexpr int MAP_NAME_SIZE = 30;  // 29 characters and the terminator
inline constexpr int PREVIOUS_NAME_SIZE = 100;
inline constexpr int INVENTORY_PLACES = 20;
inline constexpr int FISH_KINDS = 9;
inline constexpr uint32_t MAX_PARTY_SIZE = 4;  // the roster
inline constexpr int FOREST_FENCES = 5;
inline constexpr int32_t MOST_GOLD = std::numeric_limits<int32_t>::max();  // what a save's Gold line holds
inline constexpr int32_t MOST_SECONDS_PLAYED = std::numeric_limits<int32_t>::max();

enum ItemId : int32_t { ITEM_HP_POTION = 12, ITEM_MANA_POTION = 13, ITEM_NONE = 14 };

struct PouchSlot {
    int32_t itemId = ITEM_NONE;
    uint16_t count = 0;
};

// The two potion slots of the battle inventory.
struct ItemPouch {
    PouchSlot slots[2];
};

// What the puzzles remember for the whole game but the save does not keep.
struct PuzzleProgress {
    bool decoyBuilt = false;
    bool forestCleared = false;  // both fires out and every fence down: the forest's puzzle is over
};

class GameSession {
public:
    // No game: the program before the first game, or a slot's session before its save is read.
    explicit GameSession(int32_t slot = 0);

    const char* CurrentMap() const { return currentMapName_; }
    const char* PreviousMap() const { return previousMapName_; }
    int32_t Slot() const { return slot_; }
    // Makes name the current map. A name too long for a map name is refused with a message instead of
    // being cut into the name of another map; returns whether the name was taken.
    bool SetCurrentMap(const char* name);
    void SetPreviousMap(const char* name);
    SaveFile& Save() { return save_; }

    int32_t Gold() const { return gold_; }
    // Gold in, up to what a save holds; negative amounts are not earnings and change nothing.
    void EarnGold(int64_t amount);
    // Gold out; false (nothing taken) when there is not enough.
    bool SpendGold(int32_t amount);

    // The carried items' names, place 0 first.
    const std::vector<std::string>& Inventory() const { return inventory_; }
    bool Holds(const std::string& name) const;
    bool InventoryFull() const { return inventory_.size() >= INVENTORY_PLACES; }
    // Into the next free place; false when the twenty are taken.
    bool Carry(const std::string& name);
    // The first item of that exact name leaves; the later ones close up. False when none is carried.
    bool Drop(const std::string& name);
    void DropEverything() { inventory_.clear(); }

    const ItemPouch& Pouch() const { return pouch_; }
    // One potion into the slot that holds its kind, or into an empty slot when the battle has used up
    // and closed the slot of that kind; false when there is no room for it.
    bool AddToPouch(int32_t itemId);
    // A potion bought: the gold taken only when the potion finds its place. False when either fails.
    bool Buy(int32_t itemId, int32_t price);
    // One potion of the slot holding itemId used; slots left empty close up, the later moving first.
    void ConsumePotion(int32_t itemId);
    bool PouchHasPotions() const;
    // Entering the game: a slot for each potion, none bought yet, unless the save brought the pouch back.
    void FillPouchForGame();
    // Leaving the game: both slots empty.
    void EmptyPouch();

    const StoryFlags& Story() const { return story_; }
    void SetFlag(int32_t StoryFlags::*flag, int32_t value = 1);
    // A companion joins once (its flag says whether it has), and the party never outgrows the roster.
    void Join(int32_t StoryFlags::*joined);
    uint32_t PartySize() const { return partySize_; }

    bool FishCaught(int kind) const;
    // A fish landed: true when it is the first of its kind; a repeat is turned into its gold.
    bool CatchFish(int kind, int32_t repeatGold);
    bool FenceDown(int fence) const;
    void PullFenceDown(int fence);

    const PuzzleProgress& Puzzles() const { return puzzles_; }
    void BuildDecoy() { puzzles_.decoyBuilt = true; }
    void ClearForest() { puzzles_.forestCleared = true; }

    // The time played, in whole seconds, kept in the save; the screens add each frame's time.
    int32_t SecondsPlayed() const { return secondsPlayed_; }
    void AddPlayTime(float seconds);

private:
    friend struct SaveRecord;  // the save's lines read into a session and written out of one

    char currentMapName_[MAP_NAME_SIZE] = {};
    char previousMapName_[PREVIOUS_NAME_SIZE] = {};
    int32_t slot_ = 0;
    SaveFile save_;
    int32_t gold_ = 0;
    std::vector<std::string> inventory_;
    ItemPouch pouch_;
    StoryFlags story_;
    uint32_t partySize_ = 1;  // Pell alone until a companion joins
    std::array<int32_t, FISH_KINDS> fishCaught_{};
    std::array<int32_t, FOREST_FENCES> fenceDone_{};  // the forest's fences pulled down stay down
    PuzzleProgress puzzles_;
    int32_t secondsPlayed_ = 0;
    float secondFraction_ = 0.0f;  // the part of a second not yet counted
};
