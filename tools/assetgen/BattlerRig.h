#pragma once
// The battle side view of Velmoria's people: one jointed body (hips, knees, shoulders, elbows) posed by
// angles and dressed by the same look as on the roaming maps, drawn facing right; enemies are mirrored.
// Every length comes from the build, so one pose serves the small goblins of the party, the tall knights
// and the black knight alike.
//
// Angles are degrees measured from straight down and turning towards the front: 0 hangs, 90 points
// forward, 180 points up, negative angles reach behind.

#include "CharacterArt.h"

#include <vector>

enum BattleWeapon { WEAPON_NONE, WEAPON_SWORD, WEAPON_STAFF, WEAPON_CLUB, WEAPON_GREATSWORD, WEAPON_AXE };

// What a frame adds around the body: a sword's trail, a spell gathering then let go, the paralysis
// sparks, the black knight's healing light and shock wave, the dust of a charge.
enum BattleEffect {
    EFFECT_NONE,
    EFFECT_SLASH,
    EFFECT_GLOW,
    EFFECT_BURST,
    EFFECT_SPARKS,
    EFFECT_HEAL,
    EFFECT_WAVE,
    EFFECT_DUST
};

struct BattlerBuild {
    int frameWidth = 32;  // art pixels of one frame
    int frameHeight = 32;
    int rootX = 16;     // the column the feet stand around, facing right
    int ground = 30;    // the lowest row of the soles
    int legLength = 4;  // hip to ankle
    int torsoLength = 5;
    int torsoWidth = 7;
    int headRadius = 4;
    int limbWidth = 2;
    int armLength = 5;
    int footLength = 3;
    int footHeight = 2;
    int weaponLength = 8;
    float unit = 1.0f;  // art pixels per step of a pose's offsets
};

struct BattlerLook {
    CharacterLook body;
    bool heroHood = false;  // Pell's pointed hood and red scarf
    bool headband = false;
    bool pauldrons = false;
    bool shield = false;  // carried on the far arm
    BattleWeapon weapon = WEAPON_NONE;
    Ramp magic = RAMP_WATER;  // the staff's stone and the colour of the spells
};

struct LimbAngles {
    int upper = 0;
    int lower = 0;
};

struct BattlerPose {
    int hipX = 0;  // steps forward
    int lift = 0;  // steps off the ground
    int bob = 0;   // steps the shoulders sink
    int lean = 0;  // forward
    LimbAngles frontLeg, backLeg, frontArm, backArm;
    int weapon = 150;
    int tilt = 0;  // fallen over, pivoting on the feet: forwards when negative
    int cape = 0;  // how far the cape streams back
    BattleEffect effect = EFFECT_NONE;
    int power = 0;
    bool flash = false;
    bool eyesClosed = false;
};

struct PoseKey {
    BattlerPose pose;
    int weight = 1;  // how long the move from this key to the next lasts, relative to the others
};

// Where frame `frame` of a row of `frames` falls among keys whose moves last `weights`: every key is shown
// exactly on one frame, the first on the first and the last on the last, the frames between in between.
struct KeySpan {
    int key = 0;
    float fraction = 0.0f;  // of the way to the next key
};
KeySpan LocateFrame(const std::vector<int>& weights, int frame, int frames);

BattlerPose LerpPose(const BattlerPose& from, const BattlerPose& to, float fraction);
BattlerPose SampleKeys(const std::vector<PoseKey>& keys, int frame, int frames);

// One frame of art, facing right, feet on the build's ground around its root, shadow and effects included.
PixelCanvas DrawBattler(const BattlerBuild& build, const BattlerLook& look, const BattlerPose& pose);
