// The people, items and words of the built world: every content, NPC, item and dialogue file in the form
// the game reads, with the pictures and parts it names; everyone and everything where the hero can walk to
// them, walling off no door and forcing no fight; every page of text fitting the box, naming no key.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
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

// What every map folder lists, read once.
const std::map<std::string, MapFiles>& Contents() {
    static const std::map<std::string, MapFiles> contents = [] {
        std::map<std::string, MapFiles> read;
        for (const auto& entry : fs::directory_iterator(MAPS_FOLDER)) {
            const std::string name = entry.path().filename().string();
            if (entry.is_directory()) read[name] = ReadMapContent(MAPS_FOLDER, name);
        }
        return read;
    }();
    return contents;
}

bool PictureExists(const std::string& relative) {
    return fs::is_regular_file(ASSETS + "/Sprites/" + relative + ".png");
}

// At scale 1 a person's feet block a 32 x 16 box in the lower quarter of its 64 x 64 frame.
WalkRect SolidBox(const PersonFile& person) {
    return FootBoxAt(person.x, person.y);
}
WalkRect BattleZone(const PersonFile& person) {
    return Enlarged(SolidBox(person), 80);
}
// Where the hero's feet must come: the talk zone, or for an enemy the zone that starts its battle.
WalkRect ReachZone(const PersonFile& person) {
    return person.type == TYPE_ENEMY ? BattleZone(person) : Enlarged(SolidBox(person), 20);
}
WalkRect Picture(const ItemFile& item) {
    return {item.x - 32, item.y - 32, 64, 64};
}
WalkRect PickUpZone(const ItemFile& item) {
    return {item.x - 20, item.y - 20, 104, 104};
}

// What stands in the hero's way: everyone's feet, and with `battles` every enemy's battle zone too.
std::vector<WalkRect> Obstacles(const std::vector<PersonFile>& people, bool battles) {
    std::vector<WalkRect> boxes;
    for (const PersonFile& person : people) {
        boxes.push_back(SolidBox(person));
        if (battles && person.type == TYPE_ENEMY) boxes.push_back(BattleZone(person));
    }
    return boxes;
}

}  // namespace

TEST(ContentData, EveryMapListsItsPeopleAndItemsInFilesThatParse) {
    ASSERT_EQ(Contents().size(), 8u) << "the eight maps of the world";
    for (const auto& [name, content] : Contents()) {
        for (const std::string& problem : content.problems)
            ADD_FAILURE() << problem;
    }
    // The rod comes from the merchant's hands, not from the ground, but the game reads it from the map.
    ItemFile rod;
    std::string why;
    EXPECT_TRUE(ReadItem(MAPS_FOLDER + "/GoblinVillage/FishingRod.txt", "FishingRod", rod, why))
        << "GoblinVillage/FishingRod.txt: " << why;
}

TEST(ContentData, PeopleShowTheirSheetsAndFightKnownBattles) {
    const std::set<std::string> battles = {"Knight1", "Dog1", "Patrol", "VillageGuard", "Boss"};
    for (const auto& [name, content] : Contents()) {
        for (const PersonFile& person : content.people) {
            EXPECT_TRUE(PictureExists("Characters/" + person.sheet))
                << person.label << ": no sheet Sprites/Characters/" << person.sheet << ".png";
            EXPECT_TRUE(person.type != TYPE_ENEMY || battles.count(person.battle))
                << person.label << ": unknown battle " << person.battle;
            EXPECT_TRUE(person.type == TYPE_ENEMY || !person.dialogues.empty())
                << person.label << ": says nothing when talked to";
            EXPECT_TRUE(person.type != TYPE_MERCHANT ||
                        (person.sheet == "Merchant" && person.dialogues.size() >= 3))
                << person.label
                << ": the merchant's sheet, and a dialogue each for the purse, the rod and the shop";
            EXPECT_TRUE(!person.water || (person.type == TYPE_TALKS && person.dialogues.size() == 1))
                << person.label << ": a water source only talks, with one dialogue";
        }
    }
}

// Who the story cannot go on without, on which map ("*": any sheet or battle).
TEST(ContentData, TheStoryFindsEveryoneItNeeds) {
    const struct {
        std::string map, sheet, battle;
        int type;
        long least, most;
    } needed[] = {
        {"GoblinVillage", "Merchant", "", TYPE_MERCHANT, 1, 1},
        {"Bridge", "Knight", "Knight1", TYPE_ENEMY, 2, 2},
        {"Bridge", "Dog", "Dog1", TYPE_ENEMY, 1, 1},
        {"HOUSE_ENTER_SPRITI", "Spriti", "", TYPE_COMPANION, 1, 1},
        {"GoblinVillageBurn", "Groto", "", TYPE_COMPANION, 1, 1},
        {"GoblinVillageBurn", "*", "*", TYPE_ENEMY, 3, 4},  // the knights and dogs of the burning village
        {"BridgeNight", "Boss", "Boss", TYPE_ENEMY, 1, 1},
    };
    for (const auto& need : needed) {
        long found = 0;
        for (const PersonFile& p : Contents().at(need.map).people) {
            found += (need.sheet == "*" || p.sheet == need.sheet) && p.type == need.type &&
                     (need.battle == "*" || p.battle == need.battle);
        }
        EXPECT_TRUE(found >= need.least && found <= need.most)
            << need.map << ": " << found << " of sheet " << need.sheet << ", type " << need.type
            << ", battle " << need.battle;
    }
}

