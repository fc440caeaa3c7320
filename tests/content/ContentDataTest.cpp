// The people, items and words of the world, checked in the built asset tree: every content list, NPC,
// item and dialogue file in the form the game reads, with the pictures and parts it names; and everyone
// and everything standing where the hero can walk to them, without walling off a door or forcing a fight;
// and every page of text fitting the dialogue box without naming a key.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>
#include <set>

#include "content/ContentFiles.h"
#include "support/Files.h"
#include "support/MapWalk.h"

namespace fs = std::filesystem;

namespace {

const std::string ASSETS = VELMORIA_BUILT_ASSETS;
const std::string MAPS_FOLDER = ASSETS + "/Text/Maps";
const std::string DIALOGUES_FOLDER = ASSETS + "/Text/Dialogues";

const std::set<std::string> BATTLES = {"Knight1", "Dog1", "Patrol", "VillageGuard", "Boss"};
// Everything the story hands the hero or makes from what he carries.
const char* const CARRIED_ITEMS[] = {"Rope",         "Stick",       "Straw", "Pumpkin",    "Paint",
                                     "Bucket_Empty", "Bucket_Full", "Burse", "FishingRod", "Decoy"};

struct Loaded {
    MapFiles content;
    MapFacts facts;
    bool factsRead = false;
};

const std::map<std::string, Loaded>& World() {
    static const std::map<std::string, Loaded> world = [] {
        std::map<std::string, Loaded> read;
        for (const auto& entry : fs::directory_iterator(MAPS_FOLDER)) {
            if (!entry.is_directory()) continue;
            const std::string name = entry.path().filename().string();
            Loaded& loaded = read[name];
            loaded.content = ReadMapContent(MAPS_FOLDER, name);
            loaded.factsRead = ReadMapFacts(MAPS_FOLDER, name, loaded.facts);
        }
        return read;
    }();
    return world;
}

std::vector<PersonFile> EveryoneOn(const MapFiles& content) {
    std::vector<PersonFile> all = content.people;
    all.insert(all.end(), content.waterSources.begin(), content.waterSources.end());
    return all;
}

bool PictureExists(const std::string& relative) {
    return fs::is_regular_file(ASSETS + "/Sprites/" + relative + ".png");
}

WalkRect Grown(const WalkRect& rect, float by) {
    return {rect.x - by, rect.y - by, rect.width + 2 * by, rect.height + 2 * by};
}
// At scale 1 a person's feet block a 32 x 16 box in the lower quarter of its 64 x 64 frame.
WalkRect SolidBox(const PersonFile& person) {
    return {person.x - 16, person.y + 16, 32, 16};
}
WalkRect BattleZone(const PersonFile& person) {
    return Grown(SolidBox(person), 80);
}
// Where the hero's feet must come: the talk zone, or for an enemy the zone that starts its battle.
WalkRect ReachZone(const PersonFile& person) {
    return person.type == TYPE_ENEMY ? BattleZone(person) : Grown(SolidBox(person), 20);
}
WalkRect Picture(const ItemFile& item) {
    return {item.x - 32, item.y - 32, 64, 64};
}
WalkRect PickUpZone(const ItemFile& item) {
    return {item.x - 20, item.y - 20, 104, 104};
}
WalkRect Tiles(float col, float row, float cols, float rows) {
    return {col * 64, row * 64, cols * 64, rows * 64};
}

std::vector<WalkRect> SolidBoxes(const std::vector<PersonFile>& people) {
    std::vector<WalkRect> boxes;
    boxes.reserve(people.size());
    for (const PersonFile& person : people)
        boxes.push_back(SolidBox(person));
    return boxes;
}

std::vector<WalkRect> BattleZones(const std::vector<PersonFile>& people) {
    std::vector<WalkRect> zones;
    for (const PersonFile& person : people) {
        if (person.type == TYPE_ENEMY) zones.push_back(BattleZone(person));
    }
    return zones;
}

bool IsDecorPoint(const std::string& name) {
    return name.rfind("ARBRE_", 0) == 0 || name == "FIRE" || name == "BULLES";
}

// Walks from the point the game puts a player arriving from `from`; fails the test when there is none.
FootWalk WalkFromArrival(const MapFacts& map, const std::string& from, const std::vector<WalkRect>& blocks) {
    const NamedRect* start = SpawnPointFor(map, from);
    EXPECT_NE(start, nullptr) << map.name << ": no point for arrivals from " << from;
    return start ? WalkFrom(map, start->rect.x, start->rect.y, blocks) : FootWalk{};
}

// Every trigger and every spawn point of the map can still be reached in this walk.
void ExpectDoorsAndPointsReached(const MapFacts& map, const FootWalk& walk, const std::string& with) {
    for (const NamedRect& trigger : map.triggers) {
        const float margin = IsBlockingTrigger(trigger.name) ? 8.0f : 0.0f;
        EXPECT_TRUE(CanTouch(walk, trigger.rect, margin))
            << map.name << ": trigger " << trigger.name << " is walled off by " << with;
    }
    for (const NamedRect& point : map.points) {
        if (IsDecorPoint(point.name)) continue;
        EXPECT_TRUE(CanStandAt(walk, point.rect.x, point.rect.y))
            << map.name << ": point " << point.name << " is walled off by " << with;
    }
}

}  // namespace

