#include "support/Journey.h"
#include "content/MapScene.h"

#include <cmath>
#include <deque>
#include <functional>
#include <map>
#include <vector>

#include "content/DialogueScreen.h"
#include "content/Items.h"
#include "content/PopUps.h"
#include "core/Settings.h"
#include "world/GameSession.h"
#include "world/Player.h"

namespace {

constexpr float STEP = 8.0f;

struct Cell {
    int col, row;
    bool operator<(const Cell& other) const { return col != other.col ? col < other.col : row < other.row; }
};

WalkRect Grown(const WalkRect& r, float margin) {
    return {r.x - margin, r.y - margin, r.width + 2 * margin, r.height + 2 * margin};
}

// Everything the feet may not overlap: the map's walls and doors, and the people standing on it.
bool Free(GameHarness& game, const MapFacts& map, const WalkRect& feet) {
    if (!StandsFree(map, feet)) return false;
    if (feet.x < 0 || feet.y < 0 || feet.x + feet.width > float(map.width * map.tileWidth) ||
        feet.y + feet.height > float(map.height * map.tileHeight))
        return false;
    for (const Npc& npc : game.Scene().npcList.npcs) {
        if (Overlaps(feet, {npc.box.left, npc.box.top, npc.box.width, npc.box.height})) return false;
    }
    return true;
}

using Goal = std::function<bool(const WalkRect& feet)>;

// Breadth first over grid cells from the hero's feet; the cells of the way, start excluded.
std::vector<Cell> FindWay(GameHarness& game, const MapFacts& map, const WalkRect& start, const Goal& goal) {
    const auto feetAt = [&](Cell c) {
        return WalkRect{start.x + c.col * STEP, start.y + c.row * STEP, 32, 16};
    };
    std::map<Cell, Cell> cameFrom;
    std::deque<Cell> queue{{0, 0}};
    cameFrom[{0, 0}] = {0, 0};
    while (!queue.empty()) {
        const Cell cell = queue.front();
        queue.pop_front();
        if (goal(feetAt(cell))) {
            std::vector<Cell> way;
            for (Cell at = cell; at.col != 0 || at.row != 0; at = cameFrom[at])
                way.insert(way.begin(), at);
            return way;
        }
        for (const Cell next : {Cell{cell.col + 1, cell.row}, Cell{cell.col - 1, cell.row},
                                Cell{cell.col, cell.row + 1}, Cell{cell.col, cell.row - 1}}) {
            if (cameFrom.count(next) || !Free(game, map, feetAt(next))) continue;
            cameFrom[next] = cell;
            queue.push_back(next);
        }
    }
    return {};
}

int32_t KeyToward(int dx, int dy) {
    const KeyBindings& keys = gSettings.keys;
    if (dx > 0) return keys.right;
    if (dx < 0) return keys.left;
    return dy > 0 ? keys.down : keys.up;
}

// One grid step: the key held for exactly the time the hero needs to cover it.
void Stride(GameHarness& game, int32_t key, float pixels) {
    game.HoldKey(key);
    game.Step(pixels / game.Scene().hero.speed);
    game.HoldKey(key, false);
}

bool ReadCurrentMap(GameHarness& game, MapFacts& map) {
    return ReadMapFacts("Assets/Text/Maps", game.Session().CurrentMap(), map);
}

}  // namespace

WalkRect HeroFeet(GameHarness& game) {
    const sf::FloatRect& f = game.Scene().hero.footBox;
    return {f.left, f.top, f.width, f.height};
}

namespace {

bool WalkUntil(GameHarness& game, const Goal& goal) {
    MapFacts map;
    if (!ReadCurrentMap(game, map)) return false;
    game.Step(1.0f / 144.0f);  // the people's boxes as they stand now
    const WalkRect start = HeroFeet(game);
    if (goal(start)) return true;
    const std::vector<Cell> way = FindWay(game, map, start, goal);
    if (way.empty()) return false;
    Cell at{0, 0};
    for (const Cell& next : way) {
        Stride(game, KeyToward(next.col - at.col, next.row - at.row), STEP);
        at = next;
    }
    return goal(HeroFeet(game));
}

}  // namespace

bool WalkTo(GameHarness& game, const WalkRect& target, float margin) {
    const WalkRect zone = Grown(target, margin);
    return WalkUntil(game, [&](const WalkRect& feet) { return Overlaps(feet, zone); });
}

bool WalkIntoTrigger(GameHarness& game, const std::string& name, const std::function<bool()>& done) {
    MapFacts map;
    if (!ReadCurrentMap(game, map)) return false;
    for (const NamedRect& trigger : map.triggers) {
        if (trigger.name != name) continue;
        // Right in front of the trigger, the feet within its width (or height), so no wall is in the way.
        const WalkRect rect = trigger.rect;
        const WalkRect front = Grown(rect, STEP);
        const auto inFront = [&](const WalkRect& feet) {
            const bool across = rect.x <= feet.x && feet.x + feet.width <= rect.x + rect.width;
            const bool along = rect.y <= feet.y && feet.y + feet.height <= rect.y + rect.height;
            return Overlaps(feet, front) && (across || along);
        };
        if (!WalkUntil(game, inFront)) continue;  // another one of that name may be in reach
        // Lean into it from where the way ended.
        const WalkRect feet = HeroFeet(game);
        const float dx = rect.x + rect.width / 2 - (feet.x + feet.width / 2);
        const float dy = rect.y + rect.height / 2 - (feet.y + feet.height / 2);
        const bool sideways = std::fabs(dx) - rect.width / 2 > std::fabs(dy) - rect.height / 2;
        const int32_t key = sideways ? KeyToward(dx > 0 ? 1 : -1, 0) : KeyToward(0, dy > 0 ? 1 : -1);
        for (int frame = 0; frame < 20 && !done(); ++frame)
            Stride(game, key, 2 * STEP);
        return done();
    }
    return false;
}

