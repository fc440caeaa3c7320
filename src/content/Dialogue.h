#pragma once
// Every spoken text of the game: parts shown page by page in a frame at the bottom of the screen, the
// speaker's portrait above it, the letters appearing one by one.

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Event.hpp>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

inline constexpr int TEXT_PAGE_SIZE = 1000;  // 999 characters and the terminator
inline constexpr const char* DIALOGUE_FRAME = "Assets/Sprites/Dialogues/Frame.png";

struct FileCloser {
    void operator()(std::FILE* file) const {
        if (file != nullptr) std::fclose(file);
    }
};

// One page of typewriter text fed from an open file, one character every 0.02 s.
struct TextReveal {
    float elapsed = 0.0f;
    std::unique_ptr<std::FILE, FileCloser> source;
    int32_t revealing = 0;
    int32_t finished = 0;
    int32_t length = 0;
    char page[TEXT_PAGE_SIZE] = {};
    sf::Text text;
};

// Textures live behind pointers: a dialogue may move (in an NPC's list) while sprites point at them.
struct Dialogue {
    std::unique_ptr<sf::Texture> frameTexture;
    sf::Sprite frameSprite;
    TextReveal reveal;
    std::unique_ptr<sf::Font> font;
    int32_t partCount = 0;
    int32_t currentPart = 0;
    std::vector<std::string> partPaths;
    const sf::Texture* portraitTexture = nullptr;
    sf::Sprite portraitSprite;
    std::vector<std::unique_ptr<sf::Texture>> portraits;
};

// What an NPC-like owner lends the dialogue keys: its dialogues, the open flag and the one in use.
struct DialogueOwner {
    std::vector<Dialogue>* dialogues = nullptr;
    int32_t* open = nullptr;
    int32_t* currentDialogue = nullptr;
};

void LoadDialogue(const char* infosPath, Dialogue& dialogue);
void OpenDialoguePart(const std::string& partPath, Dialogue& dialogue, int32_t index);
void StartTextReveal(const char* path, TextReveal& reveal);
void UpdateTextReveal(float dt, TextReveal& reveal);
void AdvanceDialogue(const sf::Event::KeyEvent& keyEvent, Dialogue& dialogue);
void HandleDialogueKey(const sf::Event::KeyEvent& keyEvent, DialogueOwner owner);
// Frame, portrait and text in screen space; the main view is applied again afterwards.
void DrawDialogue(sf::RenderWindow& window, const Dialogue& dialogue);
// Reads one name line of a text file: up to the line feed, at most 99 characters kept.
std::string ReadNameLine(std::FILE* file);