TEST(ContentData, EveryDialogueNamedHasItsPortraitsAndParts) {
    for (const auto& [name, content] : Contents()) {
        for (const PersonFile& person : content.people) {
            for (const std::string& dialogue : person.dialogues) {
                const std::string label = "Dialogues/" + dialogue + " (named by " + person.label + ")";
                std::vector<std::string> portraits;
                std::string folder, why;
                if (!ReadDialogueInfos(DIALOGUES_FOLDER + "/" + dialogue + "/infos.txt", portraits, folder,
                                       why)) {
                    ADD_FAILURE() << label << ": infos.txt " << why;
                    continue;
                }
                for (const std::string& portrait : portraits) {
                    EXPECT_TRUE(PictureExists("Characters/" + portrait))
                        << label << ": no portrait " << portrait;
                }
                const std::string parts = DIALOGUES_FOLDER + "/" + folder + "/Part";
                for (size_t part = 1; part <= portraits.size() + 1; ++part) {
                    const bool expected = part <= portraits.size();
                    EXPECT_EQ(fs::is_regular_file(parts + std::to_string(part) + ".txt"), expected)
                        << label << ": Part" << part << ".txt "
                        << (expected ? "is missing" : "is never shown: Max is too small");
                }
            }
        }
    }
}

TEST(ContentData, EveryItemHasAPictureAndACarriedForm) {
    std::map<std::string, std::string> names;  // item -> where it was seen
    // Everything the story hands the hero or makes from what he carries.
    for (const char* name : {"Rope", "Stick", "Straw", "Pumpkin", "Paint", "Bucket_Empty", "Bucket_Full",
                             "Burse", "FishingRod", "Decoy"})
        names.emplace(name, "the story");
    for (const auto& [map, content] : Contents()) {
        for (const std::string& name : content.listedItems)
            names.emplace(name, map + "/Map.txt");
    }
    for (const auto& entry : fs::directory_iterator(ASSETS + "/Text/Items"))
        names.emplace(entry.path().stem().string(), "Items/" + entry.path().filename().string());
    for (const auto& [name, seen] : names) {
        EXPECT_TRUE(PictureExists("Items/" + name)) << name << " (from " << seen << "): no picture";
        ItemFile carried;
        std::string why;
        EXPECT_TRUE(ReadItem(ASSETS + "/Text/Items/" + name + ".txt", name, carried, why))
            << "Items/" << name << ".txt (from " << seen << "): " << why;
    }
}

TEST(ContentData, PeopleAndItemsStandInTheOpenWithinReachAndWallNothingOff) {
    for (const auto& [name, map] : BuiltMaps()) {
        const std::vector<PersonFile>& everyone = Contents().at(name).people;
        const FootWalk walk = WalkFromArrival(map, name, Obstacles(everyone, false));
        for (const std::string& what : Unreached(map, walk))
            ADD_FAILURE() << name << ": " << what << " cannot be walked to past the people";
        // Out of walls and doors, and off everyone else's feet.
        const auto expectOpen = [&everyone, &map = map](const WalkRect& area, const std::string& what) {
            for (const WalkRect& wall : map.collisions)
                EXPECT_FALSE(Overlaps(area, wall)) << what << " stands in a wall";
            for (const NamedRect& trigger : map.triggers)
                EXPECT_FALSE(Overlaps(area, trigger.rect)) << what << " stands on trigger " << trigger.name;
            for (const PersonFile& person : everyone) {
                EXPECT_TRUE(person.label == what || !Overlaps(area, SolidBox(person)))
                    << what << " and " << person.label << " stand on each other";
            }
        };
        for (const PersonFile& person : everyone) {
            expectOpen(SolidBox(person), person.label);
            const WalkRect keepOut = person.type == TYPE_ENEMY ? BattleZone(person) : SolidBox(person);
            for (const NamedRect& point : map.points) {
                EXPECT_TRUE(IsDecorPoint(point.name) ||
                            !Overlaps(FootBoxAt(point.rect.x, point.rect.y), keepOut))
                    << name << ": a player arriving on " << point.name << " lands in " << person.label;
            }
            EXPECT_TRUE(CanTouch(walk, ReachZone(person), 0))
                << person.label << ": cannot be reached on foot from point " << name;
        }
        for (const ItemFile& item : Contents().at(name).items) {
            expectOpen(Picture(item), item.label);
            EXPECT_TRUE(CanTouch(walk, PickUpZone(item), 0))
                << item.label << ": cannot be picked up on foot from point " << name;
        }
    }
}

