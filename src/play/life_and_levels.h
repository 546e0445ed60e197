#pragma once
namespace cw {
class Game;
// 100 + 5 x Vitality + 20 x Strength, in single precision.
float MaxLife(const Game& g);
// Life and Experience move by `change`, rounded halves to even, and stop at the limits of their fields.
void ChangeLife(Game& g, double change);
void ChangeExperience(Game& g, double change);
void ApplyShotKill(Game& g, int kind);
void ApplyTouch(Game& g, int kind);
void UpdateStatusLabels(Game& g);
void CheckNewLevel(Game& g);
}  // namespace cw
