#pragma once
// Driving the player like a vehicle: headings, turning toward a point, and following a planned path.
#include <optional>
#include <vector>

#include "controls.h"
#include "map_grid.h"
#include "play/game.h"

namespace cw::autopilot {

// The player on the location picture: (My_x, My_y) less the view offset. (The game's triggers use the
// offset's absolute value; the two agree while the offset is not positive.)
Point PlayerOnMap(const Game& g);
// A play-area point on the location picture.
Point PlayToMap(const Game& g, double x, double y);
// The heading u whose forward direction (-sin u, -cos u) points along (dx, dy).
double HeadingTowards(double dx, double dy);
// a - b brought into (-pi, pi].
double AngleDiff(double a, double b);
// Turn toward `heading` (+1/-1/0) with a dead band that the 0.12 rad turn step can settle in.
int TurnToward(const Game& g, double heading);

// Follows a path of map points: looks ahead to the farthest point in clear sight, turns toward it, and
// drives forward when it lies roughly ahead (turning on the spot otherwise).
// A scroll band can hold the player's screen position while the view moves instead. In the right band
// (or the bottom one) the view then follows a walk left (or up) past the map's edge, where the game's
// trigger bands no longer match the picture. Before such a walk, drive right (or down) until the map's
// edge stops the scrolling; then the walk back goes through the band freely.
std::optional<Intent> LeaveScrollLock(const Game& g, double heading);

class PathFollower {
 public:
  PathFollower() = default;
  PathFollower(std::vector<Point> path, const WalkGrid* grid) : path_(std::move(path)), grid_(grid) {}
  bool empty() const { return path_.empty(); }
  Intent Step(const Game& g);
  // Passes since the last progress along the path.
  int stalled() const { return stalled_; }
  // The heading the last step aimed at.
  double heading() const { return heading_; }
  const std::vector<Point>& path() const { return path_; }

 private:
  std::vector<Point> path_;
  const WalkGrid* grid_ = nullptr;
  size_t near_ = 0;
  double best_left_ = 1e18;
  int stalled_ = 0;
  double heading_ = 0;
};

}  // namespace cw::autopilot
