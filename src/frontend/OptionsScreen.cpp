#include "frontend/OptionsScreen.h"

#include <algorithm>
#include <cmath>

#include "core/KeyNames.h"
#include "core/Mixer.h"
#include "core/Pictures.h"
#include "core/Screen.h"
#include "core/Text.h"

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
const sf::Vector2f REFUSAL_AT(300.0f, 880.0f);
constexpr float REFUSAL_SIZE = 24.0f;
const sf::Color REFUSAL_COLOUR(250, 200, 120);
constexpr int32_t KEY_CODE_F = 5;
constexpr int32_t KEY_CODE_RETURN = 58;
constexpr int32_t KEY_CODE_F11 = 95;

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

void BuildRow(OptionsScreen& options, int row) {
    KeyRow& keyRow = options.rows[static_cast<size_t>(row)];
    const float y = (FIRST_ROW_Y + ROW_STEP * static_cast<float>(row)) * S();
    keyRow.texture.loadFromFile(KEY_BUTTON);
    keyRow.sprite = sf::Sprite(keyRow.texture);
    keyRow.sprite.setScale(S(), S());
    keyRow.sprite.setPosition(ROW_BUTTON_X * S(), y);
    keyRow.label = sf::Text("", options.font, static_cast<unsigned>(S() * ROW_LABEL_SIZE));
    keyRow.label.setFillColor(sf::Color::White);
    keyRow.label.setPosition(ROW_LABEL_X * S(), y);
    keyRow.waiting = 0;
}

void BuildTitles(OptionsScreen& options) {
    for (int i = 0; i < OPTIONS_TITLE_COUNT; ++i) {
        const TitlePlace& place = TITLE_PLACES[i];
        sf::Text& title = options.titles[static_cast<size_t>(i)];
        title =
            sf::Text(place.text, options.font, static_cast<unsigned>(static_cast<float>(place.size) * S()));
        title.setFillColor(sf::Color::White);
        title.setPosition(static_cast<float>(gScreen.gameWidth / place.widthDivisor),
                          static_cast<float>(gScreen.gameHeight / place.heightDivisor));
    }
}

// The cursor of a bar sits along the bar in proportion to its volume: 0 at the left end, 20 at the right.
void PlaceVolumeCursor(OptionsScreen& options, VolumeBar& bar, float volume) {
    const sf::FloatRect general = options.bars[VOLUME_GENERAL].bar.getGlobalBounds();
    bar.cursor.setPosition(general.left + general.width / HIGHEST_VOLUME * volume,
                           bar.cursor.getPosition().y);
}

void BuildBar(OptionsScreen& options, int kind) {
    VolumeBar& bar = options.bars[static_cast<size_t>(kind)];
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
    ApplyVolumes();
}

void Refuse(OptionsScreen& options, const std::string& why) {
    options.refusal.setString(why);
}

// Only one bar moves with LEFT and RIGHT at a time.
void DeselectBars(OptionsScreen& options) {
    for (VolumeBar& bar : options.bars)
        bar.selected = 0;
}

void StartWaiting(OptionsScreen& options, int row) {
    DeselectBars(options);
    KeyRow& keyRow = options.rows[static_cast<size_t>(row)];
    keyRow.waiting = 1;
    keyRow.sprite.setColor(sf::Color::Black);
}

// A waiting row takes the first key it may have; any other is refused with its reason.
// ESCAPE's own key (always in use, so never a new binding) lets a waiting row go with its key kept: a
// player who chose a row by mistake, or plays with a pad that has no free key to give, is not held.
void StopWaiting(OptionsScreen& options, int row) {
    Refuse(options, "");
    KeyRow& keyRow = options.rows[static_cast<size_t>(row)];
    keyRow.waiting = 0;
    keyRow.sprite.setColor(sf::Color::White);
    options.editing = 0;
}

void FinishWaiting(OptionsScreen& options, int row, int32_t code) {
    if (code == gSettings.keys.escape) {
        StopWaiting(options, row);
        return;
    }
    const std::string refusal = KeyRefusal(row, code);
    if (!refusal.empty()) {
        Refuse(options, refusal);
        return;
    }
    KeyCodes keys = CurrentKeyCodes();
    keys[static_cast<size_t>(row)] = code;
    SaveSettings(keys, CurrentVolumes());
    StopWaiting(options, row);
    RefreshKeyLabels(options);
}

int WaitingRow(const OptionsScreen& options) {
    for (int row = 0; row < KEY_ACTION_COUNT; ++row) {
        if (options.rows[static_cast<size_t>(row)].waiting == 1) return row;
    }
    return -1;
}

void MoveArrow(OptionsScreen& options, float dx, float dy) {
    options.arrow.move(dx * S(), dy * S());
}