TEST(ContentData, EveryMapListsItsPeopleAndItemsInFilesThatParse) {
    ASSERT_EQ(World().size(), 8u) << "the eight maps of the world";
    for (const auto& [name, loaded] : World()) {
        for (const std::string& problem : loaded.content.problems)
            ADD_FAILURE() << problem;
        const std::vector<std::string>& listed = loaded.content.listedItems;
        const std::set<std::string> unique(listed.begin(), listed.end());
        EXPECT_EQ(unique.size(), listed.size()) << name << "/Map.txt lists an item twice: one file per name";
    }
    // The rod comes from the merchant's hands, not from the ground, but the game reads it from the map.
    ItemFile rod;
    std::string why;
    EXPECT_TRUE(ReadItem(MAPS_FOLDER + "/GoblinVillage/FishingRod.txt", rod, why))
        << "GoblinVillage/FishingRod.txt: " << why;
    EXPECT_EQ(rod.name, "FishingRod") << "GoblinVillage/FishingRod.txt";
}

TEST(ContentData, PeopleShowTheirSheetsAndFightKnownBattles) {
    for (const auto& [name, loaded] : World()) {
        for (const PersonFile& person : EveryoneOn(loaded.content)) {
            EXPECT_TRUE(PictureExists("Characters/" + person.sheet))
                << person.label << ": no sheet Sprites/Characters/" << person.sheet << ".png";
            if (person.type == TYPE_ENEMY) {
                EXPECT_TRUE(BATTLES.count(person.battle))
                    << person.label << ": unknown battle " << person.battle;
            } else {
                EXPECT_FALSE(person.dialogues.empty()) << person.label << ": says nothing when talked to";
            }
            if (person.type == TYPE_MERCHANT) {
                EXPECT_EQ(person.sheet, "Merchant") << person.label;
                EXPECT_GE(person.dialogues.size(), 3u)
                    << person.label << ": the purse, the rod and the open shop each need a dialogue";
            }
        }
        for (const PersonFile& water : loaded.content.waterSources) {
            EXPECT_EQ(water.type, TYPE_TALKS) << water.label << ": a water source only talks";
            EXPECT_EQ(water.dialogues.size(), 1u) << water.label;
        }
    }
}

// Who the story cannot go on without, on which map.
TEST(ContentData, TheStoryFindsEveryoneItNeeds) {
    struct Needed {
        std::string map, sheet;
        int type;
        std::string battle;
        int count;
    };
    const Needed needed[] = {
        {"GoblinVillage", "Merchant", TYPE_MERCHANT, "", 1},
        {"Bridge", "Knight", TYPE_ENEMY, "Knight1", 2},
        {"Bridge", "Dog", TYPE_ENEMY, "Dog1", 1},
        {"HOUSE_ENTER_SPRITI", "Spriti", TYPE_COMPANION, "", 1},
        {"GoblinVillageBurn", "Groto", TYPE_COMPANION, "", 1},
        {"BridgeNight", "Boss", TYPE_ENEMY, "Boss", 1},
    };
    for (const Needed& need : needed) {
        ASSERT_TRUE(World().count(need.map)) << need.map;
        const auto& people = World().at(need.map).content.people;
        const long found = std::count_if(people.begin(), people.end(), [&](const PersonFile& p) {
            return p.sheet == need.sheet && p.type == need.type && p.battle == need.battle;
        });
        EXPECT_EQ(found, need.count) << need.map << ": " << need.sheet << " of type " << need.type << " "
                                     << need.battle;
    }
    const auto& burning = World().at("GoblinVillageBurn").content.people;
    const long enemies = std::count_if(burning.begin(), burning.end(),
                                       [](const PersonFile& p) { return p.type == TYPE_ENEMY; });
    EXPECT_TRUE(enemies >= 3 && enemies <= 4) << "GoblinVillageBurn: " << enemies << " knights and dogs";
}

