#include "content/ContentScenes.h"

#include <algorithm>

#include "content/Items.h"
#include "content/MapScene.h"
#include "world/GameSession.h"
#include "world/Player.h"

void PlaceFeet(GameHarness& game, sf::Vector2f feet) {
    PlayerCharacter& hero = game.Scene().hero;
    const sf::Vector2f offset = sf::Vector2f(hero.footBox.left, hero.footBox.top) - hero.sprite.getPosition();
    hero.sprite.setPosition(feet - offset);
    UpdateFootBox(hero);
}

void LayAtFeet(GameHarness& game, std::initializer_list<const char*> names) {
    const sf::FloatRect feet = game.Scene().hero.footBox;
    for (const char* name : names)
        AddMapItem(game.Scene().mapItemList, name, {feet.left, feet.top});
}

int Carrying(GameHarness& game, const std::string& name) {
    const std::vector<std::string>& carried = game.Session().Inventory();
    return static_cast<int>(std::count(carried.begin(), carried.end(), name));
}

int LyingOnMap(GameHarness& game, const std::string& name) {
    const std::vector<MapItem>& items = game.Scene().mapItemList.items;
    return static_cast<int>(
        std::count_if(items.begin(), items.end(), [&](const MapItem& item) { return item.name == name; }));
}

int PeopleOfType(GameHarness& game, int32_t type) {
    const std::vector<Npc>& npcs = game.Scene().npcList.npcs;
    return static_cast<int>(
        std::count_if(npcs.begin(), npcs.end(), [&](const Npc& npc) { return npc.type == type; }));
}
