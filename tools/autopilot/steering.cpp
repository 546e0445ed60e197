#include "steering.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace cw::autopilot {
namespace {

constexpr double kDeadBand = 0.065;     // just over half a turn step
constexpr double kTurnOnTheSpot = 0.7;  // radians off the aim: stop and turn first
constexpr double kLookAhead = 110;      // pixels along the path

}  // namespace

Point PlayerOnMap(const Game& g) {
  return {double(g.My_x) - double(g.helpXCity), double(g.My_y) - double(g.helpYCity)};
}

Point PlayToMap(const Game& g, double x, double y) { return {x - double(g.helpXCity), y - double(g.helpYCity)}; }

double HeadingTowards(double dx, double dy) { return std::atan2(-dx, -dy); }

double AngleDiff(double a, double b) { return std::remainder(a - b, 2 * std::numbers::pi); }

int TurnToward(const Game& g, double heading) {
  double diff = AngleDiff(heading, g.u);
  if (std::fabs(diff) <= kDeadBand) return 0;
  return diff > 0 ? 1 : -1;
}

std::optional<Intent> LeaveScrollLock(const Game& g, double heading) {
  const double w = g.e.picCity_base->width, h = g.e.picCity_base->height;
  const double map_w = g.e.picHelp_city_base->width, map_h = g.e.picHelp_city_base->height;
  const double x = g.My_x, y = g.My_y;
  // Forward is (-sin u, -cos u).
  const double dx = -std::sin(heading), dy = -std::cos(heading);
  double away = 0;
  if (w - 170 <= x && x <= w - 150 && double(g.helpXCity) + map_w > w + 5 && dx < -0.3)
    away = -std::numbers::pi / 2;
  else if (h - 150 <= y && y <= h - 130 && double(g.helpYCity) + map_h > h + 5 && dy < -0.3)
    away = std::numbers::pi;
  else
    return std::nullopt;
  Intent in;
  in.turn = TurnToward(g, away);
  in.forward = std::fabs(AngleDiff(away, g.u)) < kTurnOnTheSpot;
  return in;
}

Intent PathFollower::Step(const Game& g) {
  Intent in;
  if (path_.empty()) return in;
  const Point me = PlayerOnMap(g);
  // Progress: the nearest path point a little ahead of the last one.
  size_t best = near_;
  double best_d = 1e18;
  for (size_t i = near_; i < path_.size() && i < near_ + 60; ++i) {
    double d = std::hypot(path_[i].x - me.x, path_[i].y - me.y);
    if (d < best_d) {
      best_d = d;
      best = i;
    }
  }
  near_ = best;
  // Distance still to go along the path, to notice when we stop getting anywhere.
  double left = best_d + double(path_.size() - 1 - near_) * WalkGrid::kCell;
  if (left < best_left_ - 2) {
    best_left_ = left;
    stalled_ = 0;
  } else {
    ++stalled_;
  }
  // Aim: the farthest point within the look-ahead that we can drive to in a straight line.
  size_t aim = std::min(near_ + 1, path_.size() - 1);
  double along = 0;
  for (size_t i = near_ + 1; i < path_.size(); ++i) {
    along += std::hypot(path_[i].x - path_[i - 1].x, path_[i].y - path_[i - 1].y);
    if (along > kLookAhead) break;
    if (grid_ && !grid_->LineClear(me, path_[i], 2)) break;
    aim = i;
  }
  const Point target = path_[aim];
  double dx = target.x - me.x, dy = target.y - me.y;
  double heading = HeadingTowards(dx, dy);
  heading_ = heading;
  double diff = AngleDiff(heading, g.u);
  in.turn = TurnToward(g, heading);
  in.forward = std::fabs(diff) < kTurnOnTheSpot;
  return in;
}

}  // namespace cw::autopilot
