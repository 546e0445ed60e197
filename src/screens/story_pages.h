#pragma once
#include <string>
namespace cw {
class Game;
void ShowStoryPage(Game& g, const std::string& page);
void StoryOpening(Game& g);
void CloseStoryPage(Game& g);
void picStory_KeyPress(Game& g, int KeyAscii);
void picStory_MouseDown(Game& g, int Button, int Shift, double X, double Y);
}  // namespace cw
