#include "ScreenBenchScenes.h"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <algorithm>
#include <filesystem>

#include "BenchClock.h"
#include "battle/screen/BattleScreen.h"
#include "battle/screen/Victory.h"
#include "content/Fishing.h"
#include "core/Screen.h"
#include "frontend/OptionsScreen.h"
#include "frontend/RoamingScreen.h"
#include "frontend/WorldMap.h"
#include "support/Battles.h"
#include "support/Saves.h"
#include "support/Scenes.h"
#include "world/GameSession.h"
#include "world/MapLoading.h"
#include "world/SaveThumbnail.h"

namespace {

constexpr float BENCH_DT = 1.0f / 144.0f;
constexpr int WARM_UP_FRAMES = 60;
// Frames between two transitions: the player looks at the new screen while the thumbnail is written.
constexpr int SETTLE_FRAMES = 20;

const char* const MAPS[] = {"HOUSE_ENTER_1",     "GoblinVillage",      "Bridge",
                            "ForestNight",       "HOUSE_ENTER_SPRITI", "HOUSE_BURN_1",
                            "GoblinVillageBurn", "BridgeNight"};

class Stopwatch {
public:
    Stopwatch() : cpu_(NowSeconds(CLOCK_PROCESS_CPUTIME_ID)), wall_(NowSeconds(CLOCK_MONOTONIC)) {}
    void Record(SceneFigures& figures) const {
        figures.cpu.push_back(NowSeconds(CLOCK_PROCESS_CPUTIME_ID) - cpu_);
        figures.wall.push_back(NowSeconds(CLOCK_MONOTONIC) - wall_);
    }

private:
    double cpu_;
    double wall_;
};

// The hero walks a square, a quarter of a second each way.
void WalkASquare(GameHarness& game, int frame) {
    if (frame % 36 != 0) return;
    const int32_t keys[] = {DefaultKeys::RIGHT, DefaultKeys::DOWN, DefaultKeys::LEFT, DefaultKeys::UP};
    game.HoldKey(keys[(frame / 36 + 3) % 4], false);
    game.HoldKey(keys[(frame / 36) % 4], true);
}

void TenEnemies(GameHarness& game) {
    const std::string level =
        WriteLevel("Ten", "ENEMY COUNT 10\nENEMY TYPE [0,2,0,2,0,2,0,2,0,2]\nMONEY EARNED 100\n");
    BeginBattle(game, "Bridge", level, 3);
}

void Fishing(GameHarness& game) {
    EnterMap(game, "GoblinVillage");
    game.Session().SetFlag(&StoryFlags::fishingUnlocked);
    game.Requests().Push(
        std::make_unique<FishingScreen>(game.Context(), game.Session(), game.Scene().hero, 0));
    game.Apply();
    game.HoldKey(DefaultKeys::ENTER);  // the line cast and reeled in
}

void OptionsOverTheGame(GameHarness& game) {
    EnterMap(game, "GoblinVillage");
    game.Requests().Push(std::make_unique<OptionsMenuScreen>(game.Context(), true));
    game.Apply();
}

}  // namespace

std::vector<FrameScene> FrameScenes() {
    std::vector<FrameScene> scenes;
    scenes.push_back({"title menu", OpenTitleMenu, {}});
    for (const char* map : MAPS) {
        scenes.push_back(
            {std::string("map ") + map + ", standing", [map](GameHarness& g) { EnterMap(g, map); }, {}});
    }
    scenes.push_back(
        {"map ForestNight (dark), walking", [](GameHarness& g) { EnterMap(g, "ForestNight"); }, WalkASquare});
    scenes.push_back({"world map", [](GameHarness& g) { OpenWorldMapFrom(g, "GoblinVillage", 0); }, {}});
    scenes.push_back({"battle, ten enemies", TenEnemies, {}});
    scenes.push_back(
        {"battle, the boss", [](GameHarness& g) { BeginBattle(g, "BridgeNight", Level("Boss"), 3); }, {}});
    scenes.push_back({"fishing, reeling", Fishing, {}});
    scenes.push_back({"options over the game", OptionsOverTheGame, {}});
    return scenes;
}

SceneFigures MeasureFrames(const FrameScene& scene, int frames) {
    GameHarness game;
    scene.reach(game);
    SceneFigures figures;
    long calls = 0;
    for (int frame = 0; frame < WARM_UP_FRAMES + frames; ++frame) {
        if (scene.steer) scene.steer(game, frame);
        const long before = DrawCallsSoFar();
        const Stopwatch watch;
        game.Step(BENCH_DT);
        if (frame < WARM_UP_FRAMES) continue;
        watch.Record(figures);
        calls += DrawCallsSoFar() - before;
    }
    figures.drawCalls = static_cast<double>(calls) / frames;
    return figures;
}

