#include <gtest/gtest.h>

#include <SFML/Graphics/Image.hpp>

#include <string>

#include "content/Dialogue.h"
#include "content/PopUps.h"
#include "core/GameStates.h"
#include "core/Settings.h"
#include "support/Files.h"
#include "support/GameHarness.h"

namespace {

// A dialogue of the given parts (text of each Part<i>.txt) with one portrait per part.
class DialogueTest : public testing::Test {
protected:
    void SetUp() override {
        ResetGameRecords();
        gSettings.keys.enter = sf::Keyboard::Return;
        // Tests write their own texts and portraits: into copies, never into the built tree.
        folder.DetachAssetFolder("Text");
        folder.DetachAssetFolder("Sprites");
    }
    void TearDown() override { ResetGameRecords(); }

    void Write(const std::vector<std::string>& parts) {
        std::string infos = "Max " + std::to_string(parts.size()) + "\n";
        for (size_t i = 0; i < parts.size(); ++i) {
            infos += "Face" + std::to_string(i) + "\n";
            sf::Image face;
            face.create(8 + static_cast<unsigned>(i), 8, sf::Color::Red);
            face.saveToFile("Assets/Sprites/Characters/Face" + std::to_string(i) + ".png");
            WriteWholeFile("Assets/Text/Dialogues/TestTalk/Part" + std::to_string(i + 1) + ".txt", parts[i]);
        }
        WriteWholeFile("Assets/Text/Dialogues/TestTalk/infos.txt", infos + "TestTalk\n");
        LoadDialogue("Assets/Text/Dialogues/TestTalk/infos.txt", dialogue);
    }
    std::string Shown() const { return dialogue.reveal.page; }
    static sf::Event::KeyEvent Key(sf::Keyboard::Key code) {
        sf::Event::KeyEvent key{};
        key.code = code;
        return key;
    }
    void Type(int frames) {
        for (int i = 0; i < frames; ++i)
            UpdateTextReveal(0.021f, dialogue.reveal);
    }

    ScratchFolder folder;
    LogCapture log;
    Dialogue dialogue;
    int32_t open = 0;
    int32_t inUse = 0;
    std::vector<Dialogue> owned;
};

TEST_F(DialogueTest, PagesEndAtSemicolonsAndTheNextEnterTypesTheNextPage) {
    std::filesystem::create_directories("Assets/Sprites/Characters");
    Write({"Hello;\nWorld"});
    OpenDialoguePart(dialogue.partPaths[0], dialogue, 0);
    Type(3);
    EXPECT_EQ(Shown(), "Hel");  // one character per frame, however long the frame
    UpdateTextReveal(10.0f, dialogue.reveal);
    EXPECT_EQ(Shown(), "Hell");
    AdvanceDialogue(Key(sf::Keyboard::Return), dialogue);  // completes the page, stops at the ;
    EXPECT_EQ(Shown(), "Hello");
    EXPECT_EQ(dialogue.reveal.revealing, 0);
    AdvanceDialogue(Key(sf::Keyboard::Space), dialogue);  // other keys do nothing
    EXPECT_EQ(Shown(), "Hello");
    AdvanceDialogue(Key(sf::Keyboard::Return), dialogue);
    EXPECT_EQ(Shown(), "");
    Type(20);
    EXPECT_EQ(Shown(), "World");  // the line feed after the ; is dropped
    EXPECT_EQ(dialogue.reveal.finished, 1);
}

TEST_F(DialogueTest, TheSecondPartShowsTheSecondPortraitAndAnOwnerClosesAfterTheLast) {
    std::filesystem::create_directories("Assets/Sprites/Characters");
    Write({"One", "Two"});
    owned.push_back(std::move(dialogue));
    const DialogueOwner owner{&owned, &open, &inUse};
    Dialogue& talk = owned[0];
    HandleDialogueKey(Key(sf::Keyboard::Return), owner);  // opens, and shows the first page whole
    EXPECT_EQ(open, 1);
    EXPECT_EQ(std::string(talk.reveal.page), "One");
    EXPECT_EQ(talk.reveal.finished, 1);                   // that page was the whole first part
    HandleDialogueKey(Key(sf::Keyboard::Return), owner);  // the second part, typing
    EXPECT_EQ(talk.currentPart, 1);
    EXPECT_EQ(talk.portraitSprite.getTexture(), talk.portraits[1].get());
    EXPECT_EQ(std::string(talk.reveal.page), "");
    HandleDialogueKey(Key(sf::Keyboard::Return), owner);  // shown whole, part ended
    EXPECT_EQ(std::string(talk.reveal.page), "Two");
    HandleDialogueKey(Key(sf::Keyboard::Return), owner);  // past the last part, still shown
    EXPECT_EQ(talk.currentPart, 2);
    EXPECT_EQ(open, 1);
    HandleDialogueKey(Key(sf::Keyboard::Return), owner);  // closes; next time starts over
    EXPECT_EQ(open, 0);
    EXPECT_EQ(talk.currentPart, 0);
    HandleDialogueKey(Key(sf::Keyboard::Space), owner);  // only the ENTER binding opens
    EXPECT_EQ(open, 0);
}

TEST_F(DialogueTest, MissingFilesAreReportedAndLeaveAnEmptyDialogue) {
    LoadDialogue("Assets/Text/Dialogues/Nobody/infos.txt", dialogue);
    EXPECT_EQ(log.text, "Erreur d'ouverture de fichier Dialogue!\n");
    EXPECT_EQ(dialogue.partCount, 0);
    std::filesystem::create_directories("Assets/Sprites/Characters");
    Write({"Hi"});
    std::filesystem::remove("Assets/Text/Dialogues/TestTalk/Part1.txt");
    log.text.clear();
    OpenDialoguePart(dialogue.partPaths[0], dialogue, 0);
    EXPECT_EQ(log.text, "Erreur d'ouverture de fichier!\n");
    EXPECT_EQ(dialogue.reveal.revealing, 0);
}

TEST(PopUps, ANewGameOpensTheStartPopUpTypingAndEnterPagesThroughToTheEnd) {
    GameHarness game;
    game.PressKey(sf::Keyboard::Return);  // skip the logos
    game.PressKey(sf::Keyboard::Return);  // Play: no slot yet, a new game
    ASSERT_EQ(gStates.gameMode, MODE_GAME);
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_DIALOGUE);
    EXPECT_EQ(gPopUps.table[POPUP_START].active, 1);
    game.Step(0.021f, 5);
    EXPECT_EQ(std::string(gPopUps.table[POPUP_START].dialogue.reveal.page).size(), 5u);  // typing by itself
    game.HoldKey(sf::Keyboard::S);
    for (int presses = 0; presses < 40 && gStates.roamingOverlay == OVERLAY_DIALOGUE; ++presses) {
        game.PressKey(sf::Keyboard::Return);
        game.Step(0.021f);
    }
    EXPECT_EQ(gStates.roamingOverlay, OVERLAY_NONE);
    EXPECT_EQ(gPopUps.table[POPUP_START].active, 0);
}

}  // namespace