TEST(ContentData, EveryDialogueNamedHasItsPortraitsAndParts) {
    std::map<std::string, std::string> named;  // dialogue -> first file naming it
    for (const auto& [name, loaded] : World()) {
        for (const PersonFile& person : EveryoneOn(loaded.content)) {
            for (const std::string& dialogue : person.dialogues)
                named.emplace(dialogue, person.label);
        }
    }
    for (const auto& [dialogue, by] : named) {
        DialogueInfos infos;
        std::string why;
        const std::string infosPath = DIALOGUES_FOLDER + "/" + dialogue + "/infos.txt";
        if (!ReadDialogueInfos(infosPath, infos, why)) {
            ADD_FAILURE() << "Dialogues/" << dialogue << "/infos.txt (named by " << by << "): " << why;
            continue;
        }
        for (const std::string& portrait : infos.portraits) {
            EXPECT_TRUE(PictureExists("Characters/" + portrait))
                << "Dialogues/" << dialogue << "/infos.txt: no portrait " << portrait;
        }
        const std::string parts = DIALOGUES_FOLDER + "/" + infos.folder + "/Part";
        for (size_t part = 1; part <= infos.portraits.size() + 1; ++part) {
            const bool expected = part <= infos.portraits.size();
            EXPECT_EQ(fs::is_regular_file(parts + std::to_string(part) + ".txt"), expected)
                << "Dialogues/" << dialogue << ": Part" << part << ".txt "
                << (expected ? "is missing" : "is never shown: Max is too small");
        }
    }
}

TEST(ContentData, EveryItemHasAPictureAndACarriedForm) {
    std::map<std::string, std::string> names;  // item -> where it was seen
    for (const char* name : CARRIED_ITEMS)
        names.emplace(name, "the story");
    for (const auto& [map, loaded] : World()) {
        for (const std::string& name : loaded.content.listedItems)
            names.emplace(name, map + "/Map.txt");
    }
    for (const auto& entry : fs::directory_iterator(ASSETS + "/Text/Items")) {
        const std::string stem = entry.path().stem().string();
        names.emplace(stem, "Items/" + stem + ".txt");
    }
    for (const auto& [name, seen] : names) {
        EXPECT_TRUE(PictureExists("Items/" + name)) << name << " (from " << seen << "): no picture";
        ItemFile carried;
        std::string why;
        if (!ReadItem(ASSETS + "/Text/Items/" + name + ".txt", carried, why)) {
            ADD_FAILURE() << "Items/" << name << ".txt (from " << seen << "): " << why;
        } else {
            EXPECT_EQ(carried.name, name) << "Items/" << name << ".txt names another item";
        }
    }
}