SceneFigures MeasureBareWindow(int frames, bool picture) {
    GameHarness game;
    sf::RenderWindow& window = game.Window();
    sf::Image image;
    image.create(window.getSize().x, window.getSize().y, sf::Color(90, 120, 60));
    sf::Texture texture;
    texture.loadFromImage(image);
    const sf::Sprite sprite(texture);
    window.setView(window.getDefaultView());
    SceneFigures figures;
    long calls = 0;
    for (int frame = 0; frame < WARM_UP_FRAMES + frames; ++frame) {
        const long before = DrawCallsSoFar();
        const Stopwatch watch;
        window.clear();
        if (picture) window.draw(sprite, sf::BlendNone);
        window.display();
        if (frame < WARM_UP_FRAMES) continue;
        watch.Record(figures);
        calls += DrawCallsSoFar() - before;
    }
    figures.drawCalls = static_cast<double>(calls) / frames;
    return figures;
}

namespace {

// Anything over the map (a pop-up the story opened on arrival) closed, so the map is on top again.
void BackToTheMap(GameHarness& game) {
    for (int i = 0; i < 8 && game.Top() != SCREEN_ROAMING; ++i) {
        game.Requests().Pop();
        game.Apply();
    }
}

// Every door of every story map to the map it names, there (timed) and back, `runs` times each.
void Doors(std::vector<Transition>& out, int runs) {
    for (const char* map : MAPS) {
        GameHarness game;
        EnterMap(game, map, 30);
        std::vector<std::string> doors;
        for (const MapTrigger& trigger : game.Scene().map.triggers) {
            std::string reason;
            if (MapCanBeEntered(trigger.name, reason) && std::string(trigger.name) != map &&
                std::find(doors.begin(), doors.end(), trigger.name) == doors.end())
                doors.emplace_back(trigger.name);
        }
        for (const std::string& door : doors) {
            Transition transition{std::string("door ") + map + " -> " + door};
            for (int run = 0; run < runs; ++run) {
                BackToTheMap(game);
                const Stopwatch watch;
                game.Find<RoamingScreen>()->ChangeMap(door);
                game.Step(BENCH_DT);
                if (game.Session().CurrentMap() == door) watch.Record(transition.figures);
                game.Step(BENCH_DT, SETTLE_FRAMES);
                BackToTheMap(game);
                game.Find<RoamingScreen>()->ChangeMap(map);
                game.Step(BENCH_DT, SETTLE_FRAMES);
            }
            out.push_back(std::move(transition));
        }
    }
}

// The world map opened from each outdoor map, the cursor moved on `steps` places, and ENTER: from the
// press to the first frame of the map travelled to; then back through the door's way, untimed. The
// game goes on between runs, so the pictures it keeps are decoded once, as in play.
void Journeys(std::vector<Transition>& out, int runs) {
    for (const char* map : {"GoblinVillage", "Bridge", "ForestNight"}) {
        for (int steps = 1; steps <= 2; ++steps) {
            GameHarness game;
            EnterMap(game, map, 10);
            game.Session().SetFlag(&StoryFlags::worldMapOpen);
            Transition transition;
            for (int run = 0; run < runs; ++run) {
                BackToTheMap(game);
                game.Find<RoamingScreen>()->OpenWorldMap();
                game.Apply();
                for (int step = 0; step < steps; ++step)
                    game.PressKey(sf::Keyboard::D);
                game.Step(BENCH_DT, SETTLE_FRAMES);
                const Stopwatch watch;
                game.PressKey(sf::Keyboard::Return);
                game.Step(BENCH_DT);
                const std::string reached = game.Session().CurrentMap();
                if (game.Find<WorldMapScreen>() == nullptr && reached != map) {
                    watch.Record(transition.figures);
                    transition.name = std::string("world map ") + map + " -> " + reached;
                }
                game.Step(BENCH_DT, SETTLE_FRAMES);
                BackToTheMap(game);
                if (reached != map) game.Find<RoamingScreen>()->ChangeMap(map);
                game.Step(BENCH_DT, SETTLE_FRAMES);
            }
            const bool known = std::any_of(out.begin(), out.end(), [&](const Transition& other) {
                return other.name == transition.name;
            });
            if (!transition.name.empty() && !known) out.push_back(std::move(transition));
        }
    }
}

// Title -> slot menu, and from the slot menu the first slot continued, with a save in slot 0.
void SlotMenuAndContinue(std::vector<Transition>& out, int runs) {
    GameHarness game;
    EnterMap(game, "HOUSE_ENTER_1");
    ExitToMenu(game);
    game.Step(BENCH_DT, SETTLE_FRAMES);
    Transition slots{"title -> slot menu (Play)"};
    Transition continued{"slot menu -> continued game, first map frame", {}, true};
    for (int run = 0; run < runs; ++run) {
        const Stopwatch toSlots;
        game.PressKey(DefaultKeys::ENTER);
        game.Step(BENCH_DT);
        if (game.Top() == SCREEN_SAVES) toSlots.Record(slots.figures);
        game.Step(BENCH_DT, SETTLE_FRAMES);
        const Stopwatch toGame;
        game.PressKey(DefaultKeys::ENTER);
        game.Step(BENCH_DT);
        if (game.Find<RoamingScreen>() != nullptr) toGame.Record(continued.figures);
        game.Step(BENCH_DT, SETTLE_FRAMES);
        ExitToMenu(game);
        game.Step(BENCH_DT, SETTLE_FRAMES);
    }
    out.push_back(std::move(slots));
    out.push_back(std::move(continued));
}

// Play on the title with no save: the new game's bedroom under its first pop-up.
void NewGames(std::vector<Transition>& out, int runs) {
    GameHarness game;
    OpenTitleMenu(game);
    game.Step(BENCH_DT, SETTLE_FRAMES);
    Transition started{"title -> new game, first map frame", {}, true};
    for (int run = 0; run < runs; ++run) {
        const Stopwatch watch;
        game.PressKey(DefaultKeys::ENTER);
        game.Step(BENCH_DT);
        if (game.Find<RoamingScreen>() != nullptr) watch.Record(started.figures);
        game.Step(BENCH_DT, SETTLE_FRAMES);
        game.Requests().SetGameMode(MODE_MENU, Leaving::ABANDONING);
        game.Apply();
        FinishThumbnailWrites();
        std::filesystem::remove_all("Saves");
        game.Step(BENCH_DT, SETTLE_FRAMES);
    }
    out.push_back(std::move(started));
}

// The hero's feet set just below the enemy, inside its reach: the next frame starts the battle.
bool StandAtEnemy(GameHarness& game) {
    PlayerCharacter& hero = game.Scene().hero;
    for (const Npc& npc : game.Scene().npcList.npcs) {
        if (npc.type != NPC_BATTLE) continue;
        const sf::Vector2f feetFromSprite(hero.footBox.left - hero.sprite.getPosition().x,
                                          hero.footBox.top - hero.sprite.getPosition().y);
        const sf::Vector2f feet(npc.box.left + (npc.box.width - hero.footBox.width) * 0.5f,
                                npc.box.top + npc.box.height + 2.0f);
        hero.sprite.setPosition(feet - feetFromSprite);
        UpdateFootBox(hero);
        return true;
    }
    return false;
}

// An enemy's touch to the battle's first frame, then W (the developer's win) and the victory left.
void BattleAndVictory(std::vector<Transition>& out, int runs) {
    GameHarness game;
    Transition entered{"touch -> battle, first frame"};
    Transition left{"victory -> map, first frame"};
    for (int run = 0; run < runs; ++run) {
        EnterMap(game, "Bridge");
        if (!StandAtEnemy(game)) break;
        const Stopwatch touch;
        game.Step(BENCH_DT);
        if (game.Find<BattleScreen>() == nullptr) continue;
        touch.Record(entered.figures);
        game.Step(BENCH_DT, SETTLE_FRAMES);
        game.PressKey(sf::Keyboard::W);
        for (int frame = 0; frame < 600 && game.Find<VictoryScreen>() == nullptr; ++frame)
            game.Step(BATTLE_DT);
        game.Step(BATTLE_DT, 300);  // the gold counted over
        const Stopwatch confirm;
        game.PressKey(DefaultKeys::ENTER);
        game.Step(BENCH_DT);
        if (game.Top() == SCREEN_ROAMING) confirm.Record(left.figures);
    }
    out.push_back(std::move(entered));
    out.push_back(std::move(left));
}

}  // namespace

std::vector<Transition> Transitions(int runs) {
    std::vector<Transition> out;
    Doors(out, runs);
    Journeys(out, runs);
    SlotMenuAndContinue(out, runs);
    NewGames(out, runs);
    BattleAndVictory(out, runs);
    return out;
}
