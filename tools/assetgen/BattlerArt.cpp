// The party's and the enemies' battle sheets and the HUD portraits. The party stands on the left facing
// right; the knights, their hound and the black knight stand on the right and are mirrored. Every sheet is
// drawn at half size and doubled; the black knight's frame is 128 x 64 art pixels with his feet at three
// quarters of its width, so his charge and his slam have room in front of him.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "BattleHound.h"
#include "BattlerPoses.h"

#include <algorithm>
#include <functional>
#include <string>

namespace {

const int BATTLE_SHEET_FACTOR = 2;
const Ramp FOREST_CLOTH{PAL_FOREST_DEEP, PAL_GRASS_DARK, PAL_GRASS_MID};

using FrameDrawer = std::function<PixelCanvas(int frame, int frames)>;
using PoseAt = std::function<BattlerPose(int frame, int frames)>;

struct SheetRow {
    int frames = 0;  // an empty row keeps its place on the sheet
    FrameDrawer draw;
};

struct Battler {
    BattlerBuild build;
    BattlerLook look;
    bool enemy = false;
};

CharacterLook GreenLook() {
    return DressedAs(GOBLIN_SKIN, FOREST_CLOTH, PAL_WOOD_DARK, HEAD_BARE, PAL_OUTLINE);
}

Battler Pell() {
    Battler pell;
    pell.look.body = DressedAs(GOBLIN_SKIN, RAMP_GRASS, PAL_WOOD_DARK, HEAD_HOOD, PAL_GRASS_MID);
    pell.look.heroHood = true;
    pell.look.weapon = WEAPON_SWORD;
    pell.look.magic = {PAL_GRASS_MID, PAL_GRASS_PALE, PAL_WHITE};
    return pell;
}

Battler Spriti() {
    Battler spriti;
    spriti.look.body = SpritiLook();
    spriti.look.weapon = WEAPON_STAFF;
    spriti.build.weaponLength = 10;
    return spriti;
}

Battler Groto() {
    Battler groto;
    groto.look.body = GrotoLook();
    groto.look.body.girth = 1;  // the party's build is smaller: one pixel each side is his roaming two
    groto.look.weapon = WEAPON_CLUB;
    groto.look.magic = RAMP_GOLD;
    groto.build.weaponLength = 10;
    return groto;
}

Battler Green() {
    Battler green;
    green.look.body = GreenLook();
    green.look.headband = true;
    green.look.weapon = WEAPON_AXE;
    green.build.weaponLength = 7;
    return green;
}

Battler Knight() {
    Battler knight;
    knight.look.body = KnightLook();
    knight.look.weapon = WEAPON_SWORD;
    knight.look.shield = true;
    knight.look.pauldrons = true;
    knight.build = {.frameWidth = 32,
                    .frameHeight = 64,
                    .rootX = 16,
                    .ground = 62,
                    .legLength = 15,
                    .torsoLength = 14,
                    .torsoWidth = 9,
                    .headRadius = 5,
                    .limbWidth = 3,
                    .armLength = 11,
                    .footLength = 5,
                    .footHeight = 3,
                    .weaponLength = 13,
                    .unit = 2.0f};
    knight.enemy = true;
    return knight;
}

Battler Boss() {
    Battler boss;
    boss.look.body = BossLook();
    boss.look.weapon = WEAPON_GREATSWORD;
    boss.look.pauldrons = true;
    boss.look.magic = RAMP_GRASS;
    boss.build = {.frameWidth = 128,
                  .frameHeight = 64,
                  .rootX = 31,
                  .ground = 62,
                  .legLength = 15,
                  .torsoLength = 17,
                  .torsoWidth = 16,
                  .headRadius = 7,
                  .limbWidth = 5,
                  .armLength = 15,
                  .footLength = 7,
                  .footHeight = 3,
                  .weaponLength = 26,
                  .unit = 2.5f};
    boss.enemy = true;
    return boss;
}

FrameDrawer RigFrames(const Battler& battler, const PoseAt& poseAt) {
    return [battler, poseAt](int frame, int frames) {
        PixelCanvas art = DrawBattler(battler.build, battler.look, poseAt(frame, frames));
        if (battler.enemy) FlipHorizontal(art);
        return art;
    };
}

FrameDrawer KeyFrames(const Battler& battler, const std::vector<PoseKey>& keys) {
    return RigFrames(battler, [keys](int frame, int frames) { return SampleKeys(keys, frame, frames); });
}

FrameDrawer IdleFrames(const Battler& battler, const BattlerPose& ready) {
    return RigFrames(battler, [ready](int frame, int frames) { return IdlePose(ready, frame, frames); });
}

FrameDrawer HoundFrames(HoundMove move) {
    return [move](int frame, int frames) {
        PixelCanvas art = DrawHoundFrame(move, frame, frames);
        FlipHorizontal(art);
        return art;
    };
}

void WriteSheet(AssetWriter& writer, const std::string& path, int frameWidth, int frameHeight,
                const std::vector<SheetRow>& rows) {
    int columns = 1;
    for (const SheetRow& row : rows)
        columns = std::max(columns, row.frames);
    PixelCanvas sheet = MakeCanvas(columns * frameWidth, static_cast<int>(rows.size()) * frameHeight);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (int frame = 0; frame < rows[row].frames; ++frame) {
            Blit(sheet, rows[row].draw(frame, rows[row].frames), frame * frameWidth,
                 static_cast<int>(row) * frameHeight);
        }
    }
    WritePixelArt(writer, path, sheet, BATTLE_SHEET_FACTOR);
}