void NavigateKeys(OptionsScreen& options, const KeyBindings& keys, int32_t code) {
    if (options.keyCursor > 0 && code == keys.up) {
        options.keyCursor -= 1;
        MoveArrow(options, 0.0f, -ROW_STEP);
    }
    if (options.keyCursor < OPTIONS_BACK_ENTRY && code == keys.down) {
        options.keyCursor += 1;
        MoveArrow(options, 0.0f, ROW_STEP);
    }
    if (code == keys.right) {
        options.column = 1;
        options.arrow.setPosition(VOLUME_ARROW_AT * S());
        options.volumeCursor = 0;
    }
}

void NavigateVolumes(OptionsScreen& options, const KeyBindings& keys, int32_t code) {
    if (options.volumeCursor > 0 && options.volumeCursor < OPTIONS_DISPLAY_ENTRY && code == keys.up) {
        options.volumeCursor -= 1;
        MoveArrow(options, 0.0f, -VOLUME_ARROW_STEP);
    }
    if (options.volumeCursor < VOLUME_KIND_COUNT - 1 && code == keys.down) {
        options.volumeCursor += 1;
        MoveArrow(options, 0.0f, VOLUME_ARROW_STEP);
    } else if (options.volumeCursor == VOLUME_KIND_COUNT - 1 && code == keys.down) {
        options.volumeCursor = OPTIONS_DISPLAY_ENTRY;
        options.arrow.setPosition(DisplayArrowAt());
    } else if (options.volumeCursor == OPTIONS_DISPLAY_ENTRY && code == keys.up) {
        options.volumeCursor = VOLUME_KIND_COUNT - 1;
        options.arrow.setPosition((VOLUME_ARROW_AT + sf::Vector2f(0.0f, VOLUME_ARROW_STEP * 2.0f)) * S());
    }
    if (code == keys.left) {
        options.column = 0;
        options.arrow.setPosition(KEY_ARROW_AT * S());
        options.keyCursor = 0;
    }
}

// ENTER on an entry; true on the front-end's back entry (over the game the back entry does nothing:
// ESCAPE leaves there).
bool Confirm(OptionsScreen& options) {
    if (options.column == 1 && options.volumeCursor == OPTIONS_DISPLAY_ENTRY) {
        options.switchWindow = true;
    } else if (options.column == 1) {
        DeselectBars(options);
        options.editing = 1;
        options.bars[static_cast<size_t>(options.volumeCursor)].selected = 1;
    } else if (options.keyCursor < OPTIONS_BACK_ENTRY) {
        options.editing = 1;
        StartWaiting(options, options.keyCursor);
    } else {
        return !options.overGame;
    }
    return false;
}

}  // namespace

std::string KeyRefusal(int action, int32_t code) {
    if (code < 0 || KeyName(code)[0] == '\0') return "That key cannot be told apart: choose another.";
    for (int32_t bound : CurrentKeyCodes()) {
        if (bound == code) return std::string(KeyName(code)) + " is already in use.";
    }
    if (action == KEY_ENTER) return "";
    if (code == KEY_CODE_RETURN) return "Enter is kept for choosing in the menus.";
    if (code == KEY_CODE_F) return "F is kept for the fish collection.";
    if (code == KEY_CODE_F11) return "F11 is kept for switching to a window.";
    return "";
}

void LoadOptionsScreen(OptionsScreen& options) {
    const bool overGame = options.overGame;
    options = OptionsScreen{};
    options.overGame = overGame;
    const float s = S();
    options.backgroundTexture.loadFromFile(BACKGROUND);
    options.background = sf::Sprite(options.backgroundTexture);
    options.background.setScale(s, s);
    options.font.loadFromFile(GAME_FONT);
    for (int row = 0; row < KEY_ACTION_COUNT; ++row)
        BuildRow(options, row);
    RefreshKeyLabels(options);
    options.arrowTexture.loadFromFile(ARROW);
    options.arrow = sf::Sprite(options.arrowTexture);
    CentreOrigin(options.arrow);
    options.arrow.setPosition(KEY_ARROW_AT * s);
    options.arrow.setScale(s, s);
    options.backNormal.loadFromFile(BACK_NORMAL);
    options.backHighlighted.loadFromFile(BACK_HIGHLIGHTED);
    options.back = sf::Sprite(options.backNormal);
    CentreOrigin(options.back);
    options.back.setPosition(BACK_AT * s);
    options.back.setScale(s, s);
    BuildTitles(options);
    for (int kind = 0; kind < VOLUME_KIND_COUNT; ++kind)
        BuildBar(options, kind);
    for (int kind = 0; kind < VOLUME_KIND_COUNT; ++kind)
        PlaceVolumeCursor(options, options.bars[static_cast<size_t>(kind)], VolumeOf(kind));
    options.refusal = sf::Text("", options.font, static_cast<unsigned>(REFUSAL_SIZE * s));
    options.refusal.setFillColor(REFUSAL_COLOUR);
    options.refusal.setPosition(REFUSAL_AT * s);
    BuildDisplayRow(options.display, options.font);
    options.built = true;
}

