#include "content/Dialogue.h"

#include "core/FormattedFile.h"
#include "core/Log.h"
#include "core/Screen.h"
#include "core/Settings.h"
#include "core/Text.h"

namespace {

constexpr double REVEAL_STEP = 0.02;  // seconds per character
constexpr double FRAME_SCALE = 1.6;
constexpr int32_t MAX_DIALOGUE_PARTS = 64;
constexpr int NAME_LINE_MAX = 99;

void ClearPage(TextReveal& reveal) {
    reveal.length = 0;
    reveal.page[0] = '\0';
    reveal.text.setString("");
}

// One character from the part file: the end of the file ends the part, a ';' the page (the character
// after it is dropped). A page that reaches its size also ends there and goes on on the next page.
void TakeCharacter(TextReveal& reveal) {
    if (!reveal.source) return;
    const int c = std::fgetc(reveal.source.get());
    if (c == EOF) {
        reveal.source.reset();
        reveal.finished = 1;
        reveal.revealing = 0;
    } else if (c == ';') {
        std::fgetc(reveal.source.get());
        reveal.revealing = 0;
    } else if (reveal.length >= TEXT_PAGE_SIZE - 1) {
        std::ungetc(c, reveal.source.get());
        reveal.revealing = 0;
    } else {
        reveal.page[reveal.length++] = static_cast<char>(c);
        reveal.page[reveal.length] = '\0';
        reveal.text.setString(reveal.page);
    }
}

}  // namespace

std::string ReadNameLine(std::FILE* file) {
    std::string name;
    for (int c = std::fgetc(file); c != EOF && c != '\n'; c = std::fgetc(file)) {
        if (static_cast<int>(name.size()) < NAME_LINE_MAX) name += static_cast<char>(c);
    }
    // A file saved with Windows line ends names the same thing.
    if (!name.empty() && name.back() == '\r') name.pop_back();
    return name;
}

void LoadDialogue(const char* infosPath, Dialogue& dialogue) {
    const std::unique_ptr<std::FILE, FileCloser> infos(std::fopen(infosPath, "r"));
    if (!infos) {
        LogDebug("Erreur d'ouverture de fichier Dialogue!\n");
        return;
    }
    int32_t parts = 0;
    ReadFormatted(infos.get(), "Max %d\n", &parts);
    // A damaged count reads as no parts rather than thousands of pictures to load.
    dialogue.partCount = parts > 0 && parts <= MAX_DIALOGUE_PARTS ? parts : 0;
    dialogue.currentPart = 0;
    dialogue.portraits.clear();
    for (int32_t i = 0; i < dialogue.partCount; ++i) {
        auto portrait = std::make_unique<sf::Texture>();
        portrait->loadFromFile("Assets/Sprites/Characters/" + ReadNameLine(infos.get()) + ".png");
        dialogue.portraits.push_back(std::move(portrait));
    }
    const std::string folder = ReadNameLine(infos.get());
    dialogue.partPaths.clear();
    for (int32_t i = 1; i <= dialogue.partCount; ++i) {
        char path[101];
        FormatText(path, sizeof path, "Assets/Text/Dialogues/%s/Part%d.txt", folder.c_str(), i);
        dialogue.partPaths.emplace_back(path);
    }
}

