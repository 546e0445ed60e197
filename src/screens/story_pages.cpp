#include "screens/story_pages.h"

#include "shell/game.h"

namespace cw {

// Not built yet: later work fills these in.
void ShowStoryPage(Game&, const std::string&) {}
void StoryOpening(Game&) {}
void CloseStoryPage(Game&) {}
void picStory_KeyPress(Game&, int) {}
void picStory_MouseDown(Game&, int, int, double, double) {}

}  // namespace cw
