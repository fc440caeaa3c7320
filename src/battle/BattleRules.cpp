#include "battle/BattleRules.h"

#include "core/Random.h"

namespace {

struct SpeedCounts {
    uint32_t fast = 0, normal = 0, slow = 0;
};

template <typename Visit>
void ForEachFighter(BattleRules& rules, Visit visit) {
    for (Fighter& enemy : rules.enemies)
        visit(enemy);
    for (Fighter& member : rules.party)
        visit(member);
}

void Emit(BattleRules& rules, BattleEventType type, const Fighter* fighter = nullptr) {
    BattleEvent event;
    event.type = type;
    if (fighter != nullptr) {
        event.enemy = fighter->enemy;
        const std::vector<Fighter>& side = fighter->enemy ? rules.enemies : rules.party;
        event.index = static_cast<uint32_t>(fighter - side.data());
    }
    rules.events.push_back(std::move(event));
}

SpeedCounts CountLiving(BattleRules& rules) {
    SpeedCounts counts;
    ForEachFighter(rules, [&](const Fighter& fighter) {
        if (fighter.state == STATE_DEAD) return;
        if (fighter.speed == SPEED_FAST) ++counts.fast;
        if (fighter.speed == SPEED_NORMAL) ++counts.normal;
        if (fighter.speed == SPEED_SLOW) ++counts.slow;
    });
    return counts;
}

uint32_t DrawPosition(SpeedClass speed, const SpeedCounts& counts) {
    switch (speed) {
        case SPEED_FAST:
            return static_cast<uint32_t>(RandomValue()) % counts.fast + 1;
        case SPEED_NORMAL:
            return static_cast<uint32_t>(RandomValue()) % counts.normal + 1 + counts.fast;
        case SPEED_SLOW:
            return static_cast<uint32_t>(RandomValue()) % counts.slow + 1 + counts.fast + counts.normal;
    }
    return 1;
}

uint32_t TimelineCode(const Fighter& fighter) {
    return fighter.enemy ? static_cast<uint32_t>(fighter.id) + TIMELINE_ENEMY_CODE
                         : static_cast<uint32_t>(fighter.id);
}

bool AnyMemberAlive(const BattleRules& rules) {
    for (const Fighter& member : rules.party)
        if (member.state != STATE_DEAD) return true;
    return false;
}

void ChooseSkill(Fighter& enemy) {
    Action& chosen = enemy.slots[CHOSEN_SLOT];
    while (chosen.id == SKILL_NONE) {
        const int32_t slot = RandomValue() % SKILL_SLOTS;
        chosen = MakeAction(enemy.slots[static_cast<size_t>(slot)].id);
        // Healing is kept for when it is needed.
        if (chosen.id == SKILL_HEAL && enemy.hp > enemy.maxHp / 2) ClearAction(chosen);
    }
}

void ChooseTargets(BattleRules& rules, Fighter& enemy, uint32_t self) {
    Action& chosen = enemy.slots[CHOSEN_SLOT];
    if (chosen.targetsOpponents == 0) {
        for (uint32_t& target : chosen.targets)
            target = self;
        return;
    }
    if (chosen.hitsAll == 1) {
        chosen.targets.clear();
        for (uint32_t i = 0; i < rules.party.size(); ++i)
            if (rules.party[i].state != STATE_DEAD) chosen.targets.push_back(i);
        chosen.targetCount = static_cast<uint32_t>(chosen.targets.size());
        return;
    }
    if (!AnyMemberAlive(rules)) return;
    for (uint32_t& target : chosen.targets) {
        do {
            target = static_cast<uint32_t>(RandomValue()) % PartySize(rules);
        } while (rules.party[target].state == STATE_DEAD);
    }
}

// Each health change of the turn floats up; a blow that hurt the living makes them flinch.
void ShowPendingChanges(BattleRules& rules) {
    ForEachFighter(rules, [&](Fighter& fighter) {
        if (fighter.pendingChange == 0) return;
        Emit(rules, BattleEventType::CHANGE_SHOWN, &fighter);
        rules.events.back().amount = fighter.pendingChange;
        fighter.pendingChange = 0;
    });
}

void FirstLivingCommands(BattleRules& rules) {
    rules.commandingMember = 0;
    while (rules.commandingMember < rules.party.size() &&
           rules.party[rules.commandingMember].state == STATE_DEAD)
        ++rules.commandingMember;
}

void StartNewRound(BattleRules& rules) {
    RollTimeline(rules);
    rules.currentTurn = 0;
    Emit(rules, BattleEventType::HOME);
    FirstLivingCommands(rules);
    Emit(rules, BattleEventType::COMMANDS);
}

void PlayTurns(BattleRules& rules) {
    const uint32_t total = PartySize(rules) + rules.enemyCount;
    if (rules.currentTurn > total && rules.actionDelay <= 0.0f) {
        StartNewRound(rules);
    } else if (rules.currentTurn == 0) {
        if (rules.commandingMember == PartySize(rules)) {
            ChooseEnemyActions(rules);
            rules.currentTurn = 1;
        }
    } else if (rules.actionDelay > 0.0f) {
        if (rules.actionDelay <= 1.0f) ShowPendingChanges(rules);
    } else {
        Emit(rules, BattleEventType::HOME);
        Emit(rules, BattleEventType::TURN_BEGINS);
        ExecuteTurn(rules);
        ++rules.currentTurn;
    }
}

bool IsPotion(SkillId skill) {
    return skill == SKILL_HP_POTION || skill == SKILL_MANA_POTION;
}

bool PouchHolds(const BattleRules& rules, SkillId potion) {
    for (const PouchSlot& slot : rules.session->Pouch().slots)
        if (slot.itemId == potion && slot.count > 0) return true;
    return false;
}

void PayMana(Fighter& member, uint32_t cost) {
    member.mana = member.mana > static_cast<int32_t>(cost) ? member.mana - static_cast<int32_t>(cost) : 0;
}

// Mega Heal and Zone Attack take the whole side, the fallen included (their turn skips them).
void AimAtWholeSide(BattleRules& rules, const Fighter& user, Action& action) {
    const size_t side = SideAimedAt(rules, user, action).size();
    for (size_t i = 0; i < action.targets.size(); ++i)
        action.targets[i] = i < side ? static_cast<uint32_t>(i) : static_cast<uint32_t>(side);
}

void PassCommand(BattleRules& rules) {
    do {
        ++rules.commandingMember;
    } while (rules.commandingMember < rules.party.size() &&
             rules.party[rules.commandingMember].state == STATE_DEAD);
}

}  // namespace

