#include "frontend/OptionsScreen.h"

#include "core/GameStates.h"
#include "core/Input.h"
#include "core/KeyNames.h"
#include "core/Pictures.h"
#include "core/Screen.h"
#include "core/StateMachine.h"
#include "core/Text.h"

OptionsScreen gOptions;

namespace {

constexpr const char* BACKGROUND = "Assets/Sprites/Menu/main_menu Option.png";
constexpr const char* KEY_BUTTON = "Assets/Sprites/Menu/Options/ButtonChangeKey.png";
constexpr const char* ARROW = "Assets/Sprites/Menu/LeftArrow.png";
constexpr const char* BACK_NORMAL = "Assets/Sprites/Menu/Button/Retour arri\xE8re.png";
constexpr const char* BACK_HIGHLIGHTED = "Assets/Sprites/Menu/Button/Retour arri\xE8re survoll\xE9.png";
constexpr const char* SOUND_BAR = "Assets/Sprites/Menu/Options/SoundBar.png";
constexpr const char* SOUND_CURSOR = "Assets/Sprites/Menu/Options/CursorSound.png";

constexpr const char* LABEL_FORMATS[KEY_ACTION_COUNT] = {
    "Move Up %s",           "Move Down %s",    "Move Right %s",      "Move Left %s",
    "Press Select/Next %s", "Press Escape %s", "Press Inventory %s",
};

// Reference pixels: everything below is multiplied by the screen scale, so the screen keeps its layout
// on every desktop (the arrow's places in the volume column included).
constexpr float FIRST_ROW_Y = 200.0f;
constexpr float ROW_STEP = 100.0f;
constexpr float ROW_BUTTON_X = 450.0f;
constexpr float ROW_LABEL_X = 100.0f;
constexpr float ROW_LABEL_SIZE = 20.0f;
const sf::Vector2f KEY_ARROW_AT(540.0f, 220.0f);
const sf::Vector2f VOLUME_ARROW_AT(1300.0f, 225.0f);
constexpr float VOLUME_ARROW_STEP = 250.0f;
const sf::Vector2f BACK_AT(150.0f, 900.0f);
constexpr float VOLUME_STEP = 0.5f;
constexpr float HIGHEST_VOLUME = 20.0f;

struct TitlePlace {
    const char* text;
    unsigned size;  // reference pixels
    double widthDivisor;
    double heightDivisor;
};

constexpr TitlePlace TITLE_PLACES[OPTIONS_TITLE_COUNT] = {
    {"Volume general", 40, 2.15, 7.7}, {"Volume des musiques", 40, 2.3, 2.8},
    {"Volume des sons", 40, 2.2, 1.7}, {"Audio", 50, 1.9, 19.0},
    {"Keybinds", 50, 9.0, 40.0},
};

constexpr double BAR_HEIGHT_DIVISORS[VOLUME_KIND_COUNT] = {4.9, 2.3, 1.5};

float S() {
    return gScreen.scale;
}

float& VolumeOf(int kind) {
    float* fields[VOLUME_KIND_COUNT] = {&gSettings.volumeGeneral, &gSettings.volumeMusic,
                                        &gSettings.volumeSounds};
    return *fields[kind];
}

void BuildRow(int row) {
    KeyRow& keyRow = gOptions.rows[static_cast<size_t>(row)];
    const float y = (FIRST_ROW_Y + ROW_STEP * static_cast<float>(row)) * S();
    keyRow.texture.loadFromFile(KEY_BUTTON);
    keyRow.sprite = sf::Sprite(keyRow.texture);
    keyRow.sprite.setScale(S(), S());
    keyRow.sprite.setPosition(ROW_BUTTON_X * S(), y);
    keyRow.label = sf::Text("", gOptions.font, static_cast<unsigned>(S() * ROW_LABEL_SIZE));
    keyRow.label.setFillColor(sf::Color::White);
    keyRow.label.setPosition(ROW_LABEL_X * S(), y);
    keyRow.waiting = 0;
}

void BuildTitles() {
    for (int i = 0; i < OPTIONS_TITLE_COUNT; ++i) {
        const TitlePlace& place = TITLE_PLACES[i];
        sf::Text& title = gOptions.titles[static_cast<size_t>(i)];
        title =
            sf::Text(place.text, gOptions.font, static_cast<unsigned>(static_cast<float>(place.size) * S()));
        title.setFillColor(sf::Color::White);
        title.setPosition(static_cast<float>(gScreen.gameWidth / place.widthDivisor),
                          static_cast<float>(gScreen.gameHeight / place.heightDivisor));
    }
}

// The cursor of a bar sits along the bar in proportion to its volume: 0 at the left end, 20 at the right.
void PlaceVolumeCursor(VolumeBar& bar, float volume) {
    const sf::FloatRect general = gOptions.bars[VOLUME_GENERAL].bar.getGlobalBounds();
    bar.cursor.setPosition(general.left + general.width / HIGHEST_VOLUME * volume,
                           bar.cursor.getPosition().y);
}

void BuildBar(int kind) {
    VolumeBar& bar = gOptions.bars[static_cast<size_t>(kind)];
    const sf::Vector2f at(static_cast<float>(gScreen.gameWidth / 1.8),
                          static_cast<float>(gScreen.gameHeight / BAR_HEIGHT_DIVISORS[kind]));
    bar.barTexture.loadFromFile(SOUND_BAR);
    bar.bar = sf::Sprite(bar.barTexture);
    CentreOrigin(bar.bar);
    bar.bar.setScale(S(), S());
    bar.bar.setPosition(at);
    bar.cursorTexture.loadFromFile(SOUND_CURSOR);
    bar.cursor = sf::Sprite(bar.cursorTexture);
    CentreOrigin(bar.cursor);
    bar.cursor.setScale(S(), S());
    bar.cursor.setPosition(at);
    bar.selected = 0;
}

void SaveCurrentSettings() {
    SaveSettings(CurrentKeyCodes(), CurrentVolumes());
}

bool IsBound(int32_t code) {
    for (int32_t key : CurrentKeyCodes()) {
        if (key == code) return true;
    }
    return false;
}

void StartWaiting(int row) {
    KeyRow& keyRow = gOptions.rows[static_cast<size_t>(row)];
    keyRow.waiting = 1;
    keyRow.sprite.setColor(sf::Color::Black);
}

// A waiting row takes the first free key; a key already bound to any action is ignored.
void FinishWaiting(int row, int32_t code) {
    if (IsBound(code)) return;
    KeyCodes keys = CurrentKeyCodes();
    keys[static_cast<size_t>(row)] = code;
    SaveSettings(keys, CurrentVolumes());
    KeyRow& keyRow = gOptions.rows[static_cast<size_t>(row)];
    keyRow.waiting = 0;
    keyRow.sprite.setColor(sf::Color::White);
    gOptions.editing = 0;
    RefreshKeyLabels();
}

int WaitingRow() {
    for (int row = 0; row < KEY_ACTION_COUNT; ++row) {
        if (gOptions.rows[static_cast<size_t>(row)].waiting == 1) return row;
    }
    return -1;
}

void MoveArrow(float dx, float dy) {
    gOptions.arrow.move(dx * S(), dy * S());
}

void NavigateKeys(const KeyBindings& keys, int32_t code) {
    if (gOptions.keyCursor > 0 && code == keys.up) {
        gOptions.keyCursor -= 1;
        MoveArrow(0.0f, -ROW_STEP);
    }
    if (gOptions.keyCursor < OPTIONS_BACK_ENTRY && code == keys.down) {
        gOptions.keyCursor += 1;
        MoveArrow(0.0f, ROW_STEP);
    }
    if (code == keys.right) {
        gOptions.column = 1;
        gOptions.arrow.setPosition(VOLUME_ARROW_AT * S());
        gOptions.volumeCursor = 0;
    }
}

void NavigateVolumes(const KeyBindings& keys, int32_t code) {
    if (gOptions.volumeCursor > 0 && code == keys.up) {
        gOptions.volumeCursor -= 1;
        MoveArrow(0.0f, -VOLUME_ARROW_STEP);
    }
    if (gOptions.volumeCursor < VOLUME_KIND_COUNT - 1 && code == keys.down) {
        gOptions.volumeCursor += 1;
        MoveArrow(0.0f, VOLUME_ARROW_STEP);
    }
    if (code == keys.left) {
        gOptions.column = 0;
        gOptions.arrow.setPosition(KEY_ARROW_AT * S());
        gOptions.keyCursor = 0;
    }
}

void Confirm(sf::RenderWindow& window) {
    if (gOptions.column == 1) {
        gOptions.editing = 1;
        gOptions.bars[static_cast<size_t>(gOptions.volumeCursor)].selected = 1;
    } else if (gOptions.keyCursor < OPTIONS_BACK_ENTRY) {
        gOptions.editing = 1;
        StartWaiting(gOptions.keyCursor);
    } else if (gStates.gameMode == MODE_MENU) {
        // Over the game the back entry does nothing: ESCAPE leaves there.
        ReturnToTitleMenu(window);
    }
}

}  // namespace

