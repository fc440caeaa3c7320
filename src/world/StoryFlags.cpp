#include "world/StoryFlags.h"

StoryFlags gStory;

void ResetStoryFlags() {
    gStory = StoryFlags{};
}
