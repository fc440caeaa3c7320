// The save-slot menu as the player sees it: three rows of slot button, delete button and thumbnail,
// driven by the bindings and the mouse.

#include "frontend/SaveSlotMenu.h"

#include <SFML/Graphics/RectangleShape.hpp>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>

#include "core/Input.h"
#include "core/Log.h"
#include "core/Pictures.h"
#include "core/Screen.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "frontend/SaveSlots.h"
#include "world/MapLook.h"
#include "world/SaveFiles.h"
#include "world/SaveFormat.h"
#include "world/SaveThumbnail.h"

namespace {

constexpr const char* SLOT_BACKGROUND = "Assets/Sprites/Menu/Background.png";  // the title's dawn
constexpr double SLOT_X_DIVISOR = 1.15;
constexpr float SLOT_ROW_OFFSETS[SAVE_SLOT_COUNT] = {-100.0f, 0.0f, 100.0f};
// The refusal line under the slots, in reference pixels and fractions of the game area.
constexpr float MESSAGE_TEXT_SIZE = 26.0f;
constexpr float MESSAGE_BELOW_ROW = 70.0f;
constexpr float MESSAGE_RIGHT_EDGE = 0.97f;
constexpr float MESSAGE_PADDING = 10.0f;
const sf::Color MESSAGE_COLOUR(250, 236, 200);
const sf::Color MESSAGE_BACKING(20, 16, 32, 200);
constexpr float CAPTION_TEXT_SIZE = 24.0f;
constexpr float CAPTION_GAP = 14.0f;
constexpr const char* NEW_SAVE_PICTURES[2] = {"Assets/Sprites/Menu/Button/New Save.png",
                                              "Assets/Sprites/Menu/Button/New Save appuy\xE9_.png"};
constexpr const char* DELETE_PICTURES[2] = {"Assets/Sprites/Menu/Button/Supprim\xE9 save.png",
                                            "Assets/Sprites/Menu/Button/Supprim\xE9 save appuy\xE9.png"};

void BuildSlotButton(const SaveSlotMenu& menu, SaveSlotEntry& entry, int slot, float rowY) {
    if (menu.hasSave[slot] == 0) {
        entry.buttonNormal.loadFromFile(NEW_SAVE_PICTURES[0]);
        entry.buttonPressed.loadFromFile(NEW_SAVE_PICTURES[1]);
    } else {
        char normal[100];
        char pressed[100];
        FormatText(normal, sizeof normal, "Assets/Sprites/Menu/Button/Save %d.png", slot + 1);
        FormatText(pressed, sizeof pressed, "Assets/Sprites/Menu/Button/Save %d appuy\xE9.png", slot + 1);
        entry.buttonNormal.loadFromFile(normal);
        entry.buttonPressed.loadFromFile(pressed);
    }
    entry.button = sf::Sprite(entry.buttonNormal);
    entry.button.setScale(gScreen.scale, gScreen.scale);
    CentreOrigin(entry.button);
    const double x = static_cast<double>(gScreen.gameWidth) / SLOT_X_DIVISOR;
    entry.button.setPosition(static_cast<float>(x), rowY);
}

void BuildDeleteButton(SaveSlotEntry& entry, float rowY) {
    entry.deleteNormal.loadFromFile(DELETE_PICTURES[0]);
    entry.deletePressed.loadFromFile(DELETE_PICTURES[1]);
    entry.deleteButton = sf::Sprite(entry.deleteNormal);
    entry.deleteButton.setScale(gScreen.scale, gScreen.scale);
    entry.deleteButton.setOrigin(0.0f, static_cast<float>(entry.deleteNormal.getSize().y) * 0.5f);
    const double x = static_cast<double>(gScreen.gameWidth) / SLOT_X_DIVISOR;
    const float halfButton = entry.button.getGlobalBounds().width * 0.5f;
    entry.deleteButton.setPosition(static_cast<float>(x) + halfButton, rowY);
}

// As high as the slot button, just left of it, tops aligned. A missing picture shows no thumbnail.
void BuildThumbnail(SaveSlotEntry& entry, int slot) {
    FinishThumbnailWrites();
    if (!entry.thumbnailTexture.loadFromFile(SaveFolderPath(slot) + "/" + THUMBNAIL_FILE)) return;
    const sf::FloatRect button = entry.button.getGlobalBounds();
    const float scale = button.height / static_cast<float>(entry.thumbnailTexture.getSize().y);
    entry.thumbnail = sf::Sprite(entry.thumbnailTexture);
    entry.thumbnail.setScale(scale, scale);
    entry.thumbnail.setPosition(button.left - entry.thumbnail.getGlobalBounds().width, button.top);
}

// The save's place and time played, right-aligned just left of the thumbnail (or of the button when
// there is no picture), one above the other.
void BuildCaption(SaveSlotMenu& menu, SaveSlotEntry& entry, int slot) {
    std::string text;
    if (!SaveFile(slot).Read(text)) return;
    const std::optional<SaveSummary> summary = ReadSaveSummary(text);
    if (!summary) return;
    const std::string name = ReadMapLookOf(summary->mapName).displayName;
    const unsigned size = static_cast<unsigned>(CAPTION_TEXT_SIZE * gScreen.scale);
    entry.place = sf::Text(name.empty() ? summary->mapName : name, menu.messageFont, size);
    entry.time =
        sf::Text(summary->secondsPlayed ? PlayTimeText(*summary->secondsPlayed) : "", menu.messageFont, size);
    const sf::FloatRect button = entry.button.getGlobalBounds();
    const float right =
        (entry.thumbnailTexture.getSize().y > 0 ? entry.thumbnail.getGlobalBounds().left : button.left) -
        CAPTION_GAP * gScreen.scale;
    for (sf::Text* line : {&entry.place, &entry.time}) {
        line->setFillColor(MESSAGE_COLOUR);
        line->setOutlineColor(MESSAGE_BACKING);
        line->setOutlineThickness(2.0f * gScreen.scale);
        line->setOrigin(line->getLocalBounds().left + line->getLocalBounds().width, 0.0f);
    }
    const float lineHeight = static_cast<float>(size) * 1.15f;
    entry.place.setPosition(right, button.top + button.height * 0.5f - lineHeight);
    entry.time.setPosition(right, button.top + button.height * 0.5f);
}

// A dark band behind the refusal line, so it reads over any part of the background.
sf::RectangleShape MessageBacking(const SaveSlotMenu& menu) {
    const sf::FloatRect text = menu.message.getGlobalBounds();
    const float pad = MESSAGE_PADDING * gScreen.scale;
    sf::RectangleShape backing({text.width + 2.0f * pad, text.height + 2.0f * pad});
    backing.setPosition(text.left - pad, text.top - pad);
    backing.setFillColor(MESSAGE_BACKING);
    return backing;
}

// Up and down within a column, without wrapping.
void StepCursor(int32_t& cursor, int32_t code) {
    if (cursor > 0 && code == gSettings.keys.up) cursor -= 1;
    if (cursor < SAVE_SLOT_COUNT - 1 && code == gSettings.keys.down) cursor += 1;
}

}  // namespace

