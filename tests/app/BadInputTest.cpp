// Every file the game reads, damaged in the seven ways a disk, an editor or a hand edit damages one:
// missing, empty, cut mid-line, garbage bytes, a 100 KB line, numbers out of range, a name with bytes
// outside ASCII. Whatever the damage, the game goes on in its real window and the save stays sound;
// docs/bad-input.md tells, row by row, what the player sees.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <regex>

#include "battle/screen/BattleScreen.h"
#include "content/MapScene.h"
#include "core/Settings.h"
#include "frontend/CreditsScreen.h"
#include "support/Files.h"
#include "support/Journey.h"
#include "support/Saves.h"
#include "support/Scenes.h"
#include "world/SaveCheck.h"

namespace {

using DefaultKeys::ENTER;
constexpr HarnessOptions QUICK = {.drawEvery = 8};

enum Damage { MISSING, EMPTY, CUT, GARBAGE, LONG_LINE, OUT_OF_RANGE, NON_ASCII, DAMAGE_COUNT };
constexpr const char* DAMAGE_NAMES[DAMAGE_COUNT] = {"missing",
                                                    "empty",
                                                    "cut mid-line",
                                                    "garbage bytes",
                                                    "a 100 KB line",
                                                    "numbers out of range",
                                                    "a name outside ASCII"};

// A file and how it is damaged: the line holding a name takes the long line and the foreign bytes; the
// text with numbers out of range (none: the file holds no number).
struct FileDamage {
    std::string path;
    size_t nameLine = 0;
    std::optional<std::string> outOfRange;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

std::optional<std::string> DamagedText(const std::string& good, const FileDamage& file, Damage damage) {
    std::vector<std::string> lines = Lines(good);
    switch (damage) {
        case MISSING:
            return std::nullopt;
        case EMPTY:
            return "";
        case CUT: {
            size_t at = good.size() / 2;  // moved off line ends, so the cut falls inside a line
            while (at + 1 < good.size() && (good[at] == '\n' || good[at - 1] == '\n'))
                ++at;
            return good.substr(0, at);
        }
        case GARBAGE: {
            std::minstd_rand random(26);
            std::string bytes(700, '\0');
            for (char& byte : bytes)
                byte = static_cast<char>(random() & 0xFF);
            return bytes;
        }
        case LONG_LINE:
            lines[file.nameLine] += std::string(size_t{100} * 1024, 'x');
            return Joined(lines);
        case OUT_OF_RANGE:
            return file.outOfRange;
        case NON_ASCII:
            lines[file.nameLine] += "\xC3\xA9\xE9\xFF\x01";
            return Joined(lines);
        case DAMAGE_COUNT:
            break;
    }
    return good;
}

// Each damage in turn written over the file (the text folder is the test's own copy), then play(); the
// good file is put back at the end.
void ForEachDamage(GameHarness& game, const FileDamage& file, const std::function<void(Damage)>& play) {
    game.Folder().DetachAssetFolder("Text");
    const std::string good = ReadWholeFile(file.path);
    for (int d = 0; d < DAMAGE_COUNT; ++d) {
        const auto damage = static_cast<Damage>(d);
        if (damage == OUT_OF_RANGE && !file.outOfRange) continue;
        SCOPED_TRACE(file.path + ", " + DAMAGE_NAMES[d]);
        const std::optional<std::string> text = DamagedText(good, file, damage);
        if (text) {
            WriteWholeFile(file.path, *text);
        } else {
            std::filesystem::remove(file.path);
        }
        play(damage);
    }
    WriteWholeFile(file.path, good);
}

// One of the four directions moves the hero on the map at the top of the stack.
void ExpectTheHeroWalks(GameHarness& game) {
    ASSERT_EQ(game.Top(), SCREEN_ROAMING);
    const sf::Vector2f before = game.Scene().hero.sprite.getPosition();
    for (int32_t key : {gSettings.keys.down, gSettings.keys.right, gSettings.keys.up, gSettings.keys.left}) {
        game.HoldFor(key, 12);
        if (game.Scene().hero.sprite.getPosition() != before) return;
    }
    ADD_FAILURE() << "the hero cannot walk";
}

// Saved and left to the title, the save is sound, and Play continues it on its map.
void ExpectTheSaveContinues(GameHarness& game) {
    const std::string map = game.Session().CurrentMap();
    ExitToMenu(game);
    EXPECT_TRUE(IsSaveTextSound(SaveText()));
    game.Press(ENTER);
    ASSERT_EQ(game.Top(), SCREEN_SAVES);
    game.Press(ENTER, 30);
    ASSERT_EQ(game.Top(), SCREEN_ROAMING) << game.Log();
    EXPECT_EQ(game.Session().CurrentMap(), map);
}

// A fresh game on the map, walked, saved and continued.
void PlayOnTheMap(GameHarness& game, const char* map, const std::function<void()>& there = {}) {
    std::filesystem::remove_all("Saves");
    EnterMap(game, map, 20);
    if (there) there();
    ExpectTheHeroWalks(game);
    ExpectTheSaveContinues(game);
}

TEST(BadInput, AMapsContentListLeavesTheMapEmptyAndTheGameGoesOn) {
    GameHarness game{QUICK};
    ForEachDamage(game, {"Assets/Text/Maps/Bridge/Map.txt", 2, "PNJ 101\nItem -1\n"}, [&](Damage damage) {
        PlayOnTheMap(game, "Bridge", [&] {
            if (damage == MISSING || damage == OUT_OF_RANGE) {
                EXPECT_TRUE(game.Scene().npcList.npcs.empty());
            }
        });
    });
    EXPECT_NE(game.Log().find("Bridge/Map.txt counts 101 NPCs and -1 items: refused"), std::string::npos);
}

TEST(BadInput, APersonsFileLeavesThemStillOrAwayAndTheGameGoesOn) {
    GameHarness game{QUICK};
    const FileDamage file{"Assets/Text/Maps/GoblinVillage/PNJ2.txt", 1,
                          "Pos 1e39 -1e39\nVillager1\nState 99\nDialogue 40000\nType 7\n"};
    ForEachDamage(game, file, [&](Damage) { PlayOnTheMap(game, "GoblinVillage"); });
}

TEST(BadInput, AnItemsFileNamingNothingLaysNothingAndTheGameGoesOn) {
    GameHarness game{QUICK};
    ForEachDamage(game, {"Assets/Text/Maps/Bridge/Pumpkin.txt", 1, "pos 1e39 -1e39\nPumpkin\n"}, [&](Damage) {
        PlayOnTheMap(game, "Bridge", [&] {
            for (const MapItem& item : game.Scene().mapItemList.items)
                EXPECT_FALSE(item.name.empty());
        });
    });
}

// A text of a hundred pages takes two hundred presses (one shows the page whole, the next turns it).
constexpr int MOST_PRESSES = 400;

// Beside the first person who talks, ENTER until their talk has opened and closed again (a talk of no
// part opens and closes on the same press).
void TalkThrough(GameHarness& game) {
    ASSERT_TRUE(WalkBeside(game, FirstNpcOfType(game, NPC_TALK)->box));
    game.Press(ENTER, 2);
    game.PressEnterUntil([&] { return !game.Shows(SCREEN_DIALOGUE); }, MOST_PRESSES, 2);
    EXPECT_FALSE(game.Shows(SCREEN_DIALOGUE));
}

TEST(BadInput, ADialoguesInfosOrPartEndsTheTalkEarlyAndTheGameGoesOn) {
    GameHarness game{QUICK};
    const std::string folder = "Assets/Text/Dialogues/Villagers/Forest/";
    for (const FileDamage& file :
         {FileDamage{folder + "infos.txt", 1, "Max 65\nPortraits/Pell\nVillagers/Forest\n"},
          FileDamage{folder + "Part1.txt", 0, std::nullopt}}) {
        ForEachDamage(game, file,
                      [&](Damage) { PlayOnTheMap(game, "GoblinVillage", [&] { TalkThrough(game); }); });
    }
}

TEST(BadInput, APopUpsTextClosesOnEnterAndTheNewGameGoesOn) {
    GameHarness game{QUICK};
    OpenTitleMenu(game);
    const std::string folder = "Assets/Text/Dialogues/PopUp/Start/";
    for (const FileDamage& file :
         {FileDamage{folder + "infos.txt", 1, "Max -3\nPortraits/Narrator\nPopUp/Start\n"},
          FileDamage{folder + "Part1.txt", 0, std::nullopt}}) {
        ForEachDamage(game, file, [&](Damage) {
            std::filesystem::remove_all("Saves");
            game.Press(ENTER);  // Play: no slot in use, a new game
            game.Step(0.021f, 100);
            game.PressEnterUntil([&] { return !PopUpShown(game); }, MOST_PRESSES, 2);
            EXPECT_FALSE(PopUpShown(game));
            ExpectTheHeroWalks(game);
            ExpectTheSaveContinues(game);
            ExitToMenu(game);
        });
    }
}

TEST(BadInput, ABattleFileIsRefusedOnTheBattleScreenAndEnterLeadsBackToTheMap) {
    GameHarness game{QUICK};
    const FileDamage file{"Assets/Text/Levels/Knight1.txt", 0,
                          "ENEMY COUNT 11\nENEMY TYPE [0,0,0,0,0,0,0,0,0,0,0]\nMONEY EARNED 1000001\n"};
    ForEachDamage(game, file, [&](Damage) {
        PlayOnTheMap(game, "Bridge", [&] {
            ASSERT_EQ(WalkIntoEnemy(game, "Knight1"), "");
            game.Step(FRAME_DT, 10);
            EXPECT_NE(game.Find<BattleScreen>()->battle.fault, "");
            game.Press(ENTER, 10);
        });
    });
}

TEST(BadInput, ACreditsTextTypesWhatItCanAndEscapeReturnsToTheTitle) {
    GameHarness game{QUICK};
    OpenTitleMenu(game);
    ForEachDamage(game, {"Assets/Text/Credits/Programeurs.txt", 0, std::nullopt}, [&](Damage) {
        game.Requests().Replace(std::make_unique<CreditsMenuScreen>(game.Context()));
        game.Apply();
        game.Step(0.05f, 120);
        game.Press(gSettings.keys.escape);
        EXPECT_EQ(game.Top(), SCREEN_TITLE);
    });
}

TEST(BadInput, AConfigFileFallsBackOnWhatItCannotUseAndTheGameIsPlayable) {
    const FileDamage file{
        "Assets/Config/Config.txt", 0,
        "UP 5000\nDOWN -2\nRIGHT 3\nLEFT 16\nENTER 58\nESCAPE 36\nINVENTORY 60\nVOLUME 999\n"
        "MUSIC -4\nSOUNDS 1e39\n"};
    for (int d = 0; d < DAMAGE_COUNT; ++d) {
        SCOPED_TRACE(std::string("Config.txt, ") + DAMAGE_NAMES[d]);
        GameHarness game{{.initialise = false, .drawEvery = 8}};
        const std::string good = "UP 25\nDOWN 18\nRIGHT 3\nLEFT 16\nENTER 58\nESCAPE 36\nINVENTORY 60\n";
        if (const auto text = DamagedText(good, file, static_cast<Damage>(d)))
            WriteWholeFile(file.path, *text);
        game.Init();
        for (const float volume : CurrentVolumes())
            EXPECT_TRUE(volume >= 0.0f && volume <= 20.0f);
        ChoosePlay(game);
        game.Step(0.021f, 100);
        game.PressEnterUntil([&] { return !PopUpShown(game); }, MOST_PRESSES, 2);
        EXPECT_FALSE(PopUpShown(game));
        ExpectTheHeroWalks(game);
        ExpectTheSaveContinues(game);
    }
}

TEST(BadInput, ADamagedSaveContinuesFromItsBackupAndAMapFileThatCannotBeReadLeavesTheSaveAsItWas) {
    GameHarness game{QUICK};
    game.Folder().DetachAssetFolder("Text");
    const std::string path = "Saves/Save0/save.txt";
    // A sound save on the bridge, then the bridge's map damaged: the slot cannot be continued, says
    // why, and its save stays as it was until the map is whole again.
    EnterMap(game, "Bridge", 20);
    ExitToMenu(game);
    const std::string saved = ReadWholeFile(path);
    ForEachDamage(game, {"Assets/Text/Maps/Bridge/Map.json", 0, std::nullopt}, [&](Damage) {
        game.Press(ENTER);
        game.Press(ENTER, 30);
        EXPECT_EQ(game.Top(), SCREEN_SAVES);
        EXPECT_NE(game.Log().find("Save 1 cannot be continued: its map Bridge cannot be loaded"),
                  std::string::npos);
        EXPECT_EQ(ReadWholeFile(path), saved);
        game.Press(gSettings.keys.escape);
        game.ClearLog();
    });
    const FileDamage save{path, 0, std::nullopt};
    std::filesystem::remove_all("Saves");
    EnterMap(game, "Bridge", 20);
    ExitToMenu(game);
    ExitToMenu(game);  // a second write: the backup holds a sound save
    const std::string good = ReadWholeFile(path);
    for (int d = 0; d < DAMAGE_COUNT; ++d) {
        SCOPED_TRACE(std::string("save.txt, ") + DAMAGE_NAMES[d]);
        const std::string text = d == OUT_OF_RANGE
                                     ? std::regex_replace(good, std::regex("Gold [0-9]+"), "Gold 99999999999")
                                     : DamagedText(good, save, static_cast<Damage>(d)).value_or("");
        WriteWholeFile(path, text);
        if (d == MISSING) std::filesystem::remove(path);
        game.Press(ENTER);
        game.Press(ENTER, 30);
        ASSERT_EQ(game.Top(), SCREEN_ROAMING) << game.Log();
        EXPECT_EQ(std::string(game.Session().CurrentMap()), "Bridge");
        ExitToMenu(game);
        EXPECT_TRUE(IsSaveTextSound(ReadWholeFile(path)));
    }
}

}  // namespace
