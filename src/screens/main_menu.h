#pragma once
namespace cw {
class Game;
void Image2_Click(Game& g);
void Image3_Click(Game& g);
void Image4_Click(Game& g);
void Image5_Click(Game& g);
void Image2_MouseMove(Game& g, int Button, int Shift, double X, double Y);
void Image3_MouseMove(Game& g, int Button, int Shift, double X, double Y);
void Image4_MouseMove(Game& g, int Button, int Shift, double X, double Y);
void Image5_MouseMove(Game& g, int Button, int Shift, double X, double Y);
void picMenu_MouseMove(Game& g, int Button, int Shift, double X, double Y);
void picMenu_KeyDown(Game& g, int KeyCode, int Shift);
}  // namespace cw
