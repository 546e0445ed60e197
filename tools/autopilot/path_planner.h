#pragma once
// Shortest safe path on a WalkGrid: A* over 8-neighbour cells, kept away from walls by a cost that
// grows near them; narrow passages are used only when nothing wider leads to the goal.
#include <vector>

#include "map_grid.h"

namespace cw::autopilot {

// Map points from the start to the goal (the middle of the goal area for a red goal); empty when the goal
// can't be reached.
std::vector<Point> PlanPath(const WalkGrid& grid, Point start);

}  // namespace cw::autopilot