bool FindSaveSlots(SaveSlotMenu& menu) {
    if (!CreateSaveFolder("Saves")) LogDebug("Impossible de creer le dossier : %s\n", "Saves");
    bool anySave = false;
    for (int32_t slot = 0; slot < SAVE_SLOT_COUNT; ++slot) {
        const std::string path = SaveFolderPath(slot);
        menu.hasSave[slot] = std::filesystem::exists(path) ? 1 : 0;
        anySave = anySave || menu.hasSave[slot] == 1;
        if (menu.hasSave[slot] == 0) LogDebug("Le repertoire %s n'existe pas!! :(\n", path.c_str());
    }
    return anySave;
}

void BuildSaveSlotScreen(SaveSlotMenu& menu) {
    menu.cursor = 0;
    menu.column = 0;
    menu.deleteCursor = 0;
    menu.backgroundTexture.loadFromFile(SLOT_BACKGROUND);
    if (menu.messageFont.getInfo().family.empty()) menu.messageFont.loadFromFile(GAME_FONT);
    menu.background = sf::Sprite(menu.backgroundTexture);
    menu.background.setScale(gScreen.scale, gScreen.scale);
    for (int slot = 0; slot < SAVE_SLOT_COUNT; ++slot) {
        SaveSlotEntry& entry = menu.slots[slot];
        const float rowY = gScreen.gameHeight * 0.5f + SLOT_ROW_OFFSETS[slot] * gScreen.scale;
        BuildSlotButton(menu, entry, slot, rowY);
        BuildDeleteButton(entry, rowY);
        if (menu.hasSave[slot] == 1) BuildThumbnail(entry, slot);
        if (menu.hasSave[slot] == 1) BuildCaption(menu, entry, slot);
        entry.built = true;
    }
    menu.built = true;
}

