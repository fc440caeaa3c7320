// The joints of a battle pose and the body drawn between them: legs, torso, arms, cape. Heads and the
// things held in the hands are in BattlerGear.cpp.

#include "BattlerParts.h"

#include <algorithm>
#include <cmath>

namespace {

const float RIG_RADIANS = 3.14159265f / 180.0f;

// The straight-down reach of a leg, which sets how high the hips ride.
float LegDrop(LimbAngles leg, float thigh, float shin) {
    return thigh * std::cos(static_cast<float>(leg.upper) * RIG_RADIANS) +
           shin * std::cos(static_cast<float>(leg.lower) * RIG_RADIANS);
}

RigPoint Offset(RigPoint point, float dx, float dy) {
    return {point.x + dx, point.y + dy};
}

}  // namespace

RigPoint Along(RigPoint from, int degrees, float length) {
    const float radians = static_cast<float>(degrees) * RIG_RADIANS;
    return {from.x + std::sin(radians) * length, from.y + std::cos(radians) * length};
}

PixelPoint Snap(RigPoint point) {
    return {static_cast<int>(std::lround(point.x)), static_cast<int>(std::lround(point.y))};
}

PixelPoint HeadPoint(RigPoint centre, float scale, float dx, float dy) {
    return Snap({centre.x + dx * scale, centre.y + dy * scale});
}

Skeleton PoseSkeleton(const BattlerBuild& build, const BattlerPose& pose, RigPoint root) {
    const float unit = build.unit;
    const float thigh = std::ceil(static_cast<float>(build.legLength) / 2.0f);
    const float shin = static_cast<float>(build.legLength) - thigh;
    const float drop = std::max(LegDrop(pose.frontLeg, thigh, shin), LegDrop(pose.backLeg, thigh, shin));
    Skeleton bones;
    bones.hip = {
        root.x + static_cast<float>(pose.hipX) * unit,
        root.y - static_cast<float>(build.footHeight - 1) - drop - static_cast<float>(pose.lift) * unit};
    // The near leg hangs a little ahead of the far one, so both show from the side.
    const RigPoint nearHip = Offset(bones.hip, 0.5f * unit, 0.0f),
                   farHip = Offset(bones.hip, -0.5f * unit, 0.0f);
    bones.frontKnee = Along(nearHip, pose.frontLeg.upper, thigh);
    bones.frontAnkle = Along(bones.frontKnee, pose.frontLeg.lower, shin);
    bones.backKnee = Along(farHip, pose.backLeg.upper, thigh);
    bones.backAnkle = Along(bones.backKnee, pose.backLeg.lower, shin);
    bones.shoulder = Along(bones.hip, 180 - pose.lean, static_cast<float>(build.torsoLength));
    bones.shoulder.y += static_cast<float>(pose.bob) * unit;
    bones.head = Along(bones.shoulder, 180 - pose.lean, static_cast<float>(build.headRadius) + 1.0f);
    bones.armRoot = Along(bones.shoulder, -pose.lean, static_cast<float>(build.limbWidth) * 0.5f);
    const float upper = std::ceil(static_cast<float>(build.armLength) / 2.0f);
    const float fore = static_cast<float>(build.armLength) - upper;
    bones.frontElbow = Along(bones.armRoot, pose.frontArm.upper, upper);
    bones.frontHand = Along(bones.frontElbow, pose.frontArm.lower, fore);
    const RigPoint farRoot = Offset(bones.armRoot, -unit, 0.0f);
    bones.backElbow = Along(farRoot, pose.backArm.upper, upper);
    bones.backHand = Along(bones.backElbow, pose.backArm.lower, fore);
    bones.weaponTip = Along(bones.frontHand, pose.weapon, static_cast<float>(build.weaponLength));
    return bones;
}

void StampLine(PixelCanvas& canvas, RigPoint from, RigPoint to, int width, sf::Color colour) {
    const float dx = to.x - from.x, dy = to.y - from.y;
    const int steps = std::max(1, static_cast<int>(std::ceil(std::max(std::fabs(dx), std::fabs(dy)))));
    const float half = static_cast<float>(width - 1) / 2.0f;
    for (int step = 0; step <= steps; ++step) {
        const float t = static_cast<float>(step) / static_cast<float>(steps);
        const int x = static_cast<int>(std::lround(from.x + dx * t - half));
        const int y = static_cast<int>(std::lround(from.y + dy * t - half));
        FillRect(canvas, x, y, width, width, colour);
    }
}

void DrawLeg(PixelCanvas& layer, const BattlerBuild& build, RigPoint hip, RigPoint knee, RigPoint ankle,
             LimbColours colours) {
    StampLine(layer, hip, knee, build.limbWidth, colours.limb);
    StampLine(layer, knee, ankle, build.limbWidth, colours.limb);
    // The boot points forward from the ankle; its sole is the ankle row plus the foot's height.
    const PixelPoint heel = Snap(Offset(ankle, -static_cast<float>(build.limbWidth) / 2.0f, 0.0f));
    FillRect(layer, heel.x, heel.y, build.footLength, build.footHeight, colours.end);
}

