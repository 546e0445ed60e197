#pragma once
namespace cw {
class Game;
struct TriggerRow;
void CheckMapTriggers(Game& g);
// Whether map position (mx, my) lies where `row` acts, on a location whose half size is (hw, hh); what
// the player holds is not asked.
bool InTriggerArea(const TriggerRow& row, double mx, double my, float hw, float hh);
}  // namespace cw
