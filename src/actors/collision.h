#pragma once
namespace cw {

// The one hit test of the game: true when the centres are at most r1 + r2 apart.
bool CirclesOverlap(double x1, double y1, double r1, double x2, double y2, double r2);

// The radii it is used with. An enemy's comes with its kind (enemy_kinds.h).
inline constexpr double kPlayerRadius = 15;
inline constexpr double kShotRadius = 2;  // the player's shots
inline constexpr double kBossRadius = 25;
inline constexpr double kBossShotRadius = 10;

}  // namespace cw
