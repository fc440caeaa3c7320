#pragma once
// The people, items and dialogues of the world as the game's text files describe them, read strictly:
// a file that the game's line-by-line reader would misread (a missing line feed, a stray space, a number
// where a name belongs) is reported with the reason, never half-read.

#include <string>
#include <vector>

enum PersonType { TYPE_TALKS, TYPE_ENEMY, TYPE_MERCHANT, TYPE_COMPANION };

// A PNJ<i>.txt, or a puzzle's water source written in the same format.
struct PersonFile {
    std::string label;  // "<map>/<file>", for messages
    bool water = false;
    float x = 0, y = 0;
    std::string sheet = {};
    std::vector<std::string> dialogues = {};
    int type = -1;
    std::string battle = {};  // Type 1 only
};

// A map's <Item>.txt or an Items/<Item>.txt.
struct ItemFile {
    std::string label;
    float x = 0, y = 0;
    std::string name = {};
};

// Everything one map folder holds for its content list.
struct MapFiles {
    std::vector<std::string> listedItems;
    std::vector<PersonFile> people;     // PNJ1..PNJ<n> that parsed, then the water the puzzles read
    std::vector<ItemFile> items;        // the listed items that parsed
    std::vector<std::string> problems;  // "<map>/<file>: <what is wrong>"
};

// Each reader takes a file of plain ASCII lines, each ended by a line feed, in exactly its format; an
// item file must name the item it is expected to hold.
bool ReadItem(const std::string& path, const std::string& name, ItemFile& item, std::string& why);
// A dialogue's infos.txt: one portrait per part and the folder of the Part<i>.txt files.
bool ReadDialogueInfos(const std::string& path, std::vector<std::string>& portraits, std::string& folder,
                       std::string& why);
// Reads Map.txt, the PNJ files it announces and its item files (plus the water sources the puzzles
// read on their maps); every file that is missing, unreadable or left over lands in `problems`.
MapFiles ReadMapContent(const std::string& mapsFolder, const std::string& map);

// What is wrong with one dialogue part's text as the dialogue box shows it, or an empty string.
std::string PartTextProblem(const std::string& text);
