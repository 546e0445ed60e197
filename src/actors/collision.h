#pragma once
namespace cw {
// The one hit test of the game: true when the centres are at most r1 + r2 apart.
bool CirclesOverlap(double x1, double y1, double r1, double x2, double y2, double r2);
}  // namespace cw