void UpdateSaveSlotMenu(SaveSlotMenu& menu) {
    for (int slot = 0; slot < SAVE_SLOT_COUNT; ++slot) {
        SaveSlotEntry& entry = menu.slots[slot];
        const bool onButton = menu.column == 0 && menu.cursor == slot;
        const bool onDelete = menu.column == 1 && menu.deleteCursor == slot;
        entry.button.setTexture(onButton ? entry.buttonPressed : entry.buttonNormal, true);
        entry.deleteButton.setTexture(onDelete ? entry.deletePressed : entry.deleteNormal, true);
    }
}

void DrawSaveSlotMenu(sf::RenderWindow& window, const SaveSlotMenu& menu) {
    if (!menu.built) return;
    window.draw(menu.background);
    for (int slot = 0; slot < SAVE_SLOT_COUNT; ++slot) {
        const SaveSlotEntry& entry = menu.slots[slot];
        window.draw(entry.button);
        window.draw(entry.deleteButton);
        // A deleted slot keeps its picture until the menu is built again, but not its thumbnail.
        if (menu.hasSave[slot] == 1) {
            window.draw(entry.thumbnail);
            window.draw(entry.place);
            window.draw(entry.time);
        }
    }
    if (!menu.message.getString().isEmpty()) {
        window.draw(MessageBacking(menu));
        window.draw(menu.message);
    }
}

void ShowSlotMessage(SaveSlotMenu& menu, const std::string& text) {
    if (menu.message.getFont() == nullptr) {
        if (menu.messageFont.getInfo().family.empty()) menu.messageFont.loadFromFile(GAME_FONT);
        menu.message.setFont(menu.messageFont);
        menu.message.setCharacterSize(static_cast<unsigned>(MESSAGE_TEXT_SIZE * gScreen.scale));
        menu.message.setFillColor(MESSAGE_COLOUR);
    }
    menu.message.setString(sf::String::fromUtf8(text.begin(), text.end()));
    // Right-aligned under the last row, ending where the delete buttons end.
    const sf::FloatRect bounds = menu.message.getLocalBounds();
    menu.message.setOrigin(bounds.left + bounds.width, 0.0f);
    const float lastRow = gScreen.gameHeight * 0.5f + SLOT_ROW_OFFSETS[SAVE_SLOT_COUNT - 1] * gScreen.scale;
    menu.message.setPosition(gScreen.gameWidth * MESSAGE_RIGHT_EDGE,
                             lastRow + MESSAGE_BELOW_ROW * gScreen.scale);
}

void SaveSlotScreen::Load() {
    if (!FindSaveSlots(menu)) {
        context_.requests.StartOver(StartNewSave(context_, 0), Leaving::PLAYED_ON);
        return;
    }
    BuildSaveSlotScreen(menu);
}

void SaveSlotScreen::ChooseSlot(int slot) {
    if (menu.hasSave[slot] == 0) {
        context_.requests.StartOver(StartNewSave(context_, slot), Leaving::PLAYED_ON);
        return;
    }
    std::string why;
    std::unique_ptr<Screen> game = ContinueSave(context_, slot, why);
    // A save that cannot be played leaves the player on the menu, told why, with the save untouched.
    if (!game) {
        ShowSlotMessage(menu, why);
        return;
    }
    context_.requests.StartOver(std::move(game), Leaving::PLAYED_ON);
}

void SaveSlotScreen::Key(const sf::Event::KeyEvent& keyEvent) {
    const int32_t code = keyEvent.code;
    menu.message.setString("");
    if (menu.column == 0) {
        StepCursor(menu.cursor, code);
        if (code == gSettings.keys.right) {
            menu.deleteCursor = menu.cursor;
            menu.column = 1;
        }
    }
    if (menu.column == 1) {
        StepCursor(menu.deleteCursor, code);
        if (code == gSettings.keys.left) {
            menu.column = 0;
            menu.cursor = menu.deleteCursor;
        }
    }
    if (code != gSettings.keys.enter) return;
    if (menu.column == 0) {
        ChooseSlot(menu.cursor);
    } else if (menu.hasSave[menu.deleteCursor] == 1 && DeleteSaveSlot(menu.deleteCursor)) {
        menu.hasSave[menu.deleteCursor] = 0;
    }
}

void SaveSlotScreen::Click(sf::Vector2f pointer, sf::Mouse::Button) {
    for (int slot = 0; slot < SAVE_SLOT_COUNT; ++slot) {
        const SaveSlotEntry& entry = menu.slots[slot];
        if (entry.button.getGlobalBounds().contains(pointer)) {
            ChooseSlot(slot);
            return;
        }
        if (entry.deleteButton.getGlobalBounds().contains(pointer) && menu.hasSave[slot] == 1 &&
            DeleteSaveSlot(slot)) {
            menu.hasSave[slot] = 0;
        }
    }
}
