#include "content/ContentFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const std::string NUMBER = R"((-?[0-9]+(?:\.[0-9]+)?))";

// One "<keyword> <values>" line; the captured values land in `values`.
bool MatchLine(const std::string& line, const std::string& pattern, std::vector<std::string>& values) {
    std::smatch match;
    if (!std::regex_match(line, match, std::regex(pattern))) return false;
    values.assign(match.begin() + 1, match.end());
    return true;
}

bool IsName(const std::string& line) {
    return !line.empty() && line.front() != ' ' && line.back() != ' ';
}

// The stem of "PNJ<i>.txt", or -1 for any other file name.
int PersonFileIndex(const std::string& fileName) {
    std::smatch match;
    static const std::regex pattern(R"(PNJ([0-9]+)\.txt)");
    return std::regex_match(fileName, match, pattern) ? std::stoi(match[1]) : -1;
}

}  // namespace

bool ReadDataLines(const std::string& path, std::vector<std::string>& lines, std::string& why) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        why = "missing";
        return false;
    }
    std::ostringstream whole;
    whole << file.rdbuf();
    const std::string text = whole.str();
    if (text.empty() || text.back() != '\n') {
        why = "the last line has no line feed";
        return false;
    }
    for (const char c : text) {
        if (c == '\r' || static_cast<unsigned char>(c) > 126 || (c < 32 && c != '\n')) {
            why = "holds a character that is not plain ASCII text";
            return false;
        }
    }
    lines.clear();
    std::istringstream split(text);
    for (std::string line; std::getline(split, line);)
        lines.push_back(line);
    return true;
}

bool ReadPerson(const std::string& path, PersonFile& person, std::string& why) {
    std::vector<std::string> lines, values;
    if (!ReadDataLines(path, lines, why)) return false;
    auto fail = [&](const std::string& reason) {
        why = reason;
        return false;
    };
    if (lines.size() < 5) return fail("too short for Pos, sheet, State, Dialogue and Type");
    if (!MatchLine(lines[0], "Pos " + NUMBER + " " + NUMBER, values))
        return fail("line 1 is not Pos <x> <y>");
    person.x = std::stof(values[0]);
    person.y = std::stof(values[1]);
    if (!IsName(lines[1])) return fail("line 2 is not a sheet name");
    person.sheet = lines[1];
    if (!MatchLine(lines[2], "State ([0-3])", values)) return fail("line 3 is not State <0..3>");
    person.state = std::stoi(values[0]);
    if (!MatchLine(lines[3], "Dialogue ([0-9]+)", values)) return fail("line 4 is not Dialogue <count>");
    const size_t count = std::stoul(values[0]);
    if (lines.size() < 5 + count) return fail("fewer dialogue names than Dialogue announces");
    person.dialogues.clear();
    for (size_t i = 0; i < count; ++i) {
        if (!IsName(lines[4 + i])) return fail("dialogue name " + std::to_string(i + 1) + " is blank");
        person.dialogues.push_back(lines[4 + i]);
    }
    const size_t typeLine = 4 + count;
    if (!MatchLine(lines[typeLine], "Type ([0-3])", values))
        return fail("line " + std::to_string(typeLine + 1) + " is not Type <0..3>");
    person.type = std::stoi(values[0]);
    const size_t expected = typeLine + (person.type == TYPE_ENEMY ? 2 : 1);
    if (lines.size() != expected) {
        return fail(person.type == TYPE_ENEMY ? "an enemy needs exactly one battle name after Type"
                                              : "lines left over after Type");
    }
    person.battle = person.type == TYPE_ENEMY ? lines.back() : "";
    return true;
}

bool ReadItem(const std::string& path, ItemFile& item, std::string& why) {
    std::vector<std::string> lines, values;
    if (!ReadDataLines(path, lines, why)) return false;
    if (lines.size() != 2 || !MatchLine(lines[0], "pos " + NUMBER + " " + NUMBER, values) ||
        !IsName(lines[1])) {
        why = "not the two lines pos <x> <y> and the item name";
        return false;
    }
    item.x = std::stof(values[0]);
    item.y = std::stof(values[1]);
    item.name = lines[1];
    return true;
}

