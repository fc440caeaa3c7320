// One turn: the fighters at that place of the timeline act, each action resolved on its targets. What
// happens is told as events; the words are the information box's.

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string>

#include "battle/BattleRules.h"
#include "core/Format.h"

namespace {

constexpr float TURN_PAUSE = 2.0f;
constexpr float PARALYSED_PAUSE = 1.0f;
constexpr int32_t RUSH_COST = 10;
constexpr int32_t MANA_POTION_AMOUNT = 50;
constexpr int32_t BOSS_HEAL_AMOUNT = 50;
constexpr size_t INFO_SIZE = 100;         // the information box holds 99 characters; a longer text is cut
constexpr size_t ACTION_TEXT_SIZE = 500;  // the lines of one action, target by target

// The change of health of each skill, before the user's attack multiplier.
constexpr int32_t SKILL_BASES[SKILL_COUNT] = {-20, -20, -50, 50, 30, 0, -20, -100, -100, 0, 0, 0, 50, 0, 0};

struct Turn {
    BattleRules& rules;

    void Event(BattleEventType type, const Fighter& fighter) {
        BattleEvent event;
        event.type = type;
        event.enemy = fighter.enemy;
        const std::vector<Fighter>& side = fighter.enemy ? rules.enemies : rules.party;
        event.index = static_cast<uint32_t>(&fighter - side.data());
        rules.events.push_back(std::move(event));
    }

    void Say(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        char text[INFO_SIZE];
        va_list args;
        va_start(args, format);
        std::vsnprintf(text, sizeof text, format, args);  // a text too long is cut, never lost
        va_end(args);
        BattleEvent event;
        event.text = text;
        rules.events.push_back(std::move(event));
    }

