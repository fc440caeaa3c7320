#pragma once
// The moves of the battle rig, each built from a fighter's own ready stance so that a sword, a staff and a
// greatsword swing the same way. A row of n frames passes through every key of its move (see SampleKeys).

#include "BattlerRig.h"

#include <vector>

// A copy of the pose changed by edit: moves are written as small changes to the stance.
template <typename Edit>
BattlerPose Edited(BattlerPose pose, Edit edit) {
    edit(pose);
    return pose;
}

// The pose with an effect of the given power drawn over it.
BattlerPose WithEffect(BattlerPose pose, BattleEffect effect, int power);

BattlerPose SwordStance();
BattlerPose StaffStance();
BattlerPose ClubStance();
BattlerPose AxeStance();
BattlerPose KnightStance();
BattlerPose BossStance();

// A loop: a slow breath, the weapon and the free hand stirring with it.
BattlerPose IdlePose(const BattlerPose& ready, int frame, int frames);
// Stiff, with yellow sparks that change place between the two frames.
BattlerPose ParalysedPose(const BattlerPose& ready, int frame);

// How far a fighter's moves may reach inside its frame.
struct MoveRoom {
    int lunge = 3;        // steps forward on a strike
    int recoil = 2;       // steps back when hit
    bool curled = false;  // too tall to lie full length: dies slumped down sitting
    int peak = 4;         // steps of a spell's gathering light
    bool shield = false;  // the far arm keeps its shield up in front through the blow
};

std::vector<PoseKey> MeleeKeys(const BattlerPose& ready, const MoveRoom& room);  // wind-up, strike, recover
std::vector<PoseKey> HurtKeys(const BattlerPose& ready, const MoveRoom& room);   // recoil and flash
// Stagger, drop to the knees, fall on the face and lie still (or slump down, when curled).
std::vector<PoseKey> DeathKeys(const BattlerPose& ready, const MoveRoom& room);
// Raise the weapon, gather the spell, let it go.
std::vector<PoseKey> CastKeys(const BattlerPose& ready, const MoveRoom& room);

// The black knight's own moves.
std::vector<PoseKey> CleaveKeys(const BattlerPose& ready);  // a two-handed blow from overhead
std::vector<PoseKey> RushKeys(const BattlerPose& ready);    // charge, cut, walk back
std::vector<PoseKey> SlamKeys(const BattlerPose& ready);    // leap and slam, a shock wave on the ground
std::vector<PoseKey> HealKeys(const BattlerPose& ready);    // the blade planted, green light gathering
