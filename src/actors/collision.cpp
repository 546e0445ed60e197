#include "actors/collision.h"

#include <cmath>

namespace cw {

// Touching circles count as overlapping.
bool CirclesOverlap(double x1, double y1, double r1, double x2, double y2, double r2) {
  return std::pow((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2), 0.5) <= r1 + r2;
}

}  // namespace cw