    void Struck(const Fighter& target, const Fighter& user, const Action& action) {
        Event(BattleEventType::STRUCK, target);
        rules.events.back().skill = action.id;
        rules.events.back().user = user.enemy ? user.id : -1;
    }
};

int32_t Amount(const Fighter& user, const Action& action) {
    const int32_t base = SKILL_BASES[action.id];
    return action.targetsOpponents == 1 ? base * user.attack : base;
}

void SayMissed(Turn& turn, const Fighter& user) {
    turn.Say("%s missed !", FighterName(user));
}

// "Pell uses \nDouble Attack on \nKnight.\n" once per target, or the form that ends in everyone. A target
// entry outside the side is passed over.
void SayWholeAction(Turn& turn, const Fighter& user, const Action& action) {
    const char* skill = SkillName(action.id);
    if (action.id == SKILL_ZONE_ATTACK) {
        turn.Say("%s uses \n%s on \neveryone.", FighterName(user), skill);
        return;
    }
    const std::vector<Fighter>& side = SideAimedAt(turn.rules, user, action);
    std::string message;
    for (uint32_t k = 0; k < action.targetCount && k < action.targets.size(); ++k) {
        if (action.targets[k] >= side.size()) continue;
        const Fighter& target = side[action.targets[k]];
        char line[100];
        if (target.state == STATE_DEAD) {
            FormatText(line, sizeof line, "%s missed !\n", FighterName(user));
        } else {
            FormatText(line, sizeof line, "%s uses \n%s on \n%s.\n", FighterName(user), skill,
                       FighterName(target));
        }
        if (message.size() + std::char_traits<char>::length(line) < ACTION_TEXT_SIZE) message += line;
    }
    BattleEvent event;
    event.text = message;
    turn.rules.events.push_back(std::move(event));
}

void SayOwnSide(Turn& turn, const Fighter& user, const Action& action, const Fighter& target) {
    if (action.id == SKILL_MEGA_HEAL) {
        turn.Say("%s uses \n%s on \neveryone.", FighterName(user), SkillName(action.id));
    } else {
        turn.Say("%s uses \n%s on \n%s.", FighterName(user), SkillName(action.id), FighterName(target));
    }
}

// A fighter down forgets the action it had chosen: raised again later, it chooses anew.
void Kill(Turn& turn, Fighter& fighter, bool animated) {
    if (fighter.state == STATE_DEAD) return;
    fighter.hp = 0;
    fighter.state = STATE_DEAD;
    ClearAction(fighter.slots[CHOSEN_SLOT]);
    turn.Event(BattleEventType::FALLS, fighter);
    turn.rules.events.back().animated = animated;
    if (fighter.enemy) {
        ++turn.rules.deadEnemyCount;
    } else {
        ++turn.rules.deadPartyCount;
    }
}

void ChangeHp(Fighter& fighter, int32_t amount) {
    fighter.hp += amount;
    fighter.pendingChange += amount;
}

// Rush hurts the one who charges; a user it brings down keeps the pose it died in.
void PayRush(Turn& turn, Fighter& user, bool animated) {
    ChangeHp(user, -RUSH_COST);
    if (user.hp <= 0) Kill(turn, user, animated);
}

void SayInformation(Turn& turn, const Fighter& enemy) {
    const char* name = FighterName(enemy);
    turn.Say("%s has\n%d / %dHP.\n%s speed \nis %s", name, enemy.hp, enemy.maxHp, name,
             SpeedWord(enemy.speed));
}

void HitEnemy(Turn& turn, Fighter& user, const Action& action, Fighter& target) {
    turn.Struck(target, user, action);
    if (action.id == SKILL_PARALYSIS) {
        target.state = STATE_PARALYSED;
        turn.Event(BattleEventType::PARALYSED, target);
    } else if (action.id == SKILL_INFORMATION) {
        SayInformation(turn, target);
    } else if (action.changesHp == 1) {
        ChangeHp(target, Amount(user, action));
        if (action.id == SKILL_RUSH) PayRush(turn, user, false);
    }
    if (target.hp <= 0) Kill(turn, target, true);
}

void PartyAtEnemies(Turn& turn, Fighter& user, const Action& action) {
    SayWholeAction(turn, user, action);
    // Entries are checked against the side, not counted against it: a Double Attack on a lone Knight
    // strikes it twice.
    for (uint32_t k = 0; k < action.targetCount && k < action.targets.size(); ++k) {
        if (action.targets[k] >= turn.rules.enemies.size()) continue;
        Fighter& target = turn.rules.enemies[action.targets[k]];
        if (target.state == STATE_DEAD) {
            if (action.targetCount == 1) SayMissed(turn, user);
            continue;
        }
        HitEnemy(turn, user, action, target);
    }
}

void Revive(Turn& turn, Fighter& user, const Action& action, Fighter& target) {
    turn.Struck(target, user, action);
    SayOwnSide(turn, user, action, target);
    --turn.rules.deadPartyCount;
    target.hp = target.maxHp / 2;
    target.state = STATE_READY;
    turn.Event(BattleEventType::REVIVED, target);
}

void HelpMate(Turn& turn, Fighter& user, const Action& action, Fighter& target) {
    turn.Struck(target, user, action);
    SayOwnSide(turn, user, action, target);
    if (action.id == SKILL_TRANSFERT) {
        const int32_t amount = user.hp / 4;
        ChangeHp(user, -amount);
        // Up to the maximum; a mate a Mana Potion carried past it keeps what he has.
        target.mana = std::max(target.mana, std::min(target.mana + amount, target.maxMana));
    } else if (action.id == SKILL_MANA_POTION) {
        target.mana += MANA_POTION_AMOUNT;  // the one gain allowed past the maximum
    } else if (action.changesHp == 1) {
        ChangeHp(target, Amount(user, action));
    }
    target.hp = std::min(target.hp, target.maxHp);
}

void PartyAtPartyMembers(Turn& turn, Fighter& user, const Action& action) {
    for (uint32_t k = 0; k < action.targetCount && k < action.targets.size(); ++k) {
        if (action.targets[k] >= turn.rules.party.size()) continue;
        Fighter& target = turn.rules.party[action.targets[k]];
        if (target.state != STATE_DEAD) {
            HelpMate(turn, user, action, target);
        } else if (action.id == SKILL_RESURRECTION) {
            Revive(turn, user, action, target);
        } else if (action.targetCount == 1) {
            SayMissed(turn, user);
        }
    }
}

void EnemyAtParty(Turn& turn, Fighter& enemy, const Action& action) {
    for (uint32_t k = 0; k < action.targetCount && k < action.targets.size(); ++k) {
        if (action.targets[k] >= turn.rules.party.size()) continue;
        Fighter& target = turn.rules.party[action.targets[k]];
        if (target.state == STATE_DEAD) {
            if (action.targetCount == 1) SayMissed(turn, enemy);
            continue;
        }
        turn.Struck(target, enemy, action);
        SayWholeAction(turn, enemy, action);
        ChangeHp(target, Amount(enemy, action));
        if (action.id == SKILL_RUSH) PayRush(turn, enemy, true);
        if (target.hp <= 0) Kill(turn, target, true);
    }
}

void EnemyHealsItself(Turn& turn, Fighter& enemy, const Action& action) {
    turn.Struck(enemy, enemy, action);
    SayOwnSide(turn, enemy, action, enemy);
    ChangeHp(enemy, BOSS_HEAL_AMOUNT);
    enemy.hp = std::min(enemy.hp, enemy.maxHp);
}

void Resolve(Turn& turn, Fighter& user, const Action& action) {
    if (user.enemy) {
        if (action.targetsOpponents == 1) {
            EnemyAtParty(turn, user, action);
        } else {
            EnemyHealsItself(turn, user, action);
        }
    } else if (action.targetsOpponents == 1) {
        PartyAtEnemies(turn, user, action);
    } else {
        PartyAtPartyMembers(turn, user, action);
    }
}

void StepForward(Turn& turn, const Fighter& fighter) {
    if (fighter.state == STATE_DEAD) return;
    if (fighter.enemy && fighter.state == STATE_PARALYSED) return;
    turn.Event(BattleEventType::ACTS, fighter);
    turn.rules.events.back().skill = fighter.slots[CHOSEN_SLOT].id;
}

void LoseTurnToParalysis(Turn& turn, Fighter& fighter) {
    turn.Say("%s is paralyzed !", FighterName(fighter));
    fighter.state = STATE_READY;
    turn.Event(BattleEventType::LOSES_TURN, fighter);
    turn.rules.actionDelay = PARALYSED_PAUSE;
    // An enemy keeps the skill it could not play for the next round; a party member chooses anew.
    if (!fighter.enemy) ClearAction(fighter.slots[CHOSEN_SLOT]);
}

void Act(Turn& turn, Fighter& fighter) {
    StepForward(turn, fighter);
    if (fighter.state == STATE_DEAD) {
        turn.rules.actionDelay = 0.0f;
        return;
    }
    if (fighter.state == STATE_PARALYSED) {
        LoseTurnToParalysis(turn, fighter);
        return;
    }
    Action action = fighter.slots[CHOSEN_SLOT];
    ClearAction(fighter.slots[CHOSEN_SLOT]);
    if (action.id != SKILL_NONE) Resolve(turn, fighter, action);
}

}  // namespace

void ExecuteTurn(BattleRules& rules) {
    rules.actionDelay = TURN_PAUSE;
    Turn turn{rules};
    for (Fighter& enemy : rules.enemies)
        if (enemy.timelinePosition == rules.currentTurn) Act(turn, enemy);
    for (Fighter& member : rules.party)
        if (member.timelinePosition == rules.currentTurn) Act(turn, member);
}
