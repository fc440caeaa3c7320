#pragma once
// What the story (or a puzzle) asks of the roaming screen after a key or a frame: someone starts
// talking, the hero is moved to another map (losing what he carries, for the night), a pop-up opens.
// The roaming screen does it once the story has finished deciding.

#include <functional>
#include <memory>
#include <string>

#include "content/Conversation.h"

struct StoryTurn {
    std::unique_ptr<Conversation> conversation;
    std::function<void()> whenOver;  // once the conversation is over (a water source fills the bucket)
    std::string moveTo;              // a map the hero is moved to, as through a door
    bool emptyInventory = false;     // everything carried is lost before the map's save is written
    int32_t popUp = -1;              // a pop-up opened after the move

    bool Acts() const { return conversation != nullptr || !moveTo.empty() || popUp >= 0; }
};