void StartRules(BattleRules& rules, GameSession& session, const BattleFile& file) {
    rules = BattleRules{};
    rules.session = &session;
    rules.enemyCount = file.enemyCount;
    rules.enemyKinds = file.enemyKinds;
    rules.moneyEarned = file.moneyEarned;
    for (int32_t kind : file.enemyKinds)
        rules.enemies.push_back(Enemy(kind));
    const uint32_t members = session.PartySize() < ROSTER_SIZE ? session.PartySize() : ROSTER_SIZE;
    for (uint32_t i = 0; i < members; ++i)
        rules.party.push_back(PartyMember(static_cast<int32_t>(i)));
    RollTimeline(rules);
}

uint32_t PartySize(const BattleRules& rules) {
    return static_cast<uint32_t>(rules.party.size());
}

BattleStage Stage(const BattleRules& rules) {
    if (rules.over) return rules.won ? BattleStage::WON : BattleStage::LOST;
    return rules.currentTurn == 0 && rules.commandingMember < PartySize(rules) ? BattleStage::COMMANDS
                                                                               : BattleStage::ACTIONS;
}

std::vector<Fighter>& SideAimedAt(BattleRules& rules, const Fighter& user, const Action& action) {
    const bool atEnemies = user.enemy != (action.targetsOpponents == 1);
    return atEnemies ? rules.enemies : rules.party;
}

const char* TargetRefusal(const BattleRules& rules, SkillId skill, uint32_t target) {
    const Action action = MakeAction(skill);
    const std::vector<Fighter>& side = action.targetsOpponents == 1 ? rules.enemies : rules.party;
    if (target >= side.size()) return "";
    const bool dead = side[target].state == STATE_DEAD;
    if (action.targetsOpponents == 1)
        return dead ? "You can't use %s\non this enemy; \nhe is dead." : nullptr;
    if (skill == SKILL_RESURRECTION)
        return dead ? nullptr : "You can't use %s \non this mate; \nhe is not dead.";
    return dead ? "You can't use %s \non this mate; \nhe is dead." : nullptr;
}

