#include "path_planner.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <queue>

namespace cw::autopilot {
namespace {

constexpr int kWantedClearance = 5;  // cells (20 px): paths keep this far from walls where they can
constexpr double kAvoidCost = 30;    // a cell to keep out of costs this many times more
constexpr int kStartZone = 6;        // cells around the start that may be tight (we may stand near a wall)

double Penalty(int clearance) {
  if (clearance >= kWantedClearance) return 0;
  return double(kWantedClearance - clearance) * 1.5;
}

}  // namespace

std::vector<Point> PlanPath(const WalkGrid& grid, Point start) {
  const int sc = WalkGrid::CellOf(start.x), sr = WalkGrid::CellOf(start.y);
  if (!grid.Inside(sc, sr)) return {};
  // Bounding box of the goal cells for an admissible heuristic.
  int gc0 = grid.cols(), gr0 = grid.rows(), gc1 = -1, gr1 = -1;
  for (int r = 0; r < grid.rows(); ++r)
    for (int c = 0; c < grid.cols(); ++c)
      if (grid.Goal(c, r)) {
        gc0 = std::min(gc0, c);
        gc1 = std::max(gc1, c);
        gr0 = std::min(gr0, r);
        gr1 = std::max(gr1, r);
      }
  if (gc1 < 0) return {};
  auto heuristic = [&](int c, int r) {
    int dx = c < gc0 ? gc0 - c : c > gc1 ? c - gc1 : 0;
    int dy = r < gr0 ? gr0 - r : r > gr1 ? r - gr1 : 0;
    return double(std::max(dx, dy)) + (std::sqrt(2.0) - 1) * std::min(dx, dy);
  };
  auto passable = [&](int c, int r) {
    if (grid.Goal(c, r)) return true;
    const int from_start = std::max(std::abs(c - sc), std::abs(r - sr));
    // Where we stand may be tight: next to a wall, or still on the red spot we just used.
    if (grid.Blocked(c, r)) return from_start <= 1 || (from_start <= kStartZone && grid.BlockedByRed(c, r));
    if (from_start <= kStartZone) return true;
    return grid.Clearance(c, r) >= 2;
  };
  const size_t n = size_t(grid.cols()) * grid.rows();
  std::vector<double> cost(n, std::numeric_limits<double>::infinity());
  std::vector<int> from(n, -1);
  using Item = std::pair<double, int>;
  std::priority_queue<Item, std::vector<Item>, std::greater<>> open;
  cost[grid.Index(sc, sr)] = 0;
  open.push({heuristic(sc, sr), int(grid.Index(sc, sr))});
  int reached = -1;
  while (!open.empty()) {
    auto [f, i] = open.top();
    open.pop();
    int c = i % grid.cols(), r = i / grid.cols();
    if (f - heuristic(c, r) > cost[size_t(i)] + 1e-9) continue;
    if (grid.Goal(c, r)) {
      reached = i;
      break;
    }
    for (int dr = -1; dr <= 1; ++dr)
      for (int dc = -1; dc <= 1; ++dc) {
        if (!dc && !dr) continue;
        int nc = c + dc, nr = r + dr;
        if (!grid.Inside(nc, nr) || !passable(nc, nr)) continue;
        // No cutting of corners between two cells we may not enter.
        if (dc && dr && (!passable(c + dc, r) || !passable(c, r + dr))) continue;
        double step = (dc && dr) ? std::sqrt(2.0) : 1.0;
        double weight = 1 + (grid.Goal(nc, nr) ? 0 : Penalty(grid.Clearance(nc, nr)));
        if (grid.Avoid(nc, nr)) weight *= kAvoidCost;
        double nd = cost[size_t(i)] + step * weight;
        size_t j = grid.Index(nc, nr);
        if (nd < cost[j]) {
          cost[j] = nd;
          from[j] = i;
          open.push({nd + heuristic(nc, nr), int(j)});
        }
      }
  }
  if (reached < 0) return {};
  std::vector<Point> path;
  for (int i = reached; i >= 0; i = from[size_t(i)]) path.push_back(WalkGrid::Centre(i % grid.cols(), i / grid.cols()));
  std::reverse(path.begin(), path.end());
  path.front() = start;
  return path;
}

}  // namespace cw::autopilot
