// Feeds arbitrary bytes to the game as an NPC file (PNJ<n>.txt): the person is built whatever the file
// holds, shows a row its sheet has, says at most 32 dialogues, names a battle only when it is an enemy (a
// name too long for a path names none, and its battle is refused when touched), and a talk with it always
// comes to an end. A dialogue named "Fuzz" exists beside it, so the input can reach real parts.
#include <cstddef>
#include <cstdint>

#include "FuzzFolder.h"
#include "FuzzTalk.h"
#include "content/Npcs.h"

namespace {

constexpr int MOST_PRESSES = 1000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EnterFuzzFolder(
        "npc", {{"Assets/Text/Dialogues/Fuzz/infos.txt", "Max 2\nPortraits/Pell\nPortraits/Narrator\nFuzz\n"},
                FUZZ_PART_1,
                FUZZ_PART_2});
    WriteFuzzInput("Assets/Text/Maps/Fuzz/PNJ1.txt", data, size);
    Npc npc;
    LoadNpc("Assets/Text/Maps/Fuzz/PNJ1.txt", npc);
    Check(npc.state >= 0 && npc.state < NPC_SHEET_ROWS);
    Check(npc.dialogues.size() <= 32);
    if (npc.type != NPC_BATTLE) Check(npc.battlePath.empty());
    for (int frame = 0; frame < 3; ++frame)
        UpdateNpc(0.2f, npc);
    if (!npc.dialogues.empty()) Check(TalkThrough(OwnerOf(npc), MOST_PRESSES));
    return 0;
}
