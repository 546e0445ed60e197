#pragma once
// Radians as the degrees sprites are drawn at, with pi to the eight decimals the game's rules write it
// with. Motion and the arctangent's limit use the exact value, std::numbers::pi.

namespace cw {

inline constexpr double kPi = 3.14159265;

constexpr double Degrees(double radians) { return radians / kPi * 180; }

}  // namespace cw
