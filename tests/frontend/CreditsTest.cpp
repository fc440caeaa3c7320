// The credits: four blocks typing themselves out, each from its own file, over a picture with a back
// button; ESCAPE or the button returns to the title.

#include <gtest/gtest.h>

#include <filesystem>

#include "core/Screen.h"
#include "frontend/CreditsScreen.h"
#include "support/Files.h"
#include "support/Saves.h"

namespace {

// The title menu over a Credits folder of our own, then the credits opened from it.
struct CreditsGame : GameHarness {
    explicit CreditsGame(const std::vector<std::pair<std::string, std::string>>& files)
        : GameHarness({.initialise = false}) {
        Folder().DetachAssetFolder("Text");
        std::filesystem::remove_all("Assets/Text/Credits");
        for (const auto& [name, text] : files)
            WriteWholeFile("Assets/Text/Credits/" + name, text);
        Init();
        OpenTitleMenu(*this);
        Open();
    }
    void Open() {
        Requests().Replace(std::make_unique<CreditsMenuScreen>(Context()));
        Apply();
    }
    std::string Shown(int block) {
        return Find<CreditsMenuScreen>()->credits.blocks[static_cast<size_t>(block)].reveal.text.getString();
    }
};

TEST(Credits, TheFourBlocksTypeOutTogetherAndASemicolonEndsABlock) {
    CreditsGame game({{"Programeurs.txt", "Code\nby us;hidden"},
                      {"Graphistes.txt", "Art"},
                      {"Sounds.txt", "Sounds made here;"},
                      {"Musics.txt", "Tunes"}});
    game.Step(0.021f, 3);  // three characters each, one per 0.02 s
    EXPECT_EQ(game.Shown(0), "Cod");
    EXPECT_EQ(game.Shown(1), "Art");
    EXPECT_EQ(game.Shown(2), "Sou");
    EXPECT_EQ(game.Shown(3), "Tun");
    game.Step(0.02f, 40);
    EXPECT_EQ(game.Shown(0), "Code\nby us");
    EXPECT_EQ(game.Shown(2), "Sounds made here");
    EXPECT_EQ(game.Shown(3), "Tunes");
}

TEST(Credits, AMissingFileLeavesItsBlockEmptyAndTheOthersType) {
    CreditsGame game({{"Programeurs.txt", "Code"}, {"Sounds.txt", "Sounds"}, {"Musics.txt", "Tunes"}});
    const std::string log = game.Log();
    EXPECT_NE(log.find("Erreur d'ouverture de fichier!\n"), std::string::npos);
    EXPECT_EQ(log.find("Erreur d'ouverture de fichier!\n"), log.rfind("Erreur d'ouverture de fichier!\n"));
    game.Step(0.02f, 10);
    EXPECT_EQ(game.Shown(1), "");
    EXPECT_EQ(game.Shown(0), "Code");
}

TEST(Credits, EscapeOrTheBackButtonReturnsAndComingBackStartsAgain) {
    CreditsGame game({{"Programeurs.txt", "Code and more code"},
                      {"Graphistes.txt", "Art"},
                      {"Sounds.txt", "S"},
                      {"Musics.txt", "M"}});
    game.Step(0.021f, 2);
    game.PressKey(sf::Keyboard::Return);  // ENTER neither hurries the text nor leaves
    game.Step(0.021f, 2);
    EXPECT_EQ(game.Shown(0), "Code");
    game.PressKey(sf::Keyboard::Escape);
    EXPECT_EQ(game.Top(), SCREEN_TITLE);
    game.Open();
    EXPECT_EQ(game.Shown(0), "");  // from the start again
    game.Step(0.01f);
    const sf::FloatRect back = game.Find<CreditsMenuScreen>()->credits.back.getGlobalBounds();
    game.Click({static_cast<int>(back.left + back.width / 2), static_cast<int>(back.top + back.height / 2)},
               sf::Mouse::Right);
    EXPECT_EQ(game.Top(), SCREEN_TITLE);
}

}  // namespace
