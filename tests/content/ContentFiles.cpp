#include "content/ContentFiles.h"

#include <algorithm>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>

#include "support/Files.h"

namespace {

// A name fills its line: never blank, no space at either end.
const std::string NAME = R"([^ \n](?:[^\n]*[^ \n])?)";
const std::string NAMED = "(" + NAME + ")\n";
const std::string NAME_LINES = "((?:" + NAME + "\n)*)";
const std::string POSITION = R"((-?[0-9]+(?:\.[0-9]+)?) (-?[0-9]+(?:\.[0-9]+)?)\n)";

// Each format is the whole text of its file; a counted list is a run of name lines, counted after.
const std::string PERSON_FORMAT = "Pos " + POSITION + NAMED + "State [0-3]\nDialogue ([0-9]+)\n" +
                                  NAME_LINES + "Type ([0-3])\n(?:" + NAMED + ")?";
const std::string ITEM_FORMAT = "pos " + POSITION + NAMED;
const std::string INFOS_FORMAT = "Max ([1-9][0-9]*)\n" + NAME_LINES + NAMED;
const std::string LIST_FORMAT = "PNJ ([0-9]+)\nItem ([0-9]+)\n" + NAME_LINES;

// The water sources the puzzles load by these names (the bathtub's file is spelled the game's way).
const std::pair<const char*, const char*> WATER_SOURCES[] = {{"ForestNight", "Water"},
                                                             {"HOUSE_BURN_1", "Bathub"}};

// The fields of a data file in its format; false with the reason when it is not one.
bool ReadFields(const std::string& path, const std::string& format, const std::string& form,
                std::vector<std::string>& fields, std::string& why) {
    const std::string text = ReadWholeFile(path);
    std::smatch match;
    if (!std::filesystem::is_regular_file(path)) {
        why = "missing";
    } else if (text.empty() || text.back() != '\n') {
        why = "the last line has no line feed";
    } else if (std::any_of(text.begin(), text.end(),
                           [](unsigned char c) { return c > 126 || (c < 32 && c != '\n'); })) {
        why = "holds a character that is not plain ASCII text";
    } else if (!std::regex_match(text, match, std::regex(format))) {
        why = "not " + form;
    } else {
        fields.assign(match.begin() + 1, match.end());
        return true;
    }
    return false;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream split(text);
    for (std::string line; std::getline(split, line);)
        lines.push_back(line);
    return lines;
}

bool ReadPerson(const std::string& path, PersonFile& person, std::string& why) {
    std::vector<std::string> f;
    if (!ReadFields(path, PERSON_FORMAT,
                    "Pos, a sheet, State, Dialogue <n>, n names, Type, an enemy's battle", f, why))
        return false;
    person = {person.label, person.water, std::stof(f[0]), std::stof(f[1]),
              f[2],         Lines(f[4]),  std::stoi(f[5]), f[6]};
    why = person.dialogues.size() != std::stoul(f[3])
              ? "Dialogue " + f[3] + " announces another number of names"
          : (person.type == TYPE_ENEMY) == f[6].empty()
              ? "an enemy needs exactly one battle name after Type, and no one else any line"
              : "";
    return why.empty();
}

}  // namespace

bool ReadItem(const std::string& path, const std::string& name, ItemFile& item, std::string& why) {
    std::vector<std::string> f;
    if (!ReadFields(path, ITEM_FORMAT, "the two lines pos <x> <y> and the item name", f, why)) return false;
    item = {item.label, std::stof(f[0]), std::stof(f[1]), f[2]};
    why = "names the item " + item.name;
    return item.name == name;
}

bool ReadDialogueInfos(const std::string& path, std::vector<std::string>& portraits, std::string& folder,
                       std::string& why) {
    std::vector<std::string> f;
    if (!ReadFields(path, INFOS_FORMAT, "Max <parts>, the portraits and the folder", f, why)) return false;
    portraits = Lines(f[1]);
    folder = f[2];
    why = "Max " + f[0] + " needs that many portraits and one folder line";
    return portraits.size() == std::stoul(f[0]);
}

MapFiles ReadMapContent(const std::string& mapsFolder, const std::string& map) {
    MapFiles content;
    const std::string folder = mapsFolder + "/" + map + "/";
    std::string why;
    const auto problem = [&](const std::string& file, const std::string& what) {
        content.problems.push_back(map + "/" + file + ": " + what);
    };
    std::vector<std::string> f;
    if (!ReadFields(folder + "Map.txt", LIST_FORMAT, "PNJ <count>, Item <count> and the item names", f,
                    why)) {
        problem("Map.txt", why);
        return content;
    }
    const int listedPeople = std::stoi(f[0]);
    content.listedItems = Lines(f[2]);
    if (content.listedItems.size() != std::stoul(f[1]))
        problem("Map.txt", "Item " + f[1] + " lists another number");
    if (std::set<std::string>(content.listedItems.begin(), content.listedItems.end()).size() !=
        content.listedItems.size())
        problem("Map.txt", "lists an item twice: one file per name");
    const auto readPerson = [&](const std::string& file, bool water) {
        PersonFile person{.label = map + "/" + file, .water = water};
        ReadPerson(folder + file, person, why) ? content.people.push_back(person) : problem(file, why);
    };
    for (int i = 1; i <= listedPeople; ++i)
        readPerson("PNJ" + std::to_string(i) + ".txt", false);
    for (const auto& [water, file] : WATER_SOURCES) {
        if (water == map) readPerson(std::string(file) + ".txt", true);
    }
    // Every PNJ file is announced: the game never reads the others.
    const std::regex personFile(R"(PNJ[0-9]+\.txt)");
    const auto found = std::count_if(std::filesystem::directory_iterator(folder), {}, [&](const auto& entry) {
        return std::regex_match(entry.path().filename().string(), personFile);
    });
    if (found != listedPeople)
        problem("Map.txt", "announces " + f[0] + " PNJ files, the folder holds " + std::to_string(found));
    for (const std::string& name : content.listedItems) {
        ItemFile item{.label = map + "/" + name + ".txt"};
        ReadItem(folder + name + ".txt", name, item, why) ? content.items.push_back(item)
                                                          : problem(name + ".txt", why);
    }
    return content;
}

std::string PartTextProblem(const std::string& text) {
    // A line holds what the font has, ';' aside; the character after a ';' is dropped, so it must be the
    // line feed that ends the page.
    const std::string line = "[ -:<-~]{0,44}", page = "(?!;|$)" + line + "(?:\n" + line + "){0,2}";
    if (!text.empty() && text.back() == '\n')
        return "ends with a line feed: the last page would show an empty line";
    if (!std::regex_match(text, std::regex(page + "(?:;\n" + page + ")*"))) {
        return "is not pages of one to three lines of at most 44 plain characters, each but the last ended "
               "by "
               "';' and a line feed";
    }
    return "";
}
