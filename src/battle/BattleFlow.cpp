#include "battle/BattleFlow.h"

#include "battle/BattleHud.h"
#include "battle/BattleState.h"
#include "battle/CombatantAnimation.h"
#include "battle/CommandMenus.h"
#include "battle/Turns.h"
#include "battle/Victory.h"
#include "core/Random.h"
#include "world/GameSession.h"

namespace {

struct SpeedCounts {
    uint32_t fast = 0, normal = 0, slow = 0;
};

SpeedCounts CountLiving() {
    SpeedCounts counts;
    ForEachCombatant([&](const Combatant& combatant) {
        if (combatant.state == STATE_DEAD) return;
        if (combatant.speed == SPEED_FAST) ++counts.fast;
        if (combatant.speed == SPEED_NORMAL) ++counts.normal;
        if (combatant.speed == SPEED_SLOW) ++counts.slow;
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

uint32_t TimelineCode(const Combatant& combatant) {
    return combatant.enemy ? static_cast<uint32_t>(combatant.id) + TIMELINE_ENEMY_CODE
                           : static_cast<uint32_t>(combatant.id);
}

bool AnyMemberAlive() {
    for (const PartyCombatant& member : gBattle.party)
        if (member.state != STATE_DEAD) return true;
    return false;
}

void ChooseSkill(EnemyCombatant& enemy) {
    Action& chosen = enemy.slots[CHOSEN_SLOT];
    while (chosen.id == SKILL_NONE) {
        const int32_t slot = RandomValue() % SKILL_SLOTS;
        chosen = MakeAction(enemy.slots[static_cast<size_t>(slot)].id);
        // Healing is kept for when it is needed.
        if (chosen.id == SKILL_HEAL && enemy.hp > enemy.maxHp / 2) ClearAction(chosen);
    }
}

void ChooseTargets(EnemyCombatant& enemy, uint32_t self) {
    Action& chosen = enemy.slots[CHOSEN_SLOT];
    if (chosen.targetsOpponents == 0) {
        for (uint32_t& target : chosen.targets)
            target = self;
        return;
    }
    if (chosen.hitsAll == 1) {
        chosen.targets.clear();
        for (uint32_t i = 0; i < gBattle.party.size(); ++i)
            if (gBattle.party[i].state != STATE_DEAD) chosen.targets.push_back(i);
        chosen.targetCount = static_cast<uint32_t>(chosen.targets.size());
        return;
    }
    if (!AnyMemberAlive()) return;
    for (uint32_t& target : chosen.targets) {
        do {
            target = static_cast<uint32_t>(RandomValue()) % BattlePartySize();
        } while (gBattle.party[target].state == STATE_DEAD);
    }
}

void ShowPendingChanges() {
    ForEachCombatant([](Combatant& combatant) {
        if (combatant.pendingChange == 0) return;
        AddFloatingNumber(combatant.pendingChange, combatant.sprite.getPosition());
        if (combatant.state != STATE_DEAD && combatant.pendingChange < 0) PlayAnimation(combatant, ANIM_HURT);
        combatant.pendingChange = 0;
    });
}

void StartNewRound() {
    RollTimeline();
    gBattle.currentTurn = 0;
    SendEveryoneHome();
    gBattle.commandingMember = 0;
    while (gBattle.commandingMember < gBattle.party.size() &&
           gBattle.party[gBattle.commandingMember].state == STATE_DEAD)
        ++gBattle.commandingMember;
    CreateCommandMenu();
    gBattle.phase = PHASE_COMMAND;
    gBattle.menuCursor = 0;
    PlaceMenuCursor(0, PHASE_COMMAND);
}

void PlayTurns() {
    const uint32_t total = BattlePartySize() + gBattle.enemyCount;
    if (gBattle.currentTurn > total && gBattle.actionDelay <= 0.0f) {
        StartNewRound();
    } else if (gBattle.currentTurn == 0) {
        if (gBattle.commandingMember == BattlePartySize()) {
            DestroyListMenu();
            ChooseEnemyActions();
            gBattle.currentTurn = 1;
        }
    } else if (gBattle.actionDelay > 0.0f) {
        if (gBattle.actionDelay <= 1.0f) ShowPendingChanges();
    } else {
        SendEveryoneHome();
        ClearFloatingNumbers();
        ExecuteTurn();
        ++gBattle.currentTurn;
    }
}

}  // namespace

BattleOutcome UpdateBattle(float dt) {
    // A battle that could not start only waits for its way out; a won one for the victory to be read.
    if (!gBattle.running || gBattle.phase == PHASE_VICTORY) return BattleOutcome::GOING_ON;
    gBattle.actionDelay -= dt;
    if (gBattle.deadPartyCount >= BattlePartySize()) {
        // The battle stays under the game-over screen as it ended: the last blow's bars and fading.
        UpdatePartyBars(0.0f);
        AnimateEnemies(0.0f);
        AnimateParty(0.0f);
        return BattleOutcome::LOST;
    }
    if (gBattle.deadEnemyCount >= gBattle.enemyCount && gBattle.actionDelay <= 0.0f) {
        gBattle.phase = PHASE_VICTORY;
        return BattleOutcome::WON;
    }
    UpdateTimelineHighlight();
    UpdatePartyBars(dt);
    PlayTurns();
    AnimateEnemies(dt);
    AnimateParty(dt);
    return BattleOutcome::GOING_ON;
}

void RollTimeline() {
    const SpeedCounts counts = CountLiving();
    const uint32_t total = BattlePartySize() + gBattle.enemyCount;
    const uint32_t slots = total - gBattle.deadPartyCount - gBattle.deadEnemyCount;
    gBattle.timeline.assign(slots, 0);
    std::vector<bool> taken(total + 1, false);
    ForEachCombatant([&](Combatant& combatant) {
        if (combatant.state == STATE_DEAD) {
            combatant.timelinePosition = total;
            return;
        }
        uint32_t position = 0;
        do {
            position = DrawPosition(combatant.speed, counts);
        } while (taken[position]);
        taken[position] = true;
        combatant.timelinePosition = position;
        if (position - 1 < gBattle.timeline.size()) gBattle.timeline[position - 1] = TimelineCode(combatant);
    });
    BuildTimelineSprites();
}

void ChooseEnemyActions() {
    for (uint32_t i = 0; i < gBattle.enemies.size(); ++i) {
        EnemyCombatant& enemy = gBattle.enemies[i];
        if (enemy.state == STATE_DEAD) continue;
        // An enemy that lost its last turn to paralysis still holds that action, targets and all.
        if (enemy.slots[CHOSEN_SLOT].id != SKILL_NONE) continue;
        ChooseSkill(enemy);
        ChooseTargets(enemy, i);
    }
}

void SendEveryoneHome() {
    ForEachCombatant([](Combatant& combatant) { combatant.sprite.setPosition(combatant.home); });
}

void ReleaseBattle() {
    if (!gBattle.started) return;
    ReleaseVictory();
    DestroyMenus();
    DestroyBattleHud();
    gBattle = Battle{};
}
