#pragma once
namespace cw {
class Game;
void CheckMapTriggers(Game& g);
}  // namespace cw
