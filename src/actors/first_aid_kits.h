#pragma once
namespace cw {
class Game;
void UpdateFirstAidKits(Game& g);
}  // namespace cw