TEST(ContentData, PeopleAndItemsStandInTheOpenWithinReach) {
    for (const auto& [name, loaded] : World()) {
        if (!loaded.factsRead) continue;  // the map checker reports a map the reader refuses
        const MapFacts& map = loaded.facts;
        const std::vector<PersonFile> everyone = EveryoneOn(loaded.content);
        const FootWalk walk = WalkFromArrival(map, name, SolidBoxes(everyone));
        auto expectOpen = [&](const WalkRect& area, const std::string& what) {
            for (const WalkRect& wall : map.collisions)
                EXPECT_FALSE(Overlaps(area, wall)) << what << " stands in a wall";
            for (const NamedRect& trigger : map.triggers)
                EXPECT_FALSE(Overlaps(area, trigger.rect)) << what << " stands on trigger " << trigger.name;
        };
        for (const PersonFile& person : everyone) {
            expectOpen(SolidBox(person), person.label);
            EXPECT_TRUE(CanTouch(walk, ReachZone(person), 0))
                << person.label << ": cannot be reached on foot from point " << name;
        }
        for (const ItemFile& item : loaded.content.items) {
            expectOpen(Picture(item), item.label);
            for (const PersonFile& person : everyone) {
                EXPECT_FALSE(Overlaps(Picture(item), SolidBox(person)))
                    << item.label << " lies under " << person.label;
            }
            EXPECT_TRUE(CanTouch(walk, PickUpZone(item), 0))
                << item.label << ": cannot be picked up on foot from point " << name;
        }
        for (size_t a = 0; a < everyone.size(); ++a) {
            for (size_t b = a + 1; b < everyone.size(); ++b) {
                EXPECT_FALSE(Overlaps(SolidBox(everyone[a]), SolidBox(everyone[b])))
                    << everyone[a].label << " and " << everyone[b].label << " stand on each other";
            }
        }
    }
}

TEST(ContentData, PeopleNeverWallOffADoorOrWaitOnASpawnPoint) {
    for (const auto& [name, loaded] : World()) {
        if (!loaded.factsRead) continue;
        const MapFacts& map = loaded.facts;
        const std::vector<PersonFile> everyone = EveryoneOn(loaded.content);
        ExpectDoorsAndPointsReached(map, WalkFromArrival(map, name, SolidBoxes(everyone)), "people");
        for (const NamedRect& point : map.points) {
            if (IsDecorPoint(point.name)) continue;
            const WalkRect feet = FootBoxAt(point.rect.x, point.rect.y);
            for (const PersonFile& person : everyone) {
                EXPECT_FALSE(Overlaps(feet, SolidBox(person)))
                    << name << ": a player arriving on " << point.name << " stands inside " << person.label;
                if (person.type == TYPE_ENEMY) {
                    EXPECT_FALSE(Overlaps(feet, BattleZone(person)))
                        << name << ": a player arriving on " << point.name << " lands in the battle of "
                        << person.label;
                }
            }
        }
    }
}

// The fights on the bridge are optional gold: every way in, out and to the water goes around them.
TEST(ContentData, TheBridgeFightsCanBeWalkedAround) {
    ASSERT_TRUE(World().count("Bridge") && World().at("Bridge").factsRead);
    const Loaded& bridge = World().at("Bridge");
    std::vector<WalkRect> blocks = SolidBoxes(bridge.content.people);
    const std::vector<WalkRect> zones = BattleZones(bridge.content.people);
    blocks.insert(blocks.end(), zones.begin(), zones.end());
    for (const NamedRect& point : bridge.facts.points) {
        if (IsDecorPoint(point.name)) continue;
        const FootWalk walk = WalkFrom(bridge.facts, point.rect.x, point.rect.y, blocks);
        ExpectDoorsAndPointsReached(bridge.facts, walk, "a battle zone (from " + point.name + ")");
        for (const ItemFile& item : bridge.content.items) {
            EXPECT_TRUE(CanTouch(walk, PickUpZone(item), 0))
                << item.label << ": only reached through a battle zone from " << point.name;
        }
    }
}