void RefreshKeyLabels(OptionsScreen& options) {
    const KeyCodes keys = CurrentKeyCodes();
    for (int row = 0; row < KEY_ACTION_COUNT; ++row) {
        char label[100];
        FormatText(label, sizeof label, LABEL_FORMATS[row], KeyName(keys[static_cast<size_t>(row)]));
        options.rows[static_cast<size_t>(row)].label.setString(label);
    }
}

void AdjustVolume(OptionsScreen& options, VolumeBar& bar, const sf::Event::KeyEvent& keyEvent,
                  float& volume) {
    if (bar.selected != 1) return;
    const KeyBindings& keys = gSettings.keys;
    // Steps of a half from 0 to 20, whatever value the file held before.
    if (keyEvent.code == keys.left) volume = std::clamp(volume - VOLUME_STEP, 0.0f, HIGHEST_VOLUME);
    if (keyEvent.code == keys.right) volume = std::clamp(volume + VOLUME_STEP, 0.0f, HIGHEST_VOLUME);
    PlaceVolumeCursor(options, bar, volume);
    if (keyEvent.code == keys.enter || keyEvent.code == keys.escape) {
        options.editing = 0;
        bar.selected = 0;
    }
    SaveCurrentSettings();  // on every press while selected: the music and effects follow at once
}

bool HandleOptionsKey(OptionsScreen& options, const sf::Event::KeyEvent& keyEvent) {
    if (!options.built) return false;
    const int32_t code = keyEvent.code;
    const int waiting = WaitingRow(options);
    if (waiting >= 0) {
        FinishWaiting(options, waiting, code);
        return false;
    }
    Refuse(options, "");
    if (options.editing == 1) {
        for (int kind = 0; kind < VOLUME_KIND_COUNT; ++kind)
            AdjustVolume(options, options.bars[static_cast<size_t>(kind)], keyEvent, VolumeOf(kind));
        return false;
    }
    const KeyBindings& keys = gSettings.keys;
    if (options.column == 0) NavigateKeys(options, keys, code);
    if (options.column == 1) NavigateVolumes(options, keys, code);
    return code == keys.enter && Confirm(options);
}

void HandleOptionsClick(OptionsScreen& options, sf::Vector2f pointer) {
    if (!options.built || options.anyRowWaiting == 1) return;
    if (DisplayRowHit(options.display, pointer)) options.switchWindow = true;
    for (int row = 0; row < KEY_ACTION_COUNT; ++row) {
        if (options.rows[static_cast<size_t>(row)].sprite.getGlobalBounds().contains(pointer)) {
            options.editing = 0;  // a bar being moved lets go: the row takes the keys now
            StartWaiting(options, row);
        }
    }
}

void UpdateOptionsScreen(OptionsScreen& options) {
    if (!options.built) return;
    options.anyRowWaiting = WaitingRow(options) >= 0 ? 1 : 0;
    RefreshDisplayRow(options.display);
    options.back.setTexture(
        options.keyCursor == OPTIONS_BACK_ENTRY ? options.backHighlighted : options.backNormal, true);
}

void DrawOptionsScreen(sf::RenderWindow& window, const OptionsScreen& options) {
    if (!options.built) return;
    ApplyDefaultView(window);
    window.draw(options.background);
    for (const KeyRow& row : options.rows) {
        window.draw(row.sprite);
        window.draw(row.label);
    }
    window.draw(options.arrow);
    window.draw(options.back);
    for (const sf::Text& title : options.titles)
        window.draw(title);
    for (const VolumeBar& bar : options.bars) {
        window.draw(bar.bar);
        window.draw(bar.cursor);
    }
    window.draw(options.refusal);
    DrawDisplayRow(window, options.display);
}

void OptionsMenuScreen::Key(const sf::Event::KeyEvent& key) {
    const bool back = HandleOptionsKey(options, key);
    if (back) context_.requests.SetGameMode(MODE_MENU);
    AskForWindowMode();
    // Over the game ESCAPE goes straight back to the map (it also ends the adjustment of a bar).
    if (options.overGame && key.code == gSettings.keys.escape) context_.requests.Pop();
}

void OptionsMenuScreen::Click(sf::Vector2f pointer, sf::Mouse::Button) {
    if (!options.overGame) HandleOptionsClick(options, pointer);
    AskForWindowMode();
}

void OptionsMenuScreen::AskForWindowMode() {
    if (options.switchWindow) context_.requests.SwitchWindowMode();
    options.switchWindow = false;
}

void OptionsMenuScreen::Draw(sf::RenderWindow& window) {
    DrawOptionsScreen(window, options);
}
