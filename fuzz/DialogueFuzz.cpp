// Feeds arbitrary bytes to the game as a dialogue's infos.txt (an NPC's, a puzzle's or a pop-up's): it
// reads 0 to 64 parts, a portrait and a part path for each, and a talk through it always comes to an
// end. The folder "Fuzz" holds two parts, so the input can name real ones as well as missing ones.
#include <cstddef>
#include <cstdint>

#include "FuzzFolder.h"
#include "FuzzTalk.h"

namespace {

constexpr int MOST_PRESSES = 1000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EnterFuzzFolder("dialogue", {FUZZ_PART_1, FUZZ_PART_2});
    WriteFuzzInput("Assets/Text/Dialogues/Input/infos.txt", data, size);
    std::vector<Dialogue> dialogues(1);
    LoadDialogue("Assets/Text/Dialogues/Input/infos.txt", dialogues.front());
    const Dialogue& dialogue = dialogues.front();
    Check(dialogue.partCount >= 0 && dialogue.partCount <= 64);
    Check(dialogue.portraits.size() == static_cast<size_t>(dialogue.partCount));
    Check(dialogue.partPaths.size() == static_cast<size_t>(dialogue.partCount));
    int32_t open = 0;
    int32_t inUse = 0;
    Check(TalkThrough({&dialogues, &open, &inUse}, MOST_PRESSES));
    return 0;
}
