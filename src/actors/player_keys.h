#pragma once
namespace cw {
class Game;
void piccity_base_KeyDown(Game& g, int KeyCode, int Shift);
void picCity_base_KeyUp(Game& g, int KeyCode, int Shift);
void picCity_base_Click(Game& g);
}  // namespace cw
