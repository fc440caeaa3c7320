// Feeds arbitrary bytes to the game as a text typed out on screen, in each of the three places that
// type one: a dialogue's part, a story pop-up's part and a block of the credits. Every page holds less
// than a page's size and no ';', the pop-up and the talk close after at most one ENTER a page (and one
// to close), and the credits block comes to rest.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "FuzzFolder.h"
#include "FuzzTalk.h"
#include "content/PopUps.h"
#include "frontend/CreditsScreen.h"

namespace {

constexpr const char* DIALOGUE_PART = "Assets/Text/Dialogues/Fuzz/Part1.txt";
constexpr const char* POPUP_PART = "Assets/Text/Dialogues/PopUp/Start/Part1.txt";
constexpr const char* CREDITS_BLOCK = "Assets/Text/Credits/Programeurs.txt";

// At most one page a ';', one a full page, and the last.
int MostPages(const uint8_t* data, size_t size) {
    size_t semicolons = 0;
    for (size_t at = 0; at < size; ++at)
        semicolons += data[at] == ';' ? 1 : 0;
    return static_cast<int>(semicolons + size / (TEXT_PAGE_SIZE - 1) + 2);
}

void CheckPage(const TextReveal& reveal) {
    Check(reveal.length >= 0 && reveal.length < TEXT_PAGE_SIZE && reveal.page[reveal.length] == '\0');
    Check(std::memchr(reveal.page, ';', static_cast<size_t>(reveal.length)) == nullptr);
}

void TalkThroughThePart(int pages) {
    std::vector<Dialogue> dialogues(1);
    LoadDialogue("Assets/Text/Dialogues/Fuzz/infos.txt", dialogues.front());
    int32_t open = 0;
    int32_t inUse = 0;
    Check(TalkThrough({&dialogues, &open, &inUse}, pages + 1, CheckPage));
}

void ReadThePopUp(int pages) {
    const std::unique_ptr<PopUpConversation> popUp = OpenPopUp(POPUP_START);
    for (int press = 0; press <= pages && popUp->Shown() != nullptr; ++press) {
        TypeOutPage(popUp->Shown()->reveal);
        CheckPage(popUp->Shown()->reveal);
        popUp->Key(EnterKey());
    }
    Check(popUp->Shown() == nullptr);
}

void WatchTheCredits() {
    CreditsScreen credits;
    LoadCreditsScreen(credits);
    for (int frame = 0; frame <= TEXT_PAGE_SIZE; ++frame)
        UpdateCreditsScreen(credits, 0.05f);
    for (const CreditBlock& block : credits.blocks) {
        Check(block.reveal.revealing != 1);
        CheckPage(block.reveal);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EnterFuzzFolder("typed-text", {{"Assets/Text/Dialogues/Fuzz/infos.txt", "Max 1\nPortraits/Pell\nFuzz\n"},
                                   {"Assets/Text/Dialogues/PopUp/Start/infos.txt",
                                    "Max 1\nPortraits/Narrator\nPopUp/Start\n"}});
    for (const char* path : {DIALOGUE_PART, POPUP_PART, CREDITS_BLOCK})
        WriteFuzzInput(path, data, size);
    const int pages = MostPages(data, size);
    TalkThroughThePart(pages);
    ReadThePopUp(pages);
    WatchTheCredits();
    return 0;
}
