#include "map_grid.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <stdexcept>

#include "platform/surface.h"
#include "world/location_catalogue.h"

namespace cw::autopilot {

MaskMap::MaskMap(Media& media, const std::filesystem::path& data_dir, const std::string& location) {
  const LocationInfo* info = FindLocation(location);
  if (!info) throw std::runtime_error("no location named " + location);
  auto path = data_dir / std::string(info->mask);
  auto pic = media.DecodePicture(path.string());
  if (!pic) throw std::runtime_error("can't read the mask " + path.string());
  width_ = pic->width;
  height_ = pic->height;
  ground_.resize(size_t(width_) * size_t(height_));
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      uint32_t c = pic->Get(x, y);
      ground_[size_t(y) * size_t(width_) + size_t(x)] = c == kCyan  ? Ground::Wall
                                                        : c == kRed ? Ground::Red
                                                                    : Ground::Open;
    }
}

bool MaskMap::WallFree(Point a, Point b) const {
  double len = std::hypot(b.x - a.x, b.y - a.y);
  int steps = std::max(1, int(std::ceil(len / 2)));
  for (int i = 0; i <= steps; ++i) {
    double t = double(i) / steps;
    if (At(int(std::lround(a.x + (b.x - a.x) * t)), int(std::lround(a.y + (b.y - a.y) * t))) == Ground::Wall)
      return false;
  }
  return true;
}

WalkGrid::WalkGrid(const MaskMap& mask, const std::function<bool(int x, int y)>& goal) : mask_(mask), goal_px_(goal) {
  cols_ = (mask.width() + kCell - 1) / kCell;
  rows_ = (mask.height() + kCell - 1) / kCell;
  blocked_.assign(size_t(cols_) * rows_, 0);
  goal_.assign(size_t(cols_) * rows_, 0);
  avoid_.assign(size_t(cols_) * rows_, 0);
  for (int y = 0; y < mask.height(); ++y)
    for (int x = 0; x < mask.width(); ++x) {
      Ground gr = mask.At(x, y);
      if (gr == Ground::Open) continue;
      size_t i = Index(x / kCell, y / kCell);
      if (gr == Ground::Red && goal(x, y))
        goal_[i] = 1;
      else if (gr == Ground::Wall)
        blocked_[i] = kWallBlock;
      else if (!blocked_[i])
        blocked_[i] = kRedBlock;
    }
  // A cell that holds some goal red is a goal even when a wall pixel shares it.
  for (size_t i = 0; i < goal_.size(); ++i)
    if (goal_[i]) blocked_[i] = 0;
  // Breadth-first distance from the blocked cells (8 neighbours).
  clearance_.assign(blocked_.size(), -1);
  std::deque<int> queue;
  for (size_t i = 0; i < blocked_.size(); ++i)
    if (blocked_[i]) {
      clearance_[i] = 0;
      queue.push_back(int(i));
    }
  // The border of the map counts as blocked too.
  for (int c = 0; c < cols_; ++c)
    for (int r : {0, rows_ - 1})
      if (clearance_[Index(c, r)] < 0) {
        clearance_[Index(c, r)] = 1;
        queue.push_back(int(Index(c, r)));
      }
  for (int r = 0; r < rows_; ++r)
    for (int c : {0, cols_ - 1})
      if (clearance_[Index(c, r)] < 0) {
        clearance_[Index(c, r)] = 1;
        queue.push_back(int(Index(c, r)));
      }
  while (!queue.empty()) {
    int i = queue.front();
    queue.pop_front();
    int c = i % cols_, r = i / cols_;
    for (int dr = -1; dr <= 1; ++dr)
      for (int dc = -1; dc <= 1; ++dc) {
        int nc = c + dc, nr = r + dr;
        if (!Inside(nc, nr) || clearance_[Index(nc, nr)] >= 0) continue;
        clearance_[Index(nc, nr)] = clearance_[size_t(i)] + 1;
        queue.push_back(int(Index(nc, nr)));
      }
  }
}

void WalkGrid::AddGoalDisc(Point centre, double radius) {
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < cols_; ++c) {
      Point p = Centre(c, r);
      if (!Blocked(c, r) && std::hypot(p.x - centre.x, p.y - centre.y) <= radius) goal_[Index(c, r)] = 1;
    }
}

void WalkGrid::AddAvoidRect(Point a, Point b) {
  for (int r = std::max(0, CellOf(a.y)); r <= std::min(rows_ - 1, CellOf(b.y)); ++r)
    for (int c = std::max(0, CellOf(a.x)); c <= std::min(cols_ - 1, CellOf(b.x)); ++c) avoid_[Index(c, r)] = 1;
}

bool WalkGrid::LineClear(Point a, Point b, int min_clear) const {
  double len = std::hypot(b.x - a.x, b.y - a.y);
  int steps = std::max(1, int(std::ceil(len / 2)));
  for (int i = 0; i <= steps; ++i) {
    double t = double(i) / steps;
    int c = CellOf(a.x + (b.x - a.x) * t), r = CellOf(a.y + (b.y - a.y) * t);
    if (!Inside(c, r)) return false;
    if (Goal(c, r)) continue;
    if (Clearance(c, r) < min_clear) return false;
  }
  return true;
}

Point WalkGrid::GoalAreaCentre(int x, int y) const {
  auto is_goal = [&](int px, int py) { return mask_.At(px, py) == Ground::Red && goal_px_(px, py); };
  if (!is_goal(x, y)) {
    // The nearest goal pixel of the cell the path ended in.
    int cx = x / kCell * kCell, cy = y / kCell * kCell;
    bool found = false;
    for (int py = cy; py < cy + kCell && !found; ++py)
      for (int px = cx; px < cx + kCell && !found; ++px)
        if (is_goal(px, py)) {
          x = px;
          y = py;
          found = true;
        }
    if (!found) return {double(x), double(y)};
  }
  std::vector<uint8_t> seen(size_t(mask_.width()) * mask_.height(), 0);
  std::deque<std::pair<int, int>> queue{{x, y}};
  seen[size_t(y) * mask_.width() + x] = 1;
  double sx = 0, sy = 0;
  long n = 0;
  while (!queue.empty()) {
    auto [px, py] = queue.front();
    queue.pop_front();
    sx += px;
    sy += py;
    ++n;
    for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
      int nx = px + dx, ny = py + dy;
      if (nx < 0 || ny < 0 || nx >= mask_.width() || ny >= mask_.height()) continue;
      size_t j = size_t(ny) * mask_.width() + nx;
      if (seen[j] || !is_goal(nx, ny)) continue;
      seen[j] = 1;
      queue.push_back({nx, ny});
    }
  }
  return {sx / double(n), sy / double(n)};
}

}  // namespace cw::autopilot
