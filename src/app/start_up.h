#pragma once
namespace cw {
class Game;
void Form_Load(Game& g);
void PlayStartUpSplash(Game& g);
void picStartUp_base_Click(Game& g);
void picStartUp_base_KeyDown(Game& g, int KeyCode, int Shift);
}  // namespace cw
