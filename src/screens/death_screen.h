#pragma once
namespace cw {
class Game;
void picRIP_KeyDown(Game& g, int KeyCode, int Shift);
void picRIP_MouseDown(Game& g, int Button, int Shift, double X, double Y);
}  // namespace cw
