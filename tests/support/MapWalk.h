#pragma once
// What the map checker reads from a map (through the game's own Tiled reader) and the walk of the
// hero's foot box over it.

#include <map>
#include <string>
#include <vector>

struct WalkRect {
    float x, y, width, height;
};

struct NamedRect {
    std::string name;
    WalkRect rect;
};

struct MapFacts {
    std::string name;
    int width = 0, height = 0, tileWidth = 0, tileHeight = 0;
    std::vector<WalkRect> collisions;
    std::vector<NamedRect> triggers;
    std::vector<NamedRect> points;  // in the order the reader delivers them
};

// Reads Assets/Text/Maps/<map>/Map.json under `mapsFolder`; false when the reader refuses it.
bool ReadMapFacts(const std::string& mapsFolder, const std::string& map, MapFacts& facts);
// The maps of the built asset tree by folder name, read once; a map the reader refuses is left out.
const std::map<std::string, MapFacts>& BuiltMaps();

// Names the game gives a meaning of their own; every other trigger is a door to the map it names.
bool IsDoorName(const std::string& name);
// Doors and "MAP" push the hero back; fishing posts, the bed, the exit and the cabin door do not.
bool IsBlockingTrigger(const std::string& name);
// Trees, fires and bubbles are drawn at points no one arrives on.
bool IsDecorPoint(const std::string& name);
// Where the game puts the hero arriving from `leftMap`: the first point by y (points of equal y in
// reader order) whose name contains it; nullptr when none does.
const NamedRect* SpawnPointFor(const MapFacts& map, const std::string& leftMap);

// The hero standing at (x, y): a 64 x 64 frame centred there, feet in its middle half and lowest quarter.
WalkRect FootBoxAt(float x, float y);
bool Overlaps(const WalkRect& a, const WalkRect& b);
WalkRect Enlarged(const WalkRect& rect, float margin);
// Cells of the 64-pixel grid, in map pixels.
WalkRect TilesAt(float col, float row, float cols, float rows);

// Where the puzzles draw: what blocks the way until solved (fences, fires, the flames before the wall),
// where no collision may lie, and where the hero stands to solve one; his feet must come within `margin`.
struct PuzzleSpot {
    std::string map, what;
    WalkRect area;
    bool blocks;
    float margin;
};
extern const std::vector<PuzzleSpot> PUZZLE_SPOTS;

// Every foot box reachable from a start, on a grid of 8-pixel steps, never overlapping a collision
// rectangle or a blocking trigger and never leaving the map.
using FootWalk = std::vector<WalkRect>;

FootWalk WalkFrom(const MapFacts& map, float x, float y, const std::vector<WalkRect>& extraBlocks = {});
// From the point the game puts a player arriving from `from`; nothing is reached when there is none.
FootWalk WalkFromArrival(const MapFacts& map, const std::string& from,
                         const std::vector<WalkRect>& blocks = {});
bool StandsFree(const MapFacts& map, const WalkRect& footBox);
// Whether a reached foot box overlaps the target grown by `margin` on every side.
bool CanTouch(const FootWalk& walk, const WalkRect& target, float margin);
// Whether the hero can walk to where (x, y) places him.
bool CanStandAt(const FootWalk& walk, float x, float y);
// The triggers and the points players arrive on that the walk does not reach ("trigger Bed", ...).
std::vector<std::string> Unreached(const MapFacts& map, const FootWalk& walk);
