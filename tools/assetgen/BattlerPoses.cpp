// Keys of the battle moves. Angles follow the rig: 0 hangs down, 90 points forward, 180 points up.

#include "BattlerPoses.h"

#include <cmath>

BattlerPose WithEffect(BattlerPose pose, BattleEffect effect, int power) {
    pose.effect = effect;
    pose.power = power;
    return pose;
}

namespace {

const float POSE_TWO_PI = 6.2831853f;

BattlerPose Flashing(BattlerPose pose) {
    pose.flash = true;
    return pose;
}

BattlerPose Recoil(const BattlerPose& ready, int steps) {
    return Edited(ready, [steps](BattlerPose& p) {
        p.hipX -= steps;
        p.lean = -8 * steps;
        p.frontLeg = {8, 0};
        p.backLeg = {-28, -16};
        p.frontArm = {20, 60};
        p.backArm = {-50, -30};
        p.weapon += 25;
        p.cape += 3;
        p.eyesClosed = true;
    });
}

}  // namespace

BattlerPose SwordStance() {
    BattlerPose p;
    p.frontLeg = {20, 5};
    p.backLeg = {-20, -10};
    p.lean = 5;
    p.frontArm = {40, 100};
    p.backArm = {-20, 10};
    p.weapon = 140;
    return p;
}

BattlerPose StaffStance() {
    BattlerPose p;
    p.frontLeg = {12, 0};
    p.backLeg = {-12, -5};
    p.lean = 2;
    p.frontArm = {30, 65};  // the staff leant forward, its stone clear of her hat
    p.backArm = {-15, 5};
    p.weapon = 155;
    return p;
}

BattlerPose ClubStance() {
    BattlerPose p = StaffStance();
    p.frontLeg = {18, 0};
    p.backLeg = {-18, -8};
    p.lean = 0;
    p.frontArm = {30, 60};
    p.weapon = 150;
    return p;
}

BattlerPose AxeStance() {
    BattlerPose p = SwordStance();
    p.frontLeg = {26, 6};
    p.backLeg = {-24, -12};
    p.lean = 10;
    p.frontArm = {45, 95};
    p.backArm = {35, 85};
    p.weapon = 160;
    return p;
}

BattlerPose KnightStance() {
    BattlerPose p = SwordStance();
    p.frontLeg = {18, 4};
    p.backLeg = {-18, -10};
    p.lean = 4;
    p.frontArm = {20, 60};
    p.backArm = {40, 80};  // the shield held up in front
    p.weapon = 165;
    return p;
}

BattlerPose BossStance() {
    BattlerPose p = SwordStance();
    p.frontLeg = {22, 5};
    p.backLeg = {-22, -12};
    p.lean = 6;
    p.frontArm = {25, 75};
    p.backArm = {40, 85};  // both hands on the hilt
    p.weapon = 125;
    p.cape = 1;
    return p;
}

BattlerPose IdlePose(const BattlerPose& ready, int frame, int frames) {
    const float wave = std::sin(POSE_TWO_PI * static_cast<float>(frame) / static_cast<float>(frames));
    const auto swing = [wave](float reach) { return static_cast<int>(std::lround(reach * wave)); };
    return Edited(ready, [&](BattlerPose& p) {
        p.bob = wave < -0.3f ? 1 : 0;
        p.weapon += swing(5.0f);
        p.frontArm.lower += swing(6.0f);
        p.backArm.upper += swing(8.0f);
        p.cape += swing(1.5f);
    });
}

BattlerPose ParalysedPose(const BattlerPose& ready, int frame) {
    return Edited(ready, [frame](BattlerPose& p) {
        p.lean -= 3;
        p.frontArm.upper -= 10;
        p.backArm.upper -= 15;
        p.hipX += frame % 2 == 0 ? 0 : -1;  // a shiver
        p.effect = EFFECT_SPARKS;
        p.power = 1 + frame % 2;
    });
}