// The frames of each row of a party sheet.
struct MateRows {
    int idle, melee, hurt, death, cast;
};

std::vector<SheetRow> RowsOf(const Battler& mate, const BattlerPose& ready, MateRows rows,
                             const MoveRoom& room) {
    return {{rows.idle, IdleFrames(mate, ready)},
            {rows.melee, KeyFrames(mate, MeleeKeys(ready, room))},
            {rows.hurt, KeyFrames(mate, HurtKeys(ready, room))},
            {rows.death, KeyFrames(mate, DeathKeys(ready, room))},
            {rows.cast, KeyFrames(mate, CastKeys(ready, room))}};
}

void WriteParty(AssetWriter& writer) {
    const std::string folder = "Sprites/Battle/Mate/";
    WriteSheet(writer, folder + "Pell.png", 32, 32, RowsOf(Pell(), SwordStance(), {8, 6, 12, 11, 9}, {}));
    std::vector<SheetRow> spriti = RowsOf(Spriti(), StaffStance(), {11, 14, 6, 6, 14}, {2, 2, false, 4});
    spriti.insert(spriti.begin() + 4, SheetRow{});  // her sheet keeps an unused row before the spell
    WriteSheet(writer, folder + "Spirit.png", 32, 32, spriti);
    WriteSheet(writer, folder + "Mate1.png", 32, 32,
               RowsOf(Groto(), ClubStance(), {9, 12, 9, 14, 13}, {3, 2, false, 5}));
    WriteSheet(writer, folder + "Green.png", 32, 32, {{1, IdleFrames(Green(), AxeStance())}});
}

void WriteEnemies(AssetWriter& writer) {
    const std::string folder = "Sprites/Battle/Enemy/";
    const Battler knight = Knight();
    const BattlerPose guard = KnightStance();
    const MoveRoom narrow{1, 1, true, 4, true};  // a tall knight in a frame half as wide as he is high
    const auto paralysed = [guard](int frame, int) { return ParalysedPose(guard, frame); };
    WriteSheet(writer, folder + "Enemy1.png", 32, 64,
               {{7, IdleFrames(knight, guard)},
                {11, KeyFrames(knight, MeleeKeys(guard, narrow))},
                {10, KeyFrames(knight, HurtKeys(guard, narrow))},
                {12, KeyFrames(knight, DeathKeys(guard, narrow))},
                {2, RigFrames(knight, paralysed)}});
    WriteSheet(writer, folder + "Dogo.png", HOUND_FRAME, HOUND_FRAME,
               {{9, HoundFrames(HOUND_IDLE)},
                {9, HoundFrames(HOUND_ATTACK)},
                {7, HoundFrames(HOUND_HURT)},
                {8, HoundFrames(HOUND_DEATH)},
                {2, HoundFrames(HOUND_PARALYSED)}});
    const Battler boss = Boss();
    const BattlerPose stance = BossStance();
    WriteSheet(writer, folder + "Boss.png", 128, 64,
               {{17, IdleFrames(boss, stance)},
                {12, KeyFrames(boss, CleaveKeys(stance))},
                {10, KeyFrames(boss, HurtKeys(stance, {}))},
                {10, KeyFrames(boss, DeathKeys(stance, {}))},
                {14, KeyFrames(boss, RushKeys(stance))},
                {21, KeyFrames(boss, SlamKeys(stance))},
                {13, KeyFrames(boss, HealKeys(stance))}});
}

