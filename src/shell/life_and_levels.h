#pragma once
namespace cw {
class Game;
// 100 + 5 x Vitality + 20 x Strength, in single precision.
float MaxLife(const Game& g);
void ApplyShotKill(Game& g, int kind);
void ApplyTouch(Game& g, int kind);
void UpdateStatusLabels(Game& g);
void CheckNewLevel(Game& g);
// The end of the boss fight, when BossLife < 1.
void CheckBossDeath(Game& g);
void CheckDeath(Game& g);
void FadeToEnding(Game& g);
void FadeToDeath(Game& g);
}  // namespace cw
