// Feeds arbitrary bytes to the game as a map's Map.txt: a list the game takes counts 0 to 100 NPCs and
// items, every item name one line of at most 99 characters (a name cut short by a zero byte is empty,
// and names a file that is not there); a list it refuses leaves the record as it was.
#include <cstddef>
#include <cstdint>

#include "FuzzFolder.h"
#include "world/ContentList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EnterFuzzFolder("content-list");
    WriteFuzzInput(ContentListPath("Fuzz"), data, size);
    ContentList list;
    list.npcCount = 7;
    list.itemNames = {"Rope"};
    if (!ReadContentList("Fuzz", list)) {
        Check(list.npcCount == 7 && list.itemNames.size() == 1);
        return 0;
    }
    Check(list.npcCount >= 0 && list.npcCount <= MAX_CONTENT_COUNT);
    Check(list.itemNames.size() <= static_cast<size_t>(MAX_CONTENT_COUNT));
    for (const std::string& name : list.itemNames)
        Check(name.size() <= 99 && name.find('\n') == std::string::npos);
    return 0;
}
