// Spoken text as the dialogue files give it: pages cut at semicolons, one letter a frame, parts with
// their own portraits, the owner's ENTER that opens, pages on and closes, and missing files reported.

#include <gtest/gtest.h>

#include "content/Dialogue.h"
#include "core/Log.h"
#include "core/Settings.h"
#include "support/Files.h"
#include "support/GameHarness.h"

namespace {

class DialogueFiles : public testing::Test {
protected:
    DialogueFiles() {
        folder.DetachAssetFolder("Text");  // the test's own texts go into a copy
        previous = gSettings.keys;
        gSettings.keys.enter = DefaultKeys::ENTER;
    }
    ~DialogueFiles() override { gSettings.keys = previous; }

    // The dialogue "Test" of these parts, spoken in turn by Pell and the merchant.
    void Write(const std::vector<std::string>& parts) {
        const std::string folderPath = "Assets/Text/Dialogues/Test/";
        std::string infos = "Max " + std::to_string(parts.size()) + "\n";
        for (size_t i = 0; i < parts.size(); ++i) {
            infos += i % 2 == 0 ? "Portraits/Pell\n" : "Portraits/Merchant\n";
            WriteWholeFile(folderPath + "Part" + std::to_string(i + 1) + ".txt", parts[i]);
        }
        WriteWholeFile(folderPath + "infos.txt", infos + "Test\n");
        LoadDialogue((folderPath + "infos.txt").c_str(), dialogue);
    }
    std::string Shown() const { return dialogue.reveal.page; }
    void Type(int frames, float dt = 0.021f) {
        for (int i = 0; i < frames; ++i)
            UpdateTextReveal(dt, dialogue.reveal);
    }
    void Press(sf::Keyboard::Key code) {
        sf::Event::KeyEvent key{};
        key.code = code;
        HandleDialogueKey(key, {&owned, &open, &inUse});
    }

    ScratchFolder folder;
    LogCapture log;
    KeyBindings previous;
    Dialogue dialogue;
    std::vector<Dialogue> owned;
    int32_t open = 0;
    int32_t inUse = 0;
};

TEST_F(DialogueFiles, APageEndsAtItsSemicolonAndTypesOneLetterAFrameHoweverLongTheFrame) {
    Write({"Hello;\nWorld"});
    OpenDialoguePart(dialogue.partPaths[0], dialogue, 0);
    Type(3);
    EXPECT_EQ(Shown(), "Hel");
    Type(1, 10.0f);
    EXPECT_EQ(Shown(), "Hell");
    sf::Event::KeyEvent key{};
    key.code = sf::Keyboard::Space;
    AdvanceDialogue(key, dialogue);  // only ENTER hurries the page
    EXPECT_EQ(Shown(), "Hell");
    key.code = sf::Keyboard::Return;
    AdvanceDialogue(key, dialogue);
    EXPECT_EQ(Shown(), "Hello");
    Type(5);
    EXPECT_EQ(Shown(), "Hello");  // the page waits at its end
    AdvanceDialogue(key, dialogue);
    Type(20);
    EXPECT_EQ(Shown(), "World");  // the line feed after the semicolon is dropped
    EXPECT_EQ(dialogue.reveal.finished, 1);
}

TEST_F(DialogueFiles, EachPartShowsItsOwnPortraitAndTheEnterAfterTheLastClosesForAFreshStart) {
    Write({"One", "Two"});
    owned.push_back(std::move(dialogue));
    const Dialogue& talk = owned[0];
    Press(sf::Keyboard::Space);  // only ENTER opens
    EXPECT_EQ(open, 0);
    Press(sf::Keyboard::Return);  // opens with the first page whole
    EXPECT_EQ(open, 1);
    EXPECT_EQ(std::string(talk.reveal.page), "One");
    EXPECT_EQ(talk.portraitSprite.getTexture(), talk.portraits[0].get());
    Press(sf::Keyboard::Return);  // the second part, typing
    EXPECT_EQ(std::string(talk.reveal.page), "");
    EXPECT_EQ(talk.portraitSprite.getTexture(), talk.portraits[1].get());
    Press(sf::Keyboard::Return);
    EXPECT_EQ(std::string(talk.reveal.page), "Two");
    Press(sf::Keyboard::Return);  // past the last part, still on screen
    EXPECT_EQ(open, 1);
    Press(sf::Keyboard::Return);
    EXPECT_EQ(open, 0);
    Press(sf::Keyboard::Return);  // talked to again: from the first part
    EXPECT_EQ(std::string(talk.reveal.page), "One");
}

TEST_F(DialogueFiles, MissingFilesAreReportedAndLeaveNothingToShow) {
    LoadDialogue("Assets/Text/Dialogues/Nobody/infos.txt", dialogue);
    EXPECT_EQ(log.text, "Erreur d'ouverture de fichier Dialogue!\n");
    EXPECT_EQ(dialogue.partCount, 0);
    Write({"Hi"});
    std::filesystem::remove("Assets/Text/Dialogues/Test/Part1.txt");
    log.text.clear();
    OpenDialoguePart(dialogue.partPaths[0], dialogue, 0);
    EXPECT_EQ(log.text, "Erreur d'ouverture de fichier!\n");
    EXPECT_EQ(dialogue.reveal.revealing, 0);
    EXPECT_EQ(Shown(), "");
}

TEST_F(DialogueFiles, ATalkWithAMissingPartGoesOnToTheNextAndEnds) {
    Write({"One", "Two"});
    std::filesystem::remove("Assets/Text/Dialogues/Test/Part1.txt");
    owned.push_back(std::move(dialogue));
    Press(sf::Keyboard::Return);  // opens on the missing part: an empty page
    EXPECT_EQ(std::string(owned[0].reveal.page), "");
    Press(sf::Keyboard::Return);
    for (int i = 0; i < 5; ++i)
        UpdateTextReveal(0.021f, owned[0].reveal);
    EXPECT_EQ(std::string(owned[0].reveal.page), "Two");
    for (int presses = 0; presses < 3 && open != 0; ++presses)
        Press(sf::Keyboard::Return);
    EXPECT_EQ(open, 0);
}

TEST_F(DialogueFiles, ANameLineEndedTheWindowsWayNamesTheSameFolder) {
    WriteWholeFile("Assets/Text/Dialogues/Test/Part1.txt", "Hi");
    WriteWholeFile("Assets/Text/Dialogues/Test/infos.txt", "Max 1\r\nPortraits/Pell\r\nTest\r\n");
    LoadDialogue("Assets/Text/Dialogues/Test/infos.txt", dialogue);
    ASSERT_EQ(dialogue.partPaths.size(), 1u);
    EXPECT_EQ(dialogue.partPaths[0], "Assets/Text/Dialogues/Test/Part1.txt");
    EXPECT_EQ(dialogue.portraits[0]->getSize().x > 0, true);
}

}  // namespace