bool ReadDialogueInfos(const std::string& path, DialogueInfos& infos, std::string& why) {
    std::vector<std::string> lines, values;
    if (!ReadDataLines(path, lines, why)) return false;
    if (lines.empty() || !MatchLine(lines[0], "Max ([1-9][0-9]*)", values)) {
        why = "line 1 is not Max <parts>";
        return false;
    }
    const size_t parts = std::stoul(values[0]);
    if (lines.size() != parts + 2) {
        why = "Max " + values[0] + " needs that many portraits and one folder line";
        return false;
    }
    infos.portraits.assign(lines.begin() + 1, lines.end() - 1);
    infos.folder = lines.back();
    for (const std::string& line : lines) {
        if (!IsName(line)) {
            why = "a blank portrait or folder line";
            return false;
        }
    }
    return true;
}

bool ReadContentList(const std::string& path, MapFiles& content, std::string& why) {
    std::vector<std::string> lines, values;
    if (!ReadDataLines(path, lines, why)) return false;
    if (lines.size() < 2 || !MatchLine(lines[0], "PNJ ([0-9]+)", values)) {
        why = "line 1 is not PNJ <count>";
        return false;
    }
    content.listedPeople = std::stoi(values[0]);
    if (!MatchLine(lines[1], "Item ([0-9]+)", values) || lines.size() != 2 + std::stoul(values[0])) {
        why = "line 2 is not Item <count>, followed by exactly that many item names";
        return false;
    }
    content.listedItems.assign(lines.begin() + 2, lines.end());
    return true;
}

MapFiles ReadMapContent(const std::string& mapsFolder, const std::string& map) {
    MapFiles content;
    content.map = map;
    const std::string folder = mapsFolder + "/" + map + "/";
    auto problem = [&](const std::string& file, const std::string& why) {
        content.problems.push_back(map + "/" + file + ": " + why);
    };
    std::string why;
    if (!ReadContentList(folder + "Map.txt", content, why)) {
        problem("Map.txt", why);
        return content;
    }
    for (int i = 1; i <= content.listedPeople; ++i) {
        const std::string file = "PNJ" + std::to_string(i) + ".txt";
        PersonFile person;
        person.label = map + "/" + file;
        if (ReadPerson(folder + file, person, why)) {
            content.people.push_back(person);
        } else {
            problem(file, why);
        }
    }
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (PersonFileIndex(name) > content.listedPeople) {
            problem(name,
                    "left over: Map.txt announces " + std::to_string(content.listedPeople) + " PNJ files");
        }
    }
    for (const std::string& name : content.listedItems) {
        ItemFile item;
        item.label = map + "/" + name + ".txt";
        if (!ReadItem(folder + name + ".txt", item, why)) {
            problem(name + ".txt", why);
        } else if (item.name != name) {
            problem(name + ".txt", "names the item " + item.name);
        } else {
            content.items.push_back(item);
        }
    }
    for (const WaterSource& water : WATER_SOURCES) {
        if (water.map != map) continue;
        PersonFile person;
        person.label = map + "/" + water.file + ".txt";
        if (ReadPerson(folder + water.file + ".txt", person, why)) {
            content.waterSources.push_back(person);
        } else {
            problem(std::string(water.file) + ".txt", why);
        }
    }
    return content;
}

std::string PartTextProblem(const std::string& text) {
    if (text.empty()) return "is empty";
    if (text.back() == '\n') return "ends with a line feed: the last page would show an empty line";
    if (text.back() == ';') return "ends with ';': an empty page would follow";
    for (const char c : text) {
        if (c == '\r' || c == '\t' || static_cast<unsigned char>(c) > 126)
            return "holds a character the font may lack";
    }
    size_t pageStart = 0;
    for (int page = 1; pageStart <= text.size(); ++page) {
        const size_t end = std::min(text.find(';', pageStart), text.size());
        if (end < text.size() && (end + 1 >= text.size() || text[end + 1] != '\n'))
            return "page " + std::to_string(page) + ": ';' must end its line (the next character is dropped)";
        const std::string pageText = text.substr(pageStart, end - pageStart);
        if (pageText.empty()) return "page " + std::to_string(page) + " is empty";
        std::vector<std::string> lines;
        size_t lineStart = 0;
        for (size_t feed; (feed = pageText.find('\n', lineStart)) != std::string::npos; lineStart = feed + 1)
            lines.push_back(pageText.substr(lineStart, feed - lineStart));
        lines.push_back(pageText.substr(lineStart));
        if (lines.size() > 3)
            return "page " + std::to_string(page) + " has " + std::to_string(lines.size()) + " lines";
        for (const std::string& line : lines) {
            if (line.size() > 44) return "page " + std::to_string(page) + " runs past 44 characters: " + line;
        }
        pageStart = end + 2;
    }
    return "";
}
