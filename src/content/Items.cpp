#include "content/Items.h"

#include "content/Dialogue.h"
#include "core/FormattedFile.h"
#include "core/Log.h"
#include "core/Pictures.h"
#include "core/Screen.h"
#include "core/SoundEffects.h"
#include "core/Text.h"
#include "world/GameSession.h"

namespace {

constexpr float GRID_LEFT = 815.0f;
constexpr float GRID_TOP = 315.0f;
constexpr float GRID_STEP = 140.0f;
constexpr int GRID_COLUMNS = 4;

}  // namespace

sf::Vector2f InventoryCell(int place) {
    return {GRID_LEFT + static_cast<float>(place % GRID_COLUMNS) * GRID_STEP,
            GRID_TOP + static_cast<float>(place / GRID_COLUMNS) * GRID_STEP};
}

void LoadItemFile(const char* path, MapItemList& list) {
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "r"));
    if (!file) {
        LogDebug("erreur\n");
        return;
    }
    float x = 0.0f;
    float y = 0.0f;
    ReadFormatted(file.get(), "pos %f %f\n", &x, &y);
    const std::string name = ReadNameLine(file.get());
    if (name.empty()) {
        LogDebug("%s names no item: nothing lies there\n", path);
        return;
    }
    for (const char c : name)
        LogDebug("%c\n", c);
    AddMapItem(list, name, {x, y});
}

void AddMapItem(MapItemList& list, const std::string& name, sf::Vector2f position) {
    MapItem& item = list.items.emplace_back();
    item.texture = std::make_unique<sf::Texture>();
    char picture[160];
    FormatText(picture, sizeof picture, "Assets/Sprites/Items/%s.png", name.c_str());
    item.texture->loadFromFile(picture);
    item.sprite = sf::Sprite(*item.texture);
    item.position = position;
    item.sprite.setPosition(position);
    item.bounds = item.sprite.getGlobalBounds();
    item.sprite.setOrigin(item.bounds.width / 2.0f, item.bounds.height / 2.0f);
    item.name = name;
}

bool PickUpItem(GameSession& session, MapItemList& list, size_t index) {
    if (index >= list.items.size() || !session.Carry(list.items[index].name)) return false;
    list.items.erase(list.items.begin() + static_cast<long>(index));
    PlaySoundEffect(SOUND_ITEM_PICKUP);
    return true;
}

void PickUpEveryItemNamed(GameSession& session, MapItemList& list, const std::string& name) {
    for (size_t i = 0; i < list.items.size();) {
        LogDebug("item : %d", static_cast<int>(i));
        // A taken item's place now holds the next one, which is looked at in its turn.
        if (list.items[i].name != name || !PickUpItem(session, list, i)) ++i;
    }
}