void OpenDialoguePart(const std::string& partPath, Dialogue& dialogue, int32_t index) {
    const float s = gScreen.scale;
    const float frameScale = static_cast<float>(FRAME_SCALE * s);
    dialogue.frameTexture = std::make_unique<sf::Texture>();
    dialogue.frameTexture->loadFromFile(DIALOGUE_FRAME);
    dialogue.frameSprite = sf::Sprite(*dialogue.frameTexture);
    dialogue.frameSprite.setScale(frameScale, frameScale);
    const float left = gScreen.gameWidth / 2.0f - dialogue.frameSprite.getGlobalBounds().width / 2.0f;
    dialogue.frameSprite.setPosition(left, 1050.0f * s);
    dialogue.font = std::make_unique<sf::Font>();
    dialogue.font->loadFromFile(GAME_FONT);
    dialogue.reveal.text = sf::Text("", *dialogue.font, static_cast<unsigned>(s * 20.0f * 1.8f));
    dialogue.reveal.text.setPosition(left + 70.0f * s, 760.0f * s);
    dialogue.reveal.text.setFillColor(sf::Color::Black);
    const bool hasPortrait = index >= 0 && index < static_cast<int32_t>(dialogue.portraits.size());
    dialogue.portraitTexture = hasPortrait ? dialogue.portraits[static_cast<size_t>(index)].get() : nullptr;
    dialogue.portraitSprite = dialogue.portraitTexture ? sf::Sprite(*dialogue.portraitTexture) : sf::Sprite();
    dialogue.portraitSprite.setScale(frameScale, frameScale);
    // The frame is lifted by its own height once more (the origin is in the sprite's own units, so the
    // reference height is the scaled one divided by the screen scale); the portrait stands above it.
    const sf::FloatRect frame = dialogue.frameSprite.getGlobalBounds();
    dialogue.frameSprite.setOrigin(0.0f, frame.height / s);
    dialogue.portraitSprite.setPosition(frame.left, frame.top - frame.height - 250.0f * s);
    StartTextReveal(partPath.c_str(), dialogue.reveal);
}

void StartTextReveal(const char* path, TextReveal& reveal) {
    std::FILE* file = std::fopen(path, "r");
    if (file == nullptr) {
        LogDebug("Erreur d'ouverture de fichier!\n");
        // A missing text reads as an empty one: the next ENTER goes on instead of waiting for it forever.
        reveal.source.reset();
        reveal.revealing = 0;
        reveal.finished = 1;
        ClearPage(reveal);
        return;
    }
    reveal.source.reset(file);
    reveal.revealing = 1;
    reveal.finished = 0;
    reveal.elapsed = 0.0f;
    ClearPage(reveal);
}

void UpdateTextReveal(float dt, TextReveal& reveal) {
    if (reveal.revealing != 1) return;
    reveal.elapsed += dt;
    if (static_cast<double>(reveal.elapsed) < REVEAL_STEP) return;
    TakeCharacter(reveal);
    reveal.elapsed -= static_cast<float>(REVEAL_STEP);
}

void AdvanceDialogue(const sf::Event::KeyEvent& keyEvent, Dialogue& dialogue) {
    LogDebug("current text: %d\n", dialogue.currentPart);
    TextReveal& reveal = dialogue.reveal;
    if (reveal.finished == 1) {
        dialogue.currentPart += 1;
        LogDebug("++\n");
        if (dialogue.currentPart < dialogue.partCount) {
            OpenDialoguePart(dialogue.partPaths[static_cast<size_t>(dialogue.currentPart)], dialogue,
                             dialogue.currentPart);
        }
        return;
    }
    if (keyEvent.code != gSettings.keys.enter) return;
    if (reveal.revealing == 1) {
        if (!reveal.source) reveal.revealing = 0;
        while (reveal.revealing == 1)
            TakeCharacter(reveal);
    } else if (reveal.finished == 0) {
        reveal.revealing = 1;
        ClearPage(reveal);
    }
}

void HandleDialogueKey(const sf::Event::KeyEvent& keyEvent, DialogueOwner owner) {
    if (keyEvent.code != gSettings.keys.enter || owner.dialogues == nullptr) return;
    const size_t inUse = static_cast<size_t>(*owner.currentDialogue);
    if (inUse >= owner.dialogues->size()) return;
    Dialogue& dialogue = (*owner.dialogues)[inUse];
    if (*owner.open == 0) {
        if (dialogue.currentPart < dialogue.partCount) {
            OpenDialoguePart(dialogue.partPaths[static_cast<size_t>(dialogue.currentPart)], dialogue,
                             dialogue.currentPart);
        }
        *owner.open = 1;
    }
    if (dialogue.currentPart < dialogue.partCount) {
        if (*owner.open == 1) AdvanceDialogue(keyEvent, dialogue);
    } else {
        *owner.open = 0;
        dialogue.currentPart = 0;
        dialogue.reveal.finished = 1;
    }
}

void DrawDialogue(sf::RenderWindow& window, const Dialogue& dialogue) {
    ApplyDefaultView(window);
    window.draw(dialogue.frameSprite);
    window.draw(dialogue.portraitSprite);
    window.draw(dialogue.reveal.text);
    ApplyMainView(window);
}
