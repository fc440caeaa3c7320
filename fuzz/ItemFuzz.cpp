// Feeds arbitrary bytes to the game as an item file beside a map's Map.txt: a file naming an item lays
// exactly one on the map, named by one line of at most 99 characters, that the hero can carry; a file
// naming none lays nothing.
#include <cstddef>
#include <cstdint>

#include "FuzzFolder.h"
#include "content/Items.h"
#include "world/GameSession.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EnterFuzzFolder("item");
    WriteFuzzInput("Assets/Text/Maps/Fuzz/Item.txt", data, size);
    MapItemList list;
    LoadItemFile("Assets/Text/Maps/Fuzz/Item.txt", list);
    if (list.items.empty()) return 0;
    Check(list.items.size() == 1);
    const std::string& name = list.items.front().name;
    Check(!name.empty() && name.size() <= 99 && name.find('\n') == std::string::npos);
    GameSession session;
    Check(session.Carry(name) && session.Holds(name));
    return 0;
}