const char* CommandRefusal(const BattleRules& rules, SkillId skill, const std::vector<uint32_t>& targets) {
    if (Stage(rules) != BattleStage::COMMANDS) return "";
    const Fighter& member = rules.party[rules.commandingMember];
    const Action action = MakeAction(skill);
    if (action.id == SKILL_NONE) return "";
    if (member.mana < static_cast<int32_t>(action.manaCost)) return "You don't have \nenough mana !";
    if (IsPotion(skill) && !PouchHolds(rules, skill)) return "You don't have any\nitems.";
    if (action.hitsAll == 1) return nullptr;
    for (uint32_t target : targets) {
        if (const char* refusal = TargetRefusal(rules, skill, target)) return refusal;
    }
    return targets.size() == action.targetCount ? nullptr : "";
}

bool ChooseCommand(BattleRules& rules, SkillId skill, const std::vector<uint32_t>& targets) {
    if (CommandRefusal(rules, skill, targets) != nullptr) return false;
    Fighter& member = rules.party[rules.commandingMember];
    Action& chosen = member.slots[CHOSEN_SLOT];
    chosen = MakeAction(skill);
    if (chosen.hitsAll == 1) {
        AimAtWholeSide(rules, member, chosen);
    } else {
        chosen.targets = targets;
    }
    if (IsPotion(skill)) rules.session->ConsumePotion(skill);
    PayMana(member, chosen.manaCost);
    PassCommand(rules);
    return true;
}

void AdvanceBattle(BattleRules& rules, float dt) {
    if (rules.over) return;
    rules.actionDelay -= dt;
    if (rules.deadPartyCount >= PartySize(rules)) {
        rules.over = true;
        rules.won = false;
        return;
    }
    if (rules.deadEnemyCount >= rules.enemyCount && rules.actionDelay <= 0.0f) {
        rules.over = true;
        rules.won = true;
        return;
    }
    PlayTurns(rules);
}

void HurryTurn(BattleRules& rules) {
    if (Stage(rules) == BattleStage::ACTIONS) rules.actionDelay = 0.0f;
}

void WinAtOnce(BattleRules& rules) {
    rules.deadEnemyCount = rules.enemyCount;
}

void RollTimeline(BattleRules& rules) {
    const SpeedCounts counts = CountLiving(rules);
    const uint32_t total = PartySize(rules) + rules.enemyCount;
    const uint32_t slots = total - rules.deadPartyCount - rules.deadEnemyCount;
    rules.timeline.assign(slots, 0);
    std::vector<bool> taken(total + 1, false);
    ForEachFighter(rules, [&](Fighter& fighter) {
        if (fighter.state == STATE_DEAD) {
            fighter.timelinePosition = total;
            return;
        }
        uint32_t position = 0;
        do {
            position = DrawPosition(fighter.speed, counts);
        } while (taken[position]);
        taken[position] = true;
        fighter.timelinePosition = position;
        if (position - 1 < rules.timeline.size()) rules.timeline[position - 1] = TimelineCode(fighter);
    });
    Emit(rules, BattleEventType::TIMELINE);
}

void ChooseEnemyActions(BattleRules& rules) {
    for (uint32_t i = 0; i < rules.enemies.size(); ++i) {
        Fighter& enemy = rules.enemies[i];
        if (enemy.state == STATE_DEAD) continue;
        // An enemy that lost its last turn to paralysis still holds that skill, but its targets are drawn
        // anew: whoever it aimed at may have fallen since.
        if (enemy.slots[CHOSEN_SLOT].id == SKILL_NONE) ChooseSkill(enemy);
        ChooseTargets(rules, enemy, i);
    }
}

std::vector<BattleEvent> TakeEvents(BattleRules& rules) {
    std::vector<BattleEvent> taken = std::move(rules.events);
    rules.events.clear();
    return taken;
}