std::vector<PoseKey> MeleeKeys(const BattlerPose& ready, const MoveRoom& room) {
    const int lunge = room.lunge;
    // The blade goes back over the shoulder as far as the lunge will carry it forward.
    BattlerPose lift = Edited(ready, [lunge](BattlerPose& p) {
        p.hipX -= 1;
        p.lean = -4;
        p.frontArm = {120, 160};
        p.backArm = {20, 60};
        p.weapon = 180 + 7 * lunge;
    });
    BattlerPose windup = Edited(lift, [lunge](BattlerPose& p) {
        p.lean = -8;
        p.frontLeg = {10, 0};
        p.backLeg = {-24, -14};
        p.frontArm = {170, 200};
        p.backArm = {45, 80};
        p.weapon = 180 + 12 * lunge;
    });
    // A long lunge reaches far forward; a fighter in a narrow frame chops down close in front instead.
    BattlerPose strike = Edited(ready, [lunge](BattlerPose& p) {
        p.hipX += lunge;
        p.lean = 6 + 4 * lunge;
        p.frontLeg = {45, 10};
        p.backLeg = {-35, -20};
        p.frontArm = {40 + 13 * lunge, 45 + 13 * lunge};
        p.backArm = {-40, -25};
        p.weapon = 30 + 13 * lunge;
        p.cape += 3;
    });
    BattlerPose follow = Edited(strike, [](BattlerPose& p) {
        p.lean += 2;
        p.frontArm = {p.frontArm.upper - 30, p.frontArm.lower - 45};
        p.weapon -= 35;
    });
    if (room.shield) {
        for (BattlerPose* guarded : {&lift, &windup, &strike, &follow})
            guarded->backArm = ready.backArm;
    }
    const BattlerPose recover = LerpPose(follow, ready, 0.6f);
    return {{lift, 1},
            {windup, 2},
            {WithEffect(strike, EFFECT_SLASH, 2), 1},
            {WithEffect(follow, EFFECT_SLASH, 1), 2},
            {recover, 2},
            {ready, 1}};
}

std::vector<PoseKey> HurtKeys(const BattlerPose& ready, const MoveRoom& room) {
    const BattlerPose recoil = Recoil(ready, room.recoil);
    return {{Flashing(recoil), 1},
            {recoil, 1},
            {Flashing(recoil), 1},
            {recoil, 2},
            {LerpPose(recoil, ready, 0.5f), 2},
            {ready, 1}};
}

std::vector<PoseKey> DeathKeys(const BattlerPose& ready, const MoveRoom& room) {
    const BattlerPose stagger = Edited(Recoil(ready, room.recoil), [&room](BattlerPose& p) {
        p.frontArm = {70, 130};
        p.backArm = {-50 * room.recoil, -70 * room.recoil};
        p.weapon = 160;
    });
    const BattlerPose kneel = Edited(ready, [](BattlerPose& p) {
        p.hipX -= 1;
        p.lean = 20;
        p.frontLeg = {70, 0};
        p.backLeg = {5, -85};
        p.frontArm = {15, 5};
        p.backArm = {-5, 0};
        p.weapon = 20;
        p.eyesClosed = true;
    });
    // Turned a quarter forwards, these joints lie face down along the ground, the blade along the body.
    const BattlerPose lying = Edited(ready, [](BattlerPose& p) {
        p.hipX = 0;
        p.lean = 0;
        p.frontLeg = {4, 0};
        p.backLeg = {-6, -10};
        p.frontArm = {10, 5};
        p.backArm = {-10, -5};
        p.weapon = 175;
        p.tilt = -90;
        p.cape = 0;
        p.bob = 0;
        p.eyesClosed = true;
    });
    // A body too tall for its frame slumps down sitting instead, legs out, head bowed, blade dropped.
    const BattlerPose slumped = Edited(kneel, [](BattlerPose& p) {
        p.hipX = -5;  // sat down behind the feet, so the legs stretched forward stay on the frame
        p.lean = 40;
        p.frontLeg = {90, 90};
        p.backLeg = {85, 95};
        p.frontArm = {10, 0};
        p.backArm = {0, -5};
        p.weapon = -85;
    });
    const BattlerPose down = room.curled ? slumped : lying;
    BattlerPose topple = LerpPose(kneel, down, 0.5f);
    topple.tilt = room.curled ? 0 : -40;
    return {{stagger, 2}, {kneel, 2}, {topple, 1}, {down, 2}, {down, 1}, {down, 1}};
}

std::vector<PoseKey> CastKeys(const BattlerPose& ready, const MoveRoom& room) {
    const int peak = room.peak;
    const BattlerPose raised = Edited(ready, [](BattlerPose& p) {
        p.lean = -6;
        p.frontArm = {150, 178};
        p.backArm = {130, 160};
        p.weapon = 178;
    });
    // The spell leaves from the weapon's tip, thrust up and forward at the foe.
    const BattlerPose release = Edited(ready, [](BattlerPose& p) {
        p.hipX += 1;
        p.lean = 12;
        p.frontLeg = {35, 5};
        p.backLeg = {-30, -15};
        p.frontArm = {95, 120};
        p.backArm = {-30, -10};
        p.weapon = 140;
        p.cape += 2;
    });
    std::vector<PoseKey> keys = {{Edited(ready, [](BattlerPose& p) { p.bob = 1; }), 1}};
    for (int power = 1; power <= peak; ++power) {
        keys.push_back(
            {WithEffect(Edited(raised, [power](BattlerPose& p) { p.bob = power % 2; }), EFFECT_GLOW, power),
             1});
    }
    keys.push_back({WithEffect(release, EFFECT_BURST, 1), 1});
    keys.push_back({WithEffect(release, EFFECT_BURST, peak - 1), 2});
    keys.push_back({LerpPose(release, ready, 0.5f), 2});
    keys.push_back({ready, 1});
    return keys;
}