// The fights on the bridge are optional gold: every way in, out and to the water goes around them.
TEST(ContentData, TheBridgeFightsCanBeWalkedAround) {
    const MapFacts& bridge = BuiltMaps().at("Bridge");
    const std::vector<WalkRect> obstacles = Obstacles(Contents().at("Bridge").people, true);
    for (const NamedRect& point : bridge.points) {
        if (IsDecorPoint(point.name)) continue;
        const FootWalk walk = WalkFrom(bridge, point.rect.x, point.rect.y, obstacles);
        for (const std::string& what : Unreached(bridge, walk))
            ADD_FAILURE() << "Bridge: " << what << " is walled off by a battle zone from " << point.name;
        for (const ItemFile& item : Contents().at("Bridge").items) {
            EXPECT_TRUE(CanTouch(walk, PickUpZone(item), 0))
                << item.label << ": only reached through a battle zone from " << point.name;
        }
    }
}

// Each puzzle's water must be reachable when the story sends the player for it: in the forest before
// any fence is down or fire out, in the burning house while the flames still bar the wall; and Groto
// joins before the first fight in the burning village.
TEST(ContentData, TheStoryCanReachWhatItAsksForInOrder) {
    const struct {
        std::string map, from, target, why;  // target: a file, or a person by sheet
    } steps[] = {
        {"ForestNight", "Bridge", "ForestNight/Water.txt", "fetched before the fences and fires"},
        {"HOUSE_BURN_1", "HOUSE_ENTER_1", "HOUSE_BURN_1/Bathub.txt", "fills the bucket"},
        {"HOUSE_BURN_1", "HOUSE_ENTER_1", "HOUSE_BURN_1/Bucket_Empty.txt", "carries the water"},
        {"HOUSE_BURN_1", "HOUSE_ENTER_1", "HOUSE_BURN_1/Rope.txt", "pulls the wall down"},
        {"GoblinVillageBurn", "HOUSE_BURN_1", "Groto", "joins before the fights"},
    };
    for (const auto& step : steps) {
        const std::vector<PersonFile>& everyone = Contents().at(step.map).people;
        // The village's fights bar the way; elsewhere the puzzles do, none solved yet.
        std::vector<WalkRect> obstacles = Obstacles(everyone, step.map == "GoblinVillageBurn");
        for (const PuzzleSpot& spot : PUZZLE_SPOTS) {
            if (spot.map == step.map && spot.blocks) obstacles.push_back(spot.area);
        }
        const FootWalk walk = WalkFromArrival(BuiltMaps().at(step.map), step.from, obstacles);
        std::optional<WalkRect> zone;
        for (const PersonFile& person : everyone) {
            if (person.label == step.target || person.sheet == step.target) zone = ReachZone(person);
        }
        for (const ItemFile& item : Contents().at(step.map).items) {
            if (item.label == step.target) zone = PickUpZone(item);
        }
        ASSERT_TRUE(zone) << step.target << ": not on the map";
        EXPECT_TRUE(CanTouch(walk, *zone, 0))
            << step.target << " (" << step.why << ") cannot be reached from the arrival from " << step.from;
    }
    // Filling the bucket and fighting the fire at (10, 5) are two places, not one.
    for (const PersonFile& water : Contents().at("HOUSE_BURN_1").people) {
        EXPECT_FALSE(water.water && Overlaps(ReachZone(water), TilesAt(10, 3, 2, 4)))
            << water.label << " stands at the fire";
    }
}

TEST(ContentData, EveryDialogueTextFitsTheBoxAndNamesNoKey) {
    // Keys can be rebound: texts say "confirm", never a key's name.
    const std::regex namesAKey(R"(\b(enter|escape|return|esc)\b|\bthe\s+['"]?[a-z0-9]['"]?\s+key\b|)"
                               R"(\b(press|hit|tap|push)(es|ing)?\s+(the\s+)?['"]?[a-z0-9]['"]?(\s+key)?\b)",
                               std::regex::icase);
    int parts = 0;
    for (const auto& entry : fs::recursive_directory_iterator(DIALOGUES_FOLDER)) {
        if (!std::regex_match(entry.path().filename().string(), std::regex(R"(Part[0-9]+\.txt)"))) continue;
        ++parts;
        const std::string label = fs::relative(entry.path(), DIALOGUES_FOLDER).string();
        const std::string text = ReadWholeFile(entry.path());
        const std::string problem = PartTextProblem(text);
        EXPECT_TRUE(problem.empty()) << label << ": " << problem;
        std::smatch match;
        EXPECT_FALSE(std::regex_search(text, match, namesAKey))
            << label << ": names a key: \"" << match.str() << "\"";
    }
    EXPECT_GT(parts, 0);
}
