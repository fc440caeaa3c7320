// Plays through the screens that exist and saves a picture of each on every desktop size:
// screenshots <output folder>. "screenshots <output folder> first-morning [WxH]" plays the first
// morning of a new game on that desktop (1920x1080 by default) and keeps its save folder;
// "... first-morning-continue [WxH]", run as a fresh process, continues that save from the menu.
// "... story [WxH]" plays the whole story, one picture at each moment of each step and one at its end;
// "... windows" shoots a few screens in a window of three sizes.
// Run under a virtual X server large enough for every desktop (scripts/screenshots.sh does it).

#include <SFML/System/Sleep.hpp>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "battle/screen/BattleScreen.h"
#include "battle/screen/GameOver.h"
#include "content/Fishing.h"
#include "content/Shop.h"
#include "core/WholeFiles.h"
#include "frontend/RoamingScreen.h"
#include "frontend/Splash.h"
#include "support/Battles.h"
#include "support/FirstMorning.h"
#include "support/GameHarness.h"
#include "support/Journey.h"
#include "support/Playthrough.h"
#include "support/Scenes.h"
#include "world/GameSession.h"

namespace fs = std::filesystem;

namespace {

constexpr float SHOT_DT = 1.0f / 144.0f;

struct Shot {
    const char* name;
    std::function<void(GameHarness&)> reach;  // plays from the start to the moment to capture
};

void RunSplashUntil(GameHarness& game, uint32_t logo, uint32_t alpha, bool fadingIn) {
    for (SplashScreen* shown = game.Find<SplashScreen>(); shown != nullptr;
         shown = game.Find<SplashScreen>()) {
        const SplashState& splash = shown->splash;
        if (splash.logoIndex == logo && splash.fadingIn == (fadingIn ? 1 : 0) &&
            (fadingIn ? splash.alpha >= alpha : splash.alpha <= alpha))
            return;
        game.Step(SHOT_DT);
    }
}

void OpenTitleWithCursor(GameHarness& game, int moves) {
    game.PressKey(sf::Keyboard::Return);
    game.HoldKey(sf::Keyboard::S);
    for (int i = 0; i < moves; ++i)
        game.PressKey(sf::Keyboard::S);
    game.HoldKey(sf::Keyboard::S, false);
    game.Step(SHOT_DT, 2);
}

// The merchant's shop over the village, the cursor moved onto the healing potion the hero cannot afford.
void OpenShop(GameHarness& game, int moves) {
    EnterMap(game, "GoblinVillage");
    game.Requests().Push(std::make_unique<ShopScreen>(game.Context(), game.Session()));
    game.Apply();
    for (int i = 0; i < moves; ++i)
        game.PressKey(sf::Keyboard::D);
    game.Step(SHOT_DT, 2);
}

// The slot menu after choosing a save whose map the game no longer has: the reason under the slots.
void RefuseBrokenSlot(GameHarness& game) {
    OpenSaveSlots(game);
    std::string save;
    ReadTextFile("Saves/Save0/save.txt", save);
    WriteFileAtomically("Saves/Save0/save.txt", "CurrentMap Nowhere" + save.substr(save.find('\n')));
    game.PressKey(sf::Keyboard::Return);
    game.Step(1.0f / 144.0f, 2);
}

// A battle of the whole party on that map, after `frames` idle frames.
void OpenBattle(GameHarness& game, const char* map, const char* level, int frames = 40) {
    BeginBattle(game, map, Level(level), 3);
    game.Step(BATTLE_DT, frames);
}

void OpenSkillList(GameHarness& game) {
    OpenBattle(game, "GoblinVillageBurn", "Patrol");
    game.PressKey(sf::Keyboard::S);
    game.PressKey(sf::Keyboard::Return);
    game.PressKey(sf::Keyboard::D);
    game.Step(BATTLE_DT, 10);
}

void ChooseTargetDog(GameHarness& game) {
    OpenBattle(game, "GoblinVillageBurn", "Patrol");
    game.PressKey(sf::Keyboard::Return);
    game.PressKey(sf::Keyboard::S);
    game.Step(BATTLE_DT, 40);
}

// Groto's Magic striking the Knight, its number floating over it.
void WatchMagicStrike(GameHarness& game) {
    OpenBattle(game, "GoblinVillageBurn", "Patrol");
    ChooseAttack(game, 1);
    ChooseAttack(game, 1);
    ChooseSkill(game, 0, {0});
    const BattleRules& rules = TheBattle(game).rules;
    const uint32_t grotoTurn = rules.party[2].timelinePosition;
    for (int frame = 0; frame < 2000; ++frame) {
        game.Step(BATTLE_DT);
        if (rules.currentTurn == grotoTurn + 1 && rules.actionDelay < 0.9f) break;
    }
}

void WinBattle(GameHarness& game) {
    OpenBattle(game, "Bridge", "VillageGuard", 10);
    game.PressKey(sf::Keyboard::W);
    game.Step(BATTLE_DT, 75);
}

void LoseBattle(GameHarness& game) {
    OpenBattle(game, "BridgeNight", "Boss", 10);
    BattleRules& rules = TheBattle(game).rules;
    for (Fighter& member : rules.party) {
        member.hp = 0;
        member.state = STATE_DEAD;
    }
    rules.deadPartyCount = 3;
    const auto buttonShown = [&] {
        const GameOverScreen* over = game.Find<GameOverScreen>();
        return over != nullptr && over->gameOver.done[STAGE_BUTTON];
    };
    for (int frame = 0; frame < 3000 && !buttonShown(); ++frame)
        game.Step(BATTLE_DT);
}

// Reeling a fish in at the village pond, then its result.
void Fish(GameHarness& game, bool landed) {
    EnterMap(game, "GoblinVillage");
    game.Session().SetFlag(&StoryFlags::fishingUnlocked);
    game.Requests().Push(
        std::make_unique<FishingScreen>(game.Context(), game.Session(), game.Scene().hero, 0));
    game.Apply();
    game.HoldKey(sf::Keyboard::Return);
    game.Step(1.0f / 60.0f, landed ? 600 : 150);
    game.HoldKey(sf::Keyboard::Return, false);
    game.Step(SHOT_DT, 2);
}

void OpenFishdex(GameHarness& game) {
    EnterMap(game, "GoblinVillage");
    for (int fish : {0, 1, 4, 5, 8})
        game.Session().CatchFish(fish, 0);
    game.PressKey(sf::Keyboard::F);
    game.PressKey(sf::Keyboard::S);
    game.PressKey(sf::Keyboard::D);
    game.Step(SHOT_DT, 2);
}

// Beside the bathtub of the burning house with an empty bucket, after one ENTER.
void PressAtBathtub(GameHarness& game) {
    EnterMap(game, "HOUSE_BURN_1");
    Carry(game, {"Bucket_Empty"});
    if (game.Scene().puzzles.bathtub) WalkBeside(game, game.Scene().puzzles.bathtub->box);
    game.PressKey(sf::Keyboard::Return);
    game.Step(SHOT_DT, 120);
}

// A map made in Tiled to show one drawing feature (tests/data/tiled/features), walked into like any map.
void EnterFeatureMap(GameHarness& game, const char* feature) {
    game.Folder().DetachAssetFolder("Text");
    const fs::path from = fs::path(VELMORIA_TEST_DATA) / "tiled/features" / feature;
    const fs::path to = fs::path("Assets/Text/Maps") / feature;
    fs::create_directories(to);
    for (const auto& file : fs::directory_iterator(from)) {
        if (file.path().extension() != ".tmx") fs::copy_file(file.path(), to / file.path().filename());
    }
    EnterMap(game, feature);
}

// The title's Options, the arrow moved onto the music bar and the bar being moved.
void OpenOptions(GameHarness& game, bool onMusicBar) {
    OpenTitleWithCursor(game, 1);
    game.PressKey(sf::Keyboard::Return);
    if (onMusicBar) {
        game.PressKey(sf::Keyboard::D);
        game.PressKey(sf::Keyboard::S);
        game.PressKey(sf::Keyboard::Return);
        game.PressKey(sf::Keyboard::Q);
        game.PressKey(sf::Keyboard::Q);
    }
    game.Step(SHOT_DT, 2);
}

// The credits once every block has typed itself out (one letter per frame at most).
void OpenCredits(GameHarness& game) {
    OpenTitleWithCursor(game, 2);
    game.PressKey(sf::Keyboard::Return);
    game.Step(0.021f, 200);
}

// The pause menu over the village, the cursor on Exit to menu.
void OpenPauseMenu(GameHarness& game) {
    EnterMap(game, "GoblinVillage");
    game.PressKey(sf::Keyboard::Escape);
    game.PressKey(sf::Keyboard::S);
    game.PressKey(sf::Keyboard::S);
    game.Step(SHOT_DT, 2);
}

const char* const MAPS[] = {"HOUSE_ENTER_1",     "GoblinVillage",      "Bridge",
                            "ForestNight",       "HOUSE_ENTER_SPRITI", "HOUSE_BURN_1",
                            "GoblinVillageBurn", "BridgeNight"};

const Shot SHOTS[] = {
    {"splash-quendal-fading-in", [](GameHarness& g) { RunSplashUntil(g, 0, 128, true); }},
    {"splash-quendal-fading-out", [](GameHarness& g) { RunSplashUntil(g, 0, 128, false); }},
    {"splash-brisvane-fading-in", [](GameHarness& g) { RunSplashUntil(g, 1, 128, true); }},
    {"splash-brisvane-fading-out", [](GameHarness& g) { RunSplashUntil(g, 1, 128, false); }},
    {"title-cursor-play", [](GameHarness& g) { OpenTitleWithCursor(g, 0); }},
    {"title-cursor-options", [](GameHarness& g) { OpenTitleWithCursor(g, 1); }},
    {"title-cursor-quit", [](GameHarness& g) { OpenTitleWithCursor(g, 3); }},
    {"map-HOUSE_ENTER_1", [](GameHarness& g) { EnterMap(g, MAPS[0]); }},
    {"map-GoblinVillage", [](GameHarness& g) { EnterMap(g, MAPS[1]); }},
    {"map-Bridge", [](GameHarness& g) { EnterMap(g, MAPS[2]); }},
    {"map-ForestNight", [](GameHarness& g) { EnterMap(g, MAPS[3]); }},
    {"map-HOUSE_ENTER_SPRITI", [](GameHarness& g) { EnterMap(g, MAPS[4]); }},
    {"map-HOUSE_BURN_1", [](GameHarness& g) { EnterMap(g, MAPS[5]); }},
    {"map-GoblinVillageBurn", [](GameHarness& g) { EnterMap(g, MAPS[6]); }},
    {"map-BridgeNight", [](GameHarness& g) { EnterMap(g, MAPS[7]); }},
    {"shop-mana-potion", [](GameHarness& g) { OpenShop(g, 0); }},
    {"shop-healing-potion-too-dear", [](GameHarness& g) { OpenShop(g, 1); }},
    {"newgame-start-popup", [](GameHarness& g) { StartNewGame(g); }},
    {"save-slots", [](GameHarness& g) { OpenSaveSlots(g); }},
    {"save-slots-refused", [](GameHarness& g) { RefuseBrokenSlot(g); }},
    {"options", [](GameHarness& g) { OpenOptions(g, false); }},
    {"options-music-bar", [](GameHarness& g) { OpenOptions(g, true); }},
    {"credits", [](GameHarness& g) { OpenCredits(g); }},
    {"pause-menu", [](GameHarness& g) { OpenPauseMenu(g); }},
    {"tiled-flips", [](GameHarness& g) { EnterFeatureMap(g, "flips"); }},
    {"tiled-margin-spacing", [](GameHarness& g) { EnterFeatureMap(g, "margin-spacing"); }},
    {"tiled-transparent-colour", [](GameHarness& g) { EnterFeatureMap(g, "transparent-colour"); }},
    {"tiled-big-tiles", [](GameHarness& g) { EnterFeatureMap(g, "big-tiles"); }},
    {"tiled-two-tilesets", [](GameHarness& g) { EnterFeatureMap(g, "two-tilesets"); }},
    {"tiled-layer-offset", [](GameHarness& g) { EnterFeatureMap(g, "layer-offset"); }},
    {"tiled-animation", [](GameHarness& g) { EnterFeatureMap(g, "animation"); }},
    {"battle-command-menu", [](GameHarness& g) { OpenBattle(g, "GoblinVillageBurn", "Patrol"); }},
    {"battle-skill-list", OpenSkillList},
    {"battle-target-selection", ChooseTargetDog},
    {"battle-magic-strike", WatchMagicStrike},
    {"battle-bridge-day", [](GameHarness& g) { OpenBattle(g, "Bridge", "Knight1"); }},
    {"battle-boss", [](GameHarness& g) { OpenBattle(g, "BridgeNight", "Boss"); }},
    {"battle-victory", WinBattle},
    {"battle-game-over", LoseBattle},
    {"fishing-reeling", [](GameHarness& g) { Fish(g, false); }},
    {"fishing-result", [](GameHarness& g) { Fish(g, true); }},
    {"fishdex", OpenFishdex},
    {"water-bathtub-first-enter", PressAtBathtub},
    {"worldmap-from-village", [](GameHarness& g) { OpenWorldMapFrom(g, MAPS[1], 0); }},
    {"worldmap-bridge-selected", [](GameHarness& g) { OpenWorldMapFrom(g, MAPS[1], 1); }},
};

using Desktop = std::pair<unsigned, unsigned>;

// Every desktop the game is tried on: 16:9 small and large, 16:10 and 21:9.
constexpr Desktop DESKTOPS[] = {{1366, 768},  {1920, 1080}, {1920, 1200},
                                {2560, 1080}, {2560, 1440}, {3840, 2160}};

std::string SizeName(const Desktop& desktop) {
    return std::to_string(desktop.first) + "x" + std::to_string(desktop.second);
}

// One picture per step of the journey, named after the step and the desktop.
int PlayJourney(const fs::path& out, bool continuing, const Desktop& desktop) {
    const fs::path saves = out / ("first-morning-saves-" + SizeName(desktop));
    GameHarness game({desktop.first, desktop.second});
    if (continuing) fs::copy(saves, "Saves", fs::copy_options::recursive);
    const auto shoot = [&](const std::string& step) {
        const fs::path file = out / ("first-morning-" + step + "-" + SizeName(desktop) + ".png");
        game.Capture().saveToFile(file.string());
        std::printf("%s\n", file.c_str());
    };
    const std::string lost = continuing ? ContinueFirstMorning(game, shoot) : PlayFirstMorning(game, shoot);
    if (!lost.empty()) {
        std::fprintf(stderr, "the first morning went wrong: %s\n", lost.c_str());
        return 1;
    }
    if (!continuing) {
        fs::remove_all(saves);
        fs::copy("Saves", saves, fs::copy_options::recursive);
    }
    return 0;
}

// The whole story: story-<step>-<moment>-<desktop>.png, and story-<step>-<desktop>.png at each step's end.
int PlayStory(const fs::path& out, const Desktop& desktop) {
    GameHarness game({desktop.first, desktop.second});
    for (const StoryStep& step : StorySteps()) {
        const auto save = [&](const std::string& name) {
            const fs::path file = out / ("story-" + name + "-" + SizeName(desktop) + ".png");
            game.Capture().saveToFile(file.string());
            std::printf("%s\n", file.c_str());
        };
        const std::string lost =
            step.play(game, [&](const std::string& moment) { save(std::string(step.name) + "-" + moment); });
        if (!lost.empty()) {
            std::fprintf(stderr, "the story stopped at %s: %s\n", step.name, lost.c_str());
            return 1;
        }
        save(step.name);
    }
    return 0;
}

// A few screens in a window of each size (after Alt+Enter), on a 2560 x 1440 desktop:
// window-<shot>-<size>.png.
int ShootWindows(const fs::path& out) {
    const Desktop windows[] = {{1280, 720}, {1000, 1000}, {2560, 1080}};
    const char* shots[] = {"title-cursor-play", "map-GoblinVillage", "battle-command-menu", "options"};
    for (const Desktop& size : windows) {
        for (const Shot& shot : SHOTS) {
            if (std::find_if(std::begin(shots), std::end(shots), [&](const char* name) {
                    return std::string(name) == shot.name;
                }) == std::end(shots))
                continue;
            GameHarness game({2560, 1440});
            shot.reach(game);
            game.Requests().SwitchWindowMode();
            game.Apply();
            game.Window().setSize({size.first, size.second});
            sf::Event resized{};
            resized.type = sf::Event::Resized;
            game.SendEvent(resized);
            // The X server's own events make the drawing surface follow the window's new size.
            for (int frame = 0; frame < 10; ++frame) {
                for (sf::Event event{}; game.Window().pollEvent(event);) {
                }
                game.Step(1.0f / 60.0f);
                sf::sleep(sf::milliseconds(20));
            }
            const fs::path file = out / ("window-" + std::string(shot.name) + "-" + SizeName(size) + ".png");
            game.Capture().saveToFile(file.string());
            std::printf("%s\n", file.c_str());
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4) {
        std::fprintf(
            stderr,
            "usage: %s <output folder> [--only=<name part> | first-morning | first-morning-continue | story "
            "[WxH] | windows]\n",
            argv[0]);
        return 2;
    }
    const fs::path out = fs::absolute(argv[1]);
    fs::create_directories(out);
    // "--only=<part of a name>": just the screens whose name holds it, on every desktop.
    const std::string only = argc == 3 && std::string(argv[2]).rfind("--only=", 0) == 0 ? argv[2] + 7 : "";
    if (argc >= 3 && only.empty()) {
        Desktop desktop{1920, 1080};
        if (argc == 4 && std::sscanf(argv[3], "%ux%u", &desktop.first, &desktop.second) != 2) return 2;
        if (std::string(argv[2]) == "story") return PlayStory(out, desktop);
        if (std::string(argv[2]) == "windows") return ShootWindows(out);
        return PlayJourney(out, std::string(argv[2]) == "first-morning-continue", desktop);
    }
    for (const Desktop& desktop : DESKTOPS) {
        for (const Shot& shot : SHOTS) {
            if (std::string(shot.name).find(only) == std::string::npos) continue;
            GameHarness game({desktop.first, desktop.second});
            shot.reach(game);
            const fs::path file = out / (std::string(shot.name) + "-" + SizeName(desktop) + ".png");
            game.Capture().saveToFile(file.string());
            std::printf("%s\n", file.c_str());
        }
    }
    return 0;
}
