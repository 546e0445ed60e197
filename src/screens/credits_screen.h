#pragma once
namespace cw {
class Game;
void picCred_KeyDown(Game& g, int KeyCode, int Shift);
void cmdExit_cred_Click(Game& g);
}  // namespace cw
