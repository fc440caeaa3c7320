#include "support/Scenes.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

#include "content/Items.h"
#include "core/Screen.h"
#include "frontend/RoamingScreen.h"
#include "world/GameSession.h"

namespace {

constexpr float SCENE_DT = 1.0f / 144.0f;

uint8_t Channel(sf::Color c, int channel) {
    return channel == 0 ? c.r : channel == 1 ? c.g : c.b;
}

}  // namespace

void EnterMap(GameHarness& game, const char* map, int frames) {
    std::filesystem::create_directories("Saves/Save0");
    auto session = std::make_unique<GameSession>(0);
    session->EarnGold(20);
    session->SetCurrentMap(map);
    session->SetPreviousMap(map);
    game.Requests().StartOver(
        std::make_unique<RoamingScreen>(game.Context(), std::move(session), GameStart::CONTINUED),
        Leaving::ABANDONING);
    game.Apply();
    game.Step(SCENE_DT, frames);
}

void GrowParty(GameSession& session, uint32_t size) {
    if (size >= 2) session.Join(&StoryFlags::spritiJoined);
    if (size >= 3) session.Join(&StoryFlags::grotoJoined);
}

void OpenWorldMapFrom(GameHarness& game, const char* map, int steps) {
    EnterMap(game, map);
    game.Session().SetFlag(&StoryFlags::worldMapOpen);
    game.Find<RoamingScreen>()->OpenWorldMap();
    game.Apply();
    for (int i = 0; i < steps; ++i)
        game.PressKey(sf::Keyboard::D);
    game.Step(SCENE_DT, 200);
}

void ExitToMenu(GameHarness& game) {
    game.Requests().SetGameMode(MODE_MENU, Leaving::SAVING);
    game.Apply();
}

void Carry(GameHarness& game, std::initializer_list<const char*> names) {
    for (const char* name : names)
        game.Session().Carry(name);
}

void Carry(GameHarness& game, const char* name, int count) {
    for (int i = 0; i < count; ++i)
        game.Session().Carry(name);
}

void OpenSaveSlots(GameHarness& game) {
    EnterMap(game, "HOUSE_ENTER_1");
    ExitToMenu(game);                   // the save and its thumbnail written
    game.PressKey(DefaultKeys::ENTER);  // Play
    game.Step(SCENE_DT, 2);
}

void StartNewGame(GameHarness& game) {
    ChoosePlay(game);
    game.Step(0.021f, 200);
}

sf::Image ShrinkGameArea(const sf::Image& capture, unsigned width, unsigned height) {
    // A capture that does not hold the whole game area (a window the server would not make) gives nothing.
    const sf::Vector2u size = capture.getSize();
    if (static_cast<float>(size.x) < gScreen.offsetX + gScreen.gameWidth ||
        static_cast<float>(size.y) < gScreen.offsetY + gScreen.gameHeight) {
        return {};
    }
    const float left = gScreen.offsetX;
    const float top = gScreen.offsetY;
    const float step = gScreen.gameWidth / static_cast<float>(width);  // source pixels per target pixel
    sf::Image shrunk;
    shrunk.create(width, height);
    for (unsigned ty = 0; ty < height; ++ty) {
        for (unsigned tx = 0; tx < width; ++tx) {
            const float x0 = left + static_cast<float>(tx) * step;
            const float y0 = top + static_cast<float>(ty) * step;
            float sum[3] = {0, 0, 0};
            float area = 0;
            // Rounding can carry the last span a hair past the picture's edge: never read beyond it.
            const int lastX = static_cast<int>(size.x) - 1;
            const int lastY = static_cast<int>(size.y) - 1;
            for (int sy = static_cast<int>(y0); static_cast<float>(sy) < y0 + step && sy <= lastY; ++sy) {
                const float h =
                    std::min(static_cast<float>(sy + 1), y0 + step) - std::max(static_cast<float>(sy), y0);
                for (int sx = static_cast<int>(x0); static_cast<float>(sx) < x0 + step && sx <= lastX; ++sx) {
                    const float w = std::min(static_cast<float>(sx + 1), x0 + step) -
                                    std::max(static_cast<float>(sx), x0);
                    const sf::Color c =
                        capture.getPixel(static_cast<unsigned>(sx), static_cast<unsigned>(sy));
                    for (int ch = 0; ch < 3; ++ch)
                        sum[ch] += w * h * Channel(c, ch);
                    area += w * h;
                }
            }
            shrunk.setPixel(tx, ty,
                            sf::Color(static_cast<uint8_t>(std::lround(sum[0] / area)),
                                      static_cast<uint8_t>(std::lround(sum[1] / area)),
                                      static_cast<uint8_t>(std::lround(sum[2] / area))));
        }
    }
    return shrunk;
}

double ShareOfDifferentPixels(const sf::Image& reference, const sf::Image& shot, int slack) {
    const sf::Vector2u size = reference.getSize();
    if (size != shot.getSize() || size.x == 0 || size.y == 0) return 1.0;  // nothing to lay over each other
    long different = 0;
    for (unsigned y = 0; y < size.y; ++y) {
        for (unsigned x = 0; x < size.x; ++x) {
            const sf::Color seen = shot.getPixel(x, y);
            bool explained = true;
            for (int ch = 0; ch < 3 && explained; ++ch) {
                int low = 255;
                int high = 0;
                for (unsigned ny = y > 0 ? y - 1 : 0; ny <= std::min(y + 1, size.y - 1); ++ny) {
                    for (unsigned nx = x > 0 ? x - 1 : 0; nx <= std::min(x + 1, size.x - 1); ++nx) {
                        const int v = Channel(reference.getPixel(nx, ny), ch);
                        low = std::min(low, v);
                        high = std::max(high, v);
                    }
                }
                const int v = Channel(seen, ch);
                explained = v >= low - slack && v <= high + slack;
            }
            different += explained ? 0 : 1;
        }
    }
    return static_cast<double>(different) / (static_cast<double>(size.x) * size.y);
}
