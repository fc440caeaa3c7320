#pragma once
// A battle held by the rules alone, no window: the party of a game session against enemies of the
// given kinds, and turns played with chosen actions.

#include <string>
#include <vector>

#include "battle/BattleRules.h"
#include "support/Scenes.h"

struct Fight {
    GameSession session;
    BattleRules rules;
    std::vector<BattleEvent> seen;

    Fight(std::vector<int32_t> kinds, uint32_t partySize, uint32_t money = 1) {
        GrowParty(session, partySize);
        StartRules(rules, session, BattleFile{static_cast<uint32_t>(kinds.size()), kinds, money});
        rules.events.clear();
    }

    Fighter& Member(size_t i) { return rules.party.at(i); }
    Fighter& Foe(size_t i) { return rules.enemies.at(i); }
    // The fighter's turn comes with this action chosen, targets as given; returns the texts the
    // information box shows, in order.
    std::vector<std::string> Play(Fighter& user, SkillId skill, std::vector<uint32_t> targets) {
        Action action = MakeAction(skill);
        action.targets = std::move(targets);
        action.targetCount = static_cast<uint32_t>(action.targets.size());
        user.slots[CHOSEN_SLOT] = action;
        return Turn(user);
    }

    std::vector<std::string> Turn(const Fighter& fighter) {
        rules.currentTurn = fighter.timelinePosition;
        ExecuteTurn(rules);
        return Messages();
    }

    // The texts of the events since the last look; the events themselves are kept in `seen`.
    std::vector<std::string> Messages() {
        seen = TakeEvents(rules);
        std::vector<std::string> texts;
        for (const BattleEvent& event : seen)
            if (event.type == BattleEventType::MESSAGE) texts.push_back(event.text);
        return texts;
    }

    bool Saw(BattleEventType type, bool enemy, uint32_t index) const {
        for (const BattleEvent& event : seen)
            if (event.type == type && event.enemy == enemy && event.index == index) return true;
        return false;
    }

    // Time goes by, every turn hurried, until the party is asked again or the battle is over; the
    // messages on the way are added to `said`.
    BattleStage PlayOut(std::vector<std::string>* said = nullptr) {
        for (int step = 0; step < 10000 && Stage(rules) == BattleStage::ACTIONS; ++step) {
            HurryTurn(rules);
            AdvanceBattle(rules, 1.0f / 60.0f);
            for (std::string& text : Messages())
                if (said != nullptr) said->push_back(std::move(text));
        }
        return Stage(rules);
    }

    // A member down as a blow would leave him.
    void Fell(size_t member) {
        Member(member).hp = 0;
        Member(member).state = STATE_DEAD;
        ++rules.deadPartyCount;
    }
};

using Texts = std::vector<std::string>;
