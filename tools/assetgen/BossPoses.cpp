// The black knight's moves: a cleave, a charge across the field and back, a leaping slam whose shock wave
// runs along the ground, and the healing he draws from his planted blade.

#include "BattlerPoses.h"

namespace {

// Both hands on the hilt above the shoulder, the blade laid back: he fills his frame's height, so the
// blade goes behind him rather than above.
BattlerPose Overhead(const BattlerPose& ready) {
    return Edited(ready, [](BattlerPose& p) {
        p.lean = -8;
        p.frontArm = {150, 175};
        p.backArm = {140, 170};
        p.weapon = 255;
        p.cape = 2;
    });
}

BattlerPose Crouched(const BattlerPose& from) {
    return Edited(from, [](BattlerPose& p) {
        p.frontLeg = {55, -5};
        p.backLeg = {-10, -60};
        p.lean += 12;
    });
}

BattlerPose Downstroke(const BattlerPose& ready, int reach) {
    return Edited(ready, [reach](BattlerPose& p) {
        p.hipX += reach;
        p.lean = 24;
        p.frontLeg = {45, 10};
        p.backLeg = {-35, -20};
        p.frontArm = {75, 70};
        p.backArm = {65, 60};
        p.weapon = 45;
        p.cape = 4;
    });
}

}  // namespace

std::vector<PoseKey> CleaveKeys(const BattlerPose& ready) {
    const BattlerPose high = Overhead(ready);
    const BattlerPose blow = Downstroke(ready, 3);
    const BattlerPose bitten = Edited(blow, [](BattlerPose& p) {
        p.weapon = 20;
        p.frontArm = {55, 35};
        p.backArm = {45, 30};
    });
    return {{Edited(high, [](BattlerPose& p) { p.weapon = 190; }), 1},
            {high, 3},
            {WithEffect(blow, EFFECT_SLASH, 3), 1},
            {WithEffect(bitten, EFFECT_SLASH, 1), 2},
            {bitten, 2},
            {LerpPose(bitten, ready, 0.5f), 2},
            {ready, 1}};
}

std::vector<PoseKey> RushKeys(const BattlerPose& ready) {
    const BattlerPose set = Crouched(ready);
    const BattlerPose dash = Edited(ready, [](BattlerPose& p) {
        p.hipX = 10;
        p.lean = 30;
        p.frontLeg = {60, 20};
        p.backLeg = {-50, -20};
        p.weapon = 110;
        p.cape = 7;
    });
    const BattlerPose arrive = Edited(dash, [](BattlerPose& p) {
        p.hipX = 20;
        p.frontArm = {140, 170};
        p.weapon = 245;
    });
    const BattlerPose cut = Edited(Downstroke(ready, 22), [](BattlerPose& p) { p.cape = 6; });
    const BattlerPose back = Edited(ready, [](BattlerPose& p) {
        p.hipX = 10;
        p.lean = -4;
        p.frontLeg = {-10, -10};
        p.backLeg = {20, 0};
        p.cape = -2;
    });
    return {{set, 2},
            {WithEffect(dash, EFFECT_DUST, 1), 1},
            {WithEffect(arrive, EFFECT_DUST, 2), 1},
            {WithEffect(cut, EFFECT_SLASH, 3), 1},
            {WithEffect(Edited(cut, [](BattlerPose& p) { p.weapon = 25; }), EFFECT_SLASH, 1), 2},
            {Edited(cut, [](BattlerPose& p) { p.weapon = 25; }), 1},
            {back, 3},
            {Edited(back,
                    [](BattlerPose& p) {
                        p.hipX = 3;
                        p.frontLeg = {15, 0};
                        p.backLeg = {-15, -5};
                    }),
             2},
            {ready, 1}};
}

std::vector<PoseKey> SlamKeys(const BattlerPose& ready) {
    const BattlerPose high = Overhead(ready);
    const BattlerPose leap = Edited(high, [](BattlerPose& p) {
        p.hipX = 4;
        p.lift = 1;
        p.frontLeg = {50, -10};
        p.backLeg = {-20, -70};
        p.cape = 5;
    });
    const BattlerPose apex = Edited(leap, [](BattlerPose& p) {
        p.hipX = 8;
        p.lift = 2;
        p.weapon = 250;
    });
    const BattlerPose slam = Edited(Downstroke(ready, 10), [](BattlerPose& p) {
        p.frontLeg = {60, 0};
        p.backLeg = {-5, -70};
        p.weapon = 15;
        p.frontArm = {50, 30};
        p.backArm = {40, 25};
    });
    std::vector<PoseKey> keys = {{ready, 1}, {high, 2}, {Crouched(high), 2},
                                 {leap, 1},  {apex, 2}, {WithEffect(slam, EFFECT_WAVE, 1), 1}};
    for (int power = 2; power <= 5; ++power)
        keys.push_back({WithEffect(slam, EFFECT_WAVE, power), 1});
    keys.push_back({Edited(slam, [](BattlerPose& p) { p.hipX = 8; }), 2});
    keys.push_back({Edited(ready, [](BattlerPose& p) { p.hipX = 4; }), 3});
    keys.push_back({ready, 1});
    return keys;
}

std::vector<PoseKey> HealKeys(const BattlerPose& ready) {
    const BattlerPose planted = Edited(ready, [](BattlerPose& p) {
        p.lean = 0;
        p.frontArm = {40, 20};
        p.weapon = 0;  // the blade's point in the ground
        p.backArm = {150, 175};
        p.cape = 0;
    });
    const BattlerPose raised = Edited(planted, [](BattlerPose& p) {
        p.lean = -6;
        p.backArm = {165, 185};
        p.cape = 2;
    });
    std::vector<PoseKey> keys = {{LerpPose(ready, planted, 0.5f), 1}, {planted, 1}};
    for (int power = 1; power <= 4; ++power)
        keys.push_back({WithEffect(raised, EFFECT_HEAL, power), 2});
    keys.push_back({Edited(WithEffect(raised, EFFECT_HEAL, 4), [](BattlerPose& p) { p.flash = true; }), 1});
    keys.push_back({WithEffect(planted, EFFECT_HEAL, 2), 2});
    keys.push_back({ready, 1});
    return keys;
}
