#include "actors/collision.h"

#include <cmath>

namespace cw {

// Touching circles count as overlapping. The square root is rounded exactly everywhere (a power of 0.5
// is not: the C libraries differ in its last bit).
bool CirclesOverlap(double x1, double y1, double r1, double x2, double y2, double r2) {
  return std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2)) <= r1 + r2;
}

}  // namespace cw