void LoadOptionsScreen() {
    UnloadOptionsScreen();
    const float s = S();
    gOptions.backgroundTexture.loadFromFile(BACKGROUND);
    gOptions.background = sf::Sprite(gOptions.backgroundTexture);
    gOptions.background.setScale(s, s);
    gOptions.font.loadFromFile(GAME_FONT);
    for (int row = 0; row < KEY_ACTION_COUNT; ++row)
        BuildRow(row);
    RefreshKeyLabels();
    gOptions.arrowTexture.loadFromFile(ARROW);
    gOptions.arrow = sf::Sprite(gOptions.arrowTexture);
    CentreOrigin(gOptions.arrow);
    gOptions.arrow.setPosition(KEY_ARROW_AT * s);
    gOptions.arrow.setScale(s, s);
    gOptions.backNormal.loadFromFile(BACK_NORMAL);
    gOptions.backHighlighted.loadFromFile(BACK_HIGHLIGHTED);
    gOptions.back = sf::Sprite(gOptions.backNormal);
    CentreOrigin(gOptions.back);
    gOptions.back.setPosition(BACK_AT * s);
    gOptions.back.setScale(s, s);
    BuildTitles();
    for (int kind = 0; kind < VOLUME_KIND_COUNT; ++kind)
        BuildBar(kind);
    for (int kind = 0; kind < VOLUME_KIND_COUNT; ++kind)
        PlaceVolumeCursor(gOptions.bars[static_cast<size_t>(kind)], VolumeOf(kind));
    gOptions.built = true;
}

