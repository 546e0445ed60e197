#pragma once
// A location's collision mask as the autopilot reads it from the shipped data, and a coarse grid of
// where the player's centre may go: walls and the red areas we don't want to step on are blocked,
// and every cell knows how far it lies from the nearest blocked cell.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/media.h"

namespace cw::autopilot {

struct Point {
  double x = 0, y = 0;
};

enum class Ground : uint8_t { Open, Wall, Red };

class MaskMap {
 public:
  // Reads the location's mask file from the data folder; throws std::runtime_error when it can't.
  MaskMap(Media& media, const std::filesystem::path& data_dir, const std::string& location);
  int width() const { return width_; }
  int height() const { return height_; }
  // Outside the picture counts as wall.
  Ground At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return Ground::Wall;
    return ground_[size_t(y) * size_t(width_) + size_t(x)];
  }
  // True when no wall pixel lies on the straight line from a to b.
  bool WallFree(Point a, Point b) const;

 private:
  int width_ = 0, height_ = 0;
  std::vector<Ground> ground_;
};

class WalkGrid {
 public:
  static constexpr int kCell = 4;  // pixels per cell side
  // `goal` says which red pixels are the target; every other red pixel blocks like a wall.
  WalkGrid(const MaskMap& mask, const std::function<bool(int x, int y)>& goal);

  int cols() const { return cols_; }
  int rows() const { return rows_; }
  bool Inside(int c, int r) const { return c >= 0 && r >= 0 && c < cols_ && r < rows_; }
  size_t Index(int c, int r) const { return size_t(r) * size_t(cols_) + size_t(c); }
  bool Blocked(int c, int r) const { return blocked_[Index(c, r)] != 0; }
  // Blocked by a red area we don't want (rather than by a wall): passable when we already stand in it.
  bool BlockedByRed(int c, int r) const { return blocked_[Index(c, r)] == kRedBlock; }
  bool Goal(int c, int r) const { return goal_[Index(c, r)] != 0; }
  // Cells to the nearest blocked cell (0 on a blocked cell).
  int Clearance(int c, int r) const { return clearance_[Index(c, r)]; }
  // Marks cells as goal (a point to reach rather than a red area).
  void AddGoalDisc(Point centre, double radius);
  // Marks a rectangle of map pixels as a place to keep out of where there is another way (the boss's patrol).
  void AddAvoidRect(Point a, Point b);
  bool Avoid(int c, int r) const { return avoid_[Index(c, r)] != 0; }

  static int CellOf(double v) { return int(v) / kCell; }
  static Point Centre(int c, int r) { return {c * kCell + kCell / 2.0, r * kCell + kCell / 2.0}; }
  // True when every cell on the line from a to b has at least `min_clear` clearance (goal cells pass).
  bool LineClear(Point a, Point b, int min_clear) const;
  // Centre of the goal pixels of the red area that contains (x, y), in map pixels.
  Point GoalAreaCentre(int x, int y) const;

 private:
  static constexpr uint8_t kWallBlock = 1, kRedBlock = 2;
  const MaskMap& mask_;
  std::function<bool(int, int)> goal_px_;
  int cols_ = 0, rows_ = 0;
  std::vector<uint8_t> blocked_, goal_, avoid_;
  std::vector<int> clearance_;
};

}  // namespace cw::autopilot
