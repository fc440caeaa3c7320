#include "world/GameSession.h"

#include <algorithm>
#include <cstring>

#include "core/Format.h"
#include "core/Log.h"

GameSession::GameSession(int32_t slot) : slot_(slot), save_(slot) {}

bool GameSession::SetCurrentMap(const char* name) {
    if (std::strlen(name) >= sizeof currentMapName_) {
        LogDebug("Map name \"%s\" is too long (at most %d characters): staying on %s\n", name,
                 MAP_NAME_SIZE - 1, currentMapName_);
        return false;
    }
    FormatText(currentMapName_, sizeof currentMapName_, "%s", name);
    return true;
}

void GameSession::SetPreviousMap(const char* name) {
    FormatText(previousMapName_, sizeof previousMapName_, "%s", name);
}

void GameSession::EarnGold(int64_t amount) {
    if (amount <= 0) return;
    gold_ = static_cast<int32_t>(std::min<int64_t>(static_cast<int64_t>(gold_) + amount, MOST_GOLD));
}

void GameSession::AddPlayTime(float seconds) {
    if (!(seconds > 0.0f)) return;
    secondFraction_ += seconds;
    const auto whole = static_cast<int32_t>(secondFraction_);
    secondFraction_ -= static_cast<float>(whole);
    secondsPlayed_ =
        secondsPlayed_ > MOST_SECONDS_PLAYED - whole ? MOST_SECONDS_PLAYED : secondsPlayed_ + whole;
}

bool GameSession::SpendGold(int32_t amount) {
    if (amount < 0 || amount > gold_) return false;
    gold_ -= amount;
    return true;
}

bool GameSession::Holds(const std::string& name) const {
    return std::find(inventory_.begin(), inventory_.end(), name) != inventory_.end();
}

bool GameSession::Carry(const std::string& name) {
    if (InventoryFull()) return false;
    inventory_.push_back(name);
    return true;
}

bool GameSession::Drop(const std::string& name) {
    const auto at = std::find(inventory_.begin(), inventory_.end(), name);
    if (at == inventory_.end()) return false;
    inventory_.erase(at);
    return true;
}

bool GameSession::AddToPouch(int32_t itemId) {
    PouchSlot* slot = nullptr;
    for (PouchSlot& candidate : pouch_.slots)
        if (candidate.itemId == itemId) slot = &candidate;
    for (PouchSlot& candidate : pouch_.slots)
        if (slot == nullptr && candidate.itemId == ITEM_NONE) slot = &candidate;
    if (slot == nullptr || slot->count == UINT16_MAX) return false;
    slot->itemId = itemId;
    ++slot->count;
    return true;
}

bool GameSession::Buy(int32_t itemId, int32_t price) {
    if (price > gold_ || !AddToPouch(itemId)) return false;
    gold_ -= price;
    return true;
}

void GameSession::ConsumePotion(int32_t itemId) {
    PouchSlot* slots = pouch_.slots;
    for (int i = 0; i < 2; ++i) {
        if (slots[i].itemId == itemId && slots[i].count > 0) {
            --slots[i].count;
            break;
        }
    }
    // Emptied slots close up: a removed potion kind has no slot until the pouch is filled anew.
    if (slots[0].count == 0) {
        slots[0] = slots[1];
        slots[1] = {ITEM_NONE, 0};
    }
    if (slots[1].count == 0) slots[1] = {ITEM_NONE, 0};
    if (slots[0].count == 0) slots[0] = {ITEM_NONE, 0};
}

bool GameSession::PouchHasPotions() const {
    return pouch_.slots[0].count > 0 || pouch_.slots[1].count > 0;
}

void GameSession::FillPouchForGame() {
    const bool fromSave = pouch_.slots[0].itemId != ITEM_NONE || pouch_.slots[1].itemId != ITEM_NONE;
    if (fromSave) return;  // the potions bought before the save are the player's
    pouch_.slots[0] = {ITEM_HP_POTION, 0};
    pouch_.slots[1] = {ITEM_MANA_POTION, 0};
}

void GameSession::EmptyPouch() {
    pouch_.slots[0] = {ITEM_NONE, 0};
    pouch_.slots[1] = {ITEM_NONE, 0};
}

void GameSession::SetFlag(int32_t StoryFlags::*flag, int32_t value) {
    story_.*flag = value != 0 ? 1 : 0;
}

void GameSession::Join(int32_t StoryFlags::*joined) {
    if (story_.*joined == 1 || partySize_ >= MAX_PARTY_SIZE) return;
    story_.*joined = 1;
    partySize_ += 1;
}

bool GameSession::FishCaught(int kind) const {
    return kind >= 0 && kind < FISH_KINDS && fishCaught_[static_cast<size_t>(kind)] == 1;
}

bool GameSession::CatchFish(int kind, int32_t repeatGold) {
    if (kind < 0 || kind >= FISH_KINDS) return false;
    int32_t& caught = fishCaught_[static_cast<size_t>(kind)];
    if (caught == 1) {
        EarnGold(repeatGold);
        return false;
    }
    caught = 1;
    return true;
}

bool GameSession::FenceDown(int fence) const {
    return fence >= 0 && fence < FOREST_FENCES && fenceDone_[static_cast<size_t>(fence)] == 1;
}

void GameSession::PullFenceDown(int fence) {
    if (fence >= 0 && fence < FOREST_FENCES) fenceDone_[static_cast<size_t>(fence)] = 1;
}
