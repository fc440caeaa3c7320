// The credits: four blocks typing themselves out, each from its own file, over a picture with a back
// button; ESCAPE or the button returns to the title.

#include <gtest/gtest.h>

#include <filesystem>

#include "core/GameStates.h"
#include "core/Screen.h"
#include "core/Settings.h"
#include "core/StateMachine.h"
#include "frontend/CreditsScreen.h"
#include "support/Files.h"
#include "support/GameHarness.h"

namespace {

std::string Shown(int block) {
    return gCredits.blocks[static_cast<size_t>(block)].reveal.text.getString().toAnsiString();
}

// The title menu over a Credits folder of our own, then the credits opened from it.
struct CreditsGame : GameHarness {
    explicit CreditsGame(const std::vector<std::pair<std::string, std::string>>& files)
        : GameHarness({1920, 1080, 1, false}) {
        Folder().DetachAssetFolder("Text");
        std::filesystem::remove_all("Assets/Text/Credits");
        for (const auto& [name, text] : files)
            WriteWholeFile("Assets/Text/Credits/" + name, text);
        Init();
        PressKey(sf::Keyboard::Return);  // past the logos
        SetMenuScreen(Window(), MENU_CREDITS);
    }
};

TEST(Credits, TheFourBlocksTypeOutTogetherAndASemicolonEndsABlock) {
    CreditsGame game({{"Programeurs.txt", "Code\nby us;hidden"},
                      {"Graphistes.txt", "Art"},
                      {"Sounds.txt", "Sounds made here;"},
                      {"Musics.txt", "Tunes"}});
    ASSERT_EQ(gStates.menuScreen, MENU_CREDITS);
    game.Step(0.021f, 3);  // three characters each, one per 0.02 s
    EXPECT_EQ(Shown(0), "Cod");
    EXPECT_EQ(Shown(1), "Art");
    EXPECT_EQ(Shown(2), "Sou");
    EXPECT_EQ(Shown(3), "Tun");
    game.Step(0.02f, 40);
    EXPECT_EQ(Shown(0), "Code\nby us");
    EXPECT_EQ(Shown(2), "Sounds made here");
    EXPECT_EQ(Shown(3), "Tunes");
}

TEST(Credits, AMissingFileLeavesItsBlockEmptyAndTheOthersType) {
    CreditsGame game({{"Programeurs.txt", "Code"}, {"Sounds.txt", "Sounds"}, {"Musics.txt", "Tunes"}});
    const std::string log = game.Log();
    EXPECT_EQ(log.find("Erreur d'ouverture de fichier!\n"), log.rfind("Erreur d'ouverture de fichier!\n"));
    EXPECT_NE(log.find("Erreur d'ouverture de fichier!\n"), std::string::npos);
    game.Step(0.02f, 10);
    EXPECT_EQ(Shown(1), "");
    EXPECT_EQ(Shown(0), "Code");
}

TEST(Credits, EscapeOrTheBackButtonReturnsAndComingBackStartsAgain) {
    CreditsGame game({{"Programeurs.txt", "Code and more code"},
                      {"Graphistes.txt", "Art"},
                      {"Sounds.txt", "S"},
                      {"Musics.txt", "M"}});
    game.Step(0.021f, 2);
    game.PressKey(sf::Keyboard::Return);  // ENTER neither hurries the text nor leaves
    game.Step(0.021f, 2);
    EXPECT_EQ(Shown(0), "Code");
    EXPECT_EQ(gStates.menuScreen, MENU_CREDITS);
    game.PressKey(gSettings.keys.escape);
    EXPECT_EQ(gStates.menuScreen, MENU_MAIN);
    SetMenuScreen(game.Window(), MENU_CREDITS);
    EXPECT_EQ(Shown(0), "");  // from the start again
    game.Step(0.01f);
    const sf::FloatRect back = gCredits.back.getGlobalBounds();
    EXPECT_NEAR((back.left + back.width / 2) / gScreen.gameWidth, 150.0f / 1920.0f, 1e-3f);
    game.Click({static_cast<int>(back.left + back.width / 2), static_cast<int>(back.top + back.height / 2)},
               sf::Mouse::Right);
    EXPECT_EQ(gStates.menuScreen, MENU_MAIN);
}

}  // namespace