void DrawArm(PixelCanvas& layer, const BattlerBuild& build, RigPoint root, RigPoint elbow, RigPoint hand,
             LimbColours colours) {
    StampLine(layer, root, elbow, build.limbWidth, colours.limb);
    StampLine(layer, elbow, hand, build.limbWidth, colours.limb);
    StampLine(layer, hand, hand, build.limbWidth, colours.end);
}

void DrawTorso(PixelCanvas& layer, const BattlerBuild& build, const BattlerLook& look, const Skeleton& bones,
               const BattlerPose& pose) {
    const float radians = static_cast<float>(pose.lean) * RIG_RADIANS;
    const RigPoint forward{std::cos(radians), std::sin(radians)};
    const float half = static_cast<float>(build.torsoWidth + 2 * look.body.girth) / 2.0f, flare = build.unit;
    const RigPoint hem = Along(bones.hip, -pose.lean, build.unit * 1.5f);  // the tunic covers the hips
    const auto at = [&](RigPoint base, float across) {
        return Snap({base.x + forward.x * across, base.y + forward.y * across});
    };
    const sf::Color cloth = Pal(look.body.cloth.mid);
    FillPolygon(
        layer,
        {at(bones.shoulder, -half), at(bones.shoulder, half), at(hem, half + flare), at(hem, -half - flare)},
        cloth);
    FillEllipse(layer, Snap(bones.shoulder).x, Snap(bones.shoulder).y, static_cast<int>(half),
                std::max(1, static_cast<int>(build.unit)), cloth);  // round shoulders
    const RigPoint belt = Along(bones.hip, 180 - pose.lean, build.unit);
    const RigPoint beltTop = Along(belt, 180 - pose.lean, std::max(1.0f, build.unit * 0.6f));
    FillPolygon(layer, {at(beltTop, -half), at(beltTop, half), at(belt, half + 1), at(belt, -half - 1)},
                Pal(look.body.trim));
    if (look.heroHood) PutPixel(layer, at(belt, half - 1).x, at(belt, 0.0f).y - 1, Pal(PAL_GOLD_MID));
    if (look.pauldrons) {  // a breastplate: a lit ridge down the front, a dark seam across the chest
        const PixelPoint ridgeTop = at(bones.shoulder, half - 1.5f * build.unit),
                         ridgeEnd = at(beltTop, half - 1.5f * build.unit);
        StampLine(layer, {static_cast<float>(ridgeTop.x), static_cast<float>(ridgeTop.y + 1)},
                  {static_cast<float>(ridgeEnd.x), static_cast<float>(ridgeEnd.y - 1)},
                  std::max(1, build.limbWidth / 3), Pal(look.body.cloth.light));
        const RigPoint seam = Along(bones.shoulder, -pose.lean, static_cast<float>(build.torsoLength) * 0.4f);
        const PixelPoint from = at(seam, -half + 1.0f), to = at(seam, half - 1.0f);
        DrawLine(layer, from.x, from.y, to.x, to.y, Pal(look.body.cloth.dark));
    }
    if (look.heroHood) {  // the red scarf round the neck, its end streaming back
        const RigPoint neck = Along(bones.shoulder, -pose.lean, 0.5f);
        FillPolygon(layer,
                    {at(neck, -half), at(neck, half), at(Offset(neck, 0, 1.5f), half),
                     at(Offset(neck, 0, 1.5f), -half)},
                    Pal(PAL_CLOTH_MID));
        const PixelPoint back = at(neck, -half);
        const int stream = 2 + pose.cape / 2;
        FillPolygon(layer,
                    {{back.x + 1, back.y},
                     {back.x - stream, back.y + 1},
                     {back.x - stream + 1, back.y + 3},
                     {back.x + 1, back.y + 2}},
                    Pal(PAL_CLOTH_MID));
    }
}

void DrawCape(PixelCanvas& layer, const BattlerBuild& build, const BattlerLook& look, const Skeleton& bones,
              const BattlerPose& pose) {
    if (!look.body.cape) return;
    const float half = static_cast<float>(build.torsoWidth + 2 * look.body.girth) / 2.0f, unit = build.unit;
    const float flare = static_cast<float>(pose.cape) * unit;
    const RigPoint neckBack = Offset(bones.shoulder, -half + unit, 0.0f);
    const RigPoint neckFront = Offset(bones.shoulder, half * 0.3f, 0.0f);
    const float hemY = bones.hip.y + static_cast<float>(build.legLength) * 0.8f - flare * 0.3f;
    const RigPoint hemBack{bones.hip.x - half - 2.0f * unit - flare, hemY};
    const RigPoint hemFront{bones.hip.x - half * 0.2f - flare * 0.5f, hemY - unit};
    FillPolygon(layer, {Snap(neckFront), Snap(neckBack), Snap(hemBack), Snap(hemFront)}, Pal(PAL_CLOTH_DARK));
    // Folds hang down the cape, catching the light.
    for (int fold = 1; fold <= 2; ++fold) {
        const float share = static_cast<float>(fold) / 3.0f;
        const RigPoint top{neckBack.x + (neckFront.x - neckBack.x) * share, neckBack.y + 2.0f * unit};
        const RigPoint bottom{hemBack.x + (hemFront.x - hemBack.x) * share, hemY - unit};
        StampLine(layer, top, bottom, 1, Pal(PAL_WOOD_DARK));
    }
}
