#pragma once
// The pieces of the battle rig: the joints a pose puts where, the body parts drawn between them, and the
// effects laid around a finished figure. Positions stay fractional until a part is drawn, so the small
// party and the big knights bend the same way.

#include "BattlerRig.h"

struct RigPoint {
    float x = 0.0f;
    float y = 0.0f;
};

// The point `length` art pixels from `from` in the direction of `degrees` (0 down, 90 forward, 180 up).
RigPoint Along(RigPoint from, int degrees, float length);
PixelPoint Snap(RigPoint point);
// The point (dx, dy) from centre, the offsets given for a head of radius 6 and scaled to this one.
PixelPoint HeadPoint(RigPoint centre, float scale, float dx, float dy);

struct Skeleton {
    RigPoint hip, shoulder, head, armRoot;
    RigPoint frontKnee, frontAnkle, backKnee, backAnkle;
    RigPoint frontElbow, frontHand, backElbow, backHand;
    RigPoint weaponTip;
};

// The joints of a pose whose feet rest on the ground row of root (unless lifted).
Skeleton PoseSkeleton(const BattlerBuild& build, const BattlerPose& pose, RigPoint root);

// A limb: squares `width` wide stamped along the segment.
void StampLine(PixelCanvas& canvas, RigPoint from, RigPoint to, int width, sf::Color colour);

struct LimbColours {
    sf::Color limb;
    sf::Color end;  // boot or hand
};

void DrawLeg(PixelCanvas& layer, const BattlerBuild& build, RigPoint hip, RigPoint knee, RigPoint ankle,
             LimbColours colours);
void DrawArm(PixelCanvas& layer, const BattlerBuild& build, RigPoint root, RigPoint elbow, RigPoint hand,
             LimbColours colours);
void DrawTorso(PixelCanvas& layer, const BattlerBuild& build, const BattlerLook& look, const Skeleton& bones,
               const BattlerPose& pose);
void DrawCape(PixelCanvas& layer, const BattlerBuild& build, const BattlerLook& look, const Skeleton& bones,
              const BattlerPose& pose);
void DrawSideHead(PixelCanvas& layer, const BattlerBuild& build, const BattlerLook& look, RigPoint centre,
                  bool eyesClosed);
void DrawWeapon(PixelCanvas& layer, const BattlerBuild& build, const BattlerLook& look, RigPoint hand,
                int degrees);
void DrawShield(PixelCanvas& layer, const BattlerBuild& build, RigPoint hand);
void DrawPauldron(PixelCanvas& layer, const BattlerBuild& build, const BattlerLook& look, RigPoint root);

// Where a finished frame's effects go, in frame pixels.
struct EffectPlace {
    RigPoint focus;                                // the weapon's tip, or the front hand
    RigPoint armRoot;                              // the centre of a sword's arc
    RigPoint strike;                               // where a blow lands on the ground
    int left = 0, top = 0, right = 0, bottom = 0;  // the figure's opaque box
    int ground = 0;
};

// The part of an effect that glows behind the body, and the part drawn over it.
void DrawEffectBehind(PixelCanvas& frame, const BattlerLook& look, const BattlerPose& pose,
                      const EffectPlace& place, float unit);
void DrawEffectInFront(PixelCanvas& frame, const BattlerLook& look, const BattlerPose& pose,
                       const EffectPlace& place, float unit);
