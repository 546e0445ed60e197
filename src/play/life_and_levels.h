#pragma once
namespace cw {
class Game;
struct EnemyKind;
// Life and Experience move by `change`, rounded halves to even, and stop at the limits of their fields.
void ChangeLife(Game& g, double change);
void ChangeExperience(Game& g, double change);
// The level shown on the abilities screen, which its "OK" makes the Level, moves by `change` and stops
// at the limits of that 16-bit field.
void ChangeLevel(Game& g, double change);
// What a kill by a shot and a touch by an enemy of `kind` earn and cost.
void ApplyShotKill(Game& g, const EnemyKind& kind);
void ApplyTouch(Game& g, const EnemyKind& kind);
void UpdateStatusLabels(Game& g);
void CheckNewLevel(Game& g);
}  // namespace cw
