#include "battle/Turns.h"

#include <string>

#include "battle/BattleHud.h"
#include "battle/BattleLayout.h"
#include "battle/BattleState.h"
#include "battle/CombatantAnimation.h"
#include "core/SoundEffects.h"
#include "core/Text.h"

namespace {

constexpr float TURN_PAUSE = 2.0f;
constexpr float PARALYSED_PAUSE = 1.0f;
constexpr int32_t RUSH_COST = 10;
constexpr int32_t MANA_POTION_AMOUNT = 50;
constexpr int32_t BOSS_HEAL_AMOUNT = 50;

#define FRIENDLY "Assets/Sounds/Battle/Friendly/"

struct SkillEffect {
    int32_t base;  // change of HP, before the user's attack multiplier
    const char* sound;
};

const SkillEffect SKILL_EFFECTS[SKILL_COUNT] = {
    {-20, FRIENDLY "NormalAttack.wav"},
    {-20, FRIENDLY "DoubleAttack.wav"},
    {-50, FRIENDLY "NormalAttack.wav"},
    {50, FRIENDLY "Heal.wav"},
    {30, FRIENDLY "MegaHeal.wav"},
    {0, FRIENDLY "ReviveSpell.wav"},
    {-20, FRIENDLY "DoubleAttack.wav"},
    {-100, FRIENDLY "MagicSingleAttack.wav"},
    {-100, FRIENDLY "MagicDoubleAttack.wav"},
    {0, FRIENDLY "ParalysisAttack.wav"},
    {0, FRIENDLY "InfoSkill.wav"},
    {0, FRIENDLY "TransfertSkill.wav"},
    {50, FRIENDLY "PotionConsume.wav"},
    {0, FRIENDLY "PotionConsume.wav"},
    {0, nullptr},
};

const char* EnemyAttackSound(const Combatant& enemy) {
    switch (enemy.id) {
        case ENEMY_DOG:
            return "Assets/Sounds/Battle/Enemy/DogAttack.wav";
        case ENEMY_KNIGHT:
            return "Assets/Sounds/Battle/Enemy/Slash.wav";
        default:
            return FRIENDLY "NormalAttack.wav";
    }
}

#undef FRIENDLY

const SkillEffect& EffectOf(const Action& action) {
    return SKILL_EFFECTS[action.id];
}

int32_t Amount(const Combatant& user, const Action& action) {
    const int32_t base = EffectOf(action).base;
    return action.targetsOpponents == 1 ? base * user.attack : base;
}

void SayMissed(const Combatant& user) {
    ShowInfo("%s missed !", CombatantName(user));
}

std::vector<Combatant>& SideAimedAt(const Combatant& user, const Action& action) {
    const bool atEnemies = user.enemy != (action.targetsOpponents == 1);
    return atEnemies ? gBattle.enemies : gBattle.party;
}

// "Pell uses \nDouble Attack on \nKnight.\n" once per target, or the form that ends in everyone.
void SayWholeAction(const Combatant& user, const Action& action) {
    const char* skill = SkillName(action.id);
    if (action.id == SKILL_ZONE_ATTACK) {
        ShowInfo("%s uses \n%s on \neveryone.", CombatantName(user), skill);
        return;
    }
    const std::vector<Combatant>& side = SideAimedAt(user, action);
    std::string message;
    for (uint32_t k = 0; k < action.targetCount && action.targets[k] < side.size(); ++k) {
        const Combatant& target = side[action.targets[k]];
        char line[100];
        if (target.state == STATE_DEAD) {
            FormatText(line, sizeof line, "%s missed !\n", CombatantName(user));
        } else {
            FormatText(line, sizeof line, "%s uses \n%s on \n%s.\n", CombatantName(user), skill,
                       CombatantName(target));
        }
        if (message.size() + std::char_traits<char>::length(line) < 500) message += line;
    }
    SetInfoText(message.c_str());
}

void SayOwnSide(const Combatant& user, const Action& action, const Combatant& target) {
    if (action.id == SKILL_MEGA_HEAL) {
        ShowInfo("%s uses \n%s on \neveryone.", CombatantName(user), SkillName(action.id));
    } else {
        ShowInfo("%s uses \n%s on \n%s.", CombatantName(user), SkillName(action.id), CombatantName(target));
    }
}

void Kill(Combatant& combatant, bool playDeath) {
    if (combatant.state == STATE_DEAD) return;
    combatant.hp = 0;
    combatant.state = STATE_DEAD;
    if (playDeath) PlayAnimation(combatant, ANIM_DEATH);
    if (combatant.enemy) {
        ++gBattle.deadEnemyCount;
    } else {
        ++gBattle.deadPartyCount;
    }
}

void ChangeHp(Combatant& combatant, int32_t amount) {
    combatant.hp += amount;
    combatant.pendingChange += amount;
}

// Rush hurts the one who charges; a user it brings down keeps the pose it died in.
void PayRush(Combatant& user, bool playDeath) {
    ChangeHp(user, -RUSH_COST);
    if (user.hp <= 0) Kill(user, playDeath);
}

void SayInformation(const Combatant& enemy) {
    const char* name = CombatantName(enemy);
    ShowInfo("%s has\n%d / %dHP.\n%s speed \nis %s", name, enemy.hp, enemy.maxHp, name, SpeedWord(enemy.speed));
}

void HitEnemy(Combatant& user, const Action& action, Combatant& target) {
    StartEffect(target, action.effectKind, false);
    PlaySoundEffect(EffectOf(action).sound);
    if (action.id == SKILL_PARALYSIS) {
        target.state = STATE_PARALYSED;
        if (!IsBoss(target)) PlayAnimation(target, ANIM_PARALYSED);
    } else if (action.id == SKILL_INFORMATION) {
        SayInformation(target);
    } else if (action.changesHp == 1) {
        ChangeHp(target, Amount(user, action));
        if (action.id == SKILL_RUSH) PayRush(user, false);
    }
    if (target.hp <= 0) Kill(target, true);
}

void PartyAtEnemies(Combatant& user, const Action& action) {
    SayWholeAction(user, action);
    // Entries are checked against the side, not counted against it: a Double Attack on a lone Knight
    // strikes it twice.
    for (uint32_t k = 0; k < action.targetCount; ++k) {
        if (action.targets[k] >= gBattle.enemies.size()) continue;
        Combatant& target = gBattle.enemies[action.targets[k]];
        if (target.state == STATE_DEAD) {
            if (action.targetCount == 1) SayMissed(user);
            continue;
        }
        HitEnemy(user, action, target);
    }
}

void Revive(Combatant& user, const Action& action, Combatant& target) {
    StartEffect(target, action.effectKind, true);
    SayOwnSide(user, action, target);
    PlaySoundEffect(EffectOf(action).sound);
    --gBattle.deadPartyCount;
    target.hp = target.maxHp / 2;
    target.state = STATE_READY;
}

void HelpMate(Combatant& user, const Action& action, Combatant& target) {
    StartEffect(target, action.effectKind, true);
    SayOwnSide(user, action, target);
    PlaySoundEffect(EffectOf(action).sound);
    if (action.id == SKILL_TRANSFERT) {
        const int32_t amount = user.hp / 4;
        ChangeHp(user, -amount);
        target.mana = std::min(target.mana + amount, target.maxMana);
    } else if (action.id == SKILL_MANA_POTION) {
        target.mana += MANA_POTION_AMOUNT;  // the one gain allowed past the maximum
    } else if (action.changesHp == 1) {
        ChangeHp(target, Amount(user, action));
    }
    target.hp = std::min(target.hp, target.maxHp);
}

void PartyAtPartyMembers(Combatant& user, const Action& action) {
    for (uint32_t k = 0; k < action.targetCount; ++k) {
        if (action.targets[k] >= gBattle.party.size()) continue;
        Combatant& target = gBattle.party[action.targets[k]];
        if (target.state != STATE_DEAD) {
            HelpMate(user, action, target);
        } else if (action.id == SKILL_RESURRECTION) {
            Revive(user, action, target);
        } else if (action.targetCount == 1) {
            SayMissed(user);
        }
    }
}

void EnemyAtParty(Combatant& enemy, const Action& action) {
    for (uint32_t k = 0; k < action.targetCount; ++k) {
        if (action.targets[k] >= gBattle.party.size()) continue;
        Combatant& target = gBattle.party[action.targets[k]];
        if (target.state == STATE_DEAD) {
            if (action.targetCount == 1) SayMissed(enemy);
            continue;
        }
        StartEffect(target, action.effectKind, true);
        SayWholeAction(enemy, action);
        PlaySoundEffect(action.id == SKILL_ATTACK ? EnemyAttackSound(enemy) : EffectOf(action).sound);
        ChangeHp(target, Amount(enemy, action));
        if (action.id == SKILL_RUSH) PayRush(enemy, true);
        if (target.hp <= 0) Kill(target, true);
    }
}

void EnemyHealsItself(Combatant& enemy, const Action& action) {
    StartEffect(enemy, action.effectKind, false);
    SayOwnSide(enemy, action, enemy);
    PlaySoundEffect(EffectOf(action).sound);
    ChangeHp(enemy, BOSS_HEAL_AMOUNT);
    enemy.hp = std::min(enemy.hp, enemy.maxHp);
}

void Resolve(Combatant& user, const Action& action) {
    if (user.enemy) {
        if (action.targetsOpponents == 1) {
            EnemyAtParty(user, action);
        } else {
            EnemyHealsItself(user, action);
        }
    } else if (action.targetsOpponents == 1) {
        PartyAtEnemies(user, action);
    } else {
        PartyAtPartyMembers(user, action);
    }
}

AnimationSlot ActingAnimation(const Combatant& combatant, const Action& action) {
    if (!combatant.enemy) return action.melee == 1 ? ANIM_MELEE : ANIM_CAST;
    if (IsBoss(combatant)) {
        if (action.id == SKILL_RUSH) return ANIM_BOSS_RUSH;
        if (action.id == SKILL_ZONE_ATTACK) return ANIM_BOSS_ZONE;
        if (action.id == SKILL_HEAL) return ANIM_BOSS_HEAL;
    }
    return ANIM_MELEE;
}

void StepForward(Combatant& combatant) {
    if (combatant.state == STATE_DEAD) return;
    if (combatant.enemy && combatant.state == STATE_PARALYSED) return;
    combatant.sprite.move(combatant.enemy ? -STEP_FORWARD : STEP_FORWARD, 0.0f);
    PlayAnimation(combatant, ActingAnimation(combatant, combatant.slots[CHOSEN_SLOT]));
}

void LoseTurnToParalysis(Combatant& combatant) {
    ShowInfo("%s is paralyzed !", CombatantName(combatant));
    combatant.state = STATE_READY;
    if (!IsBoss(combatant)) PlayAnimation(combatant, ANIM_IDLE);
    gBattle.actionDelay = PARALYSED_PAUSE;
    // An enemy keeps the action it could not play for the next round; a party member chooses anew.
    if (!combatant.enemy) ClearAction(combatant.slots[CHOSEN_SLOT]);
}

void Act(Combatant& combatant) {
    StepForward(combatant);
    if (combatant.state == STATE_DEAD) {
        gBattle.actionDelay = 0.0f;
        return;
    }
    if (combatant.state == STATE_PARALYSED) {
        LoseTurnToParalysis(combatant);
        return;
    }
    Action& action = combatant.slots[CHOSEN_SLOT];
    if (action.id != SKILL_NONE) Resolve(combatant, action);
    ClearAction(action);
}

}  // namespace

void ExecuteTurn() {
    gBattle.actionDelay = TURN_PAUSE;
    ForEachCombatant([](Combatant& combatant) {
        if (combatant.timelinePosition == gBattle.currentTurn) Act(combatant);
    });
}