// The HUD shows a portrait 107 x 116 pixels, doubled on screen: it is drawn at 54 x 58 art pixels, doubled,
// and one column of the right border's wood is dropped, where the eye does not miss it.
const int HUD_PORTRAIT_WIDTH = 54;
const int HUD_PORTRAIT_HEIGHT = 58;
const int HUD_PORTRAIT_DROPPED_COLUMN = 103;

// The bust of a 32 x 32 front frame doubled: head and shoulders, the ear tips running under the border.
PixelCanvas HudPortrait(const PixelCanvas& front) {
    PixelCanvas art = MakePanel(HUD_PORTRAIT_WIDTH, HUD_PORTRAIT_HEIGHT, PANEL_NAVY);
    const int inner = UI_BORDER, span = HUD_PORTRAIT_WIDTH - 2 * UI_BORDER;
    const int height = HUD_PORTRAIT_HEIGHT - 2 * UI_BORDER, firstColumn = 16 - span / 4;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < span; ++x) {
            const int dx = x - span / 2, dy = y - height / 2 + 4;
            if (dx * dx + dy * dy < 18 * 18)
                PutPixel(art, inner + x, inner + y, Pal(PAL_NAVY_MID));  // a soft light
            const sf::Color colour = PixelAt(front, firstColumn + x / 2, y / 2);
            if (colour.a == 255) PutPixel(art, inner + x, inner + y, colour);
        }
    }
    const PixelCanvas doubled = Upscale(art, 2);
    PixelCanvas portrait = MakeCanvas(doubled.width - 1, doubled.height);
    for (int y = 0; y < doubled.height; ++y) {
        for (int x = 0; x < portrait.width; ++x)
            PutPixel(portrait, x, y, PixelAt(doubled, x < HUD_PORTRAIT_DROPPED_COLUMN ? x : x + 1, y));
    }
    return portrait;
}

// Green wears a red band round his brow, over the skin of the front frame.
PixelCanvas GreenFront() {
    PixelCanvas front = DrawCharacterFrame(GreenLook(), CharacterPose{});
    for (int y = 6; y <= 7; ++y) {
        for (int x = 0; x < front.width; ++x) {
            const sf::Color colour = PixelAt(front, x, y);
            for (PaletteIndex skin : {GOBLIN_SKIN.dark, GOBLIN_SKIN.mid, GOBLIN_SKIN.light})
                if (colour == Pal(skin)) PutPixel(front, x, y, Pal(y == 6 ? PAL_CLOTH_MID : PAL_CLOTH_DARK));
        }
    }
    return front;
}

}  // namespace

void GenerateBattlerSheets(AssetWriter& writer) {
    WriteParty(writer);
    WriteEnemies(writer);
}

void GenerateBattlePortraits(AssetWriter& writer) {
    const std::string folder = "Sprites/Battle/BattleHUD/";
    WritePicture(writer, folder + "PellPortrait.png", HudPortrait(DrawHeroFront()));
    WritePicture(writer, folder + "SpiritPortrait.png",
                 HudPortrait(DrawCharacterFrame(SpritiLook(), CharacterPose{})));
    WritePicture(writer, folder + "Mate1Portrait.png",
                 HudPortrait(DrawCharacterFrame(GrotoLook(), CharacterPose{})));
    WritePicture(writer, folder + "Mate3Portrait.png", HudPortrait(GreenFront()));
}
