#pragma once
namespace cw {
class Game;
void Command1_Click(Game& g);
int InGameMenuEntryAt(Game& g, double x, double y);
void picInGame_MouseMove(Game& g, int Button, int Shift, double X, double Y);
void picInGame_MouseDown(Game& g, int Button, int Shift, double X, double Y);
void picInGame_KeyDown(Game& g, int KeyCode, int Shift);
}  // namespace cw