// Each puzzle's water must be reachable when the story sends the player for it: in the forest before
// any fence is down or fire out, in the burning house while the flames still bar the wall; and Groto
// joins before the first fight in the burning village.
TEST(ContentData, TheStoryCanReachWhatItAsksForInOrder) {
    struct Step {
        std::string map, from, target, why;  // target: a file, or a person by sheet
        std::vector<WalkRect> blocks;
        bool blockBattles;
    };
    auto fence = [](float col, float row) { return WalkRect{col * 64 - 32, row * 64 - 32, 64, 32}; };
    const std::vector<WalkRect> forestClosed = {fence(21.5f, 7),    fence(32.5f, 4),  fence(24.5f, 8),
                                                fence(32.5f, 11),   fence(23.5f, 16), Tiles(29, 16, 1, 1),
                                                Tiles(31, 16, 1, 1)};
    const std::vector<WalkRect> flames = {Tiles(10, 4, 1, 1)}, nothing;
    const Step steps[] = {
        {"ForestNight", "Bridge", "ForestNight/Water.txt", "fetched before the fences and fires",
         forestClosed, false},
        {"HOUSE_BURN_1", "HOUSE_ENTER_1", "HOUSE_BURN_1/Bathub.txt", "fills the bucket", flames, false},
        {"HOUSE_BURN_1", "HOUSE_ENTER_1", "HOUSE_BURN_1/Bucket_Empty.txt", "carries the water", flames,
         false},
        {"HOUSE_BURN_1", "HOUSE_ENTER_1", "HOUSE_BURN_1/Rope.txt", "pulls the wall down", flames, false},
        {"GoblinVillageBurn", "HOUSE_BURN_1", "Groto", "joins before the fights", nothing, true},
    };
    for (const Step& step : steps) {
        ASSERT_TRUE(World().count(step.map) && World().at(step.map).factsRead) << step.map;
        const Loaded& loaded = World().at(step.map);
        const std::vector<PersonFile> everyone = EveryoneOn(loaded.content);
        std::vector<WalkRect> blocks = SolidBoxes(everyone);
        blocks.insert(blocks.end(), step.blocks.begin(), step.blocks.end());
        if (step.blockBattles) {
            const std::vector<WalkRect> zones = BattleZones(everyone);
            blocks.insert(blocks.end(), zones.begin(), zones.end());
        }
        const FootWalk walk = WalkFromArrival(loaded.facts, step.from, blocks);
        bool found = false, reached = false;
        for (const PersonFile& person : everyone) {
            if (person.label != step.target && person.sheet != step.target) continue;
            found = true;
            reached = CanTouch(walk, ReachZone(person), 0);
        }
        for (const ItemFile& item : loaded.content.items) {
            if (item.label != step.target) continue;
            found = true;
            reached = CanTouch(walk, PickUpZone(item), 0);
        }
        EXPECT_TRUE(found) << step.target << ": not on the map";
        EXPECT_TRUE(reached) << step.target << " (" << step.why
                             << ") cannot be reached from the arrival from " << step.from;
    }
    // Filling the bucket and fighting the fire at (10, 5) are two places, not one.
    for (const PersonFile& water : World().at("HOUSE_BURN_1").content.waterSources) {
        EXPECT_FALSE(Overlaps(ReachZone(water), Tiles(10, 3, 2, 4))) << water.label << " stands at the fire";
    }
}

namespace {

std::vector<fs::path> PartFiles() {
    std::vector<fs::path> parts;
    for (const auto& entry : fs::recursive_directory_iterator(DIALOGUES_FOLDER)) {
        if (std::regex_match(entry.path().filename().string(), std::regex(R"(Part[0-9]+\.txt)")))
            parts.push_back(entry.path());
    }
    std::sort(parts.begin(), parts.end());
    return parts;
}

}  // namespace

TEST(ContentData, EveryDialogueTextFitsTheBoxAndNamesNoKey) {
    // Keys can be rebound: texts say "confirm", never a key's name.
    const std::regex keyWords(R"(\b(enter|escape|return|esc)\b)", std::regex::icase);
    const std::regex letterKey(R"(\b(press|hit|tap|push)(es|ing)?\s+(the\s+)?['"]?[a-z0-9]['"]?(\s+key)?\b)",
                               std::regex::icase);
    const std::regex namedKey(R"(\bthe\s+['"]?[a-z0-9]['"]?\s+key\b)", std::regex::icase);
    const std::vector<fs::path> parts = PartFiles();
    ASSERT_FALSE(parts.empty());
    for (const fs::path& part : parts) {
        const std::string label = fs::relative(part, DIALOGUES_FOLDER).string();
        const std::string text = ReadWholeFile(part);
        const std::string problem = PartTextProblem(text);
        EXPECT_TRUE(problem.empty()) << label << ": " << problem;
        std::smatch match;
        for (const std::regex* rule : {&keyWords, &letterKey, &namedKey}) {
            EXPECT_FALSE(std::regex_search(text, match, *rule))
                << label << ": names a key: \"" << match.str() << "\"";
        }
    }
}