void RefreshKeyLabels() {
    const KeyCodes keys = CurrentKeyCodes();
    for (int row = 0; row < KEY_ACTION_COUNT; ++row) {
        char label[100];
        FormatText(label, sizeof label, LABEL_FORMATS[row], KeyName(keys[static_cast<size_t>(row)]));
        gOptions.rows[static_cast<size_t>(row)].label.setString(label);
    }
}

void AdjustVolume(VolumeBar& bar, const sf::Event::KeyEvent& keyEvent, float& volume) {
    if (bar.selected != 1) return;
    const KeyBindings& keys = gSettings.keys;
    if (volume > 0.0f && keyEvent.code == keys.left) {
        volume -= VOLUME_STEP;
        PlaceVolumeCursor(bar, volume);
    }
    if (volume < HIGHEST_VOLUME && keyEvent.code == keys.right) {
        volume += VOLUME_STEP;
        PlaceVolumeCursor(bar, volume);
    }
    if (keyEvent.code == keys.enter || keyEvent.code == keys.escape) {
        gOptions.editing = 0;
        bar.selected = 0;
    }
    SaveCurrentSettings();  // on every press while selected: the music and effects follow at once
}

void HandleOptionsKey(sf::RenderWindow& window, const sf::Event::KeyEvent& keyEvent) {
    if (!gOptions.built) return;
    const int32_t code = keyEvent.code;
    const int waiting = WaitingRow();
    if (waiting >= 0) {
        FinishWaiting(waiting, code);
        return;
    }
    if (gOptions.editing == 1) {
        for (int kind = 0; kind < VOLUME_KIND_COUNT; ++kind)
            AdjustVolume(gOptions.bars[static_cast<size_t>(kind)], keyEvent, VolumeOf(kind));
        return;
    }
    const KeyBindings& keys = gSettings.keys;
    if (gOptions.column == 0) NavigateKeys(keys, code);
    if (gOptions.column == 1) NavigateVolumes(keys, code);
    if (code == keys.enter) Confirm(window);
}

void HandleOptionsClick(sf::RenderWindow& window) {
    if (!gOptions.built || gOptions.anyRowWaiting == 1) return;
    const sf::Vector2f pointer = PointerPosition(window);
    for (int row = 0; row < KEY_ACTION_COUNT; ++row) {
        if (gOptions.rows[static_cast<size_t>(row)].sprite.getGlobalBounds().contains(pointer))
            StartWaiting(row);
    }
}

void UpdateOptionsScreen() {
    if (!gOptions.built) return;
    gOptions.anyRowWaiting = WaitingRow() >= 0 ? 1 : 0;
    gOptions.back.setTexture(
        gOptions.keyCursor == OPTIONS_BACK_ENTRY ? gOptions.backHighlighted : gOptions.backNormal, true);
}

void DrawOptionsScreen(sf::RenderWindow& window) {
    if (!gOptions.built) return;
    ApplyDefaultView(window);
    window.draw(gOptions.background);
    for (const KeyRow& row : gOptions.rows) {
        window.draw(row.sprite);
        window.draw(row.label);
    }
    window.draw(gOptions.arrow);
    window.draw(gOptions.back);
    for (const sf::Text& title : gOptions.titles)
        window.draw(title);
    for (const VolumeBar& bar : gOptions.bars) {
        window.draw(bar.bar);
        window.draw(bar.cursor);
    }
}

void UnloadOptionsScreen() {
    gOptions = OptionsScreen{};
}
