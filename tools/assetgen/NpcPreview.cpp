// A review picture of the people, dialogue, inventory and shop as the game shows them on the 1920 x 1080
// screen: npcpreview <Assets dir> <map screenshot> <out.png>. Three screens stacked: the villagers and the
// hero on the map with a dialogue open, the inventory with a few things, the shop.

#include <SFML/Graphics/Image.hpp>

#include <cmath>
#include <iostream>
#include <string>

namespace {

sf::Image Load(const std::string& path) {
    sf::Image image;
    if (!image.loadFromFile(path)) std::cerr << "cannot read " << path << "\n";
    return image;
}

// Nearest-neighbour drawing with alpha blending, source rectangle (sx, sy, sw, sh) scaled to the screen.
void Draw(sf::Image& target, const sf::Image& source, float x, float y, float scale, int sx = 0, int sy = 0,
          int sw = -1, int sh = -1) {
    if (sw < 0) sw = static_cast<int>(source.getSize().x);
    if (sh < 0) sh = static_cast<int>(source.getSize().y);
    const int width = static_cast<int>(std::lround(sw * scale)),
              height = static_cast<int>(std::lround(sh * scale));
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const int tx = static_cast<int>(x) + column, ty = static_cast<int>(y) + row;
            if (tx < 0 || ty < 0 || tx >= static_cast<int>(target.getSize().x) ||
                ty >= static_cast<int>(target.getSize().y))
                continue;
            const sf::Color s =
                source.getPixel(sx + static_cast<int>(column / scale), sy + static_cast<int>(row / scale));
            const sf::Color d = target.getPixel(tx, ty);
            const auto mix = [&s](sf::Uint8 a, sf::Uint8 b) {
                return static_cast<sf::Uint8>((a * s.a + b * (255 - s.a)) / 255);
            };
            target.setPixel(tx, ty, sf::Color(mix(s.r, d.r), mix(s.g, d.g), mix(s.b, d.b), 255));
        }
    }
}

void DrawCentred(sf::Image& target, const sf::Image& source, float x, float y, float scale) {
    Draw(target, source, x - source.getSize().x * scale / 2, y - source.getSize().y * scale / 2, scale);
}

void PeopleScreen(sf::Image& screen, const std::string& assets, int top) {
    const char* names[] = {"Player/Sheet_Pello",
                           "Merchant",
                           "Villager1",
                           "Villager2",
                           "Villager3",
                           "Villager4",
                           "Spriti",
                           "Groto",
                           "Knight",
                           "Dog",
                           "Boss"};
    int index = 0;
    for (const char* name : names) {
        const sf::Image sheet = Load(assets + "/Sprites/Characters/" + name + ".png");
        const int fw = static_cast<int>(sheet.getSize().x) / 7,
                  fh = static_cast<int>(sheet.getSize().y) / (index == 0 ? 14 : 8);
        for (int row = 0; row < 4; ++row) {  // the four ways they face, at the map's zoom of two
            Draw(screen, sheet, 160.0f + index * 140.0f, top + 20.0f + row * 130.0f, 2.0f, (index % 7) * fw,
                 (row + (row % 2) * 4) * fh, fw, fh);
        }
        ++index;
    }
    const sf::Image frame = Load(assets + "/Sprites/Dialogues/Frame.png");
    const float width = frame.getSize().x * 1.6f, height = frame.getSize().y * 1.6f, left = 960 - width / 2;
    Draw(screen, frame, left, top + 1050 - height, 1.6f);
    Draw(screen, Load(assets + "/Sprites/Characters/Portraits/Merchant.png"), left, top + 1050 - height - 250,
         1.6f);
    const sf::Image prompt =
        Load(assets + "/Sprites/Dialogues/Interact.png");  // drawn by the world map group
    Draw(screen, prompt, 1610 - prompt.getSize().x / 6.0f, top + 200.0f, 1.0f / 3);
}

void InventoryScreen(sf::Image& screen, const std::string& assets, int top) {
    Draw(screen, Load(assets + "/Sprites/Items/Inventory/Grid.png"), 725, top + 165, 1.0f);
    Draw(screen, Load(assets + "/Sprites/Items/Inventory/Inventory.png"), 96, top + 720, 1.0f);
    const char* items[] = {"Rope",  "Stick", "Straw",      "Bucket_Empty", "Bucket_Full", "Pumpkin",
                           "Paint", "Burse", "FishingRod", "Decoy",        "HP Potion",   "Mana Potion"};
    int place = 0;
    for (const char* item : items) {
        const sf::Image picture = Load(assets + "/Sprites/Items/" + item + ".png");
        DrawCentred(screen, picture, 815.0f + (place % 4) * 140, top + 315.0f + (place / 4) * 140, 1.0f);
        if (place < 4)
            DrawCentred(screen, picture, 300.0f + place * 100, top + 400.0f, 1.0f);  // lying on the map
        ++place;
    }
}

void ShopScreen(sf::Image& screen, const std::string& assets, int top) {
    DrawCentred(screen, Load(assets + "/Sprites/Shop/Hud/Full_Shop.png"), 960, top + 450, 1.8f);
    DrawCentred(screen, Load(assets + "/Sprites/Shop/Hud/Cursor.png"), 960, top + 520, 3.1f);
    for (int good = 0; good < 2; ++good) {
        DrawCentred(screen, Load(assets + "/Sprites/Shop/Items/Item" + std::to_string(good + 1) + ".png"),
                    960.0f + 390 * good, top + 520.0f, 2.3f);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: npcpreview <Assets dir> <map screenshot> <out.png>\n";
        return 2;
    }
    const sf::Image map = Load(argv[2]);
    sf::Image screen;
    screen.create(1920, 3240, sf::Color::Black);
    for (int part = 0; part < 3; ++part)
        screen.copy(map, 0, part * 1080, sf::IntRect(0, 0, 1920, 1080));
    PeopleScreen(screen, argv[1], 0);
    InventoryScreen(screen, argv[1], 1080);
    ShopScreen(screen, argv[1], 2160);
    return screen.saveToFile(argv[3]) ? 0 : 1;
}