bool WalkThroughDoor(GameHarness& game, const std::string& door) {
    const std::string leaving = game.Session().CurrentMap();
    return WalkIntoTrigger(game, door, [&] { return leaving != game.Session().CurrentMap(); });
}

bool WalkBeside(GameHarness& game, const sf::FloatRect& b) {
    // Thin bands 2 pixels off each side: grown by 4, the feet end within 10 pixels of the box.
    const WalkRect sides[] = {{b.left, b.top + b.height + 2, b.width, 4},
                              {b.left + b.width + 2, b.top, 4, b.height},
                              {b.left - 6, b.top, 4, b.height},
                              {b.left, b.top - 6, b.width, 4}};
    for (const WalkRect& side : sides)
        if (WalkTo(game, side, 4.0f)) return true;
    return false;
}

std::string Fail(GameHarness& game, const std::string& what) {
    return what + " (on " + game.Session().CurrentMap() + ")";
}

Npc* FirstNpcOfType(GameHarness& game, int32_t type) {
    for (Npc& npc : game.Scene().npcList.npcs)
        if (npc.type == type) return &npc;
    return nullptr;
}

std::string TalkUntil(GameHarness& game, int32_t type, const char* who, const std::function<bool()>& done) {
    const Npc* npc = FirstNpcOfType(game, type);
    if (npc == nullptr) return Fail(game, std::string("no ") + who);
    if (!WalkBeside(game, npc->box)) return Fail(game, std::string("no way to ") + who);
    game.PressEnterUntil(done);
    return done() ? "" : Fail(game, std::string("talking to ") + who + " did not go as the story says");
}

std::string PickUp(GameHarness& game, const char* name) {
    for (const MapItem& item : game.Scene().mapItemList.items) {
        if (item.name != name) continue;
        const sf::FloatRect b = item.bounds;
        if (!WalkTo(game, {b.left, b.top, b.width, b.height}, 18))
            return Fail(game, std::string("no way to ") + name);
        game.Press(gSettings.keys.enter, 10);
        return game.Session().Holds(name) ? "" : Fail(game, std::string(name) + " was not picked up");
    }
    return Fail(game, std::string("no ") + name + " lying here");
}

namespace {

bool Fights(const Npc& npc, const std::string& battle) {
    return npc.type == NPC_BATTLE &&
           (battle.empty() ||
            (npc.battlePath.size() >= battle.size() &&
             npc.battlePath.compare(npc.battlePath.size() - battle.size(), battle.size(), battle) == 0));
}

const Npc* NearestEnemy(GameHarness& game, const std::string& battle) {
    const Npc* nearest = nullptr;
    float best = 1e9f;
    for (const Npc& npc : game.Scene().npcList.npcs) {
        if (!Fights(npc, battle)) continue;
        const float d = std::hypot(npc.box.left - game.Scene().hero.footBox.left,
                                   npc.box.top - game.Scene().hero.footBox.top);
        if (d < best) {
            best = d;
            nearest = &npc;
        }
    }
    return nearest;
}

// Straight at the enemy with the movement keys held, as a player closes the last steps.
void CloseIn(GameHarness& game, const std::string& battle) {
    const KeyBindings& keys = gSettings.keys;
    for (int frame = 0; frame < 90 && game.Top() == SCREEN_ROAMING; ++frame) {
        const Npc* target = NearestEnemy(game, battle);
        const float dx = target->box.left + target->box.width / 2 -
                         (game.Scene().hero.footBox.left + game.Scene().hero.footBox.width / 2);
        const float dy = target->box.top + target->box.height / 2 -
                         (game.Scene().hero.footBox.top + game.Scene().hero.footBox.height / 2);
        game.HoldKey(keys.left, dx < -4);
        game.HoldKey(keys.right, dx > 4);
        game.HoldKey(keys.up, dy < -4);
        game.HoldKey(keys.down, dy > 4);
        game.Step(FRAME_DT);
    }
    for (int32_t key : {keys.left, keys.right, keys.up, keys.down})
        game.HoldKey(key, false);
}

}  // namespace

std::string WalkIntoEnemy(GameHarness& game, const std::string& battle) {
    for (int attempt = 0; attempt < 6 && game.Top() == SCREEN_ROAMING; ++attempt) {
        const Npc* enemy = NearestEnemy(game, battle);
        if (enemy == nullptr) return Fail(game, "no enemy left to walk into");
        const sf::FloatRect b = enemy->box;
        WalkTo(game, {b.left, b.top, b.width, b.height}, 10.0f);
        CloseIn(game, battle);
    }
    return game.Top() == SCREEN_BATTLE ? "" : Fail(game, "the hero never reached an enemy");
}

bool PopUpShown(const GameHarness& game, int32_t index) {
    for (Screen* screen : game.Stack().Screens()) {
        auto* dialogue = dynamic_cast<DialogueScreen*>(screen);
        const auto* popUp = dialogue ? dynamic_cast<const PopUpConversation*>(&dialogue->Talk()) : nullptr;
        if (popUp != nullptr && (index < 0 || popUp->Index() == index)) return true;
    }
    return false;
}
