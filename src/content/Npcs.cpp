#include "content/Npcs.h"

#include "core/FormattedFile.h"
#include "core/Log.h"
#include "core/Text.h"
#include "world/Player.h"

namespace {

constexpr uint32_t NPC_FRAMES_PER_SECOND = 8;
constexpr int32_t MAX_NPC_DIALOGUES = 32;

// A name line echoed to the trace character by character as it is read.
std::string ReadEchoedName(std::FILE* file) {
    std::string name = ReadNameLine(file);
    for (const char c : name)
        LogDebug("%c", c);
    return name;
}

void BuildSheet(Npc& npc, const std::string& sheetName, float x, float y) {
    npc.texture = std::make_unique<sf::Texture>();
    npc.texture->loadFromFile("Assets/Sprites/Characters/" + sheetName + ".png");
    npc.sprite = sf::Sprite(*npc.texture);
    const int frameWidth = static_cast<int>(npc.texture->getSize().x) / NPC_SHEET_COLUMNS;
    const int frameHeight = static_cast<int>(npc.texture->getSize().y) / NPC_SHEET_ROWS;
    npc.sprite.setOrigin(static_cast<float>(frameWidth / 2), static_cast<float>(frameHeight / 2));
    npc.sprite.setPosition(x, y);
    for (int row = 0; row < NPC_SHEET_ROWS; ++row) {
        SpriteSheetAnimation& animation = npc.animations[static_cast<size_t>(row)];
        animation = SpriteSheetAnimation{};
        animation.frameCount = NPC_SHEET_COLUMNS;
        animation.framesPerSecond = NPC_FRAMES_PER_SECOND;
        animation.frameRect = {0, row * frameHeight, frameWidth, frameHeight};
        animation.loop = 1;
    }
}

}  // namespace

void LoadNpc(const char* path, Npc& npc) {
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "r"));
    if (!file) {
        LogDebug("Erreur d'ouverture du fichier PNJ!\n");
        return;
    }
    float x = 0.0f;
    float y = 0.0f;
    ReadFormatted(file.get(), "Pos %f %f\n", &x, &y);
    BuildSheet(npc, ReadNameLine(file.get()), x, y);
    int32_t state = 0;
    ReadFormatted(file.get(), "State %d\n", &state);
    // A row the sheet does not have shows the first one.
    npc.state = state >= 0 && state < NPC_SHEET_ROWS ? state : 0;
    npc.currentAnimation = npc.animations[static_cast<size_t>(npc.state)];
    // Aimed at its first frame now, so it never shows the whole sheet before its first step.
    npc.sprite.setTextureRect(npc.currentAnimation.frameRect);
    npc.open = 0;
    npc.currentDialogue = 0;
    int32_t count = 0;
    ReadFormatted(file.get(), "Dialogue %d\n", &count);
    // A damaged count gives the NPC nothing to say rather than a vector too large to hold.
    npc.dialogues =
        std::vector<Dialogue>(static_cast<size_t>(count > 0 && count <= MAX_NPC_DIALOGUES ? count : 0));
    for (Dialogue& dialogue : npc.dialogues) {
        char infos[100];
        FormatText(infos, sizeof infos, "Assets/Text/Dialogues/%s/infos.txt",
                   ReadEchoedName(file.get()).c_str());
        LoadDialogue(infos, dialogue);
    }
    ReadFormatted(file.get(), "Type %d\n", &npc.type);
    npc.battlePath.clear();
    if (npc.type == NPC_BATTLE) {
        char battle[100];
        FormatText(battle, sizeof battle, "Assets/Text/Levels/%s", ReadEchoedName(file.get()).c_str());
        npc.battlePath = battle;
    }
}

void UpdateNpc(float dt, Npc& npc) {
    // The animation copy steps the NPC's own sprite, wherever the list has moved the record to.
    npc.currentAnimation.sprite = &npc.sprite;
    AnimateSpriteSheet(npc.currentAnimation, dt);
    npc.box = FootBoxOf(npc.sprite.getGlobalBounds());
}

void DrawNpc(sf::RenderWindow& window, const Npc& npc) {
    window.draw(npc.sprite);
}

DialogueOwner OwnerOf(Npc& npc) {
    return {&npc.dialogues, &npc.open, &npc.currentDialogue};
}
