#pragma once
// The parts of a player shot's flight, used once per live enemy by the enemy step
// and once per pass by the fallback when no enemy is about.
namespace cw {
class Game;
struct ActorRecord;

// One move of 6 pixels along the shot's heading; the shot ends after 50 moves or on a wall.
// Then it keeps its place on the map.
void MoveShot(Game& g, ActorRecord& shot);
void DrawShot(Game& g, const ActorRecord& shot);
// A shot on the boss ends there and costs the boss 10 life points.
void TestShotOnBoss(Game& g, ActorRecord& shot);
// Moves the shots when no enemy is about.
void UpdateFallbackShots(Game& g);
}  // namespace cw
